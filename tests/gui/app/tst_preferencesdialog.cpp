// The preferences dialog: what Done, Save and Cancel do to the settings and to "rollscan.prf".
#include "support/GuiTestSupport.h"
#include "support/TreeBuilder.h"

#include "core/app/Session.h"
#include "core/data/FileIO.h"
#include "gui/app/PaletteColour.h"
#include "gui/app/frmPreferences.h"
#include "support/RecordingServices.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace rollscan;
using rollscan::test::TreeBuilder;

class TestPreferencesDialog : public QObject {
    Q_OBJECT

private slots:
    void init();
    void loadShowsSettings();
    void colourChoiceColoursItsLabel();
    void doneAppliesWithoutWriting_data();
    void doneAppliesWithoutWriting();
    void saveWritesTheFileKeepingReservedBytes();
    void cancelChangesNothing();
    void saveFailureIsReported();

private:
    QTemporaryDir m_dir;
    std::unique_ptr<Session> m_session;
    RecordingServices m_services;
    QByteArray m_original;
    QString prf() const { return m_dir.path() + QStringLiteral("/rollscan.prf"); }
};

void TestPreferencesDialog::init()
{
    QVERIFY(m_dir.isValid());
    TreeBuilder tree(m_dir.path());
    Preferences p = TreeBuilder::standardPreferences();
    QByteArray raw = p.bytes();
    for (int i = 0; i < 60; ++i) // reserved bytes with content a rewrite must keep
        raw[i] = char('A' + i % 26);
    raw[74] = 3; // background colour, shown but never edited
    WriteWholeFile(prf(), raw);
    m_original = raw;
    m_session = std::make_unique<Session>(m_dir.path());
    m_session->Preferences = Preferences::Read(prf());
    m_services.clearRecords();
}

void TestPreferencesDialog::loadShowsSettings()
{
    frmPreferences dialog(*m_session, m_services);
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Rollscan Preferences"));
    QCOMPARE(dialog.cmbYeaColor->count(), 16);
    QCOMPARE(dialog.cmbYeaColor->itemText(12), QStringLiteral("Light Red"));
    QCOMPARE(dialog.cmbYeaColor->currentText(), QStringLiteral("Light Blue"));
    QCOMPARE(dialog.cmbNayColor->currentText(), QStringLiteral("Light Red"));
    QCOMPARE(dialog.cmbNAcolor->currentText(), QStringLiteral("Gray"));
    QCOMPARE(dialog.cmbYNSenColor->currentText(), QStringLiteral("Yellow"));
    QVERIFY(dialog.optIdeological->isChecked());
    QVERIFY(dialog.optHouse->isChecked());
    QVERIFY(!dialog.chkCase->isChecked());
    QCOMPARE(dialog.cmbBackColor->currentIndex(), 3);
    QVERIFY(!test::SaveScreenshot(&dialog, QStringLiteral("frmPreferences")).isEmpty());
}

void TestPreferencesDialog::colourChoiceColoursItsLabel()
{
    frmPreferences dialog(*m_session, m_services);
    auto *label = dialog.findChild<QLabel *>(QStringLiteral("lblYeaColor"));
    QVERIFY(label);
    QCOMPARE(label->text(), QStringLiteral("&Yea Vote"));
    QCOMPARE(label->palette().color(QPalette::WindowText), PaletteColour(9));
    dialog.cmbYeaColor->setCurrentIndex(12);
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(255, 0, 0));
}

void TestPreferencesDialog::doneAppliesWithoutWriting_data()
{
    QTest::addColumn<bool>("us");
    QTest::addColumn<bool>("lowerCase");
    QTest::addColumn<bool>("senate");
    QTest::addColumn<char>("display");
    QTest::addColumn<char>("tokenCase");
    QTest::newRow("US map, lower case, Senate") << true << true << true << 'u' << 'l';
    QTest::newRow("ideological, as stored, House") << false << false << false << 'i' << 'u';
}

