#!/usr/bin/env python3
"""Writes the text sources of the nine 3D primitives (program model text,
.l3m). lumora-assets turns them into the installed data/*.dxf and
data/teapot.3ds. Each primitive is centred on the origin and sized for the
scale value its button sets (10 for the cube and sphere, 20 for the others,
150 for the teapot), so that it fills the view: at scale S a coordinate S
lies one view unit from the centre, the fog's depth range.

Run from this folder: python3 generate_primitives.py
"""
import math


def write_l3m(name, objects):
    """objects: list of (object name, vertices, faces)."""
    lines = ["[Header]"]
    for obj_name, vertices, faces in objects:
        lines += [str(len(vertices)), str(len(faces)), obj_name]
    lines += ["[Header End]", ""]
    for _, vertices, faces in objects:
        for v in vertices:
            lines += ["%.6f" % c for c in v]
        for f in faces:
            lines += [str(i) for i in f]
    with open(name, "w", newline="\n") as out:
        out.write("\n".join(lines) + "\n")


def fan(polygon):
    return [(polygon[0], polygon[i], polygon[i + 1]) for i in range(1, len(polygon) - 1)]


def scaled(vertices, radius):
    """Scales so that the farthest vertex lies at radius."""
    r = max(math.sqrt(x * x + y * y + z * z) for x, y, z in vertices)
    return [(x * radius / r, y * radius / r, z * radius / r) for x, y, z in vertices]


def cube(half):
    v = [(x, y, z) for x in (-half, half) for y in (-half, half) for z in (-half, half)]
    quads = [(0, 1, 3, 2), (4, 6, 7, 5), (0, 4, 5, 1), (2, 3, 7, 6), (0, 2, 6, 4), (1, 5, 7, 3)]
    return v, [t for q in quads for t in fan(q)]


def sphere(radius, rings=16, segments=32):
    v = [(0.0, radius, 0.0)]
    for i in range(1, rings):
        phi = math.pi * i / rings
        for j in range(segments):
            theta = 2 * math.pi * j / segments
            v.append((radius * math.sin(phi) * math.cos(theta), radius * math.cos(phi),
                      radius * math.sin(phi) * math.sin(theta)))
    v.append((0.0, -radius, 0.0))
    bottom = len(v) - 1
    f = []
    ring = lambda i, j: 1 + (i - 1) * segments + j % segments
    for j in range(segments):
        f.append((0, ring(1, j + 1), ring(1, j)))
        f.append((bottom, ring(rings - 1, j), ring(rings - 1, j + 1)))
    for i in range(1, rings - 1):
        for j in range(segments):
            f += fan((ring(i, j), ring(i, j + 1), ring(i + 1, j + 1), ring(i + 1, j)))
    return v, f


def torus(major, minor, segments=36, sides=16):
    """Lying in the x-y plane, facing the viewer."""
    v = []
    for i in range(segments):
        a = 2 * math.pi * i / segments
        for j in range(sides):
            b = 2 * math.pi * j / sides
            r = major + minor * math.cos(b)
            v.append((r * math.cos(a), r * math.sin(a), minor * math.sin(b)))
    idx = lambda i, j: (i % segments) * sides + j % sides
    f = []
    for i in range(segments):
        for j in range(sides):
            f += fan((idx(i, j), idx(i + 1, j), idx(i + 1, j + 1), idx(i, j + 1)))
    return v, f


def cone(radius, height, segments=32):
    """Apex up, centred between apex and base."""
    v = [(0.0, height / 2, 0.0), (0.0, -height / 2, 0.0)]
    for j in range(segments):
        a = 2 * math.pi * j / segments
        v.append((radius * math.cos(a), -height / 2, radius * math.sin(a)))
    f = []
    for j in range(segments):
        a, b = 2 + j, 2 + (j + 1) % segments
        f.append((0, b, a))
        f.append((1, a, b))
    return v, f


def tetrahedron(radius):
    v = scaled([(1, 1, 1), (1, -1, -1), (-1, 1, -1), (-1, -1, 1)], radius)
    return v, [(0, 1, 2), (0, 3, 1), (0, 2, 3), (1, 3, 2)]


