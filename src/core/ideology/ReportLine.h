#pragma once

#include "data/RollCall.h"

#include <QString>
#include <QStringList>

namespace rollscan {

// Builds one line of a text report out of texts placed at fixed columns. Numbers are written the way
// report readers have always seen them: a blank (or the minus sign) before the digits and a blank after.
class ReportLine {
public:
    ReportLine() = default;
    explicit ReportLine(const QString &start) : m_text(start) {}

    // Pads with blanks so that the next text starts at 1-based `column`. A line already past that
    // column gets one blank instead, so that the values stay apart on the same line.
    ReportLine &tab(int column);
    ReportLine &text(const QString &t);
    // " 12 ", "-3 ".
    ReportLine &number(int n);

    const QString &str() const { return m_text; }
    operator QString() const { return m_text; }

private:
    QString m_text;
};

// A number as the reports write it after a tab: " 12 ", "-3 ".
QString ReportNumber(int n);

// The identification block of a roll call in every report:
//   "January 5, 1981: Roll Call #12"
//   description
//   "House #97, 1981-1982"
struct RollCallHeading {
    TaggedDate date;
    int rollCall = 0;
    QString description;
    bool isHouse = true;
    int congress = 0;

    QStringList lines() const;
};

// The date of a roll call in the long form ("mmmm d, yyyy"); a date stored as text is shown as it is.
QString LongDateText(const TaggedDate &date);

// "House #101, 1989-1990" or "Senate #...".
QString CongressLine(bool isHouse, int congress);

// A title line and a dashed line of the same length.
QStringList TitleLines(const QString &title);

// Writes report lines as a text file: Windows-1252, each line ended by CR LF, through a save file so
// that a failure leaves no half-written report. Throws FileError.
void WriteReportFile(const QString &path, const QStringList &lines);

} // namespace rollscan
