#pragma once
// The row algorithm written the plain way, step by step as the rules read,
// with no precomputed tables: the fast form is compared against it.

#include "common/numeric.h"
#include "rendering/lumo_pixelengine.h"
#include "rendering/lumo_pixelengine256.h"
#include "rendering/render_options.h"

#include <algorithm>
#include <vector>

namespace lumora::testing {

class ReferenceAlgorithm
{
public:
    ReferenceAlgorithm(const RenderOptions& o, const TPixelEngine& tile)
    {
        w = o.RenderOptions_RenderWidth;
        os = OversamplingFactor(o.RenderOptions_Settings_quality);
        const int dpi = o.RenderOptions_RenderDPI;
        wos = w * os;
        D = Round(dpi * o.RenderOptions_Settings_AugeScreen);
        const int64_t E = Round(dpi * 2.5);
        Eos = E * os;
        far = Round(dpi * o.RenderOptions_Settings_max3dtiefe);
        nearD = Round(o.RenderOptions_Settings_min3dtiefe) * dpi;
        tos = tile.Width() * os;
        tileH = tile.Height();
        switch (o.RenderOptions_Settings_renderdirection) {
        case 1: start = 0; break;
        case 2: start = (wos / 2) - (tos / 2); break;
        case 3: start = wos - tos; break;
        case 4: start = o.RenderOptions_Settings_customrenderdirection * os; break;
        default: start = 0;
        }
        start = std::clamp(start, 0, wos);
        phase = tos - (start % tos);
        vshift = dpi / 16;
        for (int a = 0; a < 256; ++a) {
            const int64_t dist = Trunc(far - static_cast<double>((far - nearD) * a) / 256);
            sep[a] = static_cast<int>(Round(static_cast<double>(Eos * dist) / (dist + D)));
        }
    }

    void Row(int r, const TPixelEngine256& depth, const TPixelEngine& tile, TPixelEngine& out)
    {
        std::vector<int> linkLeft(wos), linkRight(wos);
        std::vector<uint32_t> colours(wos);
        for (int x = 0; x < wos; ++x)
            linkLeft[x] = linkRight[x] = x;
        int s = 0;
        for (int x = 0; x < wos; ++x) {
            if (x % os == 0) {
                const int d = depth.Row(r)[x / os];
                const int level = static_cast<int>(Round(255 * (d / 256.0)));
                s = sep[level];
            }
            const int left = x - (s / 2);
            const int right = left + s;
            if (left < 0 || right >= wos)
                continue;
            bool visible = true;
            if (linkLeft[right] != right) {
                if (linkLeft[right] < left) {
                    linkRight[linkLeft[right]] = linkLeft[right];
                    linkLeft[right] = right;
                } else
                    visible = false;
            }
            if (linkRight[left] != left) {
                if (linkRight[left] > right) {
                    linkLeft[linkRight[left]] = linkRight[left];
                    linkRight[left] = left;
                } else
                    visible = false;
            }
            if (visible) {
                linkLeft[right] = left;
                linkRight[left] = right;
            }
        }
        auto tileAt = [&](int x, int k) {
            const int row = (r + k * vshift) % tileH;
            const int col = ((x + phase) % tos) / os;
            const uint8_t* p = tile.Row(row) + 3 * col;
            return static_cast<uint32_t>(p[2] | (p[1] << 8) | (p[0] << 16));
        };
        int last = -10;
        for (int x = start; x < wos; ++x) {
            if (linkLeft[x] != x && linkLeft[x] >= start) {
                colours[x] = colours[linkLeft[x]];
                last = x;
            } else if (x - 1 == last)
                colours[x] = colours[x - 1];
            else
                colours[x] = tileAt(x, (x - start) / tos);
        }
        last = -10;
        for (int x = start - 1; x >= 0; --x) {
            if (linkRight[x] != x) {
                colours[x] = colours[linkRight[x]];
                last = x;
            } else if (x + 1 == last)
                colours[x] = colours[x + 1];
            else
                colours[x] = tileAt(x, (start - x) / tos + 1);
        }
        uint8_t* o = out.Row(r);
        for (int p = 0; p < w; ++p) {
            int red = 0, green = 0, blue = 0;
            for (int j = 0; j < os; ++j) {
                const uint32_t c = colours[p * os + j];
                red += c & 0xFF;
                green += (c >> 8) & 0xFF;
                blue += (c >> 16) & 0xFF;
            }
            o[3 * p] = static_cast<uint8_t>(blue / os);
            o[3 * p + 1] = static_cast<uint8_t>(green / os);
            o[3 * p + 2] = static_cast<uint8_t>(red / os);
        }
    }

    int w, os, wos, tos, tileH, start, phase, vshift;
    int64_t D, Eos, far, nearD;
    int sep[256];
};

} // namespace lumora::testing
