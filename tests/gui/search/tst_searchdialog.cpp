// The search dialog with its subject picker and keyword dialog: what each kind of search finds, the
// messages of searches that cannot run or find nothing, and the hand-over to the roll-call list.
#include "support/GuiTestSupport.h"
#include "support/SearchFixture.h"

#include "core/data/FileError.h"
#include "core/search/BookmarkFile.h"
#include "gui/search/frmKeyword.h"
#include "gui/search/frmSelectSearch.h"
#include "gui/search/frmSubjectAccess.h"
#include "gui/search/frmViewCalls.h"

#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>

#include <memory>

using namespace rollscan;
using namespace rollscan::test;

namespace {

const QChar kCr(13);

QStringList Descriptions(const Session &s)
{
    QStringList out;
    for (const MatchRow &row : s.MatchTable.rows())
        out.append(row.description);
    return out;
}

// Selects list rows (0-based) of a congress list as a user would, with the first one current.
void SelectRows(QListWidget *list, const QList<int> &rows)
{
    list->clearSelection();
    for (int row : rows)
        list->item(row)->setSelected(true);
    if (!rows.isEmpty())
        list->setCurrentRow(rows.constFirst(), QItemSelectionModel::NoUpdate);
}

// Answers the subject picker: checks its caption and list, selects rows, saves a picture, presses Start
// (or double-clicks the single row, or presses Done when `rows` is empty).
void AnswerPicker(const QString &caption, const QStringList &names, const QList<int> &rows, bool doubleClick,
                  QString *seenCaption, QStringList *seenNames)
{
    OnNextModal([=](QWidget *modal) {
        auto *picker = qobject_cast<frmSubjectAccess *>(modal);
        if (!picker) {
            modal->close();
            return;
        }
        *seenCaption = picker->windowTitle();
        *seenNames = Lines(picker->lstSubject);
        Q_UNUSED(caption);
        Q_UNUSED(names);
        for (int row : rows)
            picker->lstSubject->item(row)->setSelected(true);
        if (!rows.isEmpty())
            picker->lstSubject->setCurrentRow(rows.constLast(), QItemSelectionModel::NoUpdate);
        SaveScreenshot(picker, QStringLiteral("search_frmSubjectAccess"));
        if (rows.isEmpty()) {
            QTest::mouseClick(picker->btnCancel, Qt::LeftButton);
        } else if (doubleClick) {
            QListWidget *list = picker->lstSubject;
            const QRect rect = list->visualItemRect(list->item(rows.constFirst()));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, rect.center());
        } else {
            QTest::mouseClick(picker->btnOK, Qt::LeftButton);
        }
    });
}

void AnswerKeyword(const QStringList &words, const QStringList &ops, bool cancel = false)
{
    OnNextModal([=](QWidget *modal) {
        auto *dialog = qobject_cast<frmKeyword *>(modal);
        if (!dialog) {
            modal->close();
            return;
        }
        dialog->txtKeyword->setText(words.value(0));
        dialog->txtKeyword2->setText(words.value(1));
        dialog->txtKeyword3->setText(words.value(2));
        dialog->cmbKey2->setCurrentText(ops.value(0, QStringLiteral("(none)")));
        dialog->cmbKey3->setCurrentText(ops.value(1, QStringLiteral("(none)")));
        SaveScreenshot(dialog, QStringLiteral("search_frmKeyword"));
        QTest::mouseClick(cancel ? dialog->btnCancel : dialog->btnOK, Qt::LeftButton);
    });
}

struct Dialog {
    SearchTree tree;
    frmKeyword keyword{tree.services};
    frmSelectSearch *search = new frmSelectSearch(tree.session, tree.services, keyword);
    QSignalSpy completed{search, &frmSelectSearch::searchCompleted};

    explicit Dialog(bool startWithHouse = true) : tree(startWithHouse)
    {
        search->setAttribute(Qt::WA_DeleteOnClose, false);
        search->show();
    }
    ~Dialog() { delete search; }
};

} // namespace

Q_DECLARE_METATYPE(QList<int>)

class tst_searchdialog : public QObject {
    Q_OBJECT

