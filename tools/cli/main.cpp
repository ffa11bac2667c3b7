#include "cli/Command.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>

#include <cstring>
#include <memory>

int main(int argc, char *argv[])
{
    // Drawing map pictures needs a GUI application; it runs offscreen, so no display is needed.
    bool drawing = false;
    for (int i = 1; i < argc; ++i)
        drawing = drawing || std::strcmp(argv[i], "--png") == 0 || std::strcmp(argv[i], "--svg") == 0;
    std::unique_ptr<QCoreApplication> app;
    if (drawing) {
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    return rollscan::cli::RunCommandLine(app->arguments());
}
