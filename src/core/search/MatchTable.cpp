#include "MatchTable.h"

namespace rollscan {

bool MatchTable::append(const MatchRow &r)
{
    if (isFull())
        return false;
    m_rows.append(r);
    return true;
}

} // namespace rollscan