    // Data trees are written through files that are synced to disk; rows that only look share one.
    std::unique_ptr<Dialog> m_shared;
    Dialog &shared()
    {
        if (!m_shared)
            m_shared = std::make_unique<Dialog>();
        return *m_shared;
    }

private slots:
    void cleanupTestCase() { m_shared.reset(); }
    void opensWithPreferredChamber_data();
    void opensWithPreferredChamber();
    void chamberWithoutCongressesDisablesStart();
    void noCongressSelected_data();
    void noCongressSelected();
    void chronologicalSearchInListOrder();
    void codeSearches_data();
    void codeSearches();
    void keywordSearch();
    void keywordDialogKeepsEntries();
    void failedSearches_data();
    void failedSearches();
    void bookmarkSearch();
    void garbageBookmarkFile();
    void doubleClickStarts();
    void tooManyRollCalls();
};

void tst_searchdialog::opensWithPreferredChamber_data()
{
    QTest::addColumn<bool>("house");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("countCaption");
    QTest::addColumn<QString>("count");
    QTest::newRow("House") << true << QStringList{"97th\t1981-1982", "98th\t1983-1984", "99th\t1985-1986"}
                           << "Number of Houses:"
                           << "3";
    QTest::newRow("Senate") << false << QStringList{"97th\t1981-1982"} << "Number of Senates:"
                            << "1";
}

void tst_searchdialog::opensWithPreferredChamber()
{
    QFETCH(bool, house);
    QFETCH(QStringList, lines);
    QFETCH(QString, countCaption);
    QFETCH(QString, count);
    Dialog d(house);
    frmSelectSearch *s = d.search;
    QCOMPARE(s->windowTitle(), QStringLiteral("Rollscan Search Type"));
    QCOMPARE(s->optHouse->isChecked(), house);
    QCOMPARE(s->optSenate->isChecked(), !house);
    QCOMPARE(d.tree.session.isHouse, house);
    QCOMPARE(s->fraHouse->isVisible(), house);
    QCOMPARE(s->fraSenate->isVisible(), !house);
    QCOMPARE(Lines(house ? s->lstHouse : s->lstSenate), lines);
    QCOMPARE(s->lblCongress->text(), countCaption);
    QCOMPARE(s->lblNum->text(), count);
    QVERIFY(s->optNone->isChecked());
    QVERIFY(s->btnStart->isEnabled());
    QVERIFY(s->btnStart->isDefault());
    SaveScreenshot(s, house ? QStringLiteral("search_frmSelectSearch_house")
                            : QStringLiteral("search_frmSelectSearch_senate"));

    // Switching the chamber refills the other list.
    (house ? s->optSenate : s->optHouse)->click();
    QCOMPARE(d.tree.session.isHouse, !house);
    QCOMPARE(s->fraHouse->isVisible(), !house);
    QCOMPARE((house ? s->lstSenate : s->lstHouse)->count(), house ? 1 : 3);
}

void tst_searchdialog::chamberWithoutCongressesDisablesStart()
{
    Dialog d;
    d.tree.session.houseList.clear();
    d.search->optSenate->click();
    QVERIFY(d.search->btnStart->isEnabled());
    d.search->optHouse->click();
    QCOMPARE(d.search->lstHouse->count(), 0);
    QCOMPARE(d.search->lblNum->text(), QStringLiteral("0"));
    QVERIFY(!d.search->btnStart->isEnabled());
    // A bookmark file does not need the congress list.
    d.search->optBookmark->click();
    QVERIFY(d.search->btnStart->isEnabled());
    // Back with congresses, Start is offered again.
    d.search->optNone->click();
    d.search->optSenate->click();
    QVERIFY(d.search->btnStart->isEnabled());
}

void tst_searchdialog::noCongressSelected_data()
{
    QTest::addColumn<bool>("house");
    QTest::addColumn<QString>("message");
    QTest::newRow("House") << true << "You must enter or select a House number.";
    QTest::newRow("Senate") << false << "You must enter or select a Senate number.";
}

