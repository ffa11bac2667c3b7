#include "cli/Command.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    return rollscan::cli::RunCommandLine(app.arguments());
}