def octahedron(radius):
    v = [(radius, 0, 0), (-radius, 0, 0), (0, radius, 0), (0, -radius, 0), (0, 0, radius),
         (0, 0, -radius)]
    f = [(0, 2, 4), (2, 1, 4), (1, 3, 4), (3, 0, 4), (2, 0, 5), (1, 2, 5), (3, 1, 5), (0, 3, 5)]
    return v, f


PHI = (1 + math.sqrt(5)) / 2


def icosahedron(radius):
    v = []
    for a in (-1, 1):
        for b in (-PHI, PHI):
            v += [(0, a, b), (a, b, 0), (b, 0, a)]
    v = scaled(v, radius)
    return v, convex_faces(v, 3)


def dodecahedron(radius):
    v = [(x, y, z) for x in (-1, 1) for y in (-1, 1) for z in (-1, 1)]
    for a in (-1 / PHI, 1 / PHI):
        for b in (-PHI, PHI):
            v += [(0, a, b), (a, b, 0), (b, 0, a)]
    v = scaled(v, radius)
    return v, convex_faces(v, 5)


def convex_faces(v, corners):
    """The faces of a regular convex polyhedron: the planes through the
    vertices nearest to each face centre, fanned into triangles."""
    faces = []
    seen = set()
    n = len(v)
    dot = lambda a, b: sum(x * y for x, y in zip(a, b))
    for i in range(n):
        for j in range(n):
            for k in range(n):
                if len({i, j, k}) < 3:
                    continue
                a, b, c = v[i], v[j], v[k]
                ab = [b[m] - a[m] for m in range(3)]
                ac = [c[m] - a[m] for m in range(3)]
                normal = (ab[1] * ac[2] - ab[2] * ac[1], ab[2] * ac[0] - ab[0] * ac[2],
                          ab[0] * ac[1] - ab[1] * ac[0])
                d = dot(normal, a)
                if d <= 1e-9:
                    continue
                if any(dot(normal, p) > d + 1e-6 for p in v):
                    continue
                on_plane = tuple(sorted(m for m in range(n) if abs(dot(normal, v[m]) - d) < 1e-6))
                if len(on_plane) != corners or on_plane in seen:
                    continue
                seen.add(on_plane)
                # Order the corners around the face centre.
                centre = [sum(v[m][q] for m in on_plane) / corners for q in range(3)]
                length = math.sqrt(dot(normal, normal))
                nz = [x / length for x in normal]
                u = [v[on_plane[0]][q] - centre[q] for q in range(3)]
                w = (nz[1] * u[2] - nz[2] * u[1], nz[2] * u[0] - nz[0] * u[2],
                     nz[0] * u[1] - nz[1] * u[0])
                angle = lambda m: math.atan2(dot([v[m][q] - centre[q] for q in range(3)], w),
                                             dot([v[m][q] - centre[q] for q in range(3)], u))
                faces += fan(sorted(on_plane, key=angle))
    return faces


# The Newell teapot: 32 bicubic patches over 306 control points (1-based),
# z up, spout toward +x.
TEAPOT_PATCHES = """
1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16
4 17 18 19 8 20 21 22 12 23 24 25 16 26 27 28
19 29 30 31 22 32 33 34 25 35 36 37 28 38 39 40
31 41 42 1 34 43 44 5 37 45 46 9 40 47 48 13
13 14 15 16 49 50 51 52 53 54 55 56 57 58 59 60
16 26 27 28 52 61 62 63 56 64 65 66 60 67 68 69
28 38 39 40 63 70 71 72 66 73 74 75 69 76 77 78
40 47 48 13 72 79 80 49 75 81 82 53 78 83 84 57
57 58 59 60 85 86 87 88 89 90 91 92 93 94 95 96
60 67 68 69 88 97 98 99 92 100 101 102 96 103 104 105
69 76 77 78 99 106 107 108 102 109 110 111 105 112 113 114
78 83 84 57 108 115 116 85 111 117 118 89 114 119 120 93
121 122 123 124 125 126 127 128 129 130 131 132 133 134 135 136
124 137 138 121 128 139 140 125 132 141 142 129 136 143 144 133
133 134 135 136 145 146 147 148 149 150 151 152 69 153 154 155
136 143 144 133 148 156 157 145 152 158 159 149 155 160 161 69
162 163 164 165 166 167 168 169 170 171 172 173 174 175 176 177
165 178 179 162 169 180 181 166 173 182 183 170 177 184 185 174
174 175 176 177 186 187 188 189 190 191 192 193 194 195 196 197
177 184 185 174 189 198 199 186 193 200 201 190 197 202 203 194
204 204 204 204 207 208 209 210 211 211 211 211 212 213 214 215
204 204 204 204 210 217 218 219 211 211 211 211 215 220 221 222
204 204 204 204 219 224 225 226 211 211 211 211 222 227 228 229
204 204 204 204 226 230 231 207 211 211 211 211 229 232 233 212
212 213 214 215 234 235 236 237 238 239 240 241 242 243 244 245
215 220 221 222 237 246 247 248 241 249 250 251 245 252 253 254
222 227 228 229 248 255 256 257 251 258 259 260 254 261 262 263
229 232 233 212 257 264 265 234 260 266 267 238 263 268 269 242
270 270 270 270 279 280 281 282 275 276 277 278 271 272 273 274
270 270 270 270 282 289 290 291 278 286 287 288 274 283 284 285
270 270 270 270 291 298 299 300 288 295 296 297 285 292 293 294
270 270 270 270 300 305 306 279 297 303 304 275 294 301 302 271
"""

