// The installed program: its files in the usual places, a valid desktop entry and metainfo, and the
// installed rollscan-cli checking the installed sample; the installed program opens its sample.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {
const QString kAppId = QStringLiteral("org.rollscan.Rollscan");

struct Run {
    int exitCode = -1;
    QByteArray out, err;
};

Run run(const QString &program, const QStringList &args,
        const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment())
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(program, args);
    Run r;
    if (!p.waitForFinished(300000)) {
        p.kill();
        p.waitForFinished();
        r.err = "timed out";
        return r;
    }
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}
} // namespace

class TestInstall : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void installedFiles_data();
    void installedFiles();
    void noReportsInSample();
    void desktopEntry();
    void metainfo();
    void installedCliChecksInstalledSample_data();
    void installedCliChecksInstalledSample();
    void installedProgramOpensCopyOfSample();

private:
    QTemporaryDir m_dest;
    QString m_root; // the installed /usr
};

void TestInstall::initTestCase()
{
    QVERIFY(m_dest.isValid());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DESTDIR"), m_dest.path());
    const Run r = run(QStringLiteral(ROLLSCAN_CMAKE),
                      {QStringLiteral("--install"), QStringLiteral(ROLLSCAN_BINARY_DIR), QStringLiteral("--prefix"),
                       QStringLiteral("/usr")},
                      env);
    QVERIFY2(r.exitCode == 0, r.err.constData());
    m_root = m_dest.filePath(QStringLiteral("usr"));
}

void TestInstall::installedFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("executable");
    QTest::newRow("program") << "bin/rollscan" << true;
    QTest::newRow("command line") << "bin/rollscan-cli" << true;
    QTest::newRow("sample preferences") << "share/rollscan/sample/rollscan.prf" << false;
    QTest::newRow("sample house index") << "share/rollscan/sample/main/houses.dat" << false;
    QTest::newRow("desktop entry") << "share/applications/" + kAppId + ".desktop" << false;
    QTest::newRow("metainfo") << "share/metainfo/" + kAppId + ".metainfo.xml" << false;
    QTest::newRow("icon") << "share/icons/hicolor/scalable/apps/rollscan.svg" << false;
    QTest::newRow("manual page") << "share/man/man1/rollscan-cli.1.gz" << false;
    QTest::newRow("help contents") << "share/doc/rollscan/help/index.html" << false;
    QTest::newRow("help of attachments") << "share/doc/rollscan/help/frmAttach.html" << false;
}

void TestInstall::installedFiles()
{
    QFETCH(QString, file);
    QFETCH(bool, executable);
    const QFileInfo info(QDir(m_root).filePath(file));
    QVERIFY2(info.isFile(), qPrintable(info.filePath()));
    QVERIFY(info.size() > 0);
    QCOMPARE(info.isExecutable(), executable);
}

void TestInstall::noReportsInSample()
{
    for (const QString name : {"share/rollscan/sample/house/hmatch.txt", "share/rollscan/sample/senate/smatch.txt"})
        QVERIFY2(!QFileInfo::exists(QDir(m_root).filePath(name)), qPrintable(name));
}

