// The club data model: one club head as entered and as computed, and the
// values through which the editor, the computation and the list exchange it.
//
// Texts are held as UTF-8; the club data file keeps them in Windows-1252 and
// converts at its border. Reals are single precision, as entered and stored.
#pragma once

#include <array>
#include <string>

namespace orv {

// What the user measured and typed in, in the order the data file keeps it.
struct ClubMeasurements {
    std::string ClubNo;
    std::string ClubName;
    float Mass = 0.0f;   // g
    float CMx = 0.0f;    // mm
    float CMy = 0.0f;    // mm
    float CMz = 0.0f;    // mm
    float Volume = 0.0f; // cc
    float Ixx = 0.0f;    // kg-cm^2, about the x axis through the origin
    float Iyy = 0.0f;
    float Izz = 0.0f;
    float Ixy = 0.0f; // kg-cm^2, about the diagonal between x and y
    float Iyz = 0.0f;
    float Izx = 0.0f;
    float LieAngle = 0.0f; // degrees
    float Azimuth = 0.0f;  // degrees; the editor always stores 180
    std::string PictureName;
    std::string Reserved1; // carried unchanged, never interpreted
    std::string Reserved2;

    friend bool operator==(const ClubMeasurements&, const ClubMeasurements&) = default;
};

// The fourteen results of the ellipsoid-of-inertia computation.
struct ClubResults {
    float EigenX = 0.0f; // kg-cm^2, principal moments
    float EigenY = 0.0f;
    float EigenZ = 0.0f;
    float ThsX = 0.0f; // degrees, polar angle of each principal axis from +z
    float ThsY = 0.0f;
    float ThsZ = 0.0f;
    float PhsX = 0.0f; // degrees, azimuth of each principal axis from +x
    float PhsY = 0.0f;
    float PhsZ = 0.0f;
    float IxxC = 0.0f; // kg-cm^2, about the axes through the centre of gravity
    float IyyC = 0.0f;
    float IzzC = 0.0f;
    float IzcPrime = 0.0f;        // kg-cm^2, about the lie-angle axis
    float EllipsoidVolume = 0.0f; // cc

    friend bool operator==(const ClubResults&, const ClubResults&) = default;
};

struct ClubRecord {
    ClubMeasurements Measurements;
    ClubResults Results;

    friend bool operator==(const ClubRecord&, const ClubRecord&) = default;
};

// The reals of a record as tables, so that every reader, writer and display
// of a club walks the same list instead of spelling the fields out again.
// `name` is the field's name in CSV headers.
struct MeasuredReal {
    const char* name;
    float ClubMeasurements::*member;
};

struct ResultReal {
    const char* name;
    float ClubResults::*member;
};

// The thirteen measured reals in the order the club data file keeps them.
inline constexpr std::array<MeasuredReal, 13> kMeasuredRealsInFileOrder = {{
    {"Mass", &ClubMeasurements::Mass},
    {"CMx", &ClubMeasurements::CMx},
    {"CMy", &ClubMeasurements::CMy},
    {"CMz", &ClubMeasurements::CMz},
    {"Volume", &ClubMeasurements::Volume},
    {"Ixx", &ClubMeasurements::Ixx},
    {"Iyy", &ClubMeasurements::Iyy},
    {"Izz", &ClubMeasurements::Izz},
    {"Ixy", &ClubMeasurements::Ixy},
    {"Iyz", &ClubMeasurements::Iyz},
    {"Izx", &ClubMeasurements::Izx},
    {"LieAngle", &ClubMeasurements::LieAngle},
    {"Azimuth", &ClubMeasurements::Azimuth},
}};

// The twelve reals a user enters, in the order the measurements grid shows
// them and the editor reads them: Volume beside Mass, no Azimuth.
inline constexpr std::array<MeasuredReal, 12> kEnteredReals = {{
    {"Mass", &ClubMeasurements::Mass},
    {"Volume", &ClubMeasurements::Volume},
    {"CMx", &ClubMeasurements::CMx},
    {"CMy", &ClubMeasurements::CMy},
    {"CMz", &ClubMeasurements::CMz},
    {"Ixx", &ClubMeasurements::Ixx},
    {"Iyy", &ClubMeasurements::Iyy},
    {"Izz", &ClubMeasurements::Izz},
    {"Ixy", &ClubMeasurements::Ixy},
    {"Iyz", &ClubMeasurements::Iyz},
    {"Izx", &ClubMeasurements::Izx},
    {"LieAngle", &ClubMeasurements::LieAngle},
}};

// The fourteen results, in the order of the file, the results grid and CSV.
inline constexpr std::array<ResultReal, 14> kResultReals = {{
    {"EigenX", &ClubResults::EigenX},
    {"EigenY", &ClubResults::EigenY},
    {"EigenZ", &ClubResults::EigenZ},
    {"ThsX", &ClubResults::ThsX},
    {"ThsY", &ClubResults::ThsY},
    {"ThsZ", &ClubResults::ThsZ},
    {"PhsX", &ClubResults::PhsX},
    {"PhsY", &ClubResults::PhsY},
    {"PhsZ", &ClubResults::PhsZ},
    {"IxxC", &ClubResults::IxxC},
    {"IyyC", &ClubResults::IyyC},
    {"IzzC", &ClubResults::IzzC},
    {"IzcPrime", &ClubResults::IzcPrime},
    {"EllipsoidVolume", &ClubResults::EllipsoidVolume},
}};

} // namespace orv
