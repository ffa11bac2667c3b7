#pragma once

#include <QString>
#include <optional>

namespace rollscan {

// How public roll-call tables become a data tree.
struct ConvertOptions {
    bool newDataFormat = false;                    // write the extended 62- and 136-byte records
    bool includePresident = false;                 // keep the President's row (chamber "President") as a legislator
    QString partiesPath;                           // a parties table (party_code, party_name) for party names; optional
    QString coordColumn1 = QStringLiteral("dim1"); // members-table columns of the two coordinates
    QString coordColumn2 = QStringLiteral("dim2");
    // The second-dimension weight of those coordinates, written to "main/scaling.dat". When unset,
    // the public tables' coordinate columns get the weight they were estimated with, and other
    // columns get no file (the tree then keeps the built-in factors).
    std::optional<double> dim2Weight;

    // The weight the public scalings were estimated with, for their whole-history and
    // single-congress coordinates alike.
    static constexpr double kPublicDim2Weight = 0.4156;

    // The weight the tree will carry, if any.
    std::optional<double> treeDim2Weight() const
    {
        if (dim2Weight)
            return dim2Weight;
        const bool publicColumns =
            (coordColumn1 == QLatin1String("dim1") && coordColumn2 == QLatin1String("dim2")) ||
            (coordColumn1 == QLatin1String("congress_dim1") && coordColumn2 == QLatin1String("congress_dim2"));
        if (publicColumns)
            return kPublicDim2Weight;
        return std::nullopt;
    }
};

} // namespace rollscan