void tst_searchdialog::noCongressSelected()
{
    QFETCH(bool, house);
    QFETCH(QString, message);
    Dialog d(house);
    QTest::mouseClick(d.search->btnStart, Qt::LeftButton);
    QCOMPARE(d.tree.services.errorTexts(), QStringList{message});
    QCOMPARE(d.tree.services.lastMessage().title, QStringLiteral("Rollscan Error"));
    QCOMPARE(d.tree.services.beeps, 1);
    QCOMPARE(d.tree.services.waitShown, 0);
    QCOMPARE(d.completed.count(), 0);
}

void tst_searchdialog::chronologicalSearchInListOrder()
{
    Dialog d;
    // The 3rd and the 1st rows of the list, the 3rd current: searched in list order.
    d.search->lstHouse->item(2)->setSelected(true);
    d.search->lstHouse->item(0)->setSelected(true);
    d.search->lstHouse->setCurrentRow(2, QItemSelectionModel::NoUpdate);
    QTest::keyClick(d.search->lstHouse, Qt::Key_Return);
    QCOMPARE(d.completed.count(), 1);
    QCOMPARE(d.tree.session.selectedCongresses, (QList<int>{97, 99}));
    QCOMPARE(Descriptions(d.tree.session),
             (QStringList{"TO PASS H.R. 1 TAX CUT", "Tax cut amendment", "BUDGET & APPROPRIATIONS", "ELECT SPEAKER",
                          "FOREIGN AID", "FARM BILL"}));
    QCOMPARE(d.tree.services.waitInfos, QStringList{"Loading, please wait..."});
    QCOMPARE(d.tree.services.waitHidden, 1);
    QCOMPARE(d.tree.services.waitPercents.constLast(), 100);
    QVERIFY(d.tree.services.messages.isEmpty());
    // Left at the last congress searched.
    QCOMPARE(d.tree.session.currentCongress, 99);
    QCOMPARE(d.tree.session.rollCallCount, 1);
}

void tst_searchdialog::codeSearches_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QList<int>>("rows");
    QTest::addColumn<QList<int>>("congressRows");
    QTest::addColumn<QStringList>("found");
    const QStringList issues = {"Taxation", "Budget", "Appropriations", "Foreign aid"};
    // Code 10 is the second issue code of "Tax cut amendment" (extended record).
    QTest::newRow("issue 10") << "optIssue"
                              << "Subject Access: Issue Codes" << issues << QList<int>{0} << QList<int>{0, 1}
                              << QStringList{"TO PASS H.R. 1 TAX CUT", "Tax cut amendment", "TAX REFORM"};
    QTest::newRow("issue 20+40") << "optIssue"
                                 << "Subject Access: Issue Codes" << issues << QList<int>{1, 3} << QList<int>{0, 1}
                                 << QStringList{"Tax cut amendment", "FOREIGN AID", "DEFENSE BUDGET"};
    QTest::newRow("clausen 2") << "optClausen"
                               << "Subject Access: Clausen Codes"
                               << QStringList{"Government management", "Social welfare", "Civil liberties"}
                               << QList<int>{1} << QList<int>{0}
                               << QStringList{"Tax cut amendment", "BUDGET & APPROPRIATIONS"};
    // Code 9 is the second Peltzman code of "BUDGET & APPROPRIATIONS" and the first of "DEFENSE BUDGET".
    QTest::newRow("peltzman 9") << "optPeltzman"
                                << "Subject Access: Peltzman Codes"
                                << QStringList{"Domestic social policy", "Defense budget"} << QList<int>{1}
                                << QList<int>{0, 1} << QStringList{"BUDGET & APPROPRIATIONS", "DEFENSE BUDGET"};
}

void tst_searchdialog::codeSearches()
{
    QFETCH(QString, option);
    QFETCH(QString, caption);
    QFETCH(QStringList, names);
    QFETCH(QList<int>, rows);
    QFETCH(QList<int>, congressRows);
    QFETCH(QStringList, found);
    Dialog d;
    d.search->findChild<QRadioButton *>(option)->click();
    SelectRows(d.search->lstHouse, congressRows);
    QString seenCaption;
    QStringList seenNames;
    AnswerPicker(caption, names, rows, false, &seenCaption, &seenNames);
    QTest::mouseClick(d.search->btnStart, Qt::LeftButton);
    QCOMPARE(seenCaption, caption);
    QCOMPARE(seenNames, names);
    QCOMPARE(d.completed.count(), 1);
    QCOMPARE(Descriptions(d.tree.session), found);
    QCOMPARE(d.tree.session.chosenCodeNames.size(), rows.size());
    QCOMPARE(d.tree.session.searchByIssue, option == QLatin1String("optIssue"));
    QCOMPARE(d.tree.session.searchByClausen, option == QLatin1String("optClausen"));
    QCOMPARE(d.tree.session.searchByPeltzman, option == QLatin1String("optPeltzman"));
    QVERIFY(!d.tree.session.searchByOther);
    QVERIFY(d.tree.services.messages.isEmpty());
}

