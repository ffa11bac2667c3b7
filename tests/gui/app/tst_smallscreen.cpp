// On a small screen (1024 x 700) no window opens larger than the screen's available area, and a
// window whose controls cannot shrink that far scrolls instead of losing its buttons.
#include "support/GuiTestSupport.h"
#include "support/SearchFixture.h"

#include "core/search/RollCallSearch.h"
#include "gui/app/frmVoteStartup.h"
#include "gui/search/frmKeyword.h"
#include "gui/search/frmSelectSearch.h"
#include "gui/search/frmViewCalls.h"

#include <QPushButton>
#include <QScrollArea>
#include <QTemporaryFile>

using namespace rollscan;
using namespace rollscan::test;

namespace {
constexpr QSize kScreen(1024, 700);

// Shows a window, saves its picture and checks that it lies wholly inside the available area.
bool Fits(QWidget *window, const QString &name)
{
    window->show();
    if (!QTest::qWaitForWindowExposed(window))
        return false;
    SaveScreenshot(window, QStringLiteral("smallscreen_") + name);
    return window->screen()->availableGeometry().contains(window->frameGeometry());
}
} // namespace

class tst_smallscreen : public QObject {
    Q_OBJECT

private slots:
    void searchWindows();
};

void tst_smallscreen::searchWindows()
{
    QCOMPARE(QGuiApplication::primaryScreen()->geometry().size(), kScreen);
    SearchTree tree;
    frmVoteStartup main(tree.session, tree.services);
    QVERIFY(main.startUp());
    QVERIFY(Fits(&main, QStringLiteral("main")));
    frmKeyword keyword(tree.services);
    frmSelectSearch search(tree.session, tree.services, keyword);
    QVERIFY(Fits(&search, QStringLiteral("search")));

    tree.session.selectedCongresses = {97, 98, 99};
    RunSearch(tree.session, {});
    // A description as long as the format allows, on every row: the list scrolls rather than widen.
    for (MatchRow &row : tree.session.MatchTable.rows())
        row.description = QString(60, QLatin1Char('W'));
    frmViewCalls list(tree.session, tree.services, keyword);
    list.setAttribute(Qt::WA_DeleteOnClose, false);
    QVERIFY(Fits(&list, QStringLiteral("list")));
    const bool scrolls = list.findChild<QScrollArea *>() != nullptr;
    QVERIFY(list.width() <= kScreen.width() * 4 / 5 + 1 || scrolls);
    // Every button can be reached: inside the window, or inside a scroll area that can show it.
    for (QPushButton *button : list.findChildren<QPushButton *>())
        QVERIFY2(list.rect().contains(QRect(button->mapTo(&list, QPoint(0, 0)), button->size())) || scrolls,
                 qPrintable(button->objectName()));
}

int main(int argc, char *argv[])
{
    // The offscreen platform takes its screens from a file: one of 1024 x 700 pixels.
    QTemporaryFile config;
    if (!config.open())
        return 1;
    config.write(
        QStringLiteral("{\"screens\": [{\"name\": \"small\", \"x\": 0, \"y\": 0, \"width\": %1, \"height\": %2, "
                       "\"logicalDpi\": 96, \"logicalBaseDpi\": 96, \"dpr\": 1}]}")
            .arg(kScreen.width())
            .arg(kScreen.height())
            .toUtf8());
    config.flush();
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + QFile::encodeName(config.fileName()));
    QApplication app(argc, argv);
    tst_smallscreen test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_smallscreen.moc"
