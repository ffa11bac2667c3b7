// The installed program: its files in the usual places, a valid desktop entry and metainfo, and the
// installed rollscan-cli checking the installed sample; the installed program opens its sample.
#include "support/CliRun.h"

#include <QtTest>

using namespace rollscan::test;

namespace {
const QString kAppId = QStringLiteral("org.rollscan.Rollscan");

// Installing and starting the program take far longer than a command.
CliRun run(const QString &program, const QStringList &args,
           const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment())
{
    return RunProgram(program, args, {}, 300000, env);
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

class TestInstall : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dest.isValid());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DESTDIR", m_dest.path());
        const CliRun r = run(ROLLSCAN_CMAKE, {"--install", ROLLSCAN_BINARY_DIR, "--prefix", "/usr"}, env);
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        m_root = m_dest.filePath("usr");
    }

    // The tally reports are not shipped in the sample; the programs, the sample, the desktop entry and the
    // metainfo are run or read by the tests below.
    void installedFiles()
    {
        for (const char *absent : {"share/rollscan/sample/house/hmatch.txt", "share/rollscan/sample/senate/smatch.txt"})
            QVERIFY2(!QFileInfo::exists(QDir(m_root).filePath(absent)), absent);
        for (const char *file : {"share/icons/hicolor/scalable/apps/rollscan.svg", "share/man/man1/rollscan-cli.1.gz",
                                 "share/doc/rollscan/help/index.html", "share/doc/rollscan/help/frmAttach.html"}) {
            const QFileInfo info(QDir(m_root).filePath(file));
            QVERIFY2(info.isFile() && info.size() > 0 && !info.isExecutable(), file);
        }
    }

    // The text each must hold, then its validator's verdict.
    void validated_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArrayList>("holds");
        QTest::addColumn<QString>("validator");
        Row("desktop entry", "share/applications/" + kAppId + ".desktop",
            QByteArrayList{"\nExec=rollscan %f\n", "\nIcon=rollscan\n"}, "desktop-file-validate");
        Row("metainfo", "share/metainfo/" + kAppId + ".metainfo.xml", QByteArrayList{"<release version=\""},
            "appstreamcli validate --no-net");
    }
    void validated()
    {
        QFETCH(QString, file);
        QFETCH(QByteArrayList, holds);
        QFETCH(QString, validator);
        const QString path = QDir(m_root).filePath(file);
        const QByteArray text = readFile(path);
        for (const QByteArray &h : holds)
            QVERIFY2(text.contains(h), h.constData());
        QVERIFY(!text.contains('@')); // every placeholder filled in
        QStringList args = validator.split(' ');
        const QString program = QStandardPaths::findExecutable(args.takeFirst());
        if (program.isEmpty())
            QSKIP("the validator is not installed (scripts/deps installs it)");
        const CliRun r = run(program, args << path);
        QVERIFY2(r.exitCode == 0 && !r.out.contains("error"), qPrintable(r.out + r.err));
    }

    // A user cannot write into the installed sample: the reports may go where the user says.
    void installedCliChecksInstalledSample()
    {
        const QString sample = QDir(m_root).filePath("share/rollscan/sample");
        for (const bool reportsElsewhere : {false, true}) {
            QTemporaryDir reports;
            QStringList args = {"check", sample, "--extended"};
            if (reportsElsewhere)
                args << "--reports" << reports.path();
            const CliRun r = run(QDir(m_root).filePath("bin/rollscan-cli"), args);
            QVERIFY2(r.exitCode == 0, qPrintable(r.out + r.err));
            QVERIFY2(r.out.startsWith("Checked " + sample + ": "), qPrintable(r.out));
            QVERIFY2(r.out.contains(" 0 faults."), qPrintable(r.out));
            for (const QString report : {"/house/hmatch.txt", "/senate/smatch.txt"}) {
                const QString inSample = sample + report;
                const QString written =
                    reportsElsewhere ? reports.path() + report.mid(report.lastIndexOf('/')) : inSample;
                QVERIFY2(r.out.contains(" mismatch lines written to " + written + "\n"), qPrintable(r.out));
                QVERIFY(QFileInfo(written).size() > 0);
                QCOMPARE(QFileInfo::exists(inSample), !reportsElsewhere);
                QFile::remove(inSample);
            }
        }
    }

    void installedProgramOpensCopyOfSample()
    {
        // As the desktop entry starts it: no argument, a fresh user, no display.
        QTemporaryDir home;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", home.path());
        env.insert("XDG_DATA_HOME", home.filePath("data"));
        env.insert("XDG_CONFIG_HOME", home.filePath("config"));
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("ROLLSCAN_SCREENSHOT", home.filePath("main.png"));
        const CliRun r = run(QDir(m_root).filePath("bin/rollscan"), {}, env);
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        QVERIFY(QFileInfo(home.filePath("main.png")).size() > 0);
        const QString copy = home.filePath("data/Rollscan/sample");
        QVERIFY2(QFileInfo(copy + "/rollscan.prf").isFile(), qPrintable(copy));
        QVERIFY(QFileInfo(copy + "/main/houses.dat").isFile());
        // The tree used is remembered for the next start.
        QVERIFY(readFile(home.filePath("config/rollscan/rollscan.ini")).contains(copy.toUtf8()));
    }

private:
    QTemporaryDir m_dest;
    QString m_root; // the installed /usr
};

QTEST_GUILESS_MAIN(TestInstall)
#include "tst_install.moc"
