#include "core/search/CongressSearchFiles.h"

#include "core/data/Cp1252.h"
#include "core/data/DataTree.h"
#include "core/data/Description.h"
#include "core/data/FileError.h"
#include "core/data/FileIO.h"

namespace rollscan {

namespace {
QString pathIf(bool wanted, const QString &root, bool isHouse, int congress, const QString &extension)
{
    return wanted ? CongressFileName(root, isHouse, congress, extension) : QString();
}

QByteArray readIf(const QString &path)
{
    return path.isEmpty() ? QByteArray() : ReadWholeFile(path);
}
} // namespace

CongressSearchFiles::CongressSearchFiles(const QString &root, bool isHouse, int congress, bool newDataFormat,
                                         bool withDescriptions)
    : CongressSearchFiles(CongressFileName(root, isHouse, congress, QStringLiteral(".rif")),
                          pathIf(withDescriptions, root, isHouse, congress, QStringLiteral(".din")),
                          pathIf(withDescriptions, root, isHouse, congress, QStringLiteral(".dbn")), congress,
                          newDataFormat)
{
}

CongressSearchFiles::CongressSearchFiles(const QString &rifPath, const QString &dinPath, const QString &dbnPath,
                                         int congress, bool newDataFormat)
    : m_congress(congress), m_newDataFormat(newDataFormat), m_rifData(ReadWholeFile(rifPath)),
      m_dinData(readIf(dinPath)), m_dbnData(readIf(dbnPath)), m_rif(m_rifData, rifPath), m_din(m_dinData, dinPath),
      m_dbn(m_dbnData, dbnPath)
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

RollCallKeys CongressSearchFiles::keys(int r) const
{
    return PeekRollCall(m_rif, slotOffset(r), m_newDataFormat);
}

RollCall CongressSearchFiles::rollCall(int r) const
{
    return DecodeRollCall(m_rif, slotOffset(r), m_newDataFormat);
}

MatchRow CongressSearchFiles::matchRow(int r) const
{
    return matchRow(r, keys(r));
}

MatchRow CongressSearchFiles::matchRow(int r, const RollCallKeys &keys) const
{
    // Trailing blanks are dropped before decoding, so the row's text is built once.
    QByteArrayView description = keys.description;
    while (!description.isEmpty() && description.back() == ' ')
        description.chop(1);
    MatchRow row;
    row.rollCall = qint16(r);
    row.description = DecodeCp1252(description);
    row.date = keys.date;
    row.yeas = keys.yeas;
    row.nays = keys.nays;
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
