#include "CongressSearchFiles.h"

#include "data/DataTree.h"
#include "data/Description.h"
#include "data/FileError.h"
#include "data/FileIO.h"

namespace rollscan {

namespace {
QByteArray readIf(bool wanted, const QString &path) { return wanted ? ReadWholeFile(path) : QByteArray(); }
} // namespace

CongressSearchFiles::CongressSearchFiles(const QString &root, bool isHouse, int congress, bool newDataFormat,
                                         bool withDescriptions)
    : m_congress(congress), m_newDataFormat(newDataFormat),
      m_rifData(ReadWholeFile(CongressFileName(root, isHouse, congress, QStringLiteral(".rif")))),
      m_dinData(readIf(withDescriptions, CongressFileName(root, isHouse, congress, QStringLiteral(".din")))),
      m_dbnData(readIf(withDescriptions, CongressFileName(root, isHouse, congress, QStringLiteral(".dbn")))),
      m_rif(m_rifData, CongressFileName(root, isHouse, congress, QStringLiteral(".rif"))),
      m_din(m_dinData, CongressFileName(root, isHouse, congress, QStringLiteral(".din"))),
      m_dbn(m_dbnData, CongressFileName(root, isHouse, congress, QStringLiteral(".dbn")))
{
}

qint64 CongressSearchFiles::slotOffset(int r) const
{
    if (r < 1)
        throw FileError(FileErrorNumber::BadFileName, m_rif.path(), QStringLiteral("Bad record number %1").arg(r));
    return qint64(r - 1) * RollCallRecordLength(m_newDataFormat);
}

void CongressSearchFiles::requireRollCalls(int count) const
{
    // The last record may stop after its fields; its codes and description are what must be there.
    if (count > 0)
        PeekRollCall(m_rif, slotOffset(count), m_newDataFormat);
}

RollCallKeys CongressSearchFiles::keys(int r) const { return PeekRollCall(m_rif, slotOffset(r), m_newDataFormat); }

RollCall CongressSearchFiles::rollCall(int r) const { return DecodeRollCall(m_rif, slotOffset(r), m_newDataFormat); }

MatchRow CongressSearchFiles::matchRow(int r) const
{
    const RollCall rc = rollCall(r);
    MatchRow row;
    row.rollCall = qint16(r);
    row.description = rc.trimmedDescription();
    row.date = rc.date;
    row.yeas = rc.yeas;
    row.nays = rc.nays;
    row.congress = qint16(m_congress);
    return row;
}

KeywordMatcher::Texts CongressSearchFiles::keywordTexts(int r, QByteArrayView description) const
{
    const DescriptionBytes entry = DescriptionEntryBytes(m_din, m_dbn, r);
    return {description,     entry.header[0], entry.header[1], entry.header[2],
            entry.header[3], entry.header[4], entry.text};
}

} // namespace rollscan