void TestInstall::desktopEntry()
{
    const QString path =
        QDir(m_root).filePath(QStringLiteral("share/applications/") + kAppId + QStringLiteral(".desktop"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray text = f.readAll();
    QVERIFY(text.contains("\nExec=rollscan %f\n"));
    QVERIFY(text.contains("\nIcon=rollscan\n"));
    const QString validator = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    if (validator.isEmpty())
        QSKIP("desktop-file-validate is not installed (scripts/deps installs it)");
    const Run r = run(validator, {path});
    QVERIFY2(r.exitCode == 0, r.out + r.err);
    QVERIFY2(!r.out.contains("error"), r.out.constData());
}

void TestInstall::metainfo()
{
    const QString path =
        QDir(m_root).filePath(QStringLiteral("share/metainfo/") + kAppId + QStringLiteral(".metainfo.xml"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray text = f.readAll();
    QVERIFY(text.contains("<release version=\""));
    QVERIFY(!text.contains('@')); // every placeholder filled in
    const QString validator = QStandardPaths::findExecutable(QStringLiteral("appstreamcli"));
    if (validator.isEmpty())
        QSKIP("appstreamcli is not installed (scripts/deps installs it)");
    const Run r = run(validator, {QStringLiteral("validate"), QStringLiteral("--no-net"), path});
    QVERIFY2(r.exitCode == 0, r.out + r.err);
}

void TestInstall::installedCliChecksInstalledSample_data()
{
    QTest::addColumn<bool>("reportsElsewhere");
    QTest::newRow("reports into the tree") << false;
    // A user cannot write into the installed sample: the reports go where the user says.
    QTest::newRow("reports into a folder of the user") << true;
}

void TestInstall::installedCliChecksInstalledSample()
{
    QFETCH(bool, reportsElsewhere);
    const QString sample = QDir(m_root).filePath(QStringLiteral("share/rollscan/sample"));
    for (const QString name : {"/house/hmatch.txt", "/senate/smatch.txt"})
        QFile::remove(sample + name);
    QTemporaryDir reports;
    QStringList args = {QStringLiteral("check"), sample, QStringLiteral("--extended")};
    if (reportsElsewhere)
        args << QStringLiteral("--reports") << reports.path();
    const Run r = run(QDir(m_root).filePath(QStringLiteral("bin/rollscan-cli")), args);
    QVERIFY2(r.exitCode == 0, r.out + r.err);
    QVERIFY2(r.out.startsWith("Checked " + sample.toUtf8() + ": "), r.out.constData());
    QVERIFY2(r.out.contains(" 0 faults."), r.out.constData());
    const QString house = reportsElsewhere ? reports.filePath(QStringLiteral("hmatch.txt"))
                                           : sample + QStringLiteral("/house/hmatch.txt");
    const QString senate = reportsElsewhere ? reports.filePath(QStringLiteral("smatch.txt"))
                                            : sample + QStringLiteral("/senate/smatch.txt");
    QVERIFY2(r.out.contains(" mismatch lines written to " + house.toUtf8() + "\n"), r.out.constData());
    QVERIFY2(r.out.contains(" mismatch lines written to " + senate.toUtf8() + "\n"), r.out.constData());
    QVERIFY(QFileInfo(house).size() > 0);
    QVERIFY(QFileInfo(senate).size() > 0);
    QCOMPARE(QFileInfo::exists(sample + QStringLiteral("/house/hmatch.txt")), !reportsElsewhere);
    QCOMPARE(QFileInfo::exists(sample + QStringLiteral("/senate/smatch.txt")), !reportsElsewhere);
}

void TestInstall::installedProgramOpensCopyOfSample()
{
    // As the desktop entry starts it: no argument, a fresh user, no display.
    QTemporaryDir home;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    const QString shot = home.filePath(QStringLiteral("main.png"));
    env.insert(QStringLiteral("ROLLSCAN_SCREENSHOT"), shot);
    const Run r = run(QDir(m_root).filePath(QStringLiteral("bin/rollscan")), {}, env);
    QVERIFY2(r.exitCode == 0, r.err.constData());
    QVERIFY(QFileInfo(shot).size() > 0);
    const QString copy = home.filePath(QStringLiteral("data/Rollscan/sample"));
    QVERIFY2(QFileInfo(copy + QStringLiteral("/rollscan.prf")).isFile(), qPrintable(copy));
    QVERIFY(QFileInfo(copy + QStringLiteral("/main/houses.dat")).isFile());
    // The tree used is remembered for the next start.
    QFile settings(home.filePath(QStringLiteral("config/rollscan/rollscan.ini")));
    QVERIFY(settings.open(QIODevice::ReadOnly));
    QVERIFY2(settings.readAll().contains(copy.toUtf8()), qPrintable(settings.fileName()));
}

QTEST_GUILESS_MAIN(TestInstall)
#include "tst_install.moc"
