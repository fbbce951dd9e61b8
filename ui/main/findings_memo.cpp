#include "ui/main/findings_memo.h"

#include "inertia/ellipsoid_of_inertia.h"

#include <QStringList>

#include <bit>

namespace orv::ui {
namespace {

QString FindingsText(const ClubMeasurements& club)
{
    QStringList sentences;
    for (const Finding& finding :
         ComputeEllipsoidOfInertia(AsCalculated(club), ReportTexts::Skip).Findings)
        sentences << QString::fromStdString(finding.text);
    return sentences.join(QLatin1Char('\n'));
}

} // namespace

void FindingsMemo::BeginPass()
{
    m_lastPass = std::move(m_thisPass);
    m_thisPass.clear();
    m_thisPass.reserve(m_lastPass.size());
}

const QString& FindingsMemo::TextFor(const ClubMeasurements& club)
{
    Readings readings{};
    for (std::size_t i = 0; i < kEnteredReals.size(); ++i)
        readings[i] = std::bit_cast<std::uint32_t>(club.*kEnteredReals[i].member);
    if (const auto seen = m_thisPass.find(readings); seen != m_thisPass.end())
        return seen->second;
    if (auto kept = m_lastPass.extract(readings); !kept.empty())
        return m_thisPass.insert(std::move(kept)).position->second;
    return m_thisPass.emplace(readings, FindingsText(club)).first->second;
}

} // namespace orv::ui
