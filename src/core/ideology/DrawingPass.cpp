#include "core/ideology/DrawingPass.h"

#include "core/data/DataTree.h"
#include "core/data/FileError.h"
#include "core/data/PartySymbol.h"
#include "core/data/ScalingFile.h"
#include "core/data/StateTable.h"
#include "core/data/TokenTable.h"
#include "core/data/VoteMatrix.h"
#include "core/ideology/PartnerIndex.h"
#include "core/ideology/UndefinedPartyError.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace rollscan {

namespace {
constexpr int kProgressEvery = 30;

QString chamberName(bool isHouse)
{
    return isHouse ? QStringLiteral("House") : QStringLiteral("Senate");
}
} // namespace

float DrawingPass::pre() const
{
    return ProportionalReduction(MinorityCount, ErrorCount);
}

QString DrawingPass::weightText() const
{
    return QStringLiteral("Second-dimension weight ") + QString::number(dimTwoFactor, 'g', 6) +
           (weightFromTree ? QString() : QStringLiteral(" (built-in)"));
}

RollCall ReadRollCallRecord(const QString &root, bool isHouse, int congress, int rollCall, int rollCallCount,
                            bool newDataFormat)
{
    if (rollCall < 1 || rollCall > rollCallCount)
        // The count comes from the congress index, so that is the file a wrong count points at.
        throw DataError(QStringLiteral("Roll call %1 is not in the %2 roll calls of %3 #%4 (%5).")
                            .arg(rollCall)
                            .arg(rollCallCount)
                            .arg(chamberName(isHouse))
                            .arg(congress)
                            .arg(CongressIndexFileName(root, isHouse)));
    const QString path = CongressFileName(root, isHouse, congress, QStringLiteral(".rif"));
    return ReadRollCalls(path, rollCallCount, newDataFormat).at(rollCall - 1);
}

namespace {
// The partner roll call of the cross-tab view, and in another congress its members and votes.
struct PartnerVotes {
    bool sameCongress = true;
    int rollCall = 0;
    VoteMatrix votes;
    PartnerIndex index;
};

PartnerVotes loadPartner(const DrawingRequest &request, DrawingPass &pass)
{
    const QString &root = request.dataRoot;
    const bool isHouse = request.isHouse;
    const PartnerRollCall &p = *request.partner;
    PartnerVotes partner;
    partner.sameCongress = p.congress == request.congress;
    const CongressCounts partnerCounts =
        partner.sameCongress ? pass.counts : LoadCongressCounts(root, isHouse, p.congress);
    pass.partnerRecord =
        ReadRollCallRecord(root, isHouse, p.congress, p.rollCall, partnerCounts.rollCallCount, request.newDataFormat);
    pass.partnerLine = CalcCoordinates(pass.dimTwoFactor, pass.partnerRecord->Spread1, pass.partnerRecord->Spread2,
                                       pass.partnerRecord->Midpoint1, pass.partnerRecord->Midpoint2);
    partner.rollCall = p.rollCall;
    if (!partner.sameCongress) {
        const QList<Legislator> members =
            ReadLegislators(CongressFileName(root, isHouse, p.congress, QStringLiteral(".lcr")),
                            partnerCounts.legislatorCount, request.newDataFormat);
        partner.index.build(members);
        partner.votes = VoteMatrix::Load(CongressFileName(root, isHouse, p.congress, QStringLiteral(".vot")),
                                         partnerCounts.legislatorCount, partnerCounts.rollCallCount);
    }
    pass.LegislatorVoteTable.resize(pass.counts.legislatorCount);
    return partner;
}

// Legislator `i`'s vote combined with the same member's vote on the partner roll call, written into
// the legislator vote table; a member the partner congress does not have is NoMatch.
VoteClass crossTabClass(VoteClass cls, int i, const Legislator &l, const VoteMatrix &votes, const PartnerVotes &partner,
                        const Preferences &prefs, DrawingPass &pass)
{
    const int partnerRecord = partner.sameCongress ? i : partner.index.find(l.id1);
    if (partnerRecord == 0)
        return VoteClass::NoMatch;
    const VoteMatrix &pv = partner.sameCongress ? votes : partner.votes;
    cls = CombineCrossTab(cls, pv.vote(partnerRecord, partner.rollCall));
    LegislatorVoteEntry &e = pass.LegislatorVoteTable[i - 1];
    e.written = true;
    e.partyCode = l.partyCode;
    e.voteClass = cls;
    e.colour = ClassColour(cls, prefs);
    return cls;
}

// The tables a legislator's point is drawn from.
struct PlotTables {
    const TokenTable &tokens;
    const StateRecord *state;
    bool lowerCase;
};

PlottedEntry plottedEntry(const DrawingRequest &request, const DrawingPass &pass, int i, const Legislator &l,
                          VoteClass cls, int colour, const PlotTables &tables)
{
    const int symbol = PartySymbolIndex(l.partyCode, l.stateCode, request.congress);
    if (symbol == kUndefinedParty)
        throw UndefinedPartyError(
            l.name, i, l.partyCode,
            CongressFileName(request.dataRoot, request.isHouse, request.congress, QStringLiteral(".lcr")));
    const TokenRecord *token = tables.tokens.find(symbol);
    const StateRecord *state = tables.state;
    PlottedEntry e;
    e.name = l.trimmedName();
    e.label = e.name + QStringLiteral(", ") + (state ? state->postal : QString());
    e.legislatorIndex = i;
    e.voteClass = cls;
    e.colour = colour;
    e.point = MapPointOf(pass.dimTwoFactor, l.coord1, l.coord2);
    const QChar symbolChar = token ? token->symbol : QLatin1Char(' ');
    e.token = QString(tables.lowerCase ? symbolChar.toLower() : symbolChar);
    e.isError = IsClassificationError(cls, e.point, pass.line);
    e.stateName = state ? state->name : QString();
    e.partyCode = l.partyCode;
    return e;
}
} // namespace

