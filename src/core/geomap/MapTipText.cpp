#include "core/geomap/MapTipText.h"

#include "core/data/PartySymbol.h"
#include "core/data/Preferences.h"
#include "core/data/TokenTable.h"

namespace rollscan {

namespace {
QString symbolOf(const UsMapMember &m, const TokenTable &tokens, int congress)
{
    const TokenRecord *token = tokens.find(PartySymbolIndex(m.partyCode, m.icpsr, congress));
    return token ? QString(token->symbol) : QStringLiteral(" ");
}
} // namespace

QString InquireText(const QList<UsMapMember> &members, const TokenTable &tokens, int congress)
{
    if (members.isEmpty())
        return {};
    if (members.size() > 3)
        return kMultipleMemberText;
    QString text;
    for (int i = 0; i < members.size(); ++i) {
        if (i > 0)
            text += QStringLiteral("; ");
        text +=
            members.at(i).name + QStringLiteral(" (") + symbolOf(members.at(i), tokens, congress) + QLatin1Char(')');
    }
    return text + QStringLiteral(", ") + members.first().postal;
}

QString BreakdownText(const QString &heading, const QList<UsMapMember> &members, const Preferences &prefs)
{
    int yea = 0, nay = 0, na = 0;
    for (const UsMapMember &m : members) {
        if (m.colour == prefs.yeaColour())
            ++yea;
        else if (m.colour == prefs.nayColour())
            ++nay;
        else if (m.colour == prefs.notVotingColour())
            ++na;
    }
    return heading + QStringLiteral(" Votes (Y-N-N/A): ") + QString::number(yea) + QLatin1Char('-') +
           QString::number(nay) + QLatin1Char('-') + QString::number(na);
}

QString FeatureHeading(bool isHouse, const UsMapMember &first)
{
    if (!isHouse)
        return first.stateName;
    if (first.district == 0)
        return first.postal + QStringLiteral(" At Large");
    return first.postal + QStringLiteral(" District ") + QString::number(first.district);
}

} // namespace rollscan

namespace rollscan {

QString DrawnInquireText(const QString &name, const QString &stateName)
{
    return name.trimmed() + QStringLiteral(", ") + stateName.trimmed();
}

QString DrawnBreakdownText(const QString &postal, bool multiMember, int yea, int nay)
{
    if (yea == 0 && nay == 0)
        return multiMember ? kDistrictAbstained : kStateAbstained;
    return postal + (multiMember ? QStringLiteral(" (MM District): ") : QStringLiteral(": ")) + QString::number(yea) +
           QLatin1Char('-') + QString::number(nay);
}

} // namespace rollscan
