#pragma once

#include <QDate>
#include <QIcon>
#include <QString>

namespace rollscan {

// What the program says about itself, and every outside address it opens, kept in one place.

constexpr int kVersionMajor = ROLLSCAN_VERSION_MAJOR;
constexpr int kVersionMinor = ROLLSCAN_VERSION_MINOR;
constexpr int kVersionPatch = ROLLSCAN_VERSION_PATCH;
// The date this version was released, shown by the about box.
inline const QDate kReleaseDate(2026, 12, 6);

// The two web-site entries of the Help menu. Until the program has public pages of its own they
// open its help contents in the help window (any qrc:/help/ address does); a real site is an
// http(s) address here and nothing else changes.
inline const QString kRollscanWebSite = QStringLiteral("qrc:/help/index.html");
inline const QString kKestrelbyWebSite = QStringLiteral("qrc:/help/index.html#web");
// The mailing list of the third Help entry (disabled, as the list has no address yet).
inline const QString kMailingListAddress = QStringLiteral("mailto:");
// The outside updater, looked for next to the program's executable.
inline const QString kUpdaterProgram = QStringLiteral("Update Rollscan");

// "major.minor.patch", e.g. "2.1.7".
QString VersionText(int major, int minor, int patch);
// A caption stamped with a version: "Rollscan for Windows" → "Rollscan for Windows v2.1.7".
QString VersionedTitle(const QString &caption, int major, int minor, int patch);
// The version of this build.
QString ProgramVersion();
// The program's icon (the picture the desktop entry installs too).
QIcon ProgramIcon();

} // namespace rollscan