TEAPOT_POINTS = """
1.4 0 2.4|1.4 -0.784 2.4|0.784 -1.4 2.4|0 -1.4 2.4|1.3375 0 2.53125|1.3375 -0.749 2.53125
0.749 -1.3375 2.53125|0 -1.3375 2.53125|1.4375 0 2.53125|1.4375 -0.805 2.53125
0.805 -1.4375 2.53125|0 -1.4375 2.53125|1.5 0 2.4|1.5 -0.84 2.4|0.84 -1.5 2.4|0 -1.5 2.4
-0.784 -1.4 2.4|-1.4 -0.784 2.4|-1.4 0 2.4|-0.749 -1.3375 2.53125|-1.3375 -0.749 2.53125
-1.3375 0 2.53125|-0.805 -1.4375 2.53125|-1.4375 -0.805 2.53125|-1.4375 0 2.53125
-0.84 -1.5 2.4|-1.5 -0.84 2.4|-1.5 0 2.4|-1.4 0.784 2.4|-0.784 1.4 2.4|0 1.4 2.4
-1.3375 0.749 2.53125|-0.749 1.3375 2.53125|0 1.3375 2.53125|-1.4375 0.805 2.53125
-0.805 1.4375 2.53125|0 1.4375 2.53125|-1.5 0.84 2.4|-0.84 1.5 2.4|0 1.5 2.4|0.784 1.4 2.4
1.4 0.784 2.4|0.749 1.3375 2.53125|1.3375 0.749 2.53125|0.805 1.4375 2.53125
1.4375 0.805 2.53125|0.84 1.5 2.4|1.5 0.84 2.4|1.75 0 1.875|1.75 -0.98 1.875|0.98 -1.75 1.875
0 -1.75 1.875|2 0 1.35|2 -1.12 1.35|1.12 -2 1.35|0 -2 1.35|2 0 0.9|2 -1.12 0.9|1.12 -2 0.9
0 -2 0.9|-0.98 -1.75 1.875|-1.75 -0.98 1.875|-1.75 0 1.875|-1.12 -2 1.35|-2 -1.12 1.35
-2 0 1.35|-1.12 -2 0.9|-2 -1.12 0.9|-2 0 0.9|-1.75 0.98 1.875|-0.98 1.75 1.875|0 1.75 1.875
-2 1.12 1.35|-1.12 2 1.35|0 2 1.35|-2 1.12 0.9|-1.12 2 0.9|0 2 0.9|0.98 1.75 1.875
1.75 0.98 1.875|1.12 2 1.35|2 1.12 1.35|1.12 2 0.9|2 1.12 0.9|2 0 0.45|2 -1.12 0.45
1.12 -2 0.45|0 -2 0.45|1.5 0 0.225|1.5 -0.84 0.225|0.84 -1.5 0.225|0 -1.5 0.225|1.5 0 0.15
1.5 -0.84 0.15|0.84 -1.5 0.15|0 -1.5 0.15|-1.12 -2 0.45|-2 -1.12 0.45|-2 0 0.45
-0.84 -1.5 0.225|-1.5 -0.84 0.225|-1.5 0 0.225|-0.84 -1.5 0.15|-1.5 -0.84 0.15|-1.5 0 0.15
-2 1.12 0.45|-1.12 2 0.45|0 2 0.45|-1.5 0.84 0.225|-0.84 1.5 0.225|0 1.5 0.225
-1.5 0.84 0.15|-0.84 1.5 0.15|0 1.5 0.15|1.12 2 0.45|2 1.12 0.45|0.84 1.5 0.225
1.5 0.84 0.225|0.84 1.5 0.15|1.5 0.84 0.15|-1.6 0 2.025|-1.6 -0.3 2.025|-1.5 -0.3 2.25
-1.5 0 2.25|-2.3 0 2.025|-2.3 -0.3 2.025|-2.5 -0.3 2.25|-2.5 0 2.25|-2.7 0 2.025
-2.7 -0.3 2.025|-3 -0.3 2.25|-3 0 2.25|-2.7 0 1.8|-2.7 -0.3 1.8|-3 -0.3 1.8|-3 0 1.8
-1.5 0.3 2.25|-1.6 0.3 2.025|-2.5 0.3 2.25|-2.3 0.3 2.025|-3 0.3 2.25|-2.7 0.3 2.025
-3 0.3 1.8|-2.7 0.3 1.8|-2.7 0 1.575|-2.7 -0.3 1.575|-3 -0.3 1.35|-3 0 1.35|-2.5 0 1.125
-2.5 -0.3 1.125|-2.65 -0.3 0.9375|-2.65 0 0.9375|-2 -0.3 0.9|-1.9 -0.3 0.6|-1.9 0 0.6
-3 0.3 1.35|-2.7 0.3 1.575|-2.65 0.3 0.9375|-2.5 0.3 1.125|-1.9 0.3 0.6|-2 0.3 0.9
1.7 0 1.425|1.7 -0.66 1.425|1.7 -0.66 0.6|1.7 0 0.6|2.6 0 1.425|2.6 -0.66 1.425
3.1 -0.66 0.825|3.1 0 0.825|2.3 0 2.1|2.3 -0.25 2.1|2.4 -0.25 2.025|2.4 0 2.025|2.7 0 2.4
2.7 -0.25 2.4|3.3 -0.25 2.4|3.3 0 2.4|1.7 0.66 0.6|1.7 0.66 1.425|3.1 0.66 0.825
2.6 0.66 1.425|2.4 0.25 2.025|2.3 0.25 2.1|3.3 0.25 2.4|2.7 0.25 2.4|2.8 0 2.475
2.8 -0.25 2.475|3.525 -0.25 2.49375|3.525 0 2.49375|2.9 0 2.475|2.9 -0.15 2.475
3.45 -0.15 2.5125|3.45 0 2.5125|2.8 0 2.4|2.8 -0.15 2.4|3.2 -0.15 2.4|3.2 0 2.4
3.525 0.25 2.49375|2.8 0.25 2.475|3.45 0.15 2.5125|2.9 0.15 2.475|3.2 0.15 2.4|2.8 0.15 2.4
0 0 3.15|0 -0.002 3.15|0.002 0 3.15|0.8 0 3.15|0.8 -0.45 3.15|0.45 -0.8 3.15|0 -0.8 3.15
0 0 2.85|0.2 0 2.7|0.2 -0.112 2.7|0.112 -0.2 2.7|0 -0.2 2.7|-0.002 0 3.15|-0.45 -0.8 3.15
-0.8 -0.45 3.15|-0.8 0 3.15|-0.112 -0.2 2.7|-0.2 -0.112 2.7|-0.2 0 2.7|0 0.002 3.15
-0.8 0.45 3.15|-0.45 0.8 3.15|0 0.8 3.15|-0.2 0.112 2.7|-0.112 0.2 2.7|0 0.2 2.7
0.45 0.8 3.15|0.8 0.45 3.15|0.112 0.2 2.7|0.2 0.112 2.7|0.4 0 2.55|0.4 -0.224 2.55
0.224 -0.4 2.55|0 -0.4 2.55|1.3 0 2.55|1.3 -0.728 2.55|0.728 -1.3 2.55|0 -1.3 2.55|1.3 0 2.4
1.3 -0.728 2.4|0.728 -1.3 2.4|0 -1.3 2.4|-0.224 -0.4 2.55|-0.4 -0.224 2.55|-0.4 0 2.55
-0.728 -1.3 2.55|-1.3 -0.728 2.55|-1.3 0 2.55|-0.728 -1.3 2.4|-1.3 -0.728 2.4|-1.3 0 2.4
-0.4 0.224 2.55|-0.224 0.4 2.55|0 0.4 2.55|-1.3 0.728 2.55|-0.728 1.3 2.55|0 1.3 2.55
-1.3 0.728 2.4|-0.728 1.3 2.4|0 1.3 2.4|0.224 0.4 2.55|0.4 0.224 2.55|0.728 1.3 2.55
1.3 0.728 2.55|0.728 1.3 2.4|1.3 0.728 2.4|0 0 0|1.5 0 0.15|1.5 0.84 0.15|0.84 1.5 0.15
0 1.5 0.15|1.5 0 0.075|1.5 0.84 0.075|0.84 1.5 0.075|0 1.5 0.075|1.425 0 0|1.425 0.798 0
0.798 1.425 0|0 1.425 0|-0.84 1.5 0.15|-1.5 0.84 0.15|-1.5 0 0.15|-0.84 1.5 0.075
-1.5 0.84 0.075|-1.5 0 0.075|-0.798 1.425 0|-1.425 0.798 0|-1.425 0 0|-1.5 -0.84 0.15
-0.84 -1.5 0.15|0 -1.5 0.15|-1.5 -0.84 0.075|-0.84 -1.5 0.075|0 -1.5 0.075|-1.425 -0.798 0
-0.798 -1.425 0|0 -1.425 0|0.84 -1.5 0.15|1.5 -0.84 0.15|0.84 -1.5 0.075|1.5 -0.84 0.075
0.798 -1.425 0|1.425 -0.798 0
"""


