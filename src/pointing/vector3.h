#pragma once

#include <array>
#include <cmath>

namespace tarvo {

// A position or a direction in the earth-fixed axes: x through the meridian of
// Greenwich on the equator, y through 90 degrees east, z to the north pole.
using Vector3 = std::array<double, 3>;

inline double Dot(const Vector3& a, const Vector3& b) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

inline Vector3 Cross(const Vector3& a, const Vector3& b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

inline double Length(const Vector3& a) {
    return std::sqrt(Dot(a, a));
}

inline Vector3 operator+(const Vector3& a, const Vector3& b) {
    return {a[0] + b[0], a[1] + b[1], a[2] + b[2]};
}

inline Vector3 operator-(const Vector3& a, const Vector3& b) {
    return {a[0] - b[0], a[1] - b[1], a[2] - b[2]};
}

inline Vector3 operator*(double k, const Vector3& a) {
    return {k * a[0], k * a[1], k * a[2]};
}

// The angle between two directions in radians, exact for small angles too.
inline double AngleBetween(const Vector3& a, const Vector3& b) {
    return std::atan2(Length(Cross(a, b)), Dot(a, b));
}

}  // namespace tarvo
