#include "core/analysis/AllLines.h"

#include "core/data/CongressIndex.h"
#include "core/data/DataTree.h"
#include "core/data/FileError.h"
#include "core/data/Legislator.h"
#include "core/data/PartySymbol.h"
#include "core/data/RollCall.h"
#include "core/data/StateTable.h"
#include "core/data/TokenTable.h"
#include "core/data/VoteMatrix.h"
#include "core/ideology/NumberFormat.h"
#include "core/ideology/VoteClass.h"

#include <algorithm>
#include <cmath>

namespace rollscan {

namespace {
constexpr int kDemocrat = 100;
constexpr int kRepublican = 200;
constexpr int kLightBlue = 9;
constexpr int kLightRed = 12;
constexpr int kGreen = 2;
} // namespace

int AllLinesView::drawnCount() const
{
    return int(std::count_if(lines.begin(), lines.end(), [](const QueuedCuttingLine &l) { return l.drawn(); }));
}

int PartyColourIndex(int partyCode)
{
    switch (partyCode) {
    case kDemocrat:
        return kLightBlue;
    case kRepublican:
        return kLightRed;
    default:
        return kGreen;
    }
}

AllLinesView ComputeAllLines(const QString &root, bool isHouse, int congress, const QList<QueuedRollCall> &queue,
                             bool newDataFormat, bool lowerCaseTokens, const ProgressCallback &progress)
{
    AllLinesView view;
    view.isHouse = isHouse;
    view.congress = congress;
    const CongressCounts counts = LoadCongressCounts(root, isHouse, congress);
    const QList<Legislator> legislators = ReadLegislators(
        CongressFileName(root, isHouse, congress, QStringLiteral(".lcr")), counts.legislatorCount, newDataFormat);
    const QList<RollCall> rollCalls = ReadRollCalls(CongressFileName(root, isHouse, congress, QStringLiteral(".rif")),
                                                    counts.rollCallCount, newDataFormat);
    const VoteMatrix votes = VoteMatrix::Load(CongressFileName(root, isHouse, congress, QStringLiteral(".vot")),
                                              counts.legislatorCount, counts.rollCallCount);
    const TokenTable tokens = TokenTable::Read(DataFileName(root, kMainDir, QStringLiteral("token.dat")));
    const StateTable states = StateTable::Read(DataFileName(root, kMainDir, QStringLiteral("state.dat")));

    // The same second-dimension factor as the map, so each line and its errors agree with it.
    const double k = TreeDimTwoFactor(root, isHouse);
    QList<int> plotted; // record numbers of the members drawn
    for (const Legislator &l : legislators) {
        if (!HasCoordinates(l.coord1, l.coord2))
            continue;
        const int symbol = PartySymbolIndex(l.partyCode, l.stateCode, congress);
        const TokenRecord *token = symbol == kUndefinedParty ? nullptr : tokens.find(symbol);
        // A party the symbol table does not know still gets a place, marked as unknown.
        const QChar letter = token ? token->symbol : QLatin1Char('?');
        const StateRecord *state = states.find(l.stateCode);
        view.members.append({MapPointOf(k, l.coord1, l.coord2), QString(lowerCaseTokens ? letter.toLower() : letter),
                             PartyColourIndex(l.partyCode),
                             l.trimmedName() + QStringLiteral(", ") + (state ? state->postal : QString()),
                             l.partyCode});
        plotted.append(l.recordNumber);
    }

    QList<QueuedRollCall> mine;
    for (const QueuedRollCall &q : queue)
        if (q.congress == congress)
            mine.append(q);
    for (int n = 0; n < mine.size(); ++n) {
        const QueuedRollCall &q = mine.at(n);
        if (q.rollCall < 1 || q.rollCall > counts.rollCallCount)
            throw DataError(NoSuchRollCallMessage(isHouse, congress, q.rollCall));
        const RollCall &rc = rollCalls.at(q.rollCall - 1);
        QueuedCuttingLine line;
        line.rollCall = q;
        line.line = CalcCoordinates(k, rc.Spread1, rc.Spread2, rc.Midpoint1, rc.Midpoint2);
        line.minority = MinorityCount(rc.infoYea, rc.infoNay);
        if (!line.line.noLine) {
            int counted = 0;
            for (int m = 0; m < plotted.size(); ++m) {
                const VoteClass cls = ClassOfVote(votes.vote(plotted.at(m), q.rollCall));
                if (IsClassificationError(cls, view.members.at(m).point, line.line))
                    ++counted;
            }
            line.errors = CorrectedErrorCount(counted, rc.infoYea, rc.infoNay);
            line.pre = ProportionalReduction(line.minority, line.errors);
        }
        view.lines.append(line);
        if (progress)
            progress(int(qint64(n + 1) * 100 / mine.size()), n + 1);
    }
    return view;
}

int NearestLine(const AllLinesView &view, MapPoint p, double tolerance)
{
    int best = -1;
    double bestDistance = tolerance;
    for (int i = 0; i < view.lines.size(); ++i) {
        const QueuedCuttingLine &l = view.lines.at(i);
        if (!l.drawn())
            continue;
        const double dx = l.line.end2.x - l.line.end1.x;
        const double dy = l.line.end2.y - l.line.end1.y;
        const double length2 = dx * dx + dy * dy;
        double t = length2 > 0 ? ((p.x - l.line.end1.x) * dx + (p.y - l.line.end1.y) * dy) / length2 : 0.0;
        t = std::clamp(t, 0.0, 1.0);
        const double distance = std::hypot(p.x - (l.line.end1.x + t * dx), p.y - (l.line.end1.y + t * dy));
        if (distance <= bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

QString AllLinesTitle(const AllLinesView &view)
{
    const int queued = int(view.lines.size());
    const int drawn = view.drawnCount();
    return CongressYearsLine(view.isHouse, view.congress) + QStringLiteral(": %1 queued roll call%2, %3 line%4")
                                                                .arg(queued)
                                                                .arg(queued == 1 ? "" : "s")
                                                                .arg(drawn)
                                                                .arg(drawn == 1 ? "" : "s");
}

QString AllLinesListRow(const QueuedCuttingLine &line)
{
    return QLatin1Char('#') + QString::number(line.rollCall.rollCall) + QLatin1Char('\t') +
           (line.drawn() ? QStringLiteral("PRE ") + FormatPre(line.pre) : QStringLiteral("no line")) +
           QLatin1Char('\t') + line.rollCall.description;
}

QList<QStringList> AllLinesCsvRecords(const AllLinesView &view)
{
    QList<QStringList> records;
    records.append({QStringLiteral("congress"), QStringLiteral("roll_call"), QStringLiteral("yeas"),
                    QStringLiteral("nays"), QStringLiteral("line"), QStringLiteral("errors"), QStringLiteral("pre"),
                    QStringLiteral("description")});
    for (const QueuedCuttingLine &l : view.lines)
        records.append({QString::number(view.congress), QString::number(l.rollCall.rollCall),
                        QString::number(l.rollCall.yeas), QString::number(l.rollCall.nays),
                        l.drawn() ? QStringLiteral("yes") : QStringLiteral("no"),
                        l.drawn() ? QString::number(l.errors) : QString(),
                        l.drawn() ? QString::number(double(l.pre), 'f', 3) : QString(), l.rollCall.description});
    return records;
}

} // namespace rollscan
