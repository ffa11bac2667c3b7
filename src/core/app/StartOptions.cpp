#include "core/app/StartOptions.h"

#include <QCommandLineParser>

namespace rollscan {

namespace {
struct Parser {
    QCommandLineParser parser;
    QCommandLineOption development{
        QStringLiteral("development"),
        QStringLiteral("Show the Development menu: the tally checks of both chambers "
                       "(\"Check Vote Matches\", \"Check Senate Matches\") and \"List Tokens\".")};
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help and end.")};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                               QStringLiteral("Show the version and end.")};
    Parser()
    {
        parser.setApplicationDescription(QStringLiteral("Roll-call displays of the U.S. Congress."));
        parser.addOption(development);
        parser.addOption(help);
        parser.addOption(version);
        parser.addPositionalArgument(
            QStringLiteral("DATA_TREE"),
            QStringLiteral("The data tree to open: the folder that holds 'rollscan.prf'. Without it, the tree used "
                           "last, else the sample that comes with the program."),
            QStringLiteral("[DATA_TREE]"));
    }
};
} // namespace

StartOptions StartOptions::Parse(const QStringList &arguments)
{
    Parser p;
    StartOptions options;
    if (!p.parser.parse(arguments)) {
        options.error = p.parser.errorText();
        return options;
    }
    options.development = p.parser.isSet(p.development);
    options.help = p.parser.isSet(p.help);
    options.version = p.parser.isSet(p.version);
    const QStringList positional = p.parser.positionalArguments();
    if (positional.size() > 1)
        options.error = QStringLiteral("Give one data tree at most.");
    else if (!positional.isEmpty())
        options.dataTree = positional.constFirst();
    return options;
}

QString StartOptions::HelpText()
{
    Parser p;
    // The usage line names the program as users call it, whatever the binary's path.
    QString text = p.parser.helpText();
    const qsizetype end = text.indexOf(QLatin1Char('\n'));
    return QStringLiteral("Usage: rollscan [options] [DATA_TREE]") + text.mid(end);
}

} // namespace rollscan
