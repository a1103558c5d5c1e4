#pragma once
// 4x4 single-precision matrix in the row-vector convention of the model
// code: a point p is transformed as p x M, M := M x N applies N after M, and
// the translation sits in the fourth row.

#include <array>

namespace lumora {

struct Vec3
{
    float x = 0;
    float y = 0;
    float z = 0;
    bool operator==(const Vec3&) const = default;
};

struct Matrix4
{
    std::array<std::array<float, 4>, 4> m{};

    static Matrix4 Identity();
    static Matrix4 Translation(float x, float y, float z);
    static Matrix4 Scaling(float x, float y, float z);
    // Rotation by angleRadians about axis (normalised here); a zero axis
    // gives the identity.
    static Matrix4 Rotation(Vec3 axis, double angleRadians);
    static Matrix4 RotationDegrees(Vec3 axis, double angleDegrees);

    Matrix4 operator*(const Matrix4& n) const;
    bool operator==(const Matrix4&) const = default;

    Vec3 Transform(const Vec3& p) const; // p x M with w = 1
    double Determinant() const;
    // The inverse, or the identity when the matrix is singular.
    Matrix4 InverseOrIdentity() const;
    bool IsIdentity() const { return *this == Identity(); }
};

} // namespace lumora
