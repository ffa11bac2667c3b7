// The attachment window: its three frames, saving notes, sound without an output device, pictures
// fitted to the window.
#include "support/GuiTestSupport.h"
#include "support/RecordingServices.h"

#include "core/app/Session.h"
#include "core/attach/RollCallAttachments.h"
#include "gui/attach/FittedPicture.h"
#include "gui/attach/frmAttach.h"

#include <QDir>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

using namespace rollscan;
using rollscan::test::SaveScreenshot;

namespace {
QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// A silent mono 16-bit waveform of `ms` milliseconds at 8 kHz.
QByteArray silentWave(int ms)
{
    const quint32 data = quint32(8000 * 2 * ms / 1000);
    QByteArray b;
    auto u32 = [&b](quint32 v) { b.append(reinterpret_cast<const char *>(&v), 4); };
    auto u16 = [&b](quint16 v) { b.append(reinterpret_cast<const char *>(&v), 2); };
    b.append("RIFF");
    u32(36 + data);
    b.append("WAVEfmt ");
    u32(16);
    u16(1);
    u16(1);
    u32(8000);
    u32(16000);
    u16(2);
    u16(16);
    b.append("data");
    u32(data);
    b.append(QByteArray(int(data), '\0'));
    return b;
}
} // namespace

class TestAttach : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void textFrameShowsNote();
    void unchangedNoteWritesNothing_data();
    void unchangedNoteWritesNothing();
    void savedNoteByteForByte_data();
    void savedNoteByteForByte();
    void failedSaveKeepsNoteInWindow();
    void soundWithoutOutput();
    void soundWithPlayerDoesNotCrash();
    void pictureFrame_data();
    void pictureFrame();
    void fitRect_data();
    void fitRect();
    void missingPictureReported();

private:
    frmAttach *open(AttachmentKind kind, int congress, int rollCall);
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Session> m_session;
    RecordingServices m_services;
    QPointer<frmAttach> m_window;
};

void TestAttach::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QDir(m_dir->path()).mkpath(QStringLiteral("house"));
    QDir(m_dir->path()).mkpath(QStringLiteral("senate"));
    m_session = std::make_unique<Session>(m_dir->path());
    m_session->isHouse = false;
    m_services.clearRecords();
}

void TestAttach::cleanup()
{
    delete m_window;
}

frmAttach *TestAttach::open(AttachmentKind kind, int congress, int rollCall)
{
    m_window = new frmAttach(*m_session, m_services);
    m_window->setAudioOutputProbe([] { return false; });
    m_window->showAttachment(kind, congress, rollCall);
    return m_window;
}

void TestAttach::textFrameShowsNote()
{
    writeFile(m_dir->filePath(QStringLiteral("senate/104_12s.txt")), "Line one\r\nLine two\r\n");
    frmAttach *w = open(AttachmentKind::Text, 104, 12);
    QVERIFY(w->isVisible());
    QVERIFY(w->fraText->isVisible());
    QVERIFY(!w->fraAudio->isVisible());
    QVERIFY(!w->fraPicture->isVisible());
    QVERIFY(w->btnSave->isVisible());
    QCOMPARE(w->fraText->title(), QStringLiteral("Text Attachment - Senate #104 Roll Call #12"));
    QCOMPARE(w->txtAttach->toPlainText(), QStringLiteral("Line one\nLine two\n"));
    QVERIFY(!SaveScreenshot(w, QStringLiteral("frmAttach_text")).isEmpty());
}

void TestAttach::unchangedNoteWritesNothing_data()
{
    QTest::addColumn<bool>("existing");
    QTest::newRow("existing note") << true;
    QTest::newRow("no note yet") << false;
}

void TestAttach::unchangedNoteWritesNothing()
{
    QFETCH(bool, existing);
    const QString path = m_dir->filePath(QStringLiteral("senate/104s.txt"));
    if (existing)
        writeFile(path, "Congress note");
    frmAttach *w = open(AttachmentKind::Text, 104, kCongressAttachment);
    QTest::mouseClick(w->btnSave, Qt::LeftButton);
    QCOMPARE(m_services.messages.size(), 1);
    QCOMPARE(m_services.lastMessage().text, QStringLiteral("You havn't entered or changed anything."));
    QVERIFY(w->isVisible());
    QCOMPARE(readFile(path), existing ? QByteArray("Congress note") : QByteArray("<missing>"));
}

void TestAttach::savedNoteByteForByte_data()
{
    QTest::addColumn<bool>("isHouse");
    QTest::addColumn<int>("rollCall");
    QTest::addColumn<QString>("file");
    QTest::newRow("senate roll call") << false << 12 << "senate/104_12s.txt";
    QTest::newRow("senate congress") << false << 0 << "senate/104s.txt";
    QTest::newRow("house roll call") << true << 7 << "house/104_7.txt";
}