DrawingPass RunDrawingPass(const DrawingRequest &request, const ProgressCallback &progress)
{
    const QString &root = request.dataRoot;
    const bool isHouse = request.isHouse;
    const int congress = request.congress;
    const Preferences &prefs = request.preferences;

    DrawingPass pass;
    pass.isHouse = isHouse;
    pass.congress = congress;
    pass.rollCall = request.rollCall;
    pass.crossTab = request.partner.has_value();
    pass.partner = request.partner;

    pass.counts = LoadCongressCounts(root, isHouse, congress);
    pass.record =
        ReadRollCallRecord(root, isHouse, congress, request.rollCall, pass.counts.rollCallCount, request.newDataFormat);
    // The factor belongs to the coordinates, so the tree says it; line, points and errors share it.
    const std::optional<ScalingFile> scaling = ScalingFile::ReadIn(root);
    pass.weightFromTree = scaling.has_value();
    pass.dimTwoFactor = scaling ? scaling->weight : DimTwoFactor(isHouse);
    pass.line = CalcCoordinates(pass.dimTwoFactor, pass.record.Spread1, pass.record.Spread2, pass.record.Midpoint1,
                                pass.record.Midpoint2);

    const int count = pass.counts.legislatorCount;
    pass.legislators = ReadLegislators(CongressFileName(root, isHouse, congress, QStringLiteral(".lcr")), count,
                                       request.newDataFormat);
    const VoteMatrix votes = VoteMatrix::Load(CongressFileName(root, isHouse, congress, QStringLiteral(".vot")), count,
                                              pass.counts.rollCallCount);
    const TokenTable tokens = TokenTable::Read(DataFileName(root, kMainDir, QStringLiteral("token.dat")));
    const StateTable states = StateTable::Read(DataFileName(root, kMainDir, QStringLiteral("state.dat")));
    const PartnerVotes partner = request.partner ? loadPartner(request, pass) : PartnerVotes();

    const bool lowerCase = prefs.lowerCaseTokens();
    for (int i = 1; i <= count; ++i) {
        if (progress && i % kProgressEvery == 0)
            progress(int(qint64(i) * 100 / count), i);

        const Legislator &l = pass.legislators.at(i - 1);
        VoteClass cls = ClassOfVote(votes.vote(i, request.rollCall));
        if (request.partner)
            cls = crossTabClass(cls, i, l, votes, partner, prefs, pass);

        const int colour = ClassColour(cls, prefs);
        const StateRecord *state = states.find(l.stateCode);
        if (HasCoordinates(l.coord1, l.coord2)) {
            PlottedEntry e = plottedEntry(request, pass, i, l, cls, colour, {tokens, state, lowerCase});
            if (e.isError)
                ++pass.countedErrors;
            pass.PlottedList.append(std::move(e));
        } else {
            pass.NotShownList.append({l.id1, cls, colour, l.name});
        }
    }
    if (progress)
        progress(100, count);

    pass.ErrorCount = CorrectedErrorCount(pass.countedErrors, pass.yeaCount(), pass.nayCount());
    pass.MinorityCount = MinorityCount(pass.yeaCount(), pass.nayCount());
    return pass;
}

} // namespace rollscan
