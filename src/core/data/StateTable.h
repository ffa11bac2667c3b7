#pragma once

#include <QList>
#include <QString>

namespace rollscan {

// One record of "main/state.dat" (19 bytes); record number = state code.
struct StateRecord {
    QString name;   // 15 characters, padding trimmed
    QString postal; // two letters
    qint16 reserved = 0;
    bool operator==(const StateRecord &) const = default;
};

class StateTable {
public:
    static constexpr int kRecordLength = 19;

    // Throws FileError 53 when missing, 62 when the size is not a whole number of records.
    static StateTable Read(const QString &path);
    void write(const QString &path) const;

    // The record of state code `code` (1-based record number); nullptr when the file has none.
    const StateRecord *find(int code) const;
    // The trimmed name of state `code`. Throws FileError 62 naming the file when it has no such record.
    QString name(int code) const;

    QList<StateRecord> records; // element 0 = state code 1
    QString path;
};

} // namespace rollscan
