#pragma once

#include "core/data/FileError.h"

namespace rollscan {

// A legislator on the map whose party code has no party symbol. Its message is the sentence the
// map shows before the program ends.
class UndefinedPartyError : public DataError {
public:
    // `storedName` is the 12-character name field as stored (not trimmed); `path` is the legislator
    // file holding the record.
    UndefinedPartyError(const QString &storedName, int recordNumber, int partyCode, const QString &path = {});

    int recordNumber() const { return m_recordNumber; }
    // The legislator file holding the record, when known.
    const QString &path() const { return m_path; }
    int partyCode() const { return m_partyCode; }

private:
    int m_recordNumber;
    int m_partyCode;
    QString m_path;
};

} // namespace rollscan
