#pragma once

#include <QString>
#include <QStringList>

namespace rollscan {

// What the program's command line asks for: `rollscan [--development] [DATA_TREE]`.
struct StartOptions {
    bool development = false; // show the Development menu
    QString dataTree;         // the tree named on the command line, or empty
    bool help = false;        // print helpText() and end
    bool version = false;     // print the version and end
    QString error;            // what was wrong with the command line, or empty

    // Reads the arguments (argv[0] first, as QCoreApplication::arguments() gives them).
    static StartOptions Parse(const QStringList &arguments);
    // The text of --help.
    static QString HelpText();
};

} // namespace rollscan