void tst_searchdialog::keywordSearch()
{
    Dialog d;
    d.search->optKeyword->click();
    SelectRows(d.search->lstHouse, {0, 1});
    // "TAX" in capitals: the lower-case "Tax cut amendment" is not found; FOREIGN AID is found through
    // a heading field of its description entry.
    AnswerKeyword({"tax"}, {});
    QTest::mouseClick(d.search->btnStart, Qt::LeftButton);
    QCOMPARE(d.completed.count(), 1);
    QCOMPARE(Descriptions(d.tree.session), (QStringList{"TO PASS H.R. 1 TAX CUT", "FOREIGN AID", "TAX REFORM"}));
    QVERIFY(d.tree.session.searchByOther);

    // TAX NOT CUT.
    AnswerKeyword({"TAX", "CUT"}, {"NOT"});
    QTest::mouseClick(d.search->btnStart, Qt::LeftButton);
    QCOMPARE(Descriptions(d.tree.session), (QStringList{"FOREIGN AID", "TAX REFORM"}));
}

void tst_searchdialog::keywordDialogKeepsEntries()
{
    Dialog d;
    d.search->optKeyword->click();
    SelectRows(d.search->lstHouse, {0});
    // An empty tertiary keyword with AND is found everywhere: BUDGET OR SPEAKER.
    AnswerKeyword({"BUDGET", "SPEAKER"}, {"OR", "AND"});
    QTest::mouseClick(d.search->btnStart, Qt::LeftButton);
    QCOMPARE(Descriptions(d.tree.session), (QStringList{"BUDGET & APPROPRIATIONS", "ELECT SPEAKER"}));
    QVERIFY(!d.keyword.isVisible());
    QCOMPARE(d.keyword.txtKeyword->text(), QStringLiteral("BUDGET"));
    QCOMPARE(d.keyword.txtKeyword2->text(), QStringLiteral("SPEAKER"));
    QCOMPARE(d.keyword.cmbKey2->currentText(), QStringLiteral("OR"));
    QCOMPARE(d.keyword.cmbKey3->currentText(), QStringLiteral("AND"));
    QStringList operators;
    for (int i = 0; i < d.keyword.cmbKey2->count(); ++i)
        operators.append(d.keyword.cmbKey2->itemText(i));
    QCOMPARE(operators, (QStringList{"(none)", "AND", "OR", "NOT"}));
}

void tst_searchdialog::failedSearches_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QList<int>>("pick");
    QTest::addColumn<QStringList>("keywords");
    QTest::addColumn<QString>("message");
    // The chosen names, last chosen first, then the summary of two Houses.
    QTest::newRow("clausen") << "optClausen" << QList<int>{0, 2} << QStringList{}
                             << QString("Failed search: No matches found for") + kCr + kCr + "Civil liberties" + kCr +
                                    "Government management" + kCr + kCr + "House(s) searched: 2";
    QTest::newRow("keyword") << "optKeyword" << QList<int>{} << QStringList{"zebra", "quagga", ""}
                             << QString("Failed search: No matches found for") + kCr + kCr + "ZEBRA" + kCr + "QUAGGA" +
                                    kCr + kCr + "House(s) searched: 2";
    QTest::newRow("issue nothing chosen")
        << "optIssue" << QList<int>{} << QStringList{}
        << QString("Failed search: No matches found for") + kCr + kCr + kCr + "House(s) searched: 2";
}

