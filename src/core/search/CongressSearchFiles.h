#pragma once

#include "core/data/Bytes.h"
#include "core/search/KeywordMatcher.h"
#include "core/search/MatchTable.h"

#include <QByteArray>
#include <QString>

namespace rollscan {

// The roll-call file of one congress, and its two description files when keywords are tested, each
// read once and kept in memory while a search runs over that congress.
class CongressSearchFiles {
public:
    // Reads "N.rif" (and "N.din", "N.dbn" with `withDescriptions`) of the chamber below `root`.
    // Throws FileError 53/76 for a missing file.
    CongressSearchFiles(const QString &root, bool isHouse, int congress, bool newDataFormat, bool withDescriptions);
    CongressSearchFiles(const CongressSearchFiles &) = delete;
    CongressSearchFiles &operator=(const CongressSearchFiles &) = delete;

    int congress() const { return m_congress; }
    const QString &rollCallPath() const { return m_rif.path(); }

    // Throws FileError 62 naming the roll-call file unless it holds `count` records.
    void requireRollCalls(int count) const;

    // The codes and raw description of record r (1-based). Throws FileError 62 past the end.
    RollCallKeys keys(int r) const;
    // Record r, decoded in the layout the files use (an extended record keeps its second issue code).
    RollCall rollCall(int r) const;
    // The match-table row of record r: its number, trimmed description, date and official tallies.
    MatchRow matchRow(int r) const;
    // The same from the keys already read for record r.
    MatchRow matchRow(int r, const RollCallKeys &keys) const;
    // The seven texts the keyword test reads for roll call r; `description` is the record's own.
    // Throws FileError 62 when the description files do not reach entry r.
    KeywordMatcher::Texts keywordTexts(int r, QByteArrayView description) const;

private:
    CongressSearchFiles(const QString &rifPath, const QString &dinPath, const QString &dbnPath, int congress,
                        bool newDataFormat);
    qint64 slotOffset(int r) const;

    int m_congress;
    bool m_newDataFormat;
    QByteArray m_rifData, m_dinData, m_dbnData;
    ByteReader m_rif, m_din, m_dbn;
};

} // namespace rollscan
