// The ellipsoid-of-inertia computation: one club's measurements in; its
// geometry in double precision, the fourteen results stored from it, the
// editor's four report texts and the findings on the readings out.
//
// The stages run in a fixed order: the inertia tensor about the centre of
// gravity, its principal moments and axis angles (with the semi-axes of the
// equivalent ellipsoid), the moment about the lie-angle axis, the bounded and
// volume-scaled equivalent ellipsoid, and finally the stored results and the
// report. No step stops the computation: a step whose arithmetic fails (an
// overflow, a division by zero, the root of a negative number, an unsuitable
// matrix) is skipped, and every value it would have set keeps what it held.
// Each computation starts from zero results and empty texts, so a field
// whose step failed reads 0 and never shows a value of another club.
#pragma once

#include "clubs/club_record.h"
#include "inertia/ellipsoid_geometry.h"

#include <string>
#include <vector>

namespace orv {

struct EllipsoidReport {
    std::string Text1; // principal moments, one per line
    std::string Text2; // Ths of each principal axis
    std::string Text3; // Phs of each principal axis
    std::string Text4; // tensor, Izc', equivalent volume, semi-axes
};

// Something about a club's readings that no rigid body, or no reliable
// measurement, would give. The codes are stable names for files and tools.
enum class FindingCode {
    MassNotPositive,
    VolumeNotPositive,
    NonFiniteInput,
    NotPositiveDefinite,
    TriangleInequality,
    EllipsoidBounded,
    AxesIllDefined,
};

struct Finding {
    FindingCode code;
    std::string text; // a sentence naming the values involved
    friend bool operator==(const Finding&, const Finding&) = default;
};

// "mass-not-positive", "volume-not-positive", "non-finite-input",
// "not-positive-definite", "triangle-inequality", "ellipsoid-bounded",
// "axes-ill-defined".
[[nodiscard]] const char* FindingName(FindingCode code);

struct EllipsoidOfInertia {
    // Filled on every call, whatever ReportTexts says.
    EllipsoidGeometry Geometry;
    ClubResults Results;
    EllipsoidReport Report;
    // In the order of FindingCode; empty when the readings look sound. They
    // only report: the results are the same with or without them.
    std::vector<Finding> Findings;
};

enum class ReportTexts { Include, Skip };

[[nodiscard]] EllipsoidOfInertia
ComputeEllipsoidOfInertia(const ClubMeasurements& club, ReportTexts texts = ReportTexts::Include);

// The measurements as the editor's Calculate computes them: with the azimuth
// it stores with every club, 180, whatever a file or import brought.
[[nodiscard]] inline ClubMeasurements AsCalculated(ClubMeasurements club)
{
    club.Azimuth = 180;
    return club;
}

} // namespace orv
