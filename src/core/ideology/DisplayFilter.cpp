#include "core/ideology/DisplayFilter.h"

namespace rollscan {

bool IsDrawn(const PlottedEntry &entry, const DisplayFilter &filter)
{
    const bool notAvailable = entry.voteClass == VoteClass::NotAvailable;
    if (filter.errorsOnly)
        return entry.isError && (entry.voteClass == VoteClass::Yea || entry.voteClass == VoteClass::Nay);
    return (filter.voters && !notAvailable) || (filter.notAvailable && notAvailable);
}

QList<int> DrawnEntries(const DrawingPass &pass, const DisplayFilter &filter)
{
    QList<int> out;
    for (int i = 0; i < pass.PlottedList.size(); ++i)
        if (IsDrawn(pass.PlottedList.at(i), filter))
            out.append(i);
    return out;
}

QList<KeySwatch> ColourKey(bool crossTab, const Preferences &prefs)
{
    if (!crossTab)
        return {{prefs.yeaColour(), QStringLiteral("Yea Vote"), QStringLiteral("Yea")},
                {prefs.nayColour(), QStringLiteral("Nay Vote"), QStringLiteral("Nay")},
                {0, QString(), QString(), false},
                {0, QString(), QString(), false}};
    return {{prefs.yeaColour(), QStringLiteral("Yea Vote"), QStringLiteral("Y-Y")},
            {prefs.yeaNayColour(), QStringLiteral("Yea/Nay Crosstab"), QStringLiteral("Y-N")},
            {prefs.nayYeaColour(), QStringLiteral("Nay/Yea Crosstab"), QStringLiteral("N-Y")},
            {prefs.nayColour(), QStringLiteral("Nay Vote"), QStringLiteral("N-N")}};
}

QStringList CrossTabKeyNotes(int rollCall, int partnerRollCall)
{
    return {QStringLiteral("Y-N: Yea on #%1, Nay on #%2").arg(rollCall).arg(partnerRollCall),
            QStringLiteral("N-Y: Nay on #%1, Yea on #%2").arg(rollCall).arg(partnerRollCall)};
}

} // namespace rollscan
