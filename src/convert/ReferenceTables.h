#pragma once

#include "core/data/Preferences.h"
#include "core/data/StateTable.h"
#include "core/data/TokenTable.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace rollscan {

// The small shared tables a converted data tree needs and the roll-call tables do not carry:
// state names, party names, plot symbols, subject-code lists and default display settings.
// All of them are public or our own choice; docs/converting.md lists them.
class ReferenceTables {
public:
    // The state record of a state code of the members tables (upper-case name of at most 15
    // characters, postal abbreviation), or
    // nullptr when the code is not one of the 50 states and the District of Columbia.
    static const StateRecord *StateByCode(int code);
    // The record for a state code the built-in table lacks, from the postal abbreviation the
    // members table gives it: known territories and the President's "USA" get their names,
    // anything else "STATE NN". The postal field keeps two characters ("USA" gives "US").
    static StateRecord StateFromPostal(int code, const QString &postal);

    // The built-in name of a party code, or an empty text.
    static QString PartyName(int code);
    // The name written for a party with no name from any table: "Party NNN".
    static QString FallbackPartyName(int code);

    // The 38 plot symbols of "token.dat", one per party-symbol index.
    static QList<TokenRecord> Tokens();

    // The contents of "isscodes.dat", "clacodes.dat" and "pelcodes.dat": one code per line,
    // the code right-aligned in columns 1-3, three blanks, the name; lines end with CR LF.
    static QByteArray IssueCodeFile();
    static QByteArray ClausenCodeFile();
    static QByteArray PeltzmanCodeFile();

    // Readable defaults for "rollscan.prf": yeas light blue, nays light red, not voting gray,
    // ideological map first, tokens as stored, the House first.
    static Preferences DefaultPreferences();
};

} // namespace rollscan
