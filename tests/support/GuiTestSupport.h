#pragma once

// Helpers shared by the window tests: screenshots and answering modal boxes.

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace rollscan::test {

// Saves a picture of a window as <name>.png in the build tree's screenshot folder; returns the
// path, or an empty string when it could not be written.
inline QString SaveScreenshot(QWidget *window, const QString &name)
{
    const QString folder = QStringLiteral(ROLLSCAN_SCREENSHOT_DIR);
    QDir().mkpath(folder);
    const QString path = folder + QLatin1Char('/') + name + QStringLiteral(".png");
    QCoreApplication::processEvents();
    return window->grab().save(path) ? path : QString();
}

// Runs `action` on the next modal window to appear (a message box, a dialog run with exec()),
// polling for up to five seconds. The action must close the window.
inline void OnNextModal(std::function<void(QWidget *)> action)
{
    auto *timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, action, tries = 0]() mutable {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal || ++tries > 500) {
            timer->stop();
            timer->deleteLater();
            if (modal)
                action(modal);
        }
    });
    timer->start();
}

} // namespace rollscan::test