void tst_searchdialog::failedSearches()
{
    QFETCH(QString, option);
    QFETCH(QList<int>, pick);
    QFETCH(QStringList, keywords);
    QFETCH(QString, message);
    Dialog d;
    // Houses 98 and 99 know no Clausen codes 1 or 3 and no zebras.
    SelectRows(d.search->lstHouse, {1, 2});
    d.search->findChild<QRadioButton *>(option)->click();
    QString caption;
    QStringList names;
    if (option == QLatin1String("optKeyword")) {
        AnswerKeyword(keywords, {"AND"});
    } else if (pick.isEmpty()) {
        // Start with no subject chosen.
        OnNextModal([](QWidget *modal) {
            if (auto *picker = qobject_cast<frmSubjectAccess *>(modal))
                QTest::mouseClick(picker->btnOK, Qt::LeftButton);
            else
                modal->close();
        });
    } else {
        AnswerPicker({}, {}, pick, false, &caption, &names);
    }
    d.tree.session.MatchTable.append({1, QStringLiteral("EARLIER"), {}, 1, 1, 97});
    QTest::mouseClick(d.search->btnStart, Qt::LeftButton);
    QCOMPARE(d.tree.services.errorTexts(), QStringList{message});
    QCOMPARE(d.completed.count(), 0);
    QCOMPARE(d.tree.services.waitHidden, 1);
    // The earlier result stays.
    QCOMPARE(Descriptions(d.tree.session), QStringList{"EARLIER"});
}

void tst_searchdialog::bookmarkSearch()
{
    Dialog d;
    BookmarkEntry a{true, 103, 45, TaggedDate::FromDate(QDate(1993, 3, 4)), QStringLiteral("FIRST MARK"), 200, 100};
    BookmarkEntry b{false, 97, 2, TaggedDate::FromDate(QDate(1981, 7, 29)), QStringLiteral("SECOND MARK"), 89, 11};
    // Every entry must be a roll call of the tree: the index lists House 103 with 45 roll calls.
    d.tree.tree.setCounts(true, 103, {1, 45});
    d.tree.tree.writeIndexes();
    const QString file = d.tree.tree.path(QStringLiteral("user/marks.bmk"));
    BookmarkFile::Append(file, {a, b});
    d.tree.services.fileNames.enqueue(file);
    d.search->optBookmark->click();
    QTest::mouseClick(d.search->btnStart, Qt::LeftButton);

    QCOMPARE(d.tree.services.fileDialogs.size(), 1);
    const RecordingServices::FileDialogCall &call = d.tree.services.fileDialogs.constFirst();
    QVERIFY(!call.save);
    QCOMPARE(call.caption, QStringLiteral("Open Bookmark File"));
    QCOMPARE(call.filters, (QStringList{"All Files (*.*)", "Bookmark Files (*.bmk)"}));
    QCOMPARE(call.defaultSuffix, QStringLiteral("BMK"));
    QCOMPARE(call.folder, d.tree.session.userDir);
    QCOMPARE(d.completed.count(), 1);
    QCOMPARE(Descriptions(d.tree.session), (QStringList{"FIRST MARK", "SECOND MARK"}));
    const MatchRow first{45, QStringLiteral("FIRST MARK"), TaggedDate::FromDate(QDate(1993, 3, 4)), 200, 100, 103};
    QCOMPARE(d.tree.session.MatchTable.row(1), first);
    // The chamber of the last record.
    QVERIFY(!d.tree.session.isHouse);
    QVERIFY(d.tree.session.selectedCongresses.isEmpty());
    QVERIFY(d.tree.session.searchByOther);
    QVERIFY(d.tree.services.messages.isEmpty());

    // The options still say House, and the next list search reads the House again.
    d.search->optNone->click();
    SelectRows(d.search->lstHouse, {1});
    QTest::mouseClick(d.search->btnStart, Qt::LeftButton);
    QVERIFY(d.tree.session.isHouse);
    QCOMPARE(Descriptions(d.tree.session), (QStringList{"DEFENSE BUDGET", "TAX REFORM"}));
}

