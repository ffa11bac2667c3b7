#include "core/geomap/UsMapPass.h"

#include "core/data/DataTree.h"
#include "core/data/Legislator.h"
#include "core/data/VoteMatrix.h"
#include "core/geomap/StateList.h"
#include "core/ideology/CuttingLine.h"
#include "core/ideology/PartnerIndex.h"

namespace rollscan {

QString UsMapMember::label() const
{
    return name + QStringLiteral(", ") + postal;
}

UsMapPass RunUsMapPass(const DrawingRequest &request, const StateList &states, const ProgressCallback &progress)
{
    const QString &root = request.dataRoot;
    const bool isHouse = request.isHouse;
    const int congress = request.congress;

    UsMapPass pass;
    pass.isHouse = isHouse;
    pass.congress = congress;
    pass.rollCall = request.rollCall;
    pass.crossTab = request.partner.has_value();
    pass.partner = request.partner;
    pass.counts = LoadCongressCounts(root, isHouse, congress);
    pass.record =
        ReadRollCallRecord(root, isHouse, congress, request.rollCall, pass.counts.rollCallCount, request.newDataFormat);

    const int count = pass.counts.legislatorCount;
    const QList<Legislator> members = ReadLegislators(CongressFileName(root, isHouse, congress, QStringLiteral(".lcr")),
                                                      count, request.newDataFormat);
    const VoteMatrix votes = VoteMatrix::Load(CongressFileName(root, isHouse, congress, QStringLiteral(".vot")), count,
                                              pass.counts.rollCallCount);

    // The partner roll call of a cross-tabulation; in another congress its members are found by id.
    VoteMatrix partnerVotes;
    PartnerIndex partnerRecords;
    bool partnerSameCongress = true;
    if (request.partner) {
        const PartnerRollCall &p = *request.partner;
        partnerSameCongress = p.congress == congress;
        const CongressCounts partnerCounts =
            partnerSameCongress ? pass.counts : LoadCongressCounts(root, isHouse, p.congress);
        pass.partnerRecord = ReadRollCallRecord(root, isHouse, p.congress, p.rollCall, partnerCounts.rollCallCount,
                                                request.newDataFormat);
        if (!partnerSameCongress) {
            const QList<Legislator> others =
                ReadLegislators(CongressFileName(root, isHouse, p.congress, QStringLiteral(".lcr")),
                                partnerCounts.legislatorCount, request.newDataFormat);
            partnerRecords.build(others);
            partnerVotes = VoteMatrix::Load(CongressFileName(root, isHouse, p.congress, QStringLiteral(".vot")),
                                            partnerCounts.legislatorCount, partnerCounts.rollCallCount);
        }
    }

    pass.GisVoteTable.reserve(count);
    for (int i = 1; i <= count; ++i) {
        if (progress && i % 30 == 0)
            progress(int(qint64(i) * 100 / count), i);
        const Legislator &l = members.at(i - 1);
        VoteClass cls = ClassOfVote(votes.vote(i, request.rollCall));
        if (request.partner) {
            const int partnerRecord = partnerSameCongress ? i : partnerRecords.find(l.id1);
            if (partnerRecord == 0)
                cls = VoteClass::NoMatch;
            else
                cls = CombineCrossTab(
                    cls, (partnerSameCongress ? votes : partnerVotes).vote(partnerRecord, request.partner->rollCall));
        }
        UsMapMember m;
        m.name = l.trimmedName().left(12);
        m.partyCode = l.partyCode;
        m.district = l.district;
        m.icpsr = l.stateCode;
        if (const StateListRecord *s = states.findIcpsr(l.stateCode)) {
            m.fips = s->fips;
            m.postal = s->postal;
            m.shortName = s->shortName;
            m.stateName = s->name;
        }
        m.voteClass = cls;
        m.colour = ClassColour(cls, request.preferences);
        m.hasCoordinates = HasCoordinates(l.coord1, l.coord2);
        m.recordNumber = i;
        m.id1 = l.id1;
        if (!m.hasCoordinates)
            ++pass.withoutCoordinates;
        pass.GisVoteTable.append(std::move(m));
    }
    if (progress)
        progress(100, count);
    pass.legislators = members;
    return pass;
}

} // namespace rollscan