void TestAttach::savedNoteByteForByte()
{
    QFETCH(bool, isHouse);
    QFETCH(int, rollCall);
    QFETCH(QString, file);
    m_session->isHouse = isHouse;
    frmAttach *w = open(AttachmentKind::Text, 104, rollCall);
    w->txtAttach->setFocus();
    QTest::keyClicks(w->txtAttach, QStringLiteral("Passed 52-48."));
    QTest::keyClick(w->txtAttach, Qt::Key_Return);
    // Key events carry ASCII only; the dash comes in as pasted text.
    w->txtAttach->insertPlainText(QString::fromUtf8("Smith – absent"));
    QTest::mouseClick(w->btnSave, Qt::LeftButton);
    QVERIFY(m_services.messages.isEmpty());
    QCOMPARE(readFile(m_dir->filePath(file)), QByteArray("Passed 52-48.\nSmith \x96 absent"));
    QTRY_VERIFY(!m_window); // the window unloads after saving
}

void TestAttach::failedSaveKeepsNoteInWindow()
{
    frmAttach *w = open(AttachmentKind::Text, 104, 12);
    QVERIFY(QDir(m_dir->filePath(QStringLiteral("senate"))).removeRecursively());
    QTest::keyClicks(w->txtAttach, QStringLiteral("typed text"));
    QTest::mouseClick(w->btnSave, Qt::LeftButton);
    QCOMPARE(m_services.errorTexts().size(), 1);
    QVERIFY2(m_services.errorTexts().first().contains(QStringLiteral("104_12s.txt")),
             qPrintable(m_services.errorTexts().first()));
    QVERIFY(m_window);
    QVERIFY(w->isVisible());
    QCOMPARE(w->txtAttach->toPlainText(), QStringLiteral("typed text"));
}

void TestAttach::soundWithoutOutput()
{
    writeFile(m_dir->filePath(QStringLiteral("senate/104_12s.wav")), silentWave(1500));
    frmAttach *w = open(AttachmentKind::Sound, 104, 12);
    QVERIFY(w->fraAudio->isVisible());
    QVERIFY(!w->fraText->isVisible());
    QVERIFY(!w->btnSave->isVisible());
    QCOMPARE(w->fraAudio->title(), QStringLiteral("Audio Attachment - Senate #104 Roll Call #12"));
    QCOMPARE(w->pnlAudio->text(), frmAttach::NoAudioOutputText());
    QCOMPARE(w->lblStart->text(), QStringLiteral("0.00"));
    QCOMPARE(w->lblLen->text(), QStringLiteral("1.50"));
    QCOMPARE(w->lblCur->text(), QStringLiteral("0.00"));
    QCOMPARE(w->hsbAudio->maximum(), 1500);
    QVERIFY(!w->btnPlay->isEnabled());
    QVERIFY(!w->mciAttach);
    QVERIFY(m_services.messages.isEmpty());
    QVERIFY(!SaveScreenshot(w, QStringLiteral("frmAttach_sound")).isEmpty());
}

void TestAttach::soundWithPlayerDoesNotCrash()
{
    // Whatever the machine has (a device, a decoder or neither), the window stays up and says
    // something in its panel; pressing Play never brings it down.
    writeFile(m_dir->filePath(QStringLiteral("senate/104s.wav")), silentWave(200));
    m_window = new frmAttach(*m_session, m_services);
    m_window->setAudioOutputProbe([] { return true; });
    QVERIFY(m_window->showAttachment(AttachmentKind::Sound, 104, kCongressAttachment));
    QVERIFY(m_window->mciAttach);
    if (m_window->btnPlay->isEnabled())
        QTest::mouseClick(m_window->btnPlay, Qt::LeftButton);
    QTest::qWait(300);
    QVERIFY(m_window);
    QVERIFY(!m_window->pnlAudio->text().isEmpty());
    m_window->close();
}

void TestAttach::pictureFrame_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<QSize>("imageSize");
    QTest::addColumn<QSize>("windowSize"); // empty: as the window opens
    QTest::addColumn<bool>("shrunk");
    QTest::newRow("small bitmap at its own size")
        << "104_12s.bmp" << QByteArray("BMP") << QSize(60, 40) << QSize() << false;
    QTest::newRow("small png in a large window")
        << "104_12s.png" << QByteArray("PNG") << QSize(60, 40) << QSize(700, 600) << false;
    QTest::newRow("png content under a bitmap name")
        << "104_12s.bmp" << QByteArray("PNG") << QSize(60, 40) << QSize() << false;
    QTest::newRow("wide bitmap in a small window")
        << "104_12s.bmp" << QByteArray("BMP") << QSize(900, 300) << QSize(420, 420) << true;
    QTest::newRow("tall png in a small window")
        << "104_12s.png" << QByteArray("PNG") << QSize(300, 900) << QSize(420, 420) << true;
}

