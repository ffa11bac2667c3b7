#include "core/ideology/CrossTab.h"

#include "core/ideology/IdeologyTexts.h"
#include "core/ideology/NumberFormat.h"

#include <QSet>

namespace rollscan {

QList<PartyRecord> CrossTabParties(const QList<Legislator> &legislators, const QList<PartyRecord> &parties)
{
    const QList<PartyRecord> known = parties.mid(0, PartyTable::kMaxRecords);
    QList<PartyRecord> out;
    QSet<int> listed;
    for (const Legislator &l : legislators) {
        if (listed.contains(l.partyCode))
            continue;
        for (const PartyRecord &p : known) {
            if (p.code == l.partyCode) {
                out.append(p);
                listed.insert(p.code);
                break;
            }
        }
    }
    return out;
}

CrossTabCounts CountCrossTab(const QList<LegislatorVoteEntry> &table, int partyCode)
{
    CrossTabCounts c;
    for (const LegislatorVoteEntry &e : table) {
        if (!e.written || e.partyCode != partyCode)
            continue;
        switch (e.voteClass) {
        case VoteClass::Yea:
            ++c.YY;
            break;
        case VoteClass::YeaNay:
            ++c.YN;
            break;
        case VoteClass::NayYea:
            ++c.NY;
            break;
        case VoteClass::Nay:
            ++c.NN;
            break;
        case VoteClass::NotAvailable:
        case VoteClass::NoMatch:
            break;
        }
    }
    return c;
}

std::optional<double> YulesQ(const CrossTabCounts &c)
{
    const qint64 agree = qint64(c.YY) * c.NN;
    const qint64 disagree = qint64(c.YN) * c.NY;
    const qint64 sum = agree + disagree;
    if (sum == 0)
        return std::nullopt;
    return double(agree - disagree) / double(sum);
}

float ChiSquare(const CrossTabCounts &c)
{
    const qint64 n = qint64(c.YY) + c.YN + c.NY + c.NN;
    const qint64 yeaHere = qint64(c.YY) + c.YN;
    const qint64 yeaThere = qint64(c.YY) + c.NY;
    const float eYY = n == 0 ? 0.0f : float(double(yeaThere * yeaHere) / double(n));
    const float eNY = float(yeaThere) - eYY;
    const float eYN = float(yeaHere) - eYY;
    const float eNN = float(n) - eYY - eNY - eYN;
    auto term = [](int observed, float expected) {
        if (expected == 0.0f)
            return 0.0f;
        const float d = float(observed) - expected;
        return d * d / expected;
    };
    return term(c.YY, eYY) + term(c.NY, eNY) + term(c.YN, eYN) + term(c.NN, eNN);
}

QString YulesQText(const CrossTabCounts &c)
{
    const std::optional<double> q = YulesQ(c);
    return q ? FormatStatistic(*q) : IdeologyText::kNotApplicable;
}

QString CrossTabStatsText(const CrossTabCounts &c)
{
    return QStringLiteral("Yule's Q: ") + YulesQText(c) + QStringLiteral("  Chi-square: ") +
           FormatStatistic(double(ChiSquare(c)));
}

CrossTabPanels BuildCrossTabPanels(const CrossTabCounts &c)
{
    return {QStringLiteral("Yea-Yea: ") + QString::number(c.YY), QStringLiteral("Nay-Yea: ") + QString::number(c.NY),
            QStringLiteral("Yea-Nay: ") + QString::number(c.YN), QStringLiteral("Nay-Nay: ") + QString::number(c.NN)};
}

} // namespace rollscan
