// The bookmark editor: loading, reordering, pruning and saving a bookmark file.
#include "support/GuiTestSupport.h"
#include "support/SearchFixture.h"

#include "core/data/FileIO.h"
#include "core/search/BookmarkFile.h"
#include "gui/search/frmBookmark.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <memory>

using namespace rollscan;
using namespace rollscan::test;

namespace {

BookmarkEntry Mark(bool house, int congress, int rollCall, const QString &description)
{
    return {house,
            qint16(congress),
            qint16(rollCall),
            TaggedDate::FromDate(QDate(1993, 1, rollCall % 28 + 1)),
            description,
            qint16(200 + rollCall),
            qint16(100 + rollCall)};
}

QList<BookmarkEntry> Marks(int count)
{
    QList<BookmarkEntry> out;
    for (int i = 1; i <= count; ++i)
        out.append(Mark(i % 2 == 1, 100 + i, 10 * i, QStringLiteral("MARK %1").arg(i)));
    return out;
}

struct Editor {
    QTemporaryDir dir;
    TreeBuilder tree{dir.path()};
    Session session{dir.path()};
    RecordingServices services;
    std::unique_ptr<frmBookmark> window;

    Editor()
    {
        window = std::make_unique<frmBookmark>(session, services);
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        window->show();
    }

    QString file(const QString &name) const { return tree.path(QStringLiteral("user/") + name); }

    void load(const QString &path)
    {
        services.fileNames.enqueue(path);
        QTest::mouseClick(window->btnLoad, Qt::LeftButton);
    }
};

} // namespace

class tst_searchbookmark : public QObject {
    Q_OBJECT

private slots:
    void opensEmpty();
    void loadShowsEntries();
    void removeAndClear();
    void saveOverLongerFile();
};

void tst_searchbookmark::opensEmpty()
{
    Editor e;
    frmBookmark &w = *e.window;
    QCOMPARE(w.windowTitle(), QStringLiteral("Edit Bookmarks"));
    QCOMPARE(w.fraBookmark->title(), QStringLiteral("Current Bookmarks: (None)"));
    QCOMPARE(w.lblTotal->text(), QStringLiteral("Total Bookmarks:"));
    QCOMPARE(w.lblBookmarkCount->text(), QStringLiteral("0"));
    const QList<QPair<QPushButton *, QString>> captions = {
        {w.btnLoad, "&Load"},     {w.btnSave, "Sa&ve"},   {w.btnMoveUp, "Move &Up"}, {w.btnMoveDown, "Move &Down"},
        {w.btnRemove, "&Remove"}, {w.btnClear, "&Clear"}, {w.btnDone, "&Done"},      {w.btnHelp, "Help"}};
    for (const auto &[button, caption] : captions)
        QCOMPARE(button->text(), caption);
    for (QPushButton *b : {w.btnSave, w.btnMoveUp, w.btnMoveDown, w.btnRemove, w.btnClear})
        QVERIFY2(!b->isEnabled(), qPrintable(b->objectName()));
    QVERIFY(w.btnLoad->isEnabled());
    SaveScreenshot(&w, QStringLiteral("search_frmBookmark_empty"));
}

void tst_searchbookmark::loadShowsEntries()
{
    Editor e;
    const QString path = e.file(QStringLiteral("three.bmk"));
    BookmarkFile::Append(path, {Mark(true, 103, 45, QStringLiteral("ONE")), Mark(false, 97, 2, QStringLiteral("TWO")),
                                Mark(true, 1, 7, QStringLiteral("THREE"))});
    e.load(path);
    const RecordingServices::FileDialogCall &call = e.services.fileDialogs.constFirst();
    QVERIFY(!call.save);
    QCOMPARE(call.caption, QStringLiteral("Open Bookmark File"));
    QCOMPARE(call.filters, (QStringList{"All Files (*.*)", "Bookmark Files (*.bmk)"}));
    QCOMPARE(call.defaultSuffix, QStringLiteral("BMK"));
    QCOMPARE(call.folder, e.session.userDir);
    QCOMPARE(Lines(e.window->lstBookmark),
             (QStringList{"H# 103,\tRoll call 45", "S# 97,\tRoll call 2", "H# 1,\tRoll call 7"}));
    QCOMPARE(e.window->lblBookmarkCount->text(), QStringLiteral("3"));
    QCOMPARE(e.window->fraBookmark->title(), QStringLiteral("Current Bookmarks: ") + QDir::toNativeSeparators(path));
    QVERIFY(e.window->btnSave->isEnabled());
    QVERIFY(e.window->btnClear->isEnabled());
    QVERIFY(e.services.messages.isEmpty());
    SaveScreenshot(e.window.get(), QStringLiteral("search_frmBookmark_loaded"));
}

