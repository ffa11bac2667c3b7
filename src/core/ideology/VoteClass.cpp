#include "core/ideology/VoteClass.h"

#include "core/data/Preferences.h"
#include "core/data/VoteMatrix.h"

namespace rollscan {

VoteClass ClassOfVote(int code)
{
    if (IsYeaCode(code))
        return VoteClass::Yea;
    if (IsNayCode(code))
        return VoteClass::Nay;
    return VoteClass::NotAvailable;
}

VoteClass CombineCrossTab(VoteClass here, int partnerCode)
{
    if (partnerCode >= 7 && partnerCode <= 9)
        return VoteClass::NotAvailable;
    if (here == VoteClass::Yea && IsNayCode(partnerCode))
        return VoteClass::YeaNay;
    if (here == VoteClass::Nay && IsYeaCode(partnerCode))
        return VoteClass::NayYea;
    return here;
}

int ClassColour(VoteClass c, const Preferences &prefs)
{
    switch (c) {
    case VoteClass::Yea:
        return prefs.yeaColour();
    case VoteClass::Nay:
        return prefs.nayColour();
    case VoteClass::NotAvailable:
        return prefs.notVotingColour();
    case VoteClass::YeaNay:
        return prefs.yeaNayColour();
    case VoteClass::NayYea:
        return prefs.nayYeaColour();
    case VoteClass::NoMatch:
        return prefs.noMatchColour();
    }
    return prefs.notVotingColour();
}

QString VoteClassName(VoteClass c)
{
    switch (c) {
    case VoteClass::Yea:
        return QStringLiteral("Yea");
    case VoteClass::Nay:
        return QStringLiteral("Nay");
    case VoteClass::NotAvailable:
        return QStringLiteral("N/A");
    case VoteClass::YeaNay:
        return QStringLiteral("Yea-Nay");
    case VoteClass::NayYea:
        return QStringLiteral("Nay-Yea");
    case VoteClass::NoMatch:
        return QStringLiteral("No Cross Tab Match");
    }
    return {};
}

} // namespace rollscan
