// A body whose principal moments and axes are known: a uniform box, turned by
// arbitrary angles, its centre of gravity away from the origin, and the six
// readings an instrument would give for it, worked out analytically.
#pragma once

#include "clubs/club_record.h"

#include <array>
#include <cmath>

namespace orv::testing {

using Vector = std::array<double, 3>;
using Matrix = std::array<Vector, 3>; // [row][column]

inline constexpr double kTruePi = 3.14159265358979323846;

inline Matrix Rotation(double yawDeg, double pitchDeg, double rollDeg)
{
    const double a = yawDeg * kTruePi / 180, b = pitchDeg * kTruePi / 180,
                 c = rollDeg * kTruePi / 180;
    const Matrix rz{{{std::cos(a), -std::sin(a), 0}, {std::sin(a), std::cos(a), 0}, {0, 0, 1}}};
    const Matrix ry{{{std::cos(b), 0, std::sin(b)}, {0, 1, 0}, {-std::sin(b), 0, std::cos(b)}}};
    const Matrix rx{{{1, 0, 0}, {0, std::cos(c), -std::sin(c)}, {0, std::sin(c), std::cos(c)}}};
    const auto mul = [](const Matrix& p, const Matrix& q) {
        Matrix r{};
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j)
                for (int k = 0; k < 3; ++k)
                    r[i][j] += p[i][k] * q[k][j];
        return r;
    };
    return mul(rz, mul(ry, rx));
}

inline double Dot(const Vector& a, const Vector& b)
{
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

struct Box {
    double massKg;
    Vector sidesCm;
    Vector angles;   // yaw, pitch, roll in degrees
    Vector centreCm; // centre of gravity in the measuring frame
};

struct Body {
    Vector principal; // moments about the box's own axes, kg-cm^2
    Matrix rotation;  // column k: the direction of principal axis k
    Matrix tensor;    // about the centre of gravity, measuring frame
};

inline Body Describe(const Box& box)
{
    Body body;
    const auto& s = box.sidesCm;
    body.principal = {box.massKg * (s[1] * s[1] + s[2] * s[2]) / 12,
                      box.massKg * (s[0] * s[0] + s[2] * s[2]) / 12,
                      box.massKg * (s[0] * s[0] + s[1] * s[1]) / 12};
    body.rotation = Rotation(box.angles[0], box.angles[1], box.angles[2]);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) {
            body.tensor[i][j] = 0;
            for (int k = 0; k < 3; ++k)
                body.tensor[i][j] += body.rotation[i][k] * body.principal[k] * body.rotation[j][k];
        }
    return body;
}

// The instrument's reading about the line through the origin along n.
inline double Reading(const Box& box, const Body& body, Vector n)
{
    const double length = std::sqrt(Dot(n, n));
    for (double& v : n)
        v /= length;
    double aboutCentre = 0;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            aboutCentre += n[i] * body.tensor[i][j] * n[j];
    const Vector& g = box.centreCm;
    const double along = Dot(g, n);
    return aboutCentre + box.massKg * (Dot(g, g) - along * along);
}

inline ClubMeasurements Measure(const Box& box, const Body& body)
{
    ClubMeasurements club;
    club.Mass = static_cast<float>(box.massKg * 1000);
    club.CMx = static_cast<float>(box.centreCm[0] * 10);
    club.CMy = static_cast<float>(box.centreCm[1] * 10);
    club.CMz = static_cast<float>(box.centreCm[2] * 10);
    club.Volume = static_cast<float>(box.sidesCm[0] * box.sidesCm[1] * box.sidesCm[2]);
    club.Ixx = static_cast<float>(Reading(box, body, {1, 0, 0}));
    club.Iyy = static_cast<float>(Reading(box, body, {0, 1, 0}));
    club.Izz = static_cast<float>(Reading(box, body, {0, 0, 1}));
    club.Ixy = static_cast<float>(Reading(box, body, {1, 1, 0}));
    club.Iyz = static_cast<float>(Reading(box, body, {0, 1, 1}));
    club.Izx = static_cast<float>(Reading(box, body, {1, 0, 1}));
    club.LieAngle = 30;
    club.Azimuth = 180;
    return club;
}

} // namespace orv::testing
