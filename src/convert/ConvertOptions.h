#pragma once

#include <QString>

namespace rollscan {

// How public roll-call tables become a data tree.
struct ConvertOptions {
    bool newDataFormat = false;                    // write the extended 62- and 136-byte records
    bool includePresident = false;                 // keep the President's row (chamber "President") as a legislator
    QString partiesPath;                           // a parties table (party_code, party_name) for party names; optional
    QString coordColumn1 = QStringLiteral("dim1"); // members-table columns of the two coordinates
    QString coordColumn2 = QStringLiteral("dim2");
};

} // namespace rollscan
