#include "core/app/DataTreeChoice.h"
#include "core/app/Session.h"
#include "core/app/StartOptions.h"
#include "core/data/FileError.h"
#include "gui/app/DataTreeSwitcher.h"
#include "gui/app/ProgramInfo.h"
#include "gui/app/WindowDirector.h"
#include "gui/app/frmVoteStartup.h"
#include "gui/services/QtServices.h"
#include "gui/services/Services.h"
#include "gui/services/UnattendedServices.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QMenu>
#include <QSettings>
#include <QStandardPaths>
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

// The sample data tree that comes with the program: installed beside it (read-only), or, for a
// program run from its build folder, the sample of the sources. `installed` tells which.
QString BundledSample(bool &installed)
{
    const QDir bin(QCoreApplication::applicationDirPath());
    const QString beside = QDir::cleanPath(bin.filePath(QStringLiteral(ROLLSCAN_SAMPLE_FROM_BIN)));
    installed = DataTreeChoice::IsDataTree(beside);
    if (installed)
        return beside;
    if (QFileInfo(bin.absolutePath()) == QFileInfo(QStringLiteral(ROLLSCAN_BUILD_BIN_DIR)))
        return QStringLiteral(ROLLSCAN_SOURCE_SAMPLE);
    return beside;
}

} // namespace

int main(int argc, char *argv[])
{
    // --help and --version answer without a display, so the options are read before the application.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const StartOptions options = StartOptions::Parse(arguments);
    if (!options.error.isEmpty() || options.help || options.version) {
        const QString text = options.version ? QStringLiteral("rollscan ") + ProgramVersion()
                             : options.help  ? StartOptions::HelpText()
                                             : options.error + QStringLiteral("\nTry 'rollscan --help'.");
        std::fprintf(options.error.isEmpty() ? stdout : stderr, "%s\n", qPrintable(text));
        return options.error.isEmpty() ? 0 : 2;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Rollscan"));
    QApplication::setApplicationVersion(ProgramVersion());
    QApplication::setWindowIcon(ProgramIcon());

    // ROLLSCAN_SCREENSHOT=file.png: start up, save a picture of the main window and end. Messages go
    // to standard error so that an unattended run never waits for a click.
    const QString screenshot = qEnvironmentVariable("ROLLSCAN_SCREENSHOT");
    std::unique_ptr<QtServices> services;
    if (screenshot.isEmpty())
        services = std::make_unique<QtServices>();
    else
        services = std::make_unique<UnattendedServices>();

    bool sampleInstalled = false;
    const QString sample = BundledSample(sampleInstalled);
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("rollscan"),
                       QStringLiteral("rollscan"));
    QString tree =
        DataTreeChoice::StartTree(options.dataTree, settings.value(DataTreeSwitcher::kLastTreeKey).toString(), sample);
    // The installed sample cannot take preferences, bookmarks or notes: the user works on a copy.
    if (sampleInstalled && QFileInfo(tree) == QFileInfo(sample)) {
        const QString copy =
            QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).filePath(QStringLiteral("sample"));
        try {
            tree = DataTreeChoice::WritableTree(sample, true, copy);
        } catch (const FileError &error) {
            ReportFileError(*services, nullptr, error);
            return 1;
        }
    }
    tree = QFileInfo(tree).absoluteFilePath();
    // Reports and file dialogs start in the tree, as they did when the tree was the program's folder.
    QDir::setCurrent(tree);

    Session session(tree);
    frmVoteStartup window(session, *services);
    WindowDirector director(session, *services, window);
    DataTreeSwitcher trees(session, *services, window, settings);
    trees.setCloseWindows([&director] { director.closeAll(); });

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
    window.showDevelopmentMenu(options.development);
    trees.remember(tree);

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
