// The attachment menus of the map and of the roll-call list, and the Development menu, reach their
// work through the window director.
#include "support/GuiTestSupport.h"
#include "support/IdeologicalFixture.h"
#include "support/UsMapFixture.h"

#include "gui/app/WindowDirector.h"
#include "gui/app/frmVoteStartup.h"
#include "gui/attach/FittedPicture.h"
#include "gui/attach/frmAttach.h"
#include "gui/geomap/frmUSMap.h"
#include "gui/search/frmViewCalls.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace rollscan;
using namespace rollscan::test;

class TestAttachWiring : public QObject {
    Q_OBJECT

private slots:
    void mapMenusFollowFilesAndOpenAttachments_data();
    void mapMenusFollowFilesAndOpenAttachments();
    void listOffersCongressAttachments();
    void savedNoteShowsAtOnce_data();
    void savedNoteShowsAtOnce();
    void developmentMenuRunsChecks();
};

void TestAttachWiring::mapMenusFollowFilesAndOpenAttachments_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<bool>("audio");
    QTest::addColumn<bool>("picture");
    QTest::newRow("note only") << QStringList{"house/97_1.txt"} << false << false;
    QTest::newRow("all three") << QStringList{"house/97_1.txt", "house/97_1.wav", "house/97_1.png"} << true << true;
    QTest::newRow("another roll call's files") << QStringList{"house/97_2.wav", "house/97_2.bmp"} << false << false;
}

void TestAttachWiring::mapMenusFollowFilesAndOpenAttachments()
{
    QFETCH(QStringList, files);
    QFETCH(bool, audio);
    QFETCH(bool, picture);
    IdeologicalTree t;
    for (const QString &f : files) {
        if (f.endsWith(QLatin1String(".png"))) {
            QImage image(20, 10, QImage::Format_RGB32);
            image.fill(Qt::green);
            QVERIFY(image.save(t.tree.path(f)));
        } else if (f.endsWith(QLatin1String(".wav"))) {
            // A header with a second of 8-bit sound at 8 kHz.
            QByteArray wav(
                "RIFF\0\0\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x40\x1f\0\0\x40\x1f\0\0\x01\0\x08\0data\x40\x1f\0\0", 44);
            t.tree.writeRaw(f, wav + QByteArray(8000, '\x80'));
        } else {
            t.tree.writeRaw(f, "Passed over the veto.");
        }
    }
    frmVoteStartup main(t.session, t.services);
    WindowDirector director(t.session, t.services, main);
    t.session.queue.addRows(t.session.MatchTable, {1}, t.session.smallScreen);
    t.session.queue.setCurrentQueuePos(1);
    frmIdeological *map = director.showIdeological(false);
    QVERIFY(map);
    // A note can always be written; sound and picture need their files.
    QVERIFY(map->mnuText->isEnabled());
    QCOMPARE(map->mnuText->isChecked(), files.contains(QStringLiteral("house/97_1.txt")));
    QCOMPARE(map->mnuAudio->isEnabled(), audio);
    QCOMPARE(map->mnuPicture->isEnabled(), picture);

    map->mnuText->trigger();
    frmAttach *attach = director.attachWindow();
    QVERIFY(attach);
    QCOMPARE(attach->fraText->title(), QStringLiteral("Text Attachment - House #97 Roll Call #1"));
    QCOMPARE(attach->txtAttach->toPlainText(),
             files.contains(QStringLiteral("house/97_1.txt")) ? QStringLiteral("Passed over the veto.") : QString());
    if (audio) {
        map->mnuAudio->trigger();
        QVERIFY(director.attachWindow());
        QVERIFY(director.attachWindow()->fraAudio->isVisible());
        QCOMPARE(director.attachWindow()->lblLen->text(), QStringLiteral("1.00"));
    }
    if (picture) {
        map->mnuPicture->trigger();
        QVERIFY(director.attachWindow());
        QCOMPARE(director.attachWindow()->imgAttach->pixmap().size(), QSize(20, 10));
    }
    QVERIFY(t.services.errorTexts().isEmpty());
}

