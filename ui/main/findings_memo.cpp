#include "ui/main/findings_memo.h"

#include "inertia/driver_rules.h"
#include "inertia/ellipsoid_of_inertia.h"
#include "inertia/repair_hints.h"

#include <QStringList>

#include <bit>

namespace orv::ui {
namespace {

RowNote NoteOf(const ClubMeasurements& entered, const InputUncertainties& uncertainties)
{
    const ClubMeasurements club = AsCalculated(entered);
    QStringList sentences;
    for (const Finding& finding : ComputeEllipsoidOfInertia(club, ReportTexts::Skip).Findings)
        sentences << QString::fromStdString(finding.text);
    const bool warning = !sentences.isEmpty();
    for (const RepairHint& hint : RepairHintsOf(club))
        sentences << QString::fromStdString(hint.text);
    const DriverRules rules = CheckDriverRules(club, uncertainties);
    if (rules.moment.verdict != Verdict::Conforming)
        sentences << QString::fromStdString(MomentRuleSentence(rules));
    return {sentences.join(QLatin1Char('\n')), warning};
}

} // namespace

void FindingsMemo::BeginPass()
{
    m_lastPass = std::move(m_thisPass);
    m_thisPass.clear();
    m_thisPass.reserve(m_lastPass.size());
}

const RowNote& FindingsMemo::NoteFor(const ClubMeasurements& club)
{
    Readings readings{};
    for (std::size_t i = 0; i < kEnteredReals.size(); ++i)
        readings[i] = std::bit_cast<std::uint32_t>(club.*kEnteredReals[i].member);
    if (const auto seen = m_thisPass.find(readings); seen != m_thisPass.end())
        return seen->second;
    if (auto kept = m_lastPass.extract(readings); !kept.empty())
        return m_thisPass.insert(std::move(kept)).position->second;
    return m_thisPass.emplace(readings, NoteOf(club, m_uncertainties)).first->second;
}

void FindingsMemo::SetUncertainties(const InputUncertainties& uncertainties)
{
    if (uncertainties == m_uncertainties)
        return;
    m_uncertainties = uncertainties;
    m_thisPass.clear();
    m_lastPass.clear();
}

} // namespace orv::ui
