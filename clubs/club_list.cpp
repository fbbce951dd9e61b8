#include "clubs/club_list.h"

#include <string>

namespace orv {

ClubListFull::ClubListFull()
    : std::runtime_error("The list already holds " + std::to_string(kMaxClubs)
                         + " clubs, the most a document can hold.")
{
}

ClubList::ClubList() { Reset(); }

void ClubList::Reset() { m_slots.assign(1, ClubRecord{}); }

void ClubList::AppendEmpty()
{
    if (HighestIndex() >= kMaxClubs)
        throw ClubListFull();
    m_slots.emplace_back();
}

void ClubList::Remove(int k)
{
    CheckIndex(k);
    if (HighestIndex() == 0)
        throw std::out_of_range("There is no club to remove.");
    for (int j = k; j < HighestIndex(); ++j)
        m_slots[j] = m_slots[j + 1];
    m_slots.pop_back();
}

void ClubList::Insert(int k, ClubRecord record)
{
    if (k < 1 || k > HighestIndex() + 1)
        throw std::out_of_range("Subscript out of range: club " + std::to_string(k) + " of 1.."
                                + std::to_string(HighestIndex() + 1));
    if (HighestIndex() >= kMaxClubs)
        throw ClubListFull();
    m_slots.insert(m_slots.begin() + k, std::move(record));
}

void ClubList::Store(int k, const ClubMeasurements& measurements, const ClubResults& results)
{
    CheckIndex(k);
    m_slots[k] = ClubRecord{measurements, results};
}

ClubMeasurements ClubList::Fetch(int k) const { return At(k).Measurements; }

void ClubList::ReplaceAll(std::vector<ClubRecord> slots)
{
    if (slots.empty() || slots.size() > static_cast<std::size_t>(kMaxClubs) + 1)
        throw std::length_error("A club list holds slot 0 and at most " + std::to_string(kMaxClubs)
                                + " clubs.");
    m_slots = std::move(slots);
}

const ClubRecord& ClubList::At(int k) const
{
    CheckIndex(k);
    return m_slots[k];
}

int ClubList::HighestIndex() const noexcept { return static_cast<int>(m_slots.size()) - 1; }

void ClubList::CheckIndex(int k) const
{
    if (k < 0 || k > HighestIndex())
        throw std::out_of_range("Subscript out of range: club " + std::to_string(k) + " of 0.."
                                + std::to_string(HighestIndex()));
}

} // namespace orv
