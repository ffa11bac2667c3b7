#pragma once

#include <QList>
#include <QString>

namespace rollscan {

// One record of "main/party.dat" (33 bytes), read in record order.
struct PartyRecord {
    qint16 code = 0;
    QString name; // 31 characters, padding trimmed
    bool operator==(const PartyRecord &) const = default;
};

class PartyTable {
public:
    static constexpr int kRecordLength = 33;
    static constexpr int kMaxRecords = 100; // records beyond the 100th are not used

    // Throws FileError 53 when missing, 62 when the size is not a whole number of records.
    static PartyTable Read(const QString &path);
    void write(const QString &path) const;

    // The name of party `code`, or an empty text when the table does not list it.
    QString name(int code) const;

    QList<PartyRecord> records;
};

} // namespace rollscan