void tst_searchdialog::garbageBookmarkFile()
{
    Dialog d;
    const QString file = d.tree.tree.path(QStringLiteral("user/notes.bmk"));
    d.tree.tree.writeRaw(QStringLiteral("user/notes.bmk"),
                         QByteArray("Shopping list, not bookmarks at all. Milk, bread, eggs and more words to fill "
                                    "a whole record of eighty-seven bytes."));
    d.tree.services.fileNames.enqueue(file);
    d.search->optBookmark->click();
    QTest::mouseClick(d.search->btnStart, Qt::LeftButton);
    QCOMPARE(d.tree.services.errorTexts().size(), 1);
    const QString text = d.tree.services.errorTexts().constFirst();
    QVERIFY2(text.startsWith(QStringLiteral("That file is not a bookmark file.\n\n") + QDir::toNativeSeparators(file) +
                             QStringLiteral("\nDetail: Bookmark at byte 0 has a date of unknown type ")),
             qPrintable(text));
    QVERIFY(!text.contains(QStringLiteral("Unrecognized")));
    QCOMPARE(d.completed.count(), 0);
}

void tst_searchdialog::doubleClickStarts()
{
    Dialog d;
    d.search->optPeltzman->click();
    QListWidget *list = d.search->lstHouse;
    const QRect rect = list->visualItemRect(list->item(1));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    QString caption;
    QStringList names;
    // A double click in the picker does what selecting and Start do.
    AnswerPicker({}, {}, {0}, true, &caption, &names);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    QCOMPARE(d.completed.count(), 1);
    QCOMPARE(d.tree.session.selectedCongresses, QList<int>{98});
    QCOMPARE(d.tree.session.chosenCodes, QList<int>{5});
    QCOMPARE(d.tree.session.chosenCodeNames, QStringList{"Domestic social policy"});
    QCOMPARE(Descriptions(d.tree.session), QStringList{"TAX REFORM"});
}

void tst_searchdialog::tooManyRollCalls()
{
    SearchTree tree;
    CongressData big;
    big.legislators = {TreeBuilder::legislator(QStringLiteral("EVANS"), 1, 1, 100, 0, 0, 1)};
    const int count = MatchTable::kMaxRows + 1;
    for (int r = 1; r <= count; ++r)
        big.rollCalls.append(TreeBuilder::rollCall(QStringLiteral("VOTE %1").arg(r), QDate(1987, 1, 1), r % 400, 1));
    big.voteRows = {QString(count, QLatin1Char('1'))};
    tree.tree.addCongress(true, 100, big, true);
    tree.tree.writeIndexes();
    tree.session.findCongresses();
    frmKeyword keyword(tree.services);
    frmSelectSearch search(tree.session, tree.services, keyword);
    QSignalSpy completed(&search, &frmSelectSearch::searchCompleted);
    search.lstHouse->item(3)->setSelected(true);
    search.startSearch();

    QCOMPARE(tree.services.errorTexts(),
             QStringList{"That's more roll calls than Windows can handle! Try less Houses. Rollscan will proceed with "
                         "what it has so far."});
    // The message comes after the wait window has gone, and the list still opens with what was found.
    QVERIFY(tree.services.log.indexOf(QStringLiteral("hideWait")) <
            tree.services.log.indexOf(QRegularExpression(QStringLiteral("message: (.|\\r)*"))));
    QCOMPARE(completed.count(), 1);
    QCOMPARE(tree.session.MatchTable.matchCount(), MatchTable::kMaxRows);
    frmViewCalls list(tree.session, tree.services, keyword);
    list.show();
    QCOMPARE(list.lstRollCalls->count(), MatchTable::kMaxRows);
    QCOMPARE(list.lblMatches->text(), QStringLiteral("20000"));
    QCOMPARE(list.lstRollCalls->item(MatchTable::kMaxRows - 1)->text(), QStringLiteral("0-1\tVOTE 20000"));
    QTest::mouseClick(list.btnAll, Qt::LeftButton);
    QCOMPARE(list.lblTotalSel->text(), QStringLiteral("20000"));
    // The queue is full: one more is refused with a beep.
    const int beeps = tree.services.beeps;
    list.lstRollCalls->setCurrentRow(0);
    list.addCurrent();
    QCOMPARE(tree.session.queue.length(), MatchTable::kMaxRows);
    QCOMPARE(list.lblTotalSel->text(), QStringLiteral("20000"));
    QCOMPARE(tree.services.beeps, beeps + 1);
}

QTEST_MAIN(tst_searchdialog)
#include "tst_searchdialog.moc"
