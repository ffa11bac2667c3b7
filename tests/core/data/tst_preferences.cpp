// The preferences record: colour table, field offsets and reserved bytes carried unchanged.
#include "core/data/FileIO.h"
#include "core/data/Preferences.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace rollscan;

class TestPreferences : public QObject {
    Q_OBJECT

private slots:
    void colourTable()
    {
        const QStringList table =
            QStringLiteral("Black:000000 Blue:000080 Green:008000 Cyan:008080 Red:800000 Magenta:800080 "
                           "Yellow:808000 White:C0C0C0 Gray:808080 Light_Blue:0000FF Light_Green:00FF00 "
                           "Light_Cyan:00FFFF Light_Red:FF0000 Light_Magenta:FF00FF Light_Yellow:FFFF00 "
                           "Bright_White:FFFFFF")
                .split(QLatin1Char(' '));
        for (int i = 0; i < 16; ++i) {
            const int rgb = table[i].section(QLatin1Char(':'), 1).toInt(nullptr, 16);
            QCOMPARE(ColourName(i),
                     table[i].section(QLatin1Char(':'), 0, 0).replace(QLatin1Char('_'), QLatin1Char(' ')));
            QCOMPARE(ColourOf(i), (Rgb{rgb >> 16, (rgb >> 8) & 0xff, rgb & 0xff}));
        }
        QCOMPARE(ColourName(16) + ColourName(-1), QString());
        QCOMPARE(ColourOf(-1), (Rgb{0, 0, 0}));
    }
    // Each setting lands at its offset and every reserved byte, even past the record, is carried unchanged.
    void fieldsAndReservedBytes()
    {
        QTemporaryDir dir;
        const QString path = dir.path() + "/rollscan.prf";
        QByteArray original(270, '\0');
        for (int i = 0; i < 270; ++i)
            original[i] = char((i * 37 + 11) & 0xff);
        original.append("TRAILER");
        WriteWholeFile(path, original);

        Preferences p = Preferences::Read(path);
        p.setYeaColour(12);
        p.setNayColour(12);
        p.setNotVotingColour(8);
        p.setYeaNayColour(2);
        p.setNayYeaColour(5);
        p.setStartWithHouse(false);
        p.setGradientStartColour(14);
        p.setGradientEndColour(4);
        p.setNoMatchColour(0);
        p.setSplitColour(6);
        p.setDisplayKind('u');
        p.setTokenCase('l');
        p.write(path);

        const QByteArray after = ReadWholeFile(path);
        QCOMPARE(after.size(), original.size());
        const QList<QPair<int, int>> kept = {{0, 60}, {74, 4}, {78, 38}, {126, 18}, {160, 110}};
        for (const auto &[from, length] : kept)
            QCOMPARE(after.mid(from, length), original.mid(from, length));
        QCOMPARE(after.mid(270), QByteArray("TRAILER"));
        QCOMPARE(after.mid(60, 2), QByteArray("ul"));
        QCOMPARE(after.mid(62, 4), QByteArray("\x0c\0\0\0", 4)); // yea: Light Red
        QCOMPARE(after.mid(124, 2), QByteArray("\0\0", 2));      // start with the Senate
        QCOMPARE(after.mid(152, 4), QByteArray("\0\0\0\0", 4));
        QCOMPARE(after.mid(156, 4), QByteArray("\x06\0\0\0", 4));
        QCOMPARE(Preferences::Read(path).yeaColour(), 12);
        // Only "u" keeps the tokens as stored.
        for (const char c : {'u', 'l', 'x', 'U'}) {
            p.setTokenCase(QLatin1Char(c));
            QCOMPARE(p.lowerCaseTokens(), c != 'u');
        }
    }
};

QTEST_GUILESS_MAIN(TestPreferences)
#include "tst_preferences.moc"
