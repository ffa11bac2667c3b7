// The roll-call list and the queue in columns: congress, roll call and date before each line, for
// sets with dates and for sets without texts or dates; the lines stay the items' texts.
#include "support/GuiTestSupport.h"
#include "support/SearchFixture.h"

#include "core/search/RollCallSearch.h"
#include "core/search/SelectionQueue.h"
#include "gui/search/RollCallListColumns.h"
#include "gui/search/frmKeyword.h"
#include "gui/search/frmViewCalls.h"

#include <QHeaderView>
#include <QPushButton>
#include <QStandardItemModel>

#include <memory>

using namespace rollscan;
using namespace rollscan::test;

namespace {
QStringList Row(const QListWidget *list, int i)
{
    const ListColumns c = RollCallListColumns::ColumnsOf(list->item(i));
    return {c.congress, c.rollCall, c.date, c.line};
}
} // namespace

class tst_listcolumns : public QObject {
    Q_OBJECT

private slots:
    void columns_data();
    void columns();
};

void tst_listcolumns::columns_data()
{
    QTest::addColumn<bool>("dated");
    QTest::newRow("with dates and texts") << true;
    QTest::newRow("counts only") << false;
}

void tst_listcolumns::columns()
{
    QFETCH(bool, dated);
    SearchTree tree;
    tree.session.selectedCongresses = {97, 98};
    RunSearch(tree.session, {});
    if (!dated) {
        // What a counts-only source gives: no description and no date.
        for (MatchRow &row : tree.session.MatchTable.rows()) {
            row.description.clear();
            row.date = TaggedDate::FromText(QString());
        }
    }
    frmKeyword keyword(tree.services);
    auto list = std::make_unique<frmViewCalls>(tree.session, tree.services, keyword);
    list->setAttribute(Qt::WA_DeleteOnClose, false);
    list->show();
    QVERIFY(QTest::qWaitForWindowExposed(list.get()));

    auto *header = list->findChild<QHeaderView *>(QStringLiteral("lstRollCallsHeader"));
    QVERIFY(header);
    QVERIFY(header->isVisible());
    QStringList captions;
    for (int c = 0; c < header->count(); ++c)
        captions.append(header->model()->headerData(c, Qt::Horizontal).toString());
    QCOMPARE(captions, (QStringList{"Congress", "Roll call", "Date", "Yea-Nay and description"}));

    QCOMPARE(list->lstRollCalls->count(), 7);
    if (dated) {
        QCOMPARE(Row(list->lstRollCalls, 0),
                 (QStringList{"97", "1", ShortDate(1981, 1, 5), "234-190\tTO PASS H.R. 1 TAX CUT"}));
        QCOMPARE(Row(list->lstRollCalls, 6), (QStringList{"98", "2", ShortDate(1983, 6, 2), "310-95\tTAX REFORM"}));
    } else {
        QCOMPARE(Row(list->lstRollCalls, 0), (QStringList{"97", "1", "", "234-190\t"}));
        // Every row is told apart by its congress and roll call, even with no text to show.
        QSet<QString> keys;
        for (int i = 0; i < list->lstRollCalls->count(); ++i)
            keys.insert(Row(list->lstRollCalls, i).mid(0, 2).join(QLatin1Char(':')));
        QCOMPARE(keys.size(), 7);
    }
    // The queue shows the same columns; its texts stay the list lines.
    list->lstRollCalls->setCurrentRow(6);
    list->lstRollCalls->item(6)->setSelected(true);
    list->btnAdd->click();
    QCOMPARE(tree.session.queue.length(), 1);
    QCOMPARE(Row(list->lstSelected, 0).mid(0, 2), (QStringList{"98", "2"}));
    QCOMPARE(list->lstSelected->item(0)->text(), tree.session.queue.lines().at(0));
    // The number columns leave room for their captions.
    QVERIFY(header->sectionSize(0) >= header->fontMetrics().horizontalAdvance(QStringLiteral("Congress")));
    SaveScreenshot(list.get(), dated ? QStringLiteral("listcolumns_dated") : QStringLiteral("listcolumns_counts_only"));
}

QTEST_MAIN(tst_listcolumns)
#include "tst_listcolumns.moc"
