#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace rollscan {

// One record of "main/state list.dat" (33 bytes): a state as the US map knows it.
struct StateListRecord {
    QString name;        // 15 characters, padding trimmed
    QString postal;      // two letters
    qint16 order = 0;    // place in order of admission to the Union, 1..50
    qint16 fips = 0;     // FIPS state code
    qint16 icpsr = 0;    // state code of the legislator files
    qint16 reserved = 0; // not read by the map
    QString shortName;   // 8 characters, padding trimmed
    bool operator==(const StateListRecord &) const = default;
};

// The 50 states of the US map, in file order.
class StateList {
public:
    static constexpr int kRecordLength = 33;
    static constexpr int kRecords = 50;
    // Throws FileError 53 when missing, 62 when the file is not exactly 50 records long.
    static StateList Read(const QString &path);
    // Writes the records as they stand, through a whole-file replacement.
    void write(const QString &path) const;
    // The record with that ICPSR (FIPS) state code, or nullptr.
    const StateListRecord *findIcpsr(int icpsr) const;
    const StateListRecord *findFips(int fips) const;
    // The FIPS codes of the states with these names (case ignored), in list order.
    QList<int> fipsOfNames(const QStringList &names) const;
    // The names in file order.
    QStringList names() const;

    QList<StateListRecord> records;
};

} // namespace rollscan
