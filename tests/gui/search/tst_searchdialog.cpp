// The search dialog with its subject picker and keyword dialog: the chamber shown, what each kind of
// search hands over, the reports of searches that cannot run or find nothing, bookmark files.
#include "support/GuiTestSupport.h"
#include "support/SearchFixture.h"

#include "gui/search/frmKeyword.h"
#include "gui/search/frmSelectSearch.h"
#include "gui/search/frmSubjectAccess.h"
#include "gui/search/frmViewCalls.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>

using namespace rollscan;
using namespace rollscan::test;

namespace {

QStringList Descriptions(const Session &s)
{
    QStringList out;
    for (const MatchRow &row : s.MatchTable.rows())
        out.append(row.description);
    return out;
}

void SelectRows(QListWidget *list, const QList<int> &rows)
{
    list->clearSelection();
    for (int row : rows)
        list->item(row)->setSelected(true);
    if (!rows.isEmpty())
        list->setCurrentRow(rows.constFirst(), QItemSelectionModel::NoUpdate);
}

// Answers the subject picker: notes its caption and list, selects rows, presses Start (or
// double-clicks the single row).
void AnswerPicker(const QList<int> &rows, bool doubleClick, QStringList *seen)
{
    OnNextModal([=](QWidget *modal) {
        auto *picker = qobject_cast<frmSubjectAccess *>(modal);
        QVERIFY(picker);
        *seen = QStringList{picker->windowTitle()} + Lines(picker->lstSubject);
        for (int row : rows)
            picker->lstSubject->item(row)->setSelected(true);
        picker->lstSubject->setCurrentRow(rows.constLast(), QItemSelectionModel::NoUpdate);
        SaveScreenshot(picker, QStringLiteral("search_frmSubjectAccess"));
        const QRect rect = picker->lstSubject->visualItemRect(picker->lstSubject->item(rows.value(0)));
        if (doubleClick) {
            QTest::mouseClick(picker->lstSubject->viewport(), Qt::LeftButton, {}, rect.center());
            QTest::mouseDClick(picker->lstSubject->viewport(), Qt::LeftButton, {}, rect.center());
        } else {
            QTest::mouseClick(picker->btnOK, Qt::LeftButton);
        }
    });
}

void AnswerKeyword(const QStringList &words, const QStringList &ops)
{
    OnNextModal([=](QWidget *modal) {
        auto *dialog = qobject_cast<frmKeyword *>(modal);
        QVERIFY(dialog);
        dialog->txtKeyword->setText(words.value(0));
        dialog->txtKeyword2->setText(words.value(1));
        dialog->txtKeyword3->setText(words.value(2));
        dialog->cmbKey2->setCurrentText(ops.value(0, QStringLiteral("(none)")));
        dialog->cmbKey3->setCurrentText(ops.value(1, QStringLiteral("(none)")));
        SaveScreenshot(dialog, QStringLiteral("search_frmKeyword"));
        QTest::mouseClick(dialog->btnOK, Qt::LeftButton);
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
    void start() { QTest::mouseClick(search->btnStart, Qt::LeftButton); }
};

} // namespace

Q_DECLARE_METATYPE(QList<int>)

class tst_searchdialog : public QObject {
    Q_OBJECT

private slots:
    void opensWithPreferredChamber_data()
    {
        QTest::addColumn<bool>("house");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("countCaption");
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("noneChosen");
        QTest::newRow("House") << true << QStringList{"97th\t1981-1982", "98th\t1983-1984", "99th\t1985-1986"}
                               << QStringLiteral("Number of Houses:") << QStringLiteral("3")
                               << QStringLiteral("You must enter or select a House number.");
        QTest::newRow("Senate") << false << QStringList{"97th\t1981-1982"} << QStringLiteral("Number of Senates:")
                                << QStringLiteral("1") << QStringLiteral("You must enter or select a Senate number.");
    }

    void opensWithPreferredChamber()
    {
        QFETCH(bool, house);
        QFETCH(QString, count);
        QFETCH(QString, noneChosen);
        Dialog d(house);
        frmSelectSearch *s = d.search;
        QCOMPARE(s->windowTitle(), QStringLiteral("Rollscan Search Type"));
        QCOMPARE(s->optHouse->isChecked(), house);
        QCOMPARE(s->fraHouse->isVisible(), house);
        QTEST(Lines(house ? s->lstHouse : s->lstSenate), "lines");
        QTEST(s->lblCongress->text(), "countCaption");
        QCOMPARE(s->lblNum->text(), count);
        SaveScreenshot(s, QStringLiteral("search_frmSelectSearch_") + QTest::currentDataTag());
        // Start with no congress chosen names the chamber, before any wait window.
        d.start();
        QCOMPARE(d.tree.services.errorTexts(), QStringList{noneChosen});
        QCOMPARE(d.tree.services.waitShown, 0);
        // Switching the chamber refills the other list.
        (house ? s->optSenate : s->optHouse)->click();
        QCOMPARE(d.tree.session.isHouse, !house);
        QCOMPARE(s->fraHouse->isVisible(), !house);
        QCOMPARE((house ? s->lstSenate : s->lstHouse)->count(), house ? 1 : 3);
    }

    void chronologicalSearchInListOrder()
    {
        Dialog d;
        // The 3rd and the 1st rows, the 3rd current, Enter: searched in list order.
        SelectRows(d.search->lstHouse, {2, 0});
        QTest::keyClick(d.search->lstHouse, Qt::Key_Return);
        QCOMPARE(d.completed.count(), 1);
        QCOMPARE(d.tree.session.selectedCongresses, (QList<int>{97, 99}));
        QCOMPARE(Descriptions(d.tree.session).size(), 6);
        QCOMPARE(Descriptions(d.tree.session).constLast(), QStringLiteral("FARM BILL"));
        QCOMPARE(d.tree.services.waitInfos, QStringList{"Loading, please wait..."});
        QCOMPARE(d.tree.services.waitPercents.constLast(), 100);
        QCOMPARE(d.tree.services.waitHidden, 1);
        QCOMPARE(d.tree.session.currentCongress, 99); // left at the last congress searched
    }

    void codeSearches_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QStringList>("picker"); // caption, then the names listed
        QTest::addColumn<QList<int>>("rows");
        QTest::addColumn<QStringList>("found");
        const QStringList issues = {"Subject Access: Issue Codes", "Taxation", "Budget", "Appropriations",
                                    "Foreign aid"};
        // Code 10 is the second issue code of "Tax cut amendment" (extended record).
        QTest::newRow("issue 10") << "optIssue" << issues << QList<int>{0}
                                  << QStringList{"TO PASS H.R. 1 TAX CUT", "Tax cut amendment", "TAX REFORM"};
        // Code 9 is the second Peltzman code of "BUDGET & APPROPRIATIONS" and the first of "DEFENSE BUDGET".
        QTest::newRow("peltzman 9") << "optPeltzman"
                                    << QStringList{"Subject Access: Peltzman Codes", "Domestic social policy",
                                                   "Defense budget"}
                                    << QList<int>{1} << QStringList{"BUDGET & APPROPRIATIONS", "DEFENSE BUDGET"};
    }

    void codeSearches()
    {
        QFETCH(QString, option);
        QFETCH(QList<int>, rows);
        Dialog d;
        d.search->findChild<QRadioButton *>(option)->click();
        SelectRows(d.search->lstHouse, {0, 1});
        QStringList seen;
        AnswerPicker(rows, false, &seen);
        d.start();
        QTEST(seen, "picker");
        QCOMPARE(d.completed.count(), 1);
        QTEST(Descriptions(d.tree.session), "found");
        QCOMPARE(d.tree.session.chosenCodeNames.size(), rows.size());
        QVERIFY(d.tree.services.messages.isEmpty());
    }

    void keywordSearch()
    {
        Dialog d;
        d.search->optKeyword->click();
        SelectRows(d.search->lstHouse, {0, 1});
        // Keywords are capitals: the lower-case "Tax cut amendment" is not found; FOREIGN AID is found
        // through a heading field of its description entry.
        AnswerKeyword({"TAX", "CUT"}, {"NOT"});
        d.start();
        QCOMPARE(Descriptions(d.tree.session), (QStringList{"FOREIGN AID", "TAX REFORM"}));
        QCOMPARE(d.keyword.cmbKey2->currentText(), QStringLiteral("NOT")); // kept for the next search
    }

    void failedSearchKeepsEarlierResult()
    {
        Dialog d;
        // Houses 98 and 99 know no Clausen codes 1 or 3: the chosen names, last chosen first.
        SelectRows(d.search->lstHouse, {1, 2});
        d.search->optClausen->click();
        QStringList seen;
        AnswerPicker({0, 2}, false, &seen);
        d.tree.session.MatchTable.append({1, QStringLiteral("EARLIER"), {}, 1, 1, 97});
        d.start();
        const QChar cr(13);
        QCOMPARE(d.tree.services.errorTexts(),
                 QStringList{QStringLiteral("Failed search: No matches found for") + cr + cr + "Civil liberties" + cr +
                             "Government management" + cr + cr + "House(s) searched: 2"});
        QCOMPARE(d.completed.count(), 0);
        QCOMPARE(d.tree.services.waitHidden, 1);
        QCOMPARE(Descriptions(d.tree.session), QStringList{"EARLIER"});
    }

    void garbageBookmarkFile()
    {
        Dialog d;
        const QString file = d.tree.tree.path(QStringLiteral("user/notes.bmk"));
        d.tree.tree.writeRaw(QStringLiteral("user/notes.bmk"),
                             QByteArray("Shopping list, not bookmarks at all. Milk, bread, eggs and more words to fill "
                                        "a whole record of eighty-seven bytes."));
        d.tree.services.fileNames.enqueue(file);
        d.search->optBookmark->click();
        d.start();
        QCOMPARE(d.tree.services.errorTexts().size(), 1);
        const QString text = d.tree.services.errorTexts().constFirst();
        QVERIFY2(text.startsWith(QStringLiteral("That file is not a bookmark file.\n\n") +
                                 QDir::toNativeSeparators(file) +
                                 QStringLiteral("\nDetail: Bookmark at byte 0 has a date of unknown type ")),
                 qPrintable(text));
        QCOMPARE(d.completed.count(), 0);
    }
};

QTEST_MAIN(tst_searchdialog)
#include "tst_searchdialog.moc"
