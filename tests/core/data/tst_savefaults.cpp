// Saves that fail on the disk, each run in a child process: a file-size limit reached half-way, a
// read-only folder, a missing folder, a folder in the file's place. Each writer the user reaches
// reports the error with the file's path, leaves the old file as it was and leaves nothing
// half-written beside it.
#include "support/TreeBuilder.h"

#include "core/app/Session.h"
#include "core/attach/AttachmentNote.h"
#include "core/data/FileError.h"
#include "core/data/FileIO.h"
#include "core/ideology/ReportLine.h"
#include "core/report/RollCallText.h"
#include "core/report/Spreadsheet.h"
#include "core/search/BookmarkFile.h"
#include "core/search/RollCallSearch.h"
#include "core/search/SelectionQueue.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <tuple>
#include <unistd.h>

using namespace rollscan;
using rollscan::test::CongressData;
using rollscan::test::TreeBuilder;

namespace {
// Every writer the user can point at a failing disk: a fixed record, an addition to an existing file,
// a report, a report built from the session, a spreadsheet, a note in its own encoding.
enum class Writer { Preferences, BookmarkAppend, Report, RollCallText, Spreadsheet, Note };
enum class Fault { SizeLimit, ReadOnlyFolder, MissingFolder, FolderInPlace };

BookmarkEntry bookmark(int rollCall)
{
    BookmarkEntry e;
    e.congress = 97;
    e.rollCall = qint16(rollCall);
    e.date = TaggedDate::FromDate(QDate(1981, 2, rollCall));
    e.description = QStringLiteral("VOTE %1").arg(rollCall);
    e.yeas = 2;
    e.nays = 1;
    return e;
}

// A tree with the 97th House (30 members, 5 roll calls) and a session whose queue holds all five.
struct Fixture {
    QTemporaryDir dir;
    TreeBuilder tree{dir.filePath(QStringLiteral("tree"))};
    Session session{dir.filePath(QStringLiteral("tree"))};

    Fixture()
    {
        tree.writeStandardTables();
        CongressData d;
        for (int i = 0; i < 30; ++i) {
            d.legislators.append(
                TreeBuilder::legislator(QStringLiteral("MEMBER%1").arg(i), 41, i + 1, 100, 0.1f, 0.2f, 1000 + i));
            d.voteRows.append(QStringLiteral("16161"));
        }
        for (int r = 1; r <= 5; ++r)
            d.rollCalls.append(TreeBuilder::rollCall(QStringLiteral("VOTE %1").arg(r), QDate(1981, 2, r), 15, 15));
        tree.addCongress(true, 97, d);
        tree.writeIndexes();
        session.newDataFormat = false;
        session.selectedCongresses = {97};
        RunSearch(session, {});
        session.queue.addAll(session.MatchTable);
        session.queue.setCurrentQueuePos(1);
    }
};

// What the file holds before the save; a bookmark writer needs a bookmark file to add to.
QByteArray oldContent(Writer w)
{
    if (w == Writer::BookmarkAppend)
        return BookmarkFile::EncodeRecord(bookmark(1), true);
    return QByteArrayLiteral("the old file\r\n");
}

void save(Writer w, Fixture &f, const QString &path)
{
    switch (w) {
    case Writer::Preferences:
        TreeBuilder::standardPreferences().write(path);
        break;
    case Writer::BookmarkAppend:
        BookmarkFile::Append(path, {bookmark(2), bookmark(3)});
        break;
    case Writer::Report:
        WriteReportFile(path, TitleLines(QStringLiteral("Rollscan for Windows Roll Call Information")));
        break;
    case Writer::RollCallText:
        SaveRollCallText(f.session, path);
        break;
    case Writer::Spreadsheet:
        WriteSpreadsheet(f.session, path, true);
        break;
    case Writer::Note:
        AttachmentNote::FromBytes(oldContent(w)).save(path, QStringLiteral("A note longer than the limit\nallows."));
        break;
    }
}

struct Outcome {
    bool reported = false;
    int number = 0;
    QString path;
};

// Runs the save in a child process, which sends back the file error it caught; under `sizeLimit` the
// child's files may not grow past 16 bytes, so the write fails part-way.
Outcome attempt(Writer w, Fixture &f, const QString &path, bool sizeLimit)
{
    int fds[2];
    if (pipe(fds) != 0)
        return {};
    const pid_t child = fork();
    if (child == 0) {
        close(fds[0]);
        const rlimit limit{16, 16};
        if (sizeLimit && setrlimit(RLIMIT_FSIZE, &limit) == 0)
            signal(SIGXFSZ, SIG_IGN);
        int code = 3;
        QByteArray message;
        try {
            save(w, f, path);
        } catch (const FileError &e) {
            message = QByteArray::number(e.number()) + '\t' + QFile::encodeName(e.path());
            code = 0;
        } catch (...) {
            code = 4;
        }
        if (!message.isEmpty() && write(fds[1], message.constData(), size_t(message.size())) < 0)
            code = 5;
        close(fds[1]);
        _exit(code);
    }
    close(fds[1]);
    QByteArray reply;
    char buffer[512];
    for (ssize_t n; (n = read(fds[0], buffer, sizeof buffer)) > 0;)
        reply.append(buffer, n);
    close(fds[0]);
    int status = -1;
    waitpid(child, &status, 0);
    Outcome o;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return o;
    o.reported = true;
    const qsizetype tab = reply.indexOf('\t');
    o.number = reply.left(tab).toInt();
    o.path = QFile::decodeName(reply.mid(tab + 1));
    return o;
}

} // namespace

