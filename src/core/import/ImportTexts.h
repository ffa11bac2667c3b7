#pragma once

#include <QString>

namespace rollscan {

class FileError;

// The fixed texts of the quantitative import, shared by its window, the map and the command line.
namespace ImportText {
inline const QString kDialogTitle = QStringLiteral("Quantitative Variable Data Import");
inline const QString kNothingLoaded = QStringLiteral("No data set currently loaded.");
inline const QString kNoData = QStringLiteral("There's no data to read!");
inline const QString kPrintHeading = QStringLiteral("Rollscan for Windows Quantitative Variable Data File");
inline const QString kWhileOpening = QStringLiteral(") has occurred while opening the file you requested.");
inline const QString kWhileDisplaying = QStringLiteral(") has occurred while displaying imported data.");
} // namespace ImportText

// The report of a failed read of an import file: "An error (N) has occurred while opening the file you
// requested." and, on a second line, the file and what was wrong in it ("…/x.hqd: line 4: …").
QString ImportErrorText(const FileError &error);

// The title line of a printed data set: " ('" + title + "')".
QString ImportPrintTitle(const QString &title);

} // namespace rollscan
