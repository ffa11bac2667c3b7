#include "core/ideology/PartnerIndex.h"

#include <algorithm>

namespace rollscan {

void PartnerIndex::build(const QList<Legislator> &members)
{
    m_ids.clear();
    m_ids.reserve(members.size());
    for (const Legislator &l : members)
        m_ids.emplace_back(l.id1, l.recordNumber);
    // Stable on equal ids, so the first record of a repeated id is the one found.
    std::stable_sort(m_ids.begin(), m_ids.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
}

int PartnerIndex::find(qint32 id) const
{
    const auto it = std::lower_bound(m_ids.begin(), m_ids.end(), id,
                                     [](const std::pair<qint32, int> &e, qint32 v) { return e.first < v; });
    return (it != m_ids.end() && it->first == id) ? it->second : 0;
}

} // namespace rollscan
