#pragma once

#include <QString>

namespace rollscan {

// Folder names of a data tree, relative to its root (the folder that holds "rollscan.prf").
inline const QString kHouseDir = QStringLiteral("house");
inline const QString kSenateDir = QStringLiteral("senate");
inline const QString kMainDir = QStringLiteral("main");
inline const QString kMapsDir = QStringLiteral("maps");
inline const QString kUserDir = QStringLiteral("user");
inline const QString kPreferencesFile = QStringLiteral("rollscan.prf");

// The path of a congress file: "house/97.lcr", "senate/9s.lcr" below `root`. `extension` includes
// its dot (".lcr", ".vot", ".rif", ".din", ".dbn"). Resolved case-insensitively.
QString CongressFileName(const QString &root, bool isHouse, int congress, const QString &extension);

// The path of a file in one of the tree's folders, e.g. DataFileName(root, kMainDir, "state.dat").
QString DataFileName(const QString &root, const QString &folder, const QString &name);

// The path of a folder of the tree (resolved case-insensitively).
QString DataFolder(const QString &root, const QString &folder);

} // namespace rollscan
