// The main window's span of years, from the congresses present.
#include "core/app/CongressList.h"

#include <QtTest>

using namespace rollscan;

class TestCongressList : public QObject {
    Q_OBJECT
private slots:
    void span_data()
    {
        QTest::addColumn<QList<int>>("house");
        QTest::addColumn<QList<int>>("senate");
        QTest::addColumn<QString>("caption");
        QTest::newRow("sample") << QList<int>{97, 102, 112} << QList<int>{25, 35, 110}
                                << "Roll Call Displays of the U.S. Congress, 1837-2012";
        QTest::newRow("one congress") << QList<int>{106} << QList<int>{}
                                      << "Roll Call Displays of the U.S. Congress, 1999-2000";
        QTest::newRow("first congress") << QList<int>{} << QList<int>{1}
                                        << "Roll Call Displays of the U.S. Congress, 1789-1790";
        QTest::newRow("nothing present") << QList<int>{} << QList<int>{}
                                         << "Roll Call Displays of the U.S. Congress, 1789-2000";
    }
    void span()
    {
        QFETCH(QList<int>, house);
        QFETCH(QList<int>, senate);
        QTEST(CongressSpanCaption(house, senate), "caption");
    }
};

QTEST_APPLESS_MAIN(TestCongressList)
#include "tst_congresslist.moc"
