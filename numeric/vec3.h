// A point or direction in the measuring frame, in single precision like the
// entered values it is made from.
#pragma once

namespace orv {

struct Vec3 {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;

    friend bool operator==(const Vec3&, const Vec3&) = default;
};

} // namespace orv
