// The attachment window: its three frames, saving notes, sound without an output device, pictures
// fitted to the window; reached from the map through the window director.
#include "support/GuiTestSupport.h"
#include "support/IdeologicalFixture.h"
#include "support/RecordingServices.h"

#include "core/app/Session.h"
#include "core/attach/RollCallAttachments.h"
#include "core/data/FileIO.h"
#include "gui/app/WindowDirector.h"
#include "gui/app/frmVoteStartup.h"
#include "gui/attach/FittedPicture.h"
#include "gui/attach/frmAttach.h"

#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

using namespace rollscan;
using namespace rollscan::test;

namespace {
// A waveform of one second of silence, 8-bit mono at 8 kHz.
QByteArray oneSecondWave()
{
    return QByteArray("RIFF\0\0\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x40\x1f\0\0\x40\x1f\0\0\x01\0\x08\0data\x40\x1f\0\0",
                      44) +
           QByteArray(8000, '\x80');
}
} // namespace

class TestAttach : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QDir(m_dir->path()).mkpath(QStringLiteral("house"));
        QDir(m_dir->path()).mkpath(QStringLiteral("senate"));
        m_session = std::make_unique<Session>(m_dir->path());
        m_session->isHouse = false;
        m_services = RecordingServices();
    }

    void cleanup() { delete m_window; }

    void unchangedNoteWritesNothing()
    {
        const QString path = file(QStringLiteral("senate/104s.txt"));
        WriteWholeFile(path, "Congress note");
        frmAttach *w = open(AttachmentKind::Text, 104, kCongressAttachment);
        QTest::mouseClick(w->btnSave, Qt::LeftButton);
        QCOMPARE(m_services.messages.size(), 1);
        QCOMPARE(m_services.lastMessage().text, QStringLiteral("You havn't entered or changed anything."));
        QVERIFY(w->isVisible());
        QCOMPARE(ReadWholeFile(path), QByteArray("Congress note"));
    }

    // A save that fails keeps the note in the window; once it can be written, the typed text reaches the
    // file (its name and code page are the core's) and the window unloads.
    void savedNoteByteForByte()
    {
        frmAttach *w = open(AttachmentKind::Text, 104, 12);
        QVERIFY(QDir(file(QStringLiteral("senate"))).removeRecursively());
        w->txtAttach->setFocus();
        QTest::keyClicks(w->txtAttach, QStringLiteral("Passed 52-48."));
        QTest::keyClick(w->txtAttach, Qt::Key_Return);
        // Key events carry ASCII only; the dash comes in as pasted text, and is written in the code page.
        w->txtAttach->insertPlainText(QString::fromUtf8("Smith – absent"));
        QTest::mouseClick(w->btnSave, Qt::LeftButton);
        QCOMPARE(m_services.errorTexts().size(), 1);
        QVERIFY2(m_services.errorTexts().first().contains(QStringLiteral("104_12s.txt")),
                 qPrintable(m_services.errorTexts().first()));
        QVERIFY(m_window && w->isVisible());
        QCOMPARE(w->txtAttach->toPlainText(), QString::fromUtf8("Passed 52-48.\nSmith – absent"));
        QVERIFY(QDir().mkpath(file(QStringLiteral("senate"))));
        QTest::mouseClick(w->btnSave, Qt::LeftButton);
        QCOMPARE(m_services.messages.size(), 1);
        QCOMPARE(ReadWholeFile(file(QStringLiteral("senate/104_12s.txt"))),
                 QByteArray("Passed 52-48.\nSmith \x96 absent"));
        QTRY_VERIFY(!m_window);
    }

    void soundWithoutOutput()
    {
        WriteWholeFile(file(QStringLiteral("senate/104_12s.wav")), oneSecondWave());
        frmAttach *w = open(AttachmentKind::Sound, 104, 12);
        QVERIFY(w->fraAudio->isVisible() && !w->fraText->isVisible() && !w->btnSave->isVisible());
        QCOMPARE(w->fraAudio->title(), QStringLiteral("Audio Attachment - Senate #104 Roll Call #12"));
        QCOMPARE(w->pnlAudio->text(), frmAttach::NoAudioOutputText());
        QCOMPARE((QStringList{w->lblStart->text(), w->lblCur->text(), w->lblLen->text()}),
                 (QStringList{"0.00", "0.00", "1.00"}));
        QCOMPARE(w->hsbAudio->maximum(), 1000);
        QVERIFY(!w->btnPlay->isEnabled());
        QVERIFY(!w->mciAttach);
        QVERIFY(m_services.messages.isEmpty());
        QVERIFY(!SaveScreenshot(w, QStringLiteral("frmAttach_sound")).isEmpty());
    }

    // A missing picture is reported; one read by its content whatever its name says is fitted into the
    // window, each half where it is drawn.
    void pictureFrame()
    {
        m_window = new frmAttach(*m_session, m_services);
        QVERIFY(!m_window->showAttachment(AttachmentKind::Picture, 104, 12));
        QCOMPARE(m_services.errorTexts().size(), 1);
        QVERIFY(m_services.errorTexts().first().startsWith(
            QStringLiteral("An error (53) has occurred while viewing attachments.")));
        QVERIFY(!m_window->isVisible());
        QImage image(900, 300, QImage::Format_RGB32);
        image.fill(QColor(0, 0, 255));
        QPainter(&image).fillRect(0, 0, 450, 300, QColor(255, 0, 0));
        QVERIFY(image.save(file(QStringLiteral("senate/104_12s.bmp")), "PNG"));
        frmAttach *w = m_window;
        QVERIFY(w->showAttachment(AttachmentKind::Picture, 104, 12));
        w->resize(420, 420);
        QCoreApplication::processEvents();
        QVERIFY(w->fraPicture->isVisible() && !w->fraText->isVisible());
        QCOMPARE(w->fraPicture->title(), QStringLiteral("Picture Attachment - Senate #104 Roll Call #12"));
        QCOMPARE(w->imgAttach->pixmap().size(), image.size());
        const QRect shown = w->imgAttach->pictureRect();
        QCOMPARE(shown, FittedPicture::FitRect(image.size(), w->imgAttach->contentsRect()));
        QVERIFY(shown.width() < image.width());
        const QImage grabbed = w->imgAttach->grab().toImage();
        const auto at = [&](int x) {
            return grabbed.pixelColor(QPoint(x, shown.center().y()) * grabbed.devicePixelRatio());
        };
        QCOMPARE(at(shown.left() + shown.width() / 4), QColor(255, 0, 0));
        QCOMPARE(at(shown.left() + shown.width() * 3 / 4), QColor(0, 0, 255));
        SaveScreenshot(w, QStringLiteral("frmAttach_picture"));
    }

    void fitRect_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QRect>("area");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("fits: centred, own size") << QSize(60, 40) << QRect(0, 0, 400, 400) << QRect(170, 180, 60, 40);
        QTest::newRow("too wide") << QSize(800, 400) << QRect(0, 0, 400, 400) << QRect(0, 100, 400, 200);
        QTest::newRow("too tall, offset area") << QSize(400, 800) << QRect(5, 5, 300, 300) << QRect(80, 5, 150, 300);
        QTest::newRow("only too tall") << QSize(100, 800) << QRect(0, 0, 400, 400) << QRect(175, 0, 50, 400);
        QTest::newRow("a sliver keeps a line") << QSize(5000, 2) << QRect(0, 0, 100, 100) << QRect(0, 49, 100, 1);
        QTest::newRow("no picture") << QSize() << QRect(0, 0, 100, 100) << QRect();
        QTest::newRow("no room") << QSize(60, 40) << QRect(0, 0, 0, 0) << QRect();
    }

    void fitRect()
    {
        QFETCH(QSize, picture);
        QFETCH(QRect, area);
        QTEST(FittedPicture::FitRect(picture, area), "expected");
    }

    void menusFollowFilesAndOpenAttachments_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<bool>("audio");
        QTest::addColumn<bool>("picture");
        QTest::newRow("note only") << QStringList{"house/97_1.txt"} << false << false;
        QTest::newRow("all three") << QStringList{"house/97_1.txt", "house/97_1.wav", "house/97_1.png"} << true << true;
    }

    void menusFollowFilesAndOpenAttachments()
    {
        QFETCH(QStringList, files);
        QFETCH(bool, audio);
        QFETCH(bool, picture);
        IdeologicalTree t;
        QImage image(20, 10, QImage::Format_RGB32);
        image.fill(Qt::green);
        for (const QString &f : files) {
            if (f.endsWith(QLatin1String(".png")))
                QVERIFY(image.save(t.tree.path(f)));
            else
                t.tree.writeRaw(f, f.endsWith(QLatin1String(".wav")) ? oneSecondWave() : "Passed over the veto.");
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
                 map->mnuText->isChecked() ? QStringLiteral("Passed over the veto.") : QString());
        if (audio) {
            map->mnuAudio->trigger();
            QVERIFY(director.attachWindow()->fraAudio->isVisible());
            QCOMPARE(director.attachWindow()->lblLen->text(), QStringLiteral("1.00"));
        }
        if (picture) {
            map->mnuPicture->trigger();
            QCOMPARE(director.attachWindow()->imgAttach->pixmap().size(), QSize(20, 10));
        }
        QVERIFY(t.services.errorTexts().isEmpty());
    }

private:
    frmAttach *open(AttachmentKind kind, int congress, int rollCall, bool audioOutput = false)
    {
        m_window = new frmAttach(*m_session, m_services);
        m_window->setAudioOutputProbe([audioOutput] { return audioOutput; });
        m_window->showAttachment(kind, congress, rollCall);
        return m_window;
    }
    QString file(const QString &name) const { return m_dir->filePath(name); }
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Session> m_session;
    RecordingServices m_services;
    QPointer<frmAttach> m_window;
};

QTEST_MAIN(TestAttach)
#include "tst_attach.moc"
