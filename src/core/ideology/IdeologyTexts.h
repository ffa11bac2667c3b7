#pragma once

#include <QString>
#include <QStringList>

// The fixed texts of the ideological display and its side windows, kept in one place because the
// windows and the command line both show them.
namespace rollscan::IdeologyText {

inline const QString kMapCaption = QStringLiteral("Ideological Map Display");
inline const QString kCrossTabCaption = QStringLiteral("Ideological Map Display - Cross Tabulation View");
inline const QString kTitleCaptionPrefix = QStringLiteral("Id Map - ");
inline const QString kNoLine = QStringLiteral("Unanimous or near-unanimous roll call: no cutting line calculated");
// A contested roll call whose source gave no line parameters (not scaled, or counts only).
inline const QString kNoLineInData = QStringLiteral("No cutting line in the data for this roll call");
inline const QString kCodeCaptions = QStringLiteral("Issue Code:\nClausen Code:\nPeltzman Code:");

inline const QString kLegislatorNotFound = QStringLiteral("Legislator not found.");
inline const QString kFindNoSelection = QStringLiteral("You must select at least one legislator to find.");
inline const QString kJumpOutOfRange =
    QStringLiteral("You must select a roll call within the range of selected roll calls.");

// The file dialog filters of the side windows' text reports; the second entry is preselected.
inline const QStringList kTextReportFilters = {QStringLiteral("All Files (*.*)"),
                                               QStringLiteral("Output Files (*.txt)")};

// Text of a count that means nothing here: the reduction in error of a cross-tab view, the errors
// and reduction of a roll call without a cutting line.
inline const QString kNotApplicable = QStringLiteral("n/a");

// "An error (" + number + closing text.
inline QString ErrorWhile(int number, const QString &closing)
{
    return QStringLiteral("An error (") + QString::number(number) + closing;
}
inline const QString kWhileDrawing = QStringLiteral(") has occurred while drawing the Ideological map.");
inline const QString kWhileSaving = QStringLiteral(") has occurred while saving.");
inline const QString kWhilePrintingMap = QStringLiteral(") has occurred while printing the Ideological map.");
inline const QString kWhileSavingInfo = QStringLiteral(") has occurred while saving roll call information.");
inline const QString kWhilePrintingInfo = QStringLiteral(") has occurred while printing roll call information.");
inline const QString kWhileSavingStatistics = QStringLiteral(") has occurred while saving statistics.");
inline const QString kWhilePrinting = QStringLiteral(") has occurred while printing.");

} // namespace rollscan::IdeologyText
