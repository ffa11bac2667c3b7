#pragma once

#include "convert/ConvertOptions.h"
#include "core/data/Description.h"
#include "core/data/Legislator.h"
#include "core/data/RollCall.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>

namespace rollscan {

// The files of one congress of one chamber, built in memory from its three tables.
struct ConvertedCongress {
    bool isHouse = true;
    int congress = 0;
    QList<Legislator> legislators; // ascending member id (ID1)
    QByteArray votes;              // legislator-major, one ASCII digit per (legislator, roll call)
    QList<RollCall> rollCalls;     // record r is roll number r
    QList<Description> descriptions;
    QMap<int, QString> statePostal; // state codes of the legislators and their postal abbreviations
};

// Turns the members, roll-call and vote tables of one congress into its data-file records.
// Columns are found by name; docs/converting.md lists which column feeds which field.
class CongressConverter {
public:
    explicit CongressConverter(ConvertOptions options);

    // Reads the three tables of congress `congress` of the chamber. Every fault of the tables
    // (missing column, non-numeric field, cast code outside 0-9, a vote of an unknown member or
    // roll call, a duplicate row, a gap in the roll numbers, a row of another congress or chamber,
    // a count beyond the 16-bit fields) throws DataError "PATH:LINE: message"; unreadable files
    // throw FileError.
    ConvertedCongress convert(bool isHouse, int congress, const QString &membersPath, const QString &rollCallsPath,
                              const QString &votesPath) const;

    // The texts a roll call's row gives the records: the 60-character short description, the five
    // header fields and the free text of its description entry, all upper case.
    struct RollCallTexts {
        QString bill, result, description, question, detail, session, clerkNumber;
    };
    static QString ShortDescription(const RollCallTexts &t);
    static Description DescriptionEntry(const RollCallTexts &t, int yeas, int nays);

private:
    ConvertOptions m_options;
};

} // namespace rollscan
