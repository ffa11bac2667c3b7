#pragma once

#include "core/report/RollCallSheet.h"

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

// The roll call a report is about; its heading lines are those of every roll-call output.
struct ReportRollCall {
    bool isHouse = true;
    int congress = 0;
    SheetRollCall rollCall; // number, date and description of its list row

    // "January 5, 1981: Roll Call #12", the description, "House #97, 1981-1982".
    QStringList headingLines() const;
};

// A title line and a dashed line of the same length.
QStringList TitleLines(const QString &title);

// Writes report lines as a text file: Windows-1252, each line ended by CR LF, through a save file so
// that a failure leaves no half-written report. Throws FileError.
void WriteReportFile(const QString &path, const QStringList &lines);

} // namespace rollscan
