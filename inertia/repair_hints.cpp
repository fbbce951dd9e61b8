#include "inertia/repair_hints.h"

#include "inertia/ellipsoid_of_inertia.h"
#include "inertia/internal/computation_state.h"
#include "numeric/number_text.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace orv {
namespace {

struct Reading {
    float ClubMeasurements::*field;
    const char* code;  // as in CSV
    const char* label; // as in the editor
};

constexpr Reading kReadings[] = {
    {&ClubMeasurements::Ixx, "Ixx", "I_xx"}, {&ClubMeasurements::Iyy, "Iyy", "I_yy"},
    {&ClubMeasurements::Izz, "Izz", "I_zz"}, {&ClubMeasurements::Ixy, "Ixy", "I_xy"},
    {&ClubMeasurements::Iyz, "Iyz", "I_yz"}, {&ClubMeasurements::Izx, "Izx", "I_zx"},
};

constexpr Reading kCentre[] = {
    {&ClubMeasurements::CMx, "CMx", "CM_x"},
    {&ClubMeasurements::CMy, "CMy", "CM_y"},
    {&ClubMeasurements::CMz, "CMz", "CM_z"},
};

constexpr const char* kFits = " the readings would fit a rigid body.";

// The principal moments Calculate finds, when it finds all three: the
// tensor as the computation forms it, then its eigenvalues. `turned`, when
// given, holds the centre of gravity already turned onto the measurement
// lines, for readings whose centre is unchanged.
std::optional<std::array<double, 3>> PrincipalMoments(const ClubMeasurements& club,
                                                      const inertia::ComputationState* turned)
{
    inertia::ComputationState state(club);
    if (turned != nullptr) {
        state.c = turned->c;
        state.cx = turned->cx;
        state.cy = turned->cy;
        state.cxy = turned->cxy;
        state.cyz = turned->cyz;
        state.czx = turned->czx;
    } else {
        inertia::RotateCentre(state);
    }
    inertia::TransferToCentre(state);
    try {
        return state.T.EigenValues();
    } catch (const MatrixError&) {
        return std::nullopt;
    }
}

// How far the moments are from breaking either rule, against the largest.
double Margin(const std::array<double, 3>& m)
{
    const double largest = *std::max_element(m.begin(), m.end());
    double margin = *std::min_element(m.begin(), m.end());
    for (int i = 0; i < 3; ++i)
        margin = std::min(margin, m[(i + 1) % 3] + m[(i + 2) % 3] - m[i]);
    return margin / largest;
}

std::string Text(float value) { return FormatSingle(value); }

// One slip: how to undo it, and how to say it once it is chosen.
struct Slip {
    enum class Kind { TooLarge, TooSmall, Mass, Swap, Sign, Centre };
    Kind kind;
    int first = 0;  // the reading or coordinate
    int second = 0; // the other reading of a swap

    [[nodiscard]] bool MovesTheCentre() const { return kind == Kind::Sign || kind == Kind::Centre; }

    [[nodiscard]] ClubMeasurements Undo(const ClubMeasurements& club) const
    {
        ClubMeasurements undone = club;
        switch (kind) {
        case Kind::TooLarge:
            undone.*kReadings[first].field = club.*kReadings[first].field / 10;
            break;
        case Kind::TooSmall:
            undone.*kReadings[first].field = club.*kReadings[first].field * 10;
            break;
        case Kind::Mass:
            undone.Mass = club.Mass / 10;
            break;
        case Kind::Swap:
            std::swap(undone.*kReadings[first].field, undone.*kReadings[second].field);
            break;
        case Kind::Sign:
            undone.*kCentre[first].field = -(club.*kCentre[first].field);
            break;
        case Kind::Centre:
            for (const Reading& c : kCentre)
                undone.*c.field = club.*c.field / 10;
            break;
        }
        return undone;
    }

    [[nodiscard]] RepairHint Hint(const ClubMeasurements& club) const
    {
        const ClubMeasurements undone = Undo(club);
        switch (kind) {
        case Kind::TooLarge:
        case Kind::TooSmall: {
            const Reading& r = kReadings[first];
            const bool large = kind == Kind::TooLarge;
            return {std::string(r.code) + (large ? "/10" : "*10"),
                    std::string(r.label) + " is perhaps ten times too "
                        + (large ? "large" : "small") + ": with " + Text(undone.*r.field)
                        + " instead of " + Text(club.*r.field) + kFits};
        }
        case Kind::Mass:
            return {"Mass/10", "The mass is perhaps ten times too large: with " + Text(undone.Mass)
                                   + " g instead of " + Text(club.Mass) + " g" + kFits};
        case Kind::Swap: {
            const Reading& a = kReadings[first];
            const Reading& b = kReadings[second];
            return {std::string(a.code) + "<>" + b.code,
                    std::string(a.label) + " and " + b.label + " are perhaps swapped: with "
                        + Text(club.*b.field) + " and " + Text(club.*a.field) + " instead of "
                        + Text(club.*a.field) + " and " + Text(club.*b.field) + kFits};
        }
        case Kind::Sign: {
            const Reading& c = kCentre[first];
            return {std::string("-") + c.code, std::string(c.label)
                                                   + " perhaps has the wrong sign: with "
                                                   + Text(undone.*c.field) + " mm instead of "
                                                   + Text(club.*c.field) + " mm" + kFits};
        }
        case Kind::Centre: {
            const auto point = [](const ClubMeasurements& m) {
                return "(" + Text(m.CMx) + ", " + Text(m.CMy) + ", " + Text(m.CMz) + ") mm";
            };
            return {"CM/10", "The centre of gravity is perhaps ten times too far out: with "
                                 + point(undone) + " instead of " + point(club) + kFits};
        }
        }
        return {};
    }
};

// Every slip tried, in a fixed order.
std::vector<Slip> Slips()
{
    std::vector<Slip> slips;
    const int readings = static_cast<int>(std::size(kReadings));
    for (int r = 0; r < readings; ++r) {
        slips.push_back({Slip::Kind::TooLarge, r});
        slips.push_back({Slip::Kind::TooSmall, r});
    }
    slips.push_back({Slip::Kind::Mass});
    for (int a = 0; a < readings; ++a)
        for (int b = a + 1; b < readings; ++b)
            slips.push_back({Slip::Kind::Swap, a, b});
    for (int c = 0; c < static_cast<int>(std::size(kCentre)); ++c)
        slips.push_back({Slip::Kind::Sign, c});
    slips.push_back({Slip::Kind::Centre});
    return slips;
}

} // namespace

std::vector<RepairHint> RepairHintsOf(const ClubMeasurements& club)
{
    const ClubMeasurements asCalculated = AsCalculated(club);
    for (const MeasuredReal& field : kEnteredReals)
        if (!std::isfinite(asCalculated.*field.member))
            return {};
    inertia::ComputationState turned(asCalculated);
    inertia::RotateCentre(turned);
    const auto moments = PrincipalMoments(asCalculated, &turned);
    if (!moments || inertia::FitsARigidBody(*moments))
        return {};

    std::vector<std::pair<double, Slip>> found;
    for (const Slip& slip : Slips()) {
        const auto undone = PrincipalMoments(slip.Undo(asCalculated),
                                             slip.MovesTheCentre() ? nullptr : &turned);
        if (undone && inertia::FitsARigidBody(*undone))
            found.emplace_back(Margin(*undone), slip);
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    std::vector<RepairHint> hints;
    for (const auto& [margin, slip] : found) {
        if (hints.size() == kMostHints)
            break;
        hints.push_back(slip.Hint(asCalculated));
    }
    return hints;
}

} // namespace orv
