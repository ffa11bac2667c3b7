#include "core/app/Session.h"
#include "gui/app/ProgramInfo.h"
#include "gui/app/WindowDirector.h"
#include "gui/app/frmVoteStartup.h"
#include "gui/services/QtServices.h"
#include "gui/services/Services.h"
#include "gui/services/UnattendedServices.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTimer>

#include <cstdio>
#include <memory>

using namespace rollscan;

namespace {

// The outside updater next to the program, if one was installed with it.
QString UpdaterPath()
{
#ifdef Q_OS_WIN
    const QString name = kUpdaterProgram + QStringLiteral(".exe");
#else
    const QString name = kUpdaterProgram;
#endif
    const QFileInfo updater(QDir(QCoreApplication::applicationDirPath()).filePath(name));
    return updater.isFile() && updater.isExecutable() ? updater.absoluteFilePath() : QString();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Rollscan"));
    QApplication::setApplicationVersion(ProgramVersion());

    // ROLLSCAN_SCREENSHOT=file.png: start up, save a picture of the main window and end. Messages go
    // to standard error so that an unattended run never waits for a click.
    const QString screenshot = qEnvironmentVariable("ROLLSCAN_SCREENSHOT");
    std::unique_ptr<QtServices> services;
    if (screenshot.isEmpty())
        services = std::make_unique<QtServices>();
    else
        services = std::make_unique<UnattendedServices>();

    // The data tree is the working directory, where "rollscan.prf" lives.
    Session session(QDir::currentPath());
    frmVoteStartup window(session, *services);
    WindowDirector director(session, *services, window);

    const QString updater = UpdaterPath();
    if (!updater.isEmpty()) {
        director.answer(&window, &frmVoteStartup::updateRequested, [&services, &window, updater] {
            if (!services->startProgram(updater))
                ReportError(*services, &window,
                            QStringLiteral("Rollscan could not start ") + updater + QLatin1Char('.'));
        });
    }

    if (!window.startUp())
        return 1;

    if (!screenshot.isEmpty()) {
        for (int i = 0; i < 5; ++i)
            QCoreApplication::processEvents();
        if (!window.grab().save(screenshot)) {
            std::fprintf(stderr, "Could not save the screenshot %s\n", qPrintable(screenshot));
            return 1;
        }
        return 0;
    }

    // Exit ends the run at once, without asking any other window.
    QObject::connect(&window, &frmVoteStartup::endProgram, &app, [] { QCoreApplication::exit(0); });
    return app.exec();
}
