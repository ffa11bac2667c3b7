#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace rollscan {

class StateTable;

// One data row of an import file: a House district ("state, district, value") or Senate members
// ("state, member, value"; member 0 stands for every senator of the state).
struct QuantRow {
    int state = 0;
    int item = 0; // district (House) or first identification number of the senator (Senate)
    double value = 0.0;
    QString preview; // the row as the preview shows it: "state,item,value", items trimmed
};

// A quantitative data set read from an ".hqd" (House) or ".sqd" (Senate) file.
struct QuantData {
    QString path;          // empty: nothing read yet
    bool isHouse = true;   // the chamber the data set was read for
    QList<int> congresses; // the congresses searched when it was read; empty: not known
    QString title;
    QStringList description;
    QList<QuantRow> rows;
    double minimum = 0.0;
    double maximum = 0.0;

    bool isEmpty() const { return rows.isEmpty(); }
    // The description lines and the preview lines joined by line breaks, as the import window shows them.
    QString descriptionText() const;
    QString previewText() const;

    // Reads an import file: line 1 the title (trimmed), description lines up to a line "-" (trimmed),
    // then one row per non-blank line of three comma-separated items. Every state code must be a
    // record of `states`. Throws FileError naming the path, with the line in the description:
    // 53/76/54 when the file cannot be read; 62 when no line "-" ends the description or a row has
    // fewer than three items; 13 when an item is not a number (or a row has more than three); 9 when a
    // state code is not in the state table. Nothing is returned half read.
    static QuantData Read(const QString &path, const StateTable &states);

    // The file dialog's entries and default extension for a chamber.
    static QStringList fileFilters(bool isHouse);
    static QString defaultSuffix(bool isHouse);
};

} // namespace rollscan
