// The physical consistency of one club's readings, judged from the
// measurements and from the principal moments the computation found.
#include "inertia/internal/computation_state.h"

#include "numeric/number_text.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace orv {

const char* FindingName(FindingCode code)
{
    switch (code) {
    case FindingCode::MassNotPositive:
        return "mass-not-positive";
    case FindingCode::VolumeNotPositive:
        return "volume-not-positive";
    case FindingCode::NonFiniteInput:
        return "non-finite-input";
    case FindingCode::NotPositiveDefinite:
        return "not-positive-definite";
    case FindingCode::TriangleInequality:
        return "triangle-inequality";
    case FindingCode::EllipsoidBounded:
        return "ellipsoid-bounded";
    case FindingCode::AxesIllDefined:
        return "axes-ill-defined";
    }
    return "";
}

namespace inertia {
namespace {

// How far the triangle inequality may be missed, relative to the largest
// moment, before it counts: rounding in the readings and the computation.
constexpr double kTriangleTolerance = 1e-6;
// Two principal moments closer than this, relative to the largest, cannot
// be told apart by real instruments.
constexpr double kDistinctMoments = 0.01;

std::string Number(double value) { return FormatGeneral(value, 6); }

std::string Moments(const std::array<double, 3>& moments)
{
    return Number(moments[0]) + ", " + Number(moments[1]) + " and " + Number(moments[2])
           + " kg-cm^2";
}

// The principal moments, when the computation found all three.
bool PrincipalMoments(const EllipsoidGeometry& geometry, std::array<double, 3>& moments)
{
    if (!geometry.principalAxesFound)
        return false;
    moments = geometry.principalMoments;
    return std::all_of(moments.begin(), moments.end(), [](double m) { return std::isfinite(m); });
}

} // namespace

bool NotPositiveDefinite(const std::array<double, 3>& moments)
{
    return *std::min_element(moments.begin(), moments.end()) <= 0;
}

bool BreaksTriangleInequality(double moment, double sumOfTheOthers, double largest)
{
    return moment > sumOfTheOthers + kTriangleTolerance * largest;
}

bool FitsARigidBody(const std::array<double, 3>& moments)
{
    const double largest = std::max(
        {std::fabs(moments[0]), std::fabs(moments[1]), std::fabs(moments[2])});
    if (NotPositiveDefinite(moments))
        return false;
    for (int i = 0; i < 3; ++i)
        if (BreaksTriangleInequality(moments[i], moments[(i + 1) % 3] + moments[(i + 2) % 3],
                                     largest))
            return false;
    return true;
}

bool IndistinctMoments(double a, double b, double largest)
{
    return largest > 0 && std::fabs(a - b) < kDistinctMoments * largest;
}

std::vector<Finding> FindingsOf(const ClubMeasurements& club, const EllipsoidGeometry& geometry)
{
    std::vector<Finding> findings;
    if (!(club.Mass > 0))
        findings.push_back(
            {FindingCode::MassNotPositive,
             "The mass is " + Number(club.Mass) + " g; a head's mass is more than 0."});
    if (!(club.Volume > 0))
        findings.push_back(
            {FindingCode::VolumeNotPositive,
             "The volume is " + Number(club.Volume) + " cc; a head's volume is more than 0."});
    std::string nonFinite;
    for (const MeasuredReal& field : kEnteredReals) {
        if (!std::isfinite(club.*field.member))
            nonFinite += (nonFinite.empty() ? "" : ", ") + std::string(field.name);
    }
    if (!nonFinite.empty())
        findings.push_back(
            {FindingCode::NonFiniteInput, "Not a number, or infinite: " + nonFinite
                                              + ". Only a damaged file holds such values."});

    std::array<double, 3> moments{};
    if (PrincipalMoments(geometry, moments)) {
        const double largest = std::max(
            {std::fabs(moments[0]), std::fabs(moments[1]), std::fabs(moments[2])});
        if (NotPositiveDefinite(moments))
            findings.push_back({FindingCode::NotPositiveDefinite,
                                "The principal moments are " + Moments(moments)
                                    + ": one is not above 0, so the centre of gravity or the "
                                      "readings are wrong."});
        for (int i = 0; i < 3; ++i) {
            const double others = moments[(i + 1) % 3] + moments[(i + 2) % 3];
            if (BreaksTriangleInequality(moments[i], others, largest)) {
                findings.push_back({FindingCode::TriangleInequality,
                                    "The principal moment " + Number(moments[i])
                                        + " kg-cm^2 exceeds the sum of the other two, "
                                        + Number(others)
                                        + " kg-cm^2: no rigid body has such moments."});
                break;
            }
        }
        if (geometry.raisedToFloor || geometry.cutAtCap)
            findings.push_back(
                {FindingCode::EllipsoidBounded,
                 std::string("A semi-axis of the equivalent ellipsoid was ")
                     + (geometry.raisedToFloor ? "raised to the 3 mm floor"
                                               : "cut at the 150 mm cap")
                     + ", so its volume or shape is not that of a uniform body with these "
                       "moments."});
        for (int i = 0; i < 3; ++i) {
            const double a = moments[i];
            const double b = moments[(i + 1) % 3];
            if (IndistinctMoments(a, b, largest)) {
                findings.push_back({FindingCode::AxesIllDefined,
                                    "The principal moments " + Number(a) + " and " + Number(b)
                                        + " kg-cm^2 are within 1% of each other: the readings "
                                          "cannot tell their axes apart, so those Ths and Phs are "
                                          "arbitrary."});
                break;
            }
        }
    }
    return findings;
}

} // namespace inertia
} // namespace orv
