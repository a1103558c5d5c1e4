#include "models/matrix4.h"

#include <cmath>
#include <numbers>

namespace lumora {

Matrix4 Matrix4::Identity()
{
    Matrix4 r;
    for (int i = 0; i < 4; ++i)
        r.m[i][i] = 1.0f;
    return r;
}

Matrix4 Matrix4::Translation(float x, float y, float z)
{
    Matrix4 r = Identity();
    r.m[3][0] = x;
    r.m[3][1] = y;
    r.m[3][2] = z;
    return r;
}

Matrix4 Matrix4::Scaling(float x, float y, float z)
{
    Matrix4 r = Identity();
    r.m[0][0] = x;
    r.m[1][1] = y;
    r.m[2][2] = z;
    return r;
}

Matrix4 Matrix4::Rotation(Vec3 axis, double angleRadians)
{
    const double len =
        std::sqrt(double(axis.x) * axis.x + double(axis.y) * axis.y + double(axis.z) * axis.z);
    if (!(len > 0.0) || !std::isfinite(len))
        return Identity();
    const double x = axis.x / len, y = axis.y / len, z = axis.z / len;
    const double c = std::cos(angleRadians), s = std::sin(angleRadians), t = 1.0 - c;
    Matrix4 r = Identity();
    r.m[0] = {float(t * x * x + c), float(t * x * y - s * z), float(t * x * z + s * y), 0.0f};
    r.m[1] = {float(t * x * y + s * z), float(t * y * y + c), float(t * y * z - s * x), 0.0f};
    r.m[2] = {float(t * x * z - s * y), float(t * y * z + s * x), float(t * z * z + c), 0.0f};
    return r;
}

Matrix4 Matrix4::RotationDegrees(Vec3 axis, double angleDegrees)
{
    return Rotation(axis, angleDegrees * std::numbers::pi / 180.0);
}

Matrix4 Matrix4::operator*(const Matrix4& n) const
{
    Matrix4 r;
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) {
            double sum = 0.0;
            for (int k = 0; k < 4; ++k)
                sum += double(m[i][k]) * n.m[k][j];
            r.m[i][j] = float(sum);
        }
    return r;
}

Vec3 Matrix4::Transform(const Vec3& p) const
{
    const double x = p.x, y = p.y, z = p.z;
    return {float(x * m[0][0] + y * m[1][0] + z * m[2][0] + m[3][0]),
            float(x * m[0][1] + y * m[1][1] + z * m[2][1] + m[3][1]),
            float(x * m[0][2] + y * m[1][2] + z * m[2][2] + m[3][2])};
}

namespace {

// Determinant and inverse by cofactors, in double precision.
using D4 = std::array<std::array<double, 4>, 4>;

D4 ToDouble(const Matrix4& a)
{
    D4 d{};
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            d[i][j] = a.m[i][j];
    return d;
}

double Minor3(const D4& a, int row, int col)
{
    double s[3][3];
    for (int i = 0, si = 0; i < 4; ++i) {
        if (i == row)
            continue;
        for (int j = 0, sj = 0; j < 4; ++j) {
            if (j == col)
                continue;
            s[si][sj++] = a[i][j];
        }
        ++si;
    }
    return s[0][0] * (s[1][1] * s[2][2] - s[1][2] * s[2][1]) -
           s[0][1] * (s[1][0] * s[2][2] - s[1][2] * s[2][0]) +
           s[0][2] * (s[1][0] * s[2][1] - s[1][1] * s[2][0]);
}

double DeterminantOf(const D4& a)
{
    double det = 0.0;
    for (int j = 0; j < 4; ++j)
        det += ((j % 2) ? -1.0 : 1.0) * a[0][j] * Minor3(a, 0, j);
    return det;
}

} // namespace

double Matrix4::Determinant() const
{
    return DeterminantOf(ToDouble(*this));
}

Matrix4 Matrix4::InverseOrIdentity() const
{
    const D4 a = ToDouble(*this);
    const double det = DeterminantOf(a);
    if (det == 0.0 || !std::isfinite(det))
        return Identity();
    Matrix4 r;
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) {
            const double cofactor = (((i + j) % 2) ? -1.0 : 1.0) * Minor3(a, j, i);
            r.m[i][j] = float(cofactor / det);
        }
    return r;
}

} // namespace lumora
