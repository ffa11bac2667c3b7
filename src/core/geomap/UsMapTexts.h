#pragma once

#include <QString>
#include <QStringList>

// The fixed texts of the US map, kept in one place because the window, its printing and the command
// line share them.
namespace rollscan::UsMapText {

inline const QString kCaptionPrefix = QStringLiteral("US Map Display - ");
inline const QString kMapNotValid = QStringLiteral("GIS Map not valid!");
inline const QString kMapNotValidTitle = QStringLiteral("Error");
inline const QString kPrintDocument = QStringLiteral("Rollscan Print Output");

// Colour key labels.
inline const QStringList kHouseKey = {QStringLiteral("Yea Vote"), QStringLiteral("Nay Vote"),
                                      QStringLiteral("N/A Vote")};
inline const QStringList kSenateKey = {QStringLiteral("Both Yea Votes"), QStringLiteral("Split Yea-Nay Vote"),
                                       QStringLiteral("Both Nay Votes"), QStringLiteral("Both N/A Votes")};
// A cross-tabulation names each pair of votes its colour stands for.
inline const QStringList kCrossTabKey = {QStringLiteral("Both Yea Votes"), QStringLiteral("Yea-Nay Votes"),
                                         QStringLiteral("Nay-Yea Votes"), QStringLiteral("Both Nay Votes"),
                                         QStringLiteral("Split Delegation")};

} // namespace rollscan::UsMapText