void TestAttach::pictureFrame()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, format);
    QFETCH(QSize, imageSize);
    QFETCH(QSize, windowSize);
    QFETCH(bool, shrunk);
    // Red left half, blue right half: the halves must come out where the picture is drawn.
    QImage image(imageSize, QImage::Format_RGB32);
    image.fill(QColor(0, 0, 255));
    for (int y = 0; y < imageSize.height(); ++y)
        for (int x = 0; x < imageSize.width() / 2; ++x)
            image.setPixelColor(x, y, QColor(255, 0, 0));
    QVERIFY(image.save(m_dir->filePath(QStringLiteral("senate/") + file), format.constData()));
    frmAttach *w = open(AttachmentKind::Picture, 104, 12);
    if (windowSize.isValid())
        w->resize(windowSize);
    QCoreApplication::processEvents();
    QVERIFY(w->fraPicture->isVisible());
    QVERIFY(!w->fraText->isVisible());
    QCOMPARE(w->fraPicture->title(), QStringLiteral("Picture Attachment - Senate #104 Roll Call #12"));
    QCOMPARE(w->imgAttach->pixmap().size(), imageSize);
    QVERIFY(m_services.messages.isEmpty());

    const QRect shown = w->imgAttach->pictureRect();
    const QRect area = w->imgAttach->contentsRect();
    QVERIFY2(area.contains(shown), qPrintable(QStringLiteral("%1x%2").arg(shown.width()).arg(shown.height())));
    QCOMPARE(shown.size() != imageSize, shrunk);
    if (shrunk) {
        // Shrunk to touch the frame on one side, with its proportions.
        QVERIFY(shown.width() == area.width() || shown.height() == area.height());
        QVERIFY(qAbs(shown.width() * imageSize.height() - shown.height() * imageSize.width()) <=
                std::max(imageSize.width(), imageSize.height()));
    }
    const QImage grabbed = w->imgAttach->grab().toImage();
    const qreal ratio = grabbed.devicePixelRatio();
    const auto at = [&](int x, int y) { return grabbed.pixelColor(QPoint(x, y) * ratio); };
    const int middle = shown.center().y();
    QCOMPARE(at(shown.left() + shown.width() / 4, middle), QColor(255, 0, 0));
    QCOMPARE(at(shown.left() + shown.width() * 3 / 4, middle), QColor(0, 0, 255));
    // Nothing of the picture spills beside it.
    if (shown.left() > 2)
        QVERIFY(at(shown.left() - 2, middle) != QColor(255, 0, 0));
    if (shown.right() < area.right() - 2)
        QVERIFY(at(shown.right() + 2, middle) != QColor(0, 0, 255));
    SaveScreenshot(w, QStringLiteral("frmAttach_picture_") +
                          QString::fromLatin1(QTest::currentDataTag()).replace(QLatin1Char(' '), QLatin1Char('_')));
}

void TestAttach::fitRect_data()
{
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QRect>("area");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("fits: centred, own size") << QSize(60, 40) << QRect(0, 0, 400, 400) << QRect(170, 180, 60, 40);
    QTest::newRow("exactly the area") << QSize(400, 300) << QRect(10, 20, 400, 300) << QRect(10, 20, 400, 300);
    QTest::newRow("too wide") << QSize(800, 400) << QRect(0, 0, 400, 400) << QRect(0, 100, 400, 200);
    QTest::newRow("too tall, offset area") << QSize(400, 800) << QRect(5, 5, 300, 300) << QRect(80, 5, 150, 300);
    QTest::newRow("too wide by a pixel") << QSize(401, 100) << QRect(0, 0, 400, 400) << QRect(0, 150, 400, 99);
    QTest::newRow("a sliver keeps a line") << QSize(5000, 2) << QRect(0, 0, 100, 100) << QRect(0, 49, 100, 1);
    QTest::newRow("no picture") << QSize() << QRect(0, 0, 100, 100) << QRect();
    QTest::newRow("no room") << QSize(60, 40) << QRect(0, 0, 0, 0) << QRect();
}

void TestAttach::fitRect()
{
    QFETCH(QSize, picture);
    QFETCH(QRect, area);
    QFETCH(QRect, expected);
    QCOMPARE(FittedPicture::FitRect(picture, area), expected);
}

void TestAttach::missingPictureReported()
{
    m_window = new frmAttach(*m_session, m_services);
    QVERIFY(!m_window->showAttachment(AttachmentKind::Picture, 104, 12));
    QCOMPARE(m_services.errorTexts().size(), 1);
    QVERIFY(m_services.errorTexts().first().startsWith(
        QStringLiteral("An error (53) has occurred while viewing attachments.")));
    QVERIFY(!m_window->isVisible());
}

QTEST_MAIN(TestAttach)
#include "tst_attach.moc"
