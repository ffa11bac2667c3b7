#pragma once

#include <QString>
#include <QStringList>

namespace rollscan {

// Which data tree the program opens, and the user's list of trees opened before.
class DataTreeChoice {
public:
    // How many trees "Recent Data Trees" keeps.
    static constexpr int kRecentCount = 5;

    // True when `folder` holds a preferences file (any letter case): only such a folder is a tree.
    static bool IsDataTree(const QString &folder);

    // The tree to open at start-up: the one named on the command line, else the one used last
    // (when it is still a tree), else the bundled sample.
    static QString StartTree(const QString &commandLine, const QString &lastUsed, const QString &sample);

    // The recent list with `tree` moved to the front (same folder, however spelled, only once),
    // cut to kRecentCount entries.
    static QStringList AddRecent(const QStringList &recent, const QString &tree);

    // A tree the program may write to (preferences, bookmarks, notes, reports). A read-only tree is
    // copied on first use to `copyFolder` and the copy is used from then on, with whatever the user
    // changed in it; a writable tree is used as it is. Throws FileError when the copy cannot be made
    // (no half-made copy is left behind).
    static QString WritableTree(const QString &tree, bool readOnly, const QString &copyFolder);

    // The message for a folder that is not a data tree.
    static QString NotATreeText(const QString &folder);
};

} // namespace rollscan
