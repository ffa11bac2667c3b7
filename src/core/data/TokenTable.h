#pragma once

#include <QChar>
#include <QList>
#include <QString>

namespace rollscan {

// One record of "main/token.dat" (33 bytes); record number = plot-symbol index.
struct TokenRecord {
    QChar symbol = QLatin1Char(' ');
    qint16 value = 0; // used by the plotting of the ideological map
    QString name;     // 30 characters, padding trimmed
    bool operator==(const TokenRecord &) const = default;
};

class TokenTable {
public:
    static constexpr int kRecordLength = 33;
    static constexpr int kMinRecords = 38; // every index PartySymbolIndex can return

    // Throws FileError 53 when missing, 62 when the size is not a whole number of records or the
    // file holds fewer than 38.
    static TokenTable Read(const QString &path);
    void write(const QString &path) const;

    // The record of symbol index `index` (1-based); nullptr when there is none.
    const TokenRecord *find(int index) const;

    QList<TokenRecord> records;
};

} // namespace rollscan
