#pragma once

#include "core/data/Legislator.h"

#include <QList>

#include <utility>
#include <vector>

namespace rollscan {

// The members of another congress by first identification number, for pairing a member with his
// vote on a roll call of that congress. Looked up by binary search; the vote is read from the record
// the id belongs to, so a legislator file that is not stored in id order still pairs correctly.
class PartnerIndex {
public:
    void build(const QList<Legislator> &members);
    // Record number (1-based) of the first member with that id, or 0 when none has it.
    int find(qint32 id) const;
    bool isEmpty() const { return m_ids.empty(); }

private:
    std::vector<std::pair<qint32, int>> m_ids;
};

} // namespace rollscan
