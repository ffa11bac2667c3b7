#pragma once

#include <QString>
#include <optional>

namespace rollscan {

// "main/scaling.dat": the weight of the second dimension of the coordinates a tree carries, and the
// names of the table columns they came from. The weight is the factor k of the map (a legislator
// at (x, y) stands at (x, 2k·y)) and of every distance measured on it, so errors and PRE agree
// with the fit of the scaling that produced the coordinates. A tree without the file keeps the
// chamber's built-in factor.
struct ScalingFile {
    static constexpr int kVersion = 1;
    static constexpr int kRecordLength = 50;
    static constexpr int kColumnWidth = 20;

    double weight = 0.0;
    QString column1; // trimmed
    QString column2;

    bool operator==(const ScalingFile &) const = default;

    // Path of the file below a tree's root (resolved case-insensitively).
    static QString PathIn(const QString &root);

    // Throws FileError 53 when missing, 62 when shorter than one record, 321 for an unknown version,
    // and DataError naming the file for a weight that is not a number in (0, 1].
    static ScalingFile Read(const QString &path);

    // The tree's file, or nothing when the tree has none. Errors as Read.
    static std::optional<ScalingFile> ReadIn(const QString &root);

    // Writes one record through QSaveFile. Column names longer than 20 characters are cut.
    void write(const QString &path) const;

    // True for a weight the map can use: a number greater than 0 and at most 1.
    static bool IsValidWeight(double weight);
};

} // namespace rollscan
