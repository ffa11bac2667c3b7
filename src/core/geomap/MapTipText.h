#pragma once

#include "core/geomap/UsMapPass.h"

#include <QList>
#include <QString>

namespace rollscan {

class Preferences;
class TokenTable;

inline const QString kMultipleMemberText = QStringLiteral("Multiple member district with more than 3 legislators.");

// Who represents a feature: "NAME (D), ST", "NAME (D); NAME (R), ST", three names likewise, or
// kMultipleMemberText for four or more. Each symbol is the first character of the member's party
// token. Empty for no member.
QString InquireText(const QList<UsMapMember> &members, const TokenTable &tokens, int congress);

// How a feature's delegation voted: heading + " Votes (Y-N-N/A): " + the counts of members in the
// Yea, Nay and N/A colours.
QString BreakdownText(const QString &heading, const QList<UsMapMember> &members, const Preferences &prefs);

// The breakdown's heading: "AL District 3" in the House ("AK At Large" for a district numbered 0),
// the state's name in the Senate.
QString FeatureHeading(bool isHouse, const UsMapMember &first);

} // namespace rollscan

namespace rollscan {

inline const QString kDistrictAbstained = QStringLiteral("District Delegation Abstained");
inline const QString kStateAbstained = QStringLiteral("State Delegation Abstained");

// Inquire on the drawn map: "NAME, state name", both trimmed.
QString DrawnInquireText(const QString &name, const QString &stateName);
// Breakdown on the drawn map: "ST (MM District): 2-1" for a multi-member district, "ST: 5-3"
// otherwise; with no Yea and no Nay, "District Delegation Abstained" or "State Delegation Abstained".
QString DrawnBreakdownText(const QString &postal, bool multiMember, int yea, int nay);

} // namespace rollscan