def teapot(size, steps=8):
    points = [tuple(float(c) for c in p.split())
              for p in TEAPOT_POINTS.replace("\n", "|").split("|") if p.strip()]
    assert len(points) == 306, len(points)
    patches = [[int(i) - 1 for i in line.split()] for line in TEAPOT_PATCHES.strip().splitlines()]
    assert len(patches) == 32

    def bernstein(t):
        s = 1 - t
        return (s * s * s, 3 * t * s * s, 3 * t * t * s, t * t * t)

    v, f = [], []
    for patch in patches:
        base = len(v)
        for i in range(steps + 1):
            bu = bernstein(i / steps)
            for j in range(steps + 1):
                bv = bernstein(j / steps)
                p = [0.0, 0.0, 0.0]
                for a in range(4):
                    for b in range(4):
                        w = bu[a] * bv[b]
                        c = points[patch[a * 4 + b]]
                        for q in range(3):
                            p[q] += w * c[q]
                v.append(p)
        for i in range(steps):
            for j in range(steps):
                a = base + i * (steps + 1) + j
                f += [(a, a + 1, a + steps + 2), (a, a + steps + 2, a + steps + 1)]
    # z up becomes y up (a turn about x), centred on the bounding box.
    v = [(x, z, -y) for x, y, z in v]
    lo = [min(p[q] for p in v) for q in range(3)]
    hi = [max(p[q] for p in v) for q in range(3)]
    centre = [(lo[q] + hi[q]) / 2 for q in range(3)]
    v = [tuple((p[q] - centre[q]) * size for q in range(3)) for p in v]
    return v, f


def main():
    write_l3m("Cube.l3m", [("Cube", *cube(7.0))])
    write_l3m("Sphere.l3m", [("Sphere", *sphere(10.0))])
    write_l3m("Torus.l3m", [("Torus", *torus(13.0, 6.0))])
    write_l3m("Cone.l3m", [("Cone", *cone(14.0, 28.0))])
    write_l3m("Tetrahedron.l3m", [("Tetrahedron", *tetrahedron(20.0))])
    write_l3m("Octahedron.l3m", [("Octahedron", *octahedron(20.0))])
    write_l3m("Dodecahedron.l3m", [("Dodecahedron", *dodecahedron(20.0))])
    write_l3m("Icosahedron.l3m", [("Icosahedron", *icosahedron(20.0))])
    write_l3m("teapot.l3m", [("Teapot", *teapot(75.0))])


if __name__ == "__main__":
    main()
