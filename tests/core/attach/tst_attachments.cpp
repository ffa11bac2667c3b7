// Attachment file names, which attachments exist, the captions, notes and sound headers.
#include "core/attach/AttachmentNote.h"
#include "core/attach/RollCallAttachments.h"
#include "core/attach/WaveInfo.h"
#include "core/data/FileError.h"
#include "core/data/FileIO.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace rollscan;

namespace {

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
    void fileNamesAndCaptions()
    {
        QTemporaryDir dir;
        QDir(dir.path()).mkpath(QStringLiteral("house"));
        QDir(dir.path()).mkpath(QStringLiteral("SENATE"));
        const QList<std::tuple<bool, int, int, AttachmentKind, const char *>> names = {
            {false, 104, 12, AttachmentKind::Text, "SENATE/104_12s.txt"},
            {true, 97, 5, AttachmentKind::Sound, "house/97_5.wav"},
            {false, 9, 0, AttachmentKind::Sound, "SENATE/9s.wav"},
            {false, 111, 1234, AttachmentKind::Picture, "SENATE/111_1234s.bmp"}};
        for (const auto &[isHouse, congress, rollCall, kind, expected] : names)
            QCOMPARE(QDir(dir.path()).relativeFilePath(AttachmentName(dir.path(), isHouse, congress, rollCall, kind)),
                     QString::fromLatin1(expected));
        // The lookup ignores the letter case of the names.
        WriteWholeFile(dir.path() + QStringLiteral("/SENATE/104_12S.TXT"), "x");
        QCOMPARE(
            QDir(dir.path()).relativeFilePath(FindAttachmentFile(dir.path(), false, 104, 12, AttachmentKind::Text)),
            QStringLiteral("SENATE/104_12S.TXT"));

        const QString rollCall = AttachmentCaption(QStringLiteral("Text Attachment"), false, 104, 12);
        QCOMPARE(rollCall, QStringLiteral("Text Attachment - Senate #104 Roll Call #12"));
        QVERIFY(!IsCongressCaption(rollCall));
        const QString congress = AttachmentCaption(QStringLiteral("Text Attachment"), true, 104, 0);
        QCOMPARE(congress, QStringLiteral("Text Attachment - House #104"));
        QVERIFY(IsCongressCaption(congress));
    }
    void availabilityFollowsFiles_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<int>("rollCall");
        QTest::addColumn<QString>("expected"); // t s p for text, sound, picture present
        QTest::newRow("all three") << QStringList{"104_12s.txt", "104_12s.wav", "104_12s.bmp"} << 12 << "tsp";
        QTest::newRow("jpeg picture") << QStringList{"104_12s.jpeg"} << 12 << "--p";
        QTest::newRow("other roll call's files") << QStringList{"104_1s.txt", "104_120s.wav"} << 12 << "---";
        QTest::newRow("house names do not count") << QStringList{"104_12.txt"} << 12 << "---";
        QTest::newRow("congress files") << QStringList{"104s.txt", "104s.wav"} << 0 << "ts-";
        QTest::newRow("congress not from roll call") << QStringList{"104_12s.txt"} << 0 << "---";
    }
    void availabilityFollowsFiles()
    {
        QFETCH(QStringList, files);
        QFETCH(int, rollCall);
        QTemporaryDir dir;
        QDir(dir.path()).mkpath(QStringLiteral("senate"));
        auto state = [&] {
            const RollCallAttachments a = FindRollCallAttachments(dir.path(), false, 104, rollCall);
            return QString(a.text ? 't' : '-') + (a.sound ? 's' : '-') + (a.picture ? 'p' : '-');
        };
        for (const QString &f : files)
            WriteWholeFile(dir.path() + QStringLiteral("/senate/") + f, "x");
        QTEST(state(), "expected");
        for (const QString &f : files)
            QFile::remove(dir.path() + QStringLiteral("/senate/") + f);
        QCOMPARE(state(), QStringLiteral("---"));
    }
    // A note is read in its own encoding and line ends (ASCII with LF, the single-byte code page with CR LF,
    // UTF-8), goes back unedited to exactly its bytes, and an edit is saved in them (as UTF-8 when beyond
    // the code page); a save that fails leaves no file.
    void notes()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("104_12s.txt"));
        const QString missing = dir.filePath(QStringLiteral("missing/104s.txt"));
        const QList<std::tuple<QByteArray, QString, QString, QByteArray>> cases = {
            {"Passed.\nSigned.\n", "Passed.\nSigned.\n", "Vote of 1995.", "Vote of 1995."},
            {"Fran\xe7ois \x93quoted\x94\r\n", QString::fromUtf8("François “quoted”\n"),
             QString::fromUtf8("“x” – y\nz"), "\x93x\x94 \x96 y\r\nz"},
            {"Fran\xc3\xa7ois\n", QString::fromUtf8("François\n"), QString::fromUtf8("é"), "\xc3\xa9"},
            {"a", "a", QString::fromUtf8("a ≠ b"), "a \xe2\x89\xa0 b"}};
        for (const auto &[bytes, text, edited, written] : cases) {
            AttachmentNote note = AttachmentNote::FromBytes(bytes);
            QCOMPARE(note.text, text);
            QCOMPARE(note.encode(note.text), bytes);
            note.save(path, edited);
            QCOMPARE(ReadWholeFile(path), written);
            QVERIFY_THROWS_EXCEPTION(FileError, note.save(missing, QStringLiteral("x")));
            QVERIFY(!QFile::exists(missing));
        }
    }
    void waveHeader()
    {
        const QList<std::tuple<QByteArray, qint64, const char *>> good = {
            {wave(22050, 1, 16, 66150, 66150), 1500, "1.50"},
            {wave(8000, 2, 16, 8000, 8000), 250, "0.25"},
            {wave(8000, 1, 8, 0xFFFFFFFFu, 4000), 500, "0.50"}, // a size beyond the file counts what is there
            {wave(8000, 1, 8, 0, 0), 0, "0.00"}};
        // The header's fields, at their offsets: a second of 22050 mono 16-bit samples takes 44100 bytes.
        const WaveInfo info = WaveInfo::FromBytes(std::get<0>(good[0]));
        QCOMPARE((QList<qint64>{info.channels, info.sampleRate, info.bitsPerSample, info.byteRate, info.dataBytes}),
                 (QList<qint64>{1, 22050, 16, 44100, 66150}));
        for (const auto &[bytes, ms, shown] : good) {
            QCOMPARE(WaveInfo::FromBytes(bytes).durationMs(), ms);
            QCOMPARE(FormatSeconds(ms), QString::fromLatin1(shown));
        }
        const QList<QByteArray> bad = {QByteArray(), QByteArray("BM6\0\0\0\0\0\0\0\0\0\0\0", 14),
                                       wave(8000, 1, 8, 10, 10).left(36), wave(8000, 1, 8, 10, 10).left(26)};
        for (const QByteArray &bytes : bad) {
            try {
                WaveInfo::FromBytes(bytes, QStringLiteral("x.wav"));
                QFAIL("no error");
            } catch (const FileError &e) {
                QCOMPARE(e.number(), FileErrorNumber::BadFormat);
                QCOMPARE(e.path(), QStringLiteral("x.wav"));
            }
        }
    }
};

QTEST_APPLESS_MAIN(TestAttachments)
#include "tst_attachments.moc"
