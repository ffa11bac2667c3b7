#include "cli/Command.h"

#include <QTextStream>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace rollscan::cli {

namespace {
std::vector<Command> &registry()
{
    static std::vector<Command> commands;
    return commands;
}

void printCommandList(QTextStream &s)
{
    s << "Usage: rollscan-cli COMMAND [ARGUMENTS]\n\nCommands:\n";
    std::vector<Command> sorted = registry();
    std::sort(sorted.begin(), sorted.end(), [](const Command &a, const Command &b) { return a.name < b.name; });
    for (const Command &c : sorted)
        s << "  " << c.name.leftJustified(10) << " " << c.summary << "\n";
    s << "\nrollscan-cli COMMAND --help describes one command.\n";
}
} // namespace

CommandRegistration::CommandRegistration(Command command)
{
    registry().push_back(std::move(command));
}

const char *const kTabFieldHelp = "A backslash, tab, line feed or carriage return inside a field is written as\n"
                                  "\\\\, \\t, \\n or \\r, so every row is one line.";

QString TabField(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '\\':
            out += QLatin1String("\\\\");
            break;
        case '\t':
            out += QLatin1String("\\t");
            break;
        case '\n':
            out += QLatin1String("\\n");
            break;
        case '\r':
            out += QLatin1String("\\r");
            break;
        default:
            out += c;
        }
    }
    return out;
}

QTextStream &Out()
{
    static QTextStream s(stdout);
    return s;
}

QTextStream &Err()
{
    static QTextStream s(stderr);
    return s;
}

int RunCommandLine(const QStringList &argv)
{
    if (argv.size() < 2) {
        printCommandList(Err());
        return kExitUsage;
    }
    const QString name = argv.at(1);
    if (name == QLatin1String("--help") || name == QLatin1String("-h") || name == QLatin1String("help")) {
        printCommandList(Out());
        return kExitOk;
    }
    for (const Command &c : registry()) {
        if (c.name != name)
            continue;
        const QStringList args = argv.mid(2);
        if (args.contains(QLatin1String("--help"))) {
            Out() << c.usage << Qt::endl;
            return kExitOk;
        }
        const int rc = c.run(args);
        Out().flush();
        Err().flush();
        return rc;
    }
    Err() << "rollscan-cli: unknown command '" << name << "'\n\n";
    printCommandList(Err());
    return kExitUsage;
}

} // namespace rollscan::cli