void TestAttachWiring::listOffersCongressAttachments()
{
    IdeologicalTree t;
    t.tree.writeRaw(QStringLiteral("house/97.txt"), "The 97th House.");
    frmVoteStartup main(t.session, t.services);
    WindowDirector director(t.session, t.services, main);
    frmViewCalls *list = director.showViewCalls();
    QVERIFY(list->mnuText->isEnabled());
    QVERIFY(!list->mnuAudio->isEnabled());
    QVERIFY(!list->mnuPicture->isEnabled());
    list->mnuText->trigger();
    QVERIFY(director.attachWindow());
    QCOMPARE(director.attachWindow()->fraText->title(), QStringLiteral("Text Attachment - House #97"));
    QCOMPARE(director.attachWindow()->txtAttach->toPlainText(), QStringLiteral("The 97th House."));
}

void TestAttachWiring::savedNoteShowsAtOnce_data()
{
    QTest::addColumn<int>("rollCall");
    QTest::addColumn<bool>("onMaps");
    QTest::addColumn<bool>("onList");
    QTest::newRow("note of the roll call shown") << 1 << true << false;
    QTest::newRow("note of another roll call") << 2 << false << false;
    QTest::newRow("congress note") << kCongressAttachment << false << true;
}

void TestAttachWiring::savedNoteShowsAtOnce()
{
    QFETCH(int, rollCall);
    QFETCH(bool, onMaps);
    QFETCH(bool, onList);
    // Both maps on the Senate's first roll call beside the list of the 107th.
    UsMapTree t;
    RecordingServices services;
    t.session.isHouse = false;
    t.session.selectedCongresses = {107};
    const MatchRow first = t.session.MatchTable.row(1);
    const MatchRow second = t.session.MatchTable.row(2);
    t.session.MatchTable.clear();
    t.session.MatchTable.append(first);
    t.session.MatchTable.append(second);
    frmVoteStartup main(t.session, services);
    WindowDirector director(t.session, services, main);
    frmViewCalls *list = director.showViewCalls();
    list->lstRollCalls->selectAll();
    list->addSelected();
    list->mnuUS->trigger();
    list->mnuDouble->trigger();
    list->btnStart->click();
    frmIdeological *map = director.ideologicalWindow();
    frmUSMap *usMap = director.usMapWindow();
    QVERIFY(map && usMap);
    QCOMPARE(map->pass().rollCall, 1);
    QVERIFY(!map->mnuText->isChecked());
    QVERIFY(!usMap->mnuText->isEnabled());
    QVERIFY(!list->mnuText->isEnabled());

    frmAttach *attach = director.showAttachment(AttachmentKind::Text, 107, rollCall);
    QVERIFY(attach);
    QTest::keyClicks(attach->txtAttach, QStringLiteral("Agreed to."));
    QTest::mouseClick(attach->btnSave, Qt::LeftButton);
    QVERIFY(services.errorTexts().isEmpty());
    // No new roll call has been drawn: the menus follow the saved file by themselves.
    QCOMPARE(map->pass().rollCall, 1);
    QCOMPARE(map->mnuText->isChecked(), onMaps);
    QCOMPARE(usMap->mnuText->isEnabled(), onMaps);
    QCOMPARE(list->mnuText->isEnabled(), onList);
}

void TestAttachWiring::developmentMenuRunsChecks()
{
    IdeologicalTree t;
    frmVoteStartup main(t.session, t.services);
    WindowDirector director(t.session, t.services, main);
    QVERIFY(main.startUp());
    for (QAction *entry : {main.mnuMatches, main.mnuSenMatches, main.mnuListTokens})
        QVERIFY(entry->isEnabled());
    main.mnuMatches->trigger();
    main.mnuSenMatches->trigger();
    main.mnuListTokens->trigger();
    QCOMPARE(t.services.shownTexts.size(), 3);
    QCOMPARE(t.services.shownTexts.at(0).title, QStringLiteral("hmatch.txt"));
    QCOMPARE(t.services.shownTexts.at(1).title, QStringLiteral("smatch.txt"));
    QCOMPARE(t.services.shownTexts.at(2).title, QStringLiteral("token.dat"));
    QVERIFY(QFileInfo::exists(t.tree.path(QStringLiteral("house/hmatch.txt"))));
    QVERIFY(QFileInfo::exists(t.tree.path(QStringLiteral("senate/smatch.txt"))));
}

QTEST_MAIN(TestAttachWiring)
#include "tst_attachwiring.moc"
