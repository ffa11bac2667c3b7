// Attachment file names, which attachments exist, the captions, notes and sound headers.
#include "core/attach/AttachmentNote.h"
#include "core/attach/RollCallAttachments.h"
#include "core/attach/WaveInfo.h"
#include "core/data/FileError.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace rollscan;

namespace {
void touch(const QString &path, const QByteArray &bytes = "x")
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// A waveform header of `dataBytes` bytes of sound at the given rate, with an extra chunk before the
// data, as recorders write them.
QByteArray wave(int sampleRate, int channels, int bits, quint32 dataBytes, int actualBytes)
{
    QByteArray b;
    auto u32 = [&b](quint32 v) { b.append(reinterpret_cast<const char *>(&v), 4); };
    auto u16 = [&b](quint16 v) { b.append(reinterpret_cast<const char *>(&v), 2); };
    b.append("RIFF");
    u32(0);
    b.append("WAVE");
    b.append("fmt ");
    u32(16);
    u16(1);
    u16(quint16(channels));
    u32(quint32(sampleRate));
    u32(quint32(sampleRate * channels * bits / 8));
    u16(quint16(channels * bits / 8));
    u16(quint16(bits));
    b.append("LIST");
    u32(3);
    b.append("abc\0", 4); // odd size: one byte of padding
    b.append("data");
    u32(dataBytes);
    b.append(QByteArray(actualBytes, '\0'));
    return b;
}
} // namespace

class TestAttachments : public QObject {
    Q_OBJECT

private slots:
    void fileNames_data();
    void fileNames();
    void availabilityFollowsFiles_data();
    void availabilityFollowsFiles();
    void lookupIgnoresLetterCase();
    void captions_data();
    void captions();
    void noteDecoding_data();
    void noteDecoding();
    void noteSavedByteForByte_data();
    void noteSavedByteForByte();
    void failedSaveKeepsOldNote();
    void waveHeader_data();
    void waveHeader();
    void badWave_data();
    void badWave();
};

void TestAttachments::fileNames_data()
{
    QTest::addColumn<bool>("isHouse");
    QTest::addColumn<int>("congress");
    QTest::addColumn<int>("rollCall");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("expected");
    const int sound = int(AttachmentKind::Sound), picture = int(AttachmentKind::Picture),
              text = int(AttachmentKind::Text);
    QTest::newRow("senate roll-call note") << false << 104 << 12 << text << "senate/104_12s.txt";
    QTest::newRow("senate congress note") << false << 104 << 0 << text << "senate/104s.txt";
    QTest::newRow("house roll-call note") << true << 104 << 12 << text << "house/104_12.txt";
    QTest::newRow("house congress note") << true << 104 << 0 << text << "house/104.txt";
    QTest::newRow("house roll-call sound") << true << 97 << 5 << sound << "house/97_5.wav";
    QTest::newRow("senate congress sound") << false << 9 << 0 << sound << "senate/9s.wav";
    QTest::newRow("house congress picture") << true << 1 << 0 << picture << "house/1.bmp";
    QTest::newRow("senate roll-call picture") << false << 111 << 1234 << picture << "senate/111_1234s.bmp";
}

void TestAttachments::fileNames()
{
    QFETCH(bool, isHouse);
    QFETCH(int, congress);
    QFETCH(int, rollCall);
    QFETCH(int, kind);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("house"));
    QDir(dir.path()).mkpath(QStringLiteral("senate"));
    const QString name = AttachmentName(dir.path(), isHouse, congress, rollCall, AttachmentKind(kind));
    QCOMPARE(QDir(dir.path()).relativeFilePath(name), expected);
}

void TestAttachments::availabilityFollowsFiles_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<int>("rollCall");
    QTest::addColumn<QString>("expected"); // t s p for text, sound, picture present
    QTest::newRow("none") << QStringList{} << 12 << "---";
    QTest::newRow("note only") << QStringList{"104_12s.txt"} << 12 << "t--";
    QTest::newRow("all three") << QStringList{"104_12s.txt", "104_12s.wav", "104_12s.bmp"} << 12 << "tsp";
    QTest::newRow("png picture") << QStringList{"104_12s.png"} << 12 << "--p";
    QTest::newRow("jpeg picture") << QStringList{"104_12s.jpeg"} << 12 << "--p";
    QTest::newRow("other roll call's files") << QStringList{"104_1s.txt", "104_120s.wav"} << 12 << "---";
    QTest::newRow("house names do not count") << QStringList{"104_12.txt"} << 12 << "---";
    QTest::newRow("congress files") << QStringList{"104s.txt", "104s.wav"} << 0 << "ts-";
    QTest::newRow("congress not from roll call") << QStringList{"104_12s.txt"} << 0 << "---";
}

void TestAttachments::availabilityFollowsFiles()
{
    QFETCH(QStringList, files);
    QFETCH(int, rollCall);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("senate"));
    auto state = [&] {
        const RollCallAttachments a = FindRollCallAttachments(dir.path(), false, 104, rollCall);
        return QString(a.text ? 't' : '-') + (a.sound ? 's' : '-') + (a.picture ? 'p' : '-');
    };
    QCOMPARE(state(), QStringLiteral("---"));
    for (const QString &f : files)
        touch(dir.path() + QStringLiteral("/senate/") + f);
    QCOMPARE(state(), expected);
    for (const QString &f : files)
        QFile::remove(dir.path() + QStringLiteral("/senate/") + f);
    QCOMPARE(state(), QStringLiteral("---"));
}