class TestSaveFaults : public QObject {
    Q_OBJECT

private slots:
    void failedSaveKeepsTheOldFile_data()
    {
        QTest::addColumn<int>("writer");
        QTest::addColumn<int>("fault");
        QTest::addColumn<int>("number");
        const QList<QPair<Writer, const char *>> writers = {
            {Writer::Preferences, "preferences"}, {Writer::BookmarkAppend, "bookmark add"},
            {Writer::Report, "report"},           {Writer::RollCallText, "roll-call text"},
            {Writer::Spreadsheet, "spreadsheet"}, {Writer::Note, "attachment note"},
        };
        const QList<std::tuple<Fault, const char *, int>> faults = {
            {Fault::SizeLimit, "size limit", FileErrorNumber::AccessError},
            {Fault::ReadOnlyFolder, "read-only folder", FileErrorNumber::AccessError},
            {Fault::MissingFolder, "missing folder", FileErrorNumber::PathNotFound},
            {Fault::FolderInPlace, "folder in place", FileErrorNumber::BadAccess},
        };
        for (const auto &[writer, writerName] : writers)
            for (const auto &[fault, faultName, number] : faults)
                QTest::addRow("%s, %s", writerName, faultName) << int(writer) << int(fault) << number;
    }
    void failedSaveKeepsTheOldFile()
    {
        QFETCH(int, writer);
        QFETCH(int, fault);
        QFETCH(int, number);
        const Writer w = Writer(writer);
        Fixture f;
        const QString folder = f.dir.filePath(QStringLiteral("out"));
        QVERIFY(QDir().mkpath(folder));
        QString path = folder + QStringLiteral("/saved.file");
        const QByteArray old = oldContent(w);
        WriteWholeFile(path, old);

        switch (Fault(fault)) {
        case Fault::SizeLimit:
            break;
        case Fault::ReadOnlyFolder:
            if (geteuid() == 0)
                QSKIP("the superuser writes into read-only folders");
            QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
            break;
        case Fault::MissingFolder:
            path = f.dir.filePath(QStringLiteral("gone/saved.file"));
            break;
        case Fault::FolderInPlace:
            path = folder + QStringLiteral("/taken");
            QVERIFY(QDir().mkpath(path));
            break;
        }
        const Outcome o = attempt(w, f, path, Fault(fault) == Fault::SizeLimit);
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QVERIFY2(o.reported, "the failed save was not reported, or the writer wrote past the limit");
        QCOMPARE(o.path, path);
        QCOMPARE(o.number, number);
        // The old file is untouched and nothing else was left in its folder.
        QCOMPARE(ReadWholeFile(folder + QStringLiteral("/saved.file")), old);
        const QStringList expected =
            Fault(fault) == Fault::FolderInPlace ? QStringList{"saved.file", "taken"} : QStringList{"saved.file"};
        QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name), expected);
        QVERIFY(!QFileInfo::exists(f.dir.filePath(QStringLiteral("gone"))));
    }
};

QTEST_GUILESS_MAIN(TestSaveFaults)
#include "tst_savefaults.moc"
