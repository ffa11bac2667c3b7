#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>
#include <functional>

namespace rollscan::cli {

// Exit codes of rollscan-cli.
constexpr int kExitOk = 0;
constexpr int kExitBadData = 1;
constexpr int kExitUsage = 2;

// A subcommand. Each lives in its own file and registers itself with a static CommandRegistration,
// so subcommands can be added without touching the dispatcher.
struct Command {
    QString name;
    QString summary;                                 // one line for the command list
    QString usage;                                   // the text of "rollscan-cli NAME --help"
    std::function<int(const QStringList &args)> run; // arguments after the name
};

struct CommandRegistration {
    explicit CommandRegistration(Command command);
};

// Dispatches argv (program name first). Prints usage for "--help" and unknown commands.
int RunCommandLine(const QStringList &argv);

// A field of tab-separated output: backslash, TAB, LF and CR become \\, \t, \n and \r, so that one
// row stays one line and one field stays one column whatever the data hold.
QString TabField(const QString &text);

// The sentence every tab-separated command puts in its --help.
extern const char *const kTabFieldHelp;

// Output streams shared by the commands.
QTextStream &Out();
QTextStream &Err();

} // namespace rollscan::cli