void TestAttachments::lookupIgnoresLetterCase()
{
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("SENATE"));
    touch(dir.path() + QStringLiteral("/SENATE/104_12S.TXT"));
    const QString found = FindAttachmentFile(dir.path(), false, 104, 12, AttachmentKind::Text);
    QCOMPARE(QDir(dir.path()).relativeFilePath(found), QStringLiteral("SENATE/104_12S.TXT"));
}

void TestAttachments::captions_data()
{
    QTest::addColumn<bool>("isHouse");
    QTest::addColumn<int>("rollCall");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("congressNote");
    QTest::newRow("senate roll call") << false << 12 << "Text Attachment - Senate #104 Roll Call #12" << false;
    QTest::newRow("house congress") << true << 0 << "Text Attachment - House #104" << true;
}

void TestAttachments::captions()
{
    QFETCH(bool, isHouse);
    QFETCH(int, rollCall);
    QFETCH(QString, caption);
    QFETCH(bool, congressNote);
    const QString made = AttachmentCaption(QStringLiteral("Text Attachment"), isHouse, 104, rollCall);
    QCOMPARE(made, caption);
    QCOMPARE(IsCongressCaption(made), congressNote);
}

void TestAttachments::noteDecoding_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("crlf");
    QTest::addColumn<bool>("utf8");
    QTest::newRow("ascii lf") << QByteArray("Passed.\nSigned.\n") << "Passed.\nSigned.\n" << false << false;
    QTest::newRow("cp1252 crlf") << QByteArray("Fran\xe7ois \x93quoted\x94\r\n")
                                 << QString::fromUtf8("François “quoted”\n") << true << false;
    QTest::newRow("utf-8") << QByteArray("Fran\xc3\xa7ois\n") << QString::fromUtf8("François\n") << false << true;
    QTest::newRow("empty") << QByteArray() << QString() << false << false;
}

void TestAttachments::noteDecoding()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QFETCH(bool, crlf);
    QFETCH(bool, utf8);
    const AttachmentNote note = AttachmentNote::FromBytes(bytes);
    QCOMPARE(note.text, text);
    QCOMPARE(note.crlf, crlf);
    QCOMPARE(note.utf8, utf8);
    // Unedited, a note goes back to exactly the bytes it came from.
    QCOMPARE(note.encode(note.text), bytes);
}

void TestAttachments::noteSavedByteForByte_data()
{
    QTest::addColumn<QByteArray>("original");
    QTest::addColumn<QString>("edited");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("new note") << QByteArray() << QString::fromUtf8("Vote of 1995.\nSee the record.")
                              << QByteArray("Vote of 1995.\nSee the record.");
    QTest::newRow("crlf kept") << QByteArray("a\r\nb\r\n") << "a\nb\nc\n" << QByteArray("a\r\nb\r\nc\r\n");
    QTest::newRow("cp1252 kept") << QByteArray("\x93x\x94") << QString::fromUtf8("“x” – y")
                                 << QByteArray("\x93x\x94 \x96 y");
    QTest::newRow("beyond cp1252 as utf-8")
        << QByteArray("a") << QString::fromUtf8("a ≠ b") << QByteArray("a \xe2\x89\xa0 b");
}

void TestAttachments::noteSavedByteForByte()
{
    QFETCH(QByteArray, original);
    QFETCH(QString, edited);
    QFETCH(QByteArray, written);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("104_12s.txt"));
    AttachmentNote::FromBytes(original).save(path, edited);
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), written);
}

void TestAttachments::failedSaveKeepsOldNote()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("missing/104s.txt"));
    QVERIFY_THROWS_EXCEPTION(FileError, AttachmentNote().save(path, QStringLiteral("x")));
    QVERIFY(!QFile::exists(path));
}

void TestAttachments::waveHeader_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<qint64>("ms");
    QTest::addColumn<QString>("shown");
    QTest::newRow("1.5 s mono 16-bit 22050") << wave(22050, 1, 16, 66150, 66150) << qint64(1500) << "1.50";
    QTest::newRow("stereo 8 kHz, 0.25 s") << wave(8000, 2, 16, 8000, 8000) << qint64(250) << "0.25";
    QTest::newRow("size beyond file counts what is there")
        << wave(8000, 1, 8, 0xFFFFFFFFu, 4000) << qint64(500) << "0.50";
    QTest::newRow("no sound") << wave(8000, 1, 8, 0, 0) << qint64(0) << "0.00";
}

void TestAttachments::waveHeader()
{
    QFETCH(QByteArray, bytes);
    QFETCH(qint64, ms);
    QFETCH(QString, shown);
    const WaveInfo info = WaveInfo::FromBytes(bytes);
    QCOMPARE(info.durationMs(), ms);
    QCOMPARE(FormatSeconds(info.durationMs()), shown);
}

void TestAttachments::badWave_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("not riff") << QByteArray("BM6\0\0\0\0\0\0\0\0\0\0\0", 14);
    QTest::newRow("no data chunk") << wave(8000, 1, 8, 10, 10).left(36);
    QTest::newRow("format cut short") << wave(8000, 1, 8, 10, 10).left(26);
}

void TestAttachments::badWave()
{
    QFETCH(QByteArray, bytes);
    try {
        WaveInfo::FromBytes(bytes, QStringLiteral("x.wav"));
        QFAIL("no error");
    } catch (const FileError &e) {
        QCOMPARE(e.number(), FileErrorNumber::BadFormat);
        QCOMPARE(e.path(), QStringLiteral("x.wav"));
    }
}

QTEST_APPLESS_MAIN(TestAttachments)
#include "tst_attachments.moc"