void tst_searchbookmark::removeAndClear()
{
    Editor e;
    const QString path = e.file(QStringLiteral("four.bmk"));
    BookmarkFile::Append(path, Marks(4));
    e.load(path);
    frmBookmark &w = *e.window;
    w.lstBookmark->setCurrentRow(1);
    QTest::mouseClick(w.btnRemove, Qt::LeftButton);
    QCOMPARE(w.lblBookmarkCount->text(), QStringLiteral("3"));
    QCOMPARE(w.bookmarks().entries().at(1).description, QStringLiteral("MARK 3"));
    // Delete removes the row that took the removed one's place.
    QTest::keyClick(w.lstBookmark, Qt::Key_Delete);
    QCOMPARE(Lines(w.lstBookmark), (QStringList{"H# 101,\tRoll call 10", "S# 104,\tRoll call 40"}));
    QCOMPARE(w.lblBookmarkCount->text(), QStringLiteral("2"));

    QTest::mouseClick(w.btnClear, Qt::LeftButton);
    QCOMPARE(w.lstBookmark->count(), 0);
    QCOMPARE(w.lblBookmarkCount->text(), QStringLiteral("0"));
    for (QPushButton *b : {w.btnSave, w.btnMoveUp, w.btnMoveDown, w.btnRemove, w.btnClear})
        QVERIFY2(!b->isEnabled(), qPrintable(b->objectName()));
}

void tst_searchbookmark::saveOverLongerFile()
{
    Editor e;
    const QString path = e.file(QStringLiteral("five.bmk"));
    BookmarkFile::Append(path, Marks(5));
    const QByteArray before = ReadWholeFile(path);
    e.load(path);
    frmBookmark &w = *e.window;
    for (int i = 0; i < 3; ++i) {
        w.lstBookmark->setCurrentRow(0);
        QTest::mouseClick(w.btnRemove, Qt::LeftButton);
    }
    w.lstBookmark->setCurrentRow(1);
    QTest::mouseClick(w.btnMoveUp, Qt::LeftButton);
    const QString saved = e.file(QStringLiteral("five.bmk"));
    e.services.fileNames.enqueue(saved);
    QTest::mouseClick(w.btnSave, Qt::LeftButton);
    const RecordingServices::FileDialogCall &call = e.services.fileDialogs.constLast();
    QVERIFY(call.save);
    QCOMPARE(call.caption, QStringLiteral("Save Bookmark File"));
    QCOMPARE(call.defaultSuffix, QStringLiteral("BMK"));
    QCOMPARE(call.folder, e.session.userDir);

    // Records 1 and 2 rewritten (5 then 4, the flag on 2); records 3 to 5 stay in the file.
    const QByteArray after = ReadWholeFile(saved);
    QCOMPARE(after.size(), 5 * 87);
    const QList<BookmarkEntry> marks = Marks(5);
    QCOMPARE(after.left(87), BookmarkFile::EncodeRecord(marks[4], false));
    QCOMPARE(after.mid(87, 87), BookmarkFile::EncodeRecord(marks[3], true));
    QCOMPARE(after.mid(2 * 87), before.mid(2 * 87));
    QCOMPARE(w.fraBookmark->title(), QStringLiteral("Current Bookmarks: ") + QDir::toNativeSeparators(saved));

    // Loaded again: two entries.
    Editor again;
    again.load(saved);
    QCOMPARE(Lines(again.window->lstBookmark), (QStringList{"H# 105,\tRoll call 50", "S# 104,\tRoll call 40"}));
}

QTEST_MAIN(tst_searchbookmark)
#include "tst_searchbookmark.moc"
