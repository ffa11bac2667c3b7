#include "core/ideology/CongressFit.h"

#include "core/data/CongressIndex.h"
#include "core/data/DataTree.h"
#include "core/data/Legislator.h"
#include "core/data/PartyTable.h"
#include "core/data/RollCall.h"
#include "core/data/StateTable.h"
#include "core/data/VoteMatrix.h"
#include "core/ideology/CuttingLine.h"

#include <vector>

namespace rollscan {

namespace {
constexpr int kProgressEvery = 50;

// What the inner loop needs of a scaled member, kept together so the loop runs over one array.
struct ScaledMember {
    int index = 0; // 0-based record
    MapPoint point;
};
} // namespace

double CongressFit::percentCorrect() const
{
    if (classifiedVotes == 0)
        return 0.0;
    return 100.0 * double(classifiedVotes - totalErrors) / double(classifiedVotes);
}

double CongressFit::apre() const
{
    if (totalMinority == 0)
        return 0.0;
    return double(totalMinority - totalErrors) / double(totalMinority);
}

CongressFit ComputeCongressFit(const QString &root, bool isHouse, int congress, bool newDataFormat,
                               const ProgressCallback &progress)
{
    CongressFit fit;
    fit.isHouse = isHouse;
    fit.congress = congress;
    fit.dimTwoFactor = TreeDimTwoFactor(root, isHouse);

    const CongressCounts counts = LoadCongressCounts(root, isHouse, congress);
    const int members = counts.legislatorCount;
    const int rolls = counts.rollCallCount;
    fit.rollCalls = rolls;
    const QList<Legislator> legislators =
        ReadLegislators(CongressFileName(root, isHouse, congress, QStringLiteral(".lcr")), members, newDataFormat);
    const QList<RollCall> rollCalls =
        ReadRollCalls(CongressFileName(root, isHouse, congress, QStringLiteral(".rif")), rolls, newDataFormat);
    const VoteMatrix votes =
        VoteMatrix::Load(CongressFileName(root, isHouse, congress, QStringLiteral(".vot")), members, rolls);
    const StateTable states = StateTable::Read(DataFileName(root, kMainDir, QStringLiteral("state.dat")));
    const PartyTable parties = PartyTable::Read(DataFileName(root, kMainDir, QStringLiteral("party.dat")));

    std::vector<ScaledMember> scaled;
    fit.legislators.reserve(members);
    for (int i = 0; i < members; ++i) {
        const Legislator &l = legislators.at(i);
        FitLegislator f;
        f.recordNumber = i + 1;
        f.id1 = l.id1;
        f.name = l.trimmedName();
        f.partyCode = l.partyCode;
        f.partyName = parties.name(l.partyCode);
        if (const StateRecord *s = states.find(l.stateCode))
            f.state = s->postal;
        f.scaled = HasCoordinates(l.coord1, l.coord2);
        if (f.scaled)
            scaled.push_back({i, MapPointOf(fit.dimTwoFactor, l.coord1, l.coord2)});
        fit.legislators.append(f);
    }

    // Vote-major walk: the matrix is legislator-major, but one roll call's line and counts are
    // needed for all its voters at once, and the bytes of 450 × 1,700 fit the cache either way.
    const QByteArray &bytes = votes.bytes();
    std::vector<int> votesOf(members, 0), errorsOf(members, 0);
    for (int r = 1; r <= rolls; ++r) {
        if (progress && r % kProgressEvery == 0)
            progress(int(qint64(r) * 100 / rolls), r);
        const RollCall &rc = rollCalls.at(r - 1);
        const CuttingLine line = CalcCoordinates(fit.dimTwoFactor, rc.Spread1, rc.Spread2, rc.Midpoint1, rc.Midpoint2);
        if (line.noLine)
            continue;
        ++fit.rollCallsWithLine;
        int counted = 0;
        for (const ScaledMember &m : scaled) {
            const char byte = bytes.at(VoteMatrix::Offset(m.index + 1, r, rolls));
            const int code = byte >= '0' && byte <= '9' ? byte - '0' : 0;
            const VoteClass cls = ClassOfVote(code);
            if (cls == VoteClass::NotAvailable)
                continue;
            ++votesOf[m.index];
            ++fit.classifiedVotes;
            if (IsClassificationError(cls, m.point, line)) {
                ++errorsOf[m.index];
                ++counted;
            }
        }
        fit.totalErrors += CorrectedErrorCount(counted, rc.infoYea, rc.infoNay);
        fit.totalMinority += MinorityCount(rc.infoYea, rc.infoNay);
    }
    for (int i = 0; i < members; ++i) {
        fit.legislators[i].votes = votesOf[i];
        fit.legislators[i].errors = errorsOf[i];
    }
    if (progress)
        progress(100, rolls);
    return fit;
}

} // namespace rollscan