void TestPreferencesDialog::doneAppliesWithoutWriting()
{
    QFETCH(bool, us);
    QFETCH(bool, lowerCase);
    QFETCH(bool, senate);
    QFETCH(char, display);
    QFETCH(char, tokenCase);
    auto *dialog = new frmPreferences(*m_session, m_services);
    dialog->show();
    dialog->cmbYeaColor->setCurrentIndex(12);
    dialog->cmbNoMatch->setCurrentIndex(11);
    (us ? dialog->optUS : dialog->optIdeological)->setChecked(true);
    dialog->chkCase->setChecked(lowerCase);
    (senate ? dialog->optSenate : dialog->optHouse)->setChecked(true);
    QTest::mouseClick(dialog->btnOK, Qt::LeftButton);

    const Preferences &p = m_session->Preferences;
    QCOMPARE(p.yeaColour(), 12);
    QCOMPARE(p.noMatchColour(), 11);
    QCOMPARE(p.nayColour(), 12); // untouched choices keep their value
    QCOMPARE(p.displayKind(), QChar::fromLatin1(display));
    QCOMPARE(p.tokenCase(), QChar::fromLatin1(tokenCase));
    QCOMPARE(p.startWithHouse(), !senate);
    QCOMPARE(ReadWholeFile(prf()), m_original); // Done does not write the file
}

void TestPreferencesDialog::saveWritesTheFileKeepingReservedBytes()
{
    auto *dialog = new frmPreferences(*m_session, m_services);
    dialog->show();
    dialog->cmbYeaColor->setCurrentIndex(12);
    dialog->optSenate->setChecked(true);
    dialog->cmbBackColor->setCurrentIndex(15); // previewed only, never stored
    QTest::mouseClick(dialog->btnSave, Qt::LeftButton);

    const QByteArray written = ReadWholeFile(prf());
    QCOMPARE(written.size(), 270);
    QCOMPARE(written.mid(62, 4), QByteArray("\x0c\x00\x00\x00", 4));
    QCOMPARE(written.mid(124, 2), QByteArray("\x00\x00", 2));
    QCOMPARE(written.left(60), m_original.left(60));
    QCOMPARE(written.mid(74, 4), m_original.mid(74, 4));
    QCOMPARE(written.mid(160), m_original.mid(160));
    QVERIFY(m_services.messages.isEmpty());
}

void TestPreferencesDialog::cancelChangesNothing()
{
    const Preferences before = m_session->Preferences;
    auto *dialog = new frmPreferences(*m_session, m_services);
    dialog->show();
    dialog->cmbYeaColor->setCurrentIndex(0);
    dialog->chkCase->setChecked(true);
    QTest::mouseClick(dialog->btnCancel, Qt::LeftButton);
    QCOMPARE(m_session->Preferences, before);
    QCOMPARE(ReadWholeFile(prf()), m_original);
}

void TestPreferencesDialog::saveFailureIsReported()
{
    // A folder where the file should be makes the write fail.
    QVERIFY(QFile::remove(prf()));
    QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("rollscan.prf")));
    auto *dialog = new frmPreferences(*m_session, m_services);
    dialog->show();
    dialog->cmbYeaColor->setCurrentIndex(4);
    QTest::mouseClick(dialog->btnSave, Qt::LeftButton);
    QCOMPARE(m_services.errorTexts().size(), 1);
    QVERIFY(m_services.errorTexts().first().startsWith(QStringLiteral("An error (")));
    QVERIFY(m_services.errorTexts().first().endsWith(QStringLiteral(") has occurred while saving preferences.")));
    QCOMPARE(m_session->Preferences.yeaColour(), 4); // the choices stay in force for this run
    QVERIFY(dialog->isVisible());                    // and the window stays open for another try
    delete dialog;
    QVERIFY(QDir(m_dir.path()).rmdir(QStringLiteral("rollscan.prf")));
}

QTEST_MAIN(TestPreferencesDialog)
#include "tst_preferencesdialog.moc"
