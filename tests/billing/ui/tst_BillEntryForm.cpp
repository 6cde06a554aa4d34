#include "billing/ui/BillEntryForm.h"
#include "common/ui/CompareDialog.h"
#include "tests/billing/ui/BillingWindowFixtures.h"
#include "tests/uisupport/WidgetLookup.h"
#include "tests/uisupport/WidgetTestMain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QToolButton>

using namespace kiv5;
using namespace kiv5::billing;
using namespace kiv5::test;
using kiv5::billing::ui::BillEntryForm;

namespace {

const QString kChangeTitle = "Record Change Warning!";
const QString kChangeText = "Do You Want To Save Your Changes To This Record?";

// In the order shown.
const QStringList kClients = {"Jones, Bob - 7", "Smith, Al - 104", "Smith, Ann - 10"};

QStringList Shorthand() {
    QStringList texts(12);
    texts[0] = "Telephone conference with client";
    texts[2] = "Review of file";
    return texts;
}

BillEntry SmithEntry() {
    BillEntry entry;
    entry.client = "10";
    entry.fullName = "Smith, Ann";
    entry.lastBill = Day(2011, 1, 31);
    entry.balanceForward = "120.00";
    entry.description[0] = "Retainer";
    entry.amount[0] = "5,000.00";
    entry.note = "First line\nSecond line";
    entry.interest = true;
    entry.interestRate = "8";
    entry.recNo = "1";
    return entry;
}

} // namespace

class TestBillEntryForm : public QObject {
    Q_OBJECT

private slots:
    // The form by itself.

    void showsABillAndGivesItBack() {
        BillEntryForm form(kClients, Shorthand(), ErrorSink());
        QCOMPARE(form.windowTitle(), QStringLiteral("Billing Entry Form"));
        form.ShowBill(SmithEntry(), "Smith, Ann - 10");
        QCOMPARE(form.clientBox->currentText(), QStringLiteral("Smith, Ann - 10"));
        QCOMPARE(form.clientBox->currentIndex(), 2);
        QCOMPARE(form.recordNumberLabel->text(), QStringLiteral("1"));
        QCOMPARE(form.lastBillEdit->date(), QDate(2011, 1, 31));
        QVERIFY(form.interestBox->isChecked());
        QCOMPARE(form.noteEdit->toPlainText(), QStringLiteral("First line\nSecond line"));
        const BillEntry entry = form.Entry();
        QVERIFY(!entry.clientEdited);
        QCOMPARE(entry.fullName, QStringLiteral("Smith, Ann"));
        QCOMPARE(entry.lastBill, std::optional<DayCount>(Day(2011, 1, 31)));
        QCOMPARE(entry.amount[0], QStringLiteral("5,000.00"));
        QCOMPARE(entry.note, QStringLiteral("First line\nSecond line"));
        QCOMPARE(entry.interestRate, QStringLiteral("8"));
    }

    void aClientNotListedShowsAsStoredUntilEdited() {
        BillEntryForm form(kClients, Shorthand(), ErrorSink());
        BillEntry entry = SmithEntry();
        entry.client = "1";
        form.ShowBill(entry, QString());
        QCOMPARE(form.clientBox->currentIndex(), -1);
        QCOMPARE(form.clientBox->currentText(), QStringLiteral("1"));
        QVERIFY(!form.Entry().clientEdited);
        form.clientBox->setCurrentIndex(0);
        QVERIFY(form.Entry().clientEdited);
        QCOMPARE(form.Entry().client, QStringLiteral("Jones, Bob - 7"));
    }

    void aBillWithoutADateGivesNone() {
        BillEntryForm form(kClients, Shorthand(), ErrorSink());
        BillEntry entry = SmithEntry();
        entry.lastBill.reset();
        form.ShowBill(entry, "Smith, Ann - 10");
        QVERIFY(!form.Entry().lastBill);
        form.lastBillEdit->setDate(QDate(2011, 5, 1));
        QCOMPARE(form.Entry().lastBill, std::optional<DayCount>(Day(2011, 5, 1)));
    }

    void leavingTheRateOrTheBalance_data() {
        QTest::addColumn<QString>("rate");
        QTest::addColumn<QString>("balance");
        QTest::addColumn<QList<int>>("codes");
        QTest::addColumn<QString>("shownBalance");
        QTest::newRow("fraction") << "0.5"
                                  << "12" << QList<int>{9999} << "12.00";
        QTest::newRow("zero") << "0"
                              << "1234.5" << QList<int>{} << "1,234.50";
        QTest::newRow("eight") << "8"
                               << "-3" << QList<int>{} << "-3.00";
        QTest::newRow("bad balance") << "8"
                                     << "1.2.3" << QList<int>{21202} << "0.00";
    }
    void leavingTheRateOrTheBalance() {
        QFETCH(QString, rate);
        QFETCH(QString, balance);
        QFETCH(QList<int>, codes);
        QFETCH(QString, shownBalance);
        ErrorRecorder errors;
        BillEntryForm form(kClients, Shorthand(), errors);
        form.ShowBill(SmithEntry(), "Smith, Ann - 10");
        form.rateEdit->setText(rate);
        form.balanceEdit->setText(balance);
        form.LeaveMoney();
        QCOMPARE(errors.codes, codes);
        QCOMPARE(form.balanceEdit->text(), shownBalance);
        // The rate stays as typed.
        QCOMPARE(form.rateEdit->text(), rate);
    }

    void moneyFieldsTakeOnlyDigitsPointAndMinus() {
        BillEntryForm form(kClients, Shorthand(), ErrorSink());
        form.show();
        QTest::keyClicks(form.balanceEdit, "1a2$.5-x");
        QCOMPARE(form.balanceEdit->text(), QStringLiteral("12.5-"));
        QTest::keyClicks(form.rateEdit, "7,5");
        QCOMPARE(form.rateEdit->text(), QStringLiteral("75"));
        // Descriptions take anything.
        QTest::keyClicks(form.descriptionEdits[0], "a$1");
        QCOMPARE(form.descriptionEdits[0]->text(), QStringLiteral("a$1"));
    }

    void leavingTheClientFillsAnEmptyFullName() {
        BillEntryForm form(kClients, Shorthand(), ErrorSink());
        BillEntry entry = SmithEntry();
        entry.fullName.clear();
        form.ShowBill(entry, "Smith, Ann - 10");
        form.clientBox->setCurrentIndex(1);
        form.LeaveClient();
        QCOMPARE(form.fullNameEdit->text(), QStringLiteral("Smith, Al"));
        form.clientBox->setCurrentIndex(0);
        form.LeaveClient();
        QCOMPARE(form.fullNameEdit->text(), QStringLiteral("Smith, Al"));
    }

    void functionKeysPutShorthandIntoADescription_data() {
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::newRow("F1 in line 1") << 0 << int(Qt::Key_F1) << "Telephone conference with client";
        QTest::newRow("F3 in line 2") << 1 << int(Qt::Key_F3) << "Review of file";
        QTest::newRow("F2 in line 10 (empty)") << 9 << int(Qt::Key_F2) << "";
        QTest::newRow("F12 (empty)") << 4 << int(Qt::Key_F12) << "";
    }
    void functionKeysPutShorthandIntoADescription() {
        QFETCH(int, line);
        QFETCH(int, key);
        QFETCH(QString, text);
        BillEntryForm form(kClients, Shorthand(), ErrorSink());
        form.ShowBill(SmithEntry(), "Smith, Ann - 10");
        form.descriptionEdits[line]->setText("typed");
        QSignalSpy modified(&form, &BillEntryForm::Modified);
        QSignalSpy saved(&form, &BillEntryForm::SaveClicked);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        form.descriptionEdits[line]->setFocus();
        QTest::keyClick(form.descriptionEdits[line], Qt::Key(key));
        QCOMPARE(form.descriptionEdits[line]->text(), text);
        QCOMPARE(modified.count(), 1);
        QCOMPARE(saved.count(), 0);
    }

    void f2OutsideADescriptionSaves() {
        BillEntryForm form(kClients, Shorthand(), ErrorSink());
        form.ShowBill(SmithEntry(), "Smith, Ann - 10");
        form.UpdateButtons(false, false, true);
        QSignalSpy saved(&form, &BillEntryForm::SaveClicked);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        form.fullNameEdit->setFocus();
        QTest::keyClick(form.fullNameEdit, Qt::Key_F2);
        QCOMPARE(saved.count(), 1);
        QCOMPARE(form.descriptionEdits[0]->text(), QStringLiteral("Retainer"));
    }

    void doubleClickOnAPathAsksToBrowse() {
        BillEntryForm form(kClients, Shorthand(), ErrorSink());
        QSignalSpy browse(&form, &BillEntryForm::BrowsePathRequested);
        form.show();
        QTest::mouseDClick(form.pathEdits[3], Qt::LeftButton);
        QCOMPARE(browse.count(), 1);
        QCOMPARE(browse.first().first().toInt(), 3);
        form.SetPath(3, "/x/IS/smith.is5");
        QCOMPARE(form.Entry().isPath[3], QStringLiteral("/x/IS/smith.is5"));
    }

    void tabsBecomeBlanks() {
        BillEntryForm form(kClients, Shorthand(), ErrorSink());
        form.ShowBill(SmithEntry(), "Smith, Ann - 10");
        form.noteEdit->setPlainText("a\tb");
        QCOMPARE(form.Entry().note, QStringLiteral("a b"));
        form.noteEdit->setPlainText(QString(300, QLatin1Char('n')));
        QCOMPARE(form.Entry().note.size(), 255);
    }

    // The form in the main window.

    void displayShowsTheCurrentBillWithTheExactClient() {
        BillingWindowFiles files;
        StartedQuenbyWindow started;
        MakeCurrent(started.window, RowOfName(started.window, "Smith, Ann"));
        started.prompts.ExpectDialog("Billing Entry Form", [](QDialog& dialog) {
            BillEntryForm& form = AsForm(dialog);
            // "10" is not "104": the exact number is chosen.
            QCOMPARE(form.clientBox->currentText(), QStringLiteral("Smith, Ann - 10"));
            QCOMPARE(form.fullNameEdit->text(), QStringLiteral("Smith, Ann"));
            QCOMPARE(form.balanceEdit->text(), QStringLiteral("120.00"));
            QCOMPARE(form.recordNumberLabel->text(), QStringLiteral("1"));
            QVERIFY(!form.saveButton->isEnabled());
            form.close();
        });
        started.window.Actions().Display->trigger();
        QVERIFY(started.prompts.VerifyAllAnswered());
    }

    void theFormNeedsAClientFile() {
        BillingWindowFiles files(false);
        StartedQuenbyWindow started;
        MakeCurrent(started.window, 1);
        started.prompts.ExpectErrorWindow(11150);
        started.window.Actions().Display->trigger();
        QVERIFY(started.prompts.VerifyAllAnswered());
    }

    void saveWritesTheBillAndItMovesToItsPlace() {
        BillingWindowFiles files;
        StartedQuenbyWindow started;
        auto& window = started.window;
        MakeCurrent(window, RowOfName(window, "Smith, Ann"));
        started.prompts.ExpectDialog("Billing Entry Form", [&window](QDialog& dialog) {
            BillEntryForm& form = AsForm(dialog);
            form.fullNameEdit->setText("Adams, Ann");
            emit form.fullNameEdit->textEdited("Adams, Ann");
            QVERIFY(form.saveButton->isEnabled());
            form.saveButton->click();
            QVERIFY(!form.saveButton->isEnabled());
            // The bill is current in its new place.
            QCOMPARE(window.Workspace().CurrentRow(), 1);
            QCOMPARE(form.recordNumberLabel->text(), QStringLiteral("1"));
            // Saving again without another user never shows the comparison.
            form.balanceEdit->setText("130");
            emit form.balanceEdit->textEdited("130");
            form.saveButton->click();
            form.close();
        });
        window.Actions().Display->trigger();
        QVERIFY(started.prompts.VerifyAllAnswered());
        const TBillRec stored = files.folder.StoredBill(1);
        QCOMPARE(stored.FullName, QStringLiteral("Adams, Ann"));
        QCOMPARE(stored.BalanceForward, qint64(130) * 10000);
        QCOMPARE(stored.ClientNo, QStringLiteral("10"));
        QCOMPARE(ShownNames(window), (QStringList{"Adams, Ann", "Brown, Cy", "Jones, Bob"}));
    }

    void aConflictAsksWhichVersionStays_data() {
        QTest::addColumn<int>("choice");
        QTest::addColumn<QString>("storedName");
        QTest::addColumn<QString>("formName");
        QTest::newRow("keep stored") << kiv5::ui::CompareDialog::KeepLeft << "Smith, Other"
                                     << "Smith, Other";
        QTest::newRow("keep edited") << kiv5::ui::CompareDialog::KeepRight << "Smith, Mine"
                                     << "Smith, Mine";
        QTest::newRow("cancel") << kiv5::ui::CompareDialog::Cancelled << "Smith, Other"
                                << "Smith, Other";
    }
    void aConflictAsksWhichVersionStays() {
        QFETCH(int, choice);
        QFETCH(QString, storedName);
        QFETCH(QString, formName);
        BillingWindowFiles files;
        StartedQuenbyWindow started;
        auto& window = started.window;
        // Another user saves Smith's bill after this window read it.
        TBillRec other = files.folder.StoredBill(1);
        other.FullName = "Smith, Other";
        other.PostTime = other.PullTime = Day(2020, 1, 1);
        files.folder.StoreBill(other);
        MakeCurrent(window, RowOfName(window, "Smith, Ann"));
        QString shownName;
        started.prompts
            .ExpectDialog("Billing Entry Form",
                          [&shownName](QDialog& dialog) {
                              BillEntryForm& form = AsForm(dialog);
                              form.fullNameEdit->setText("Smith, Mine");
                              emit form.fullNameEdit->textEdited("Smith, Mine");
                              form.saveButton->click();
                              shownName = form.fullNameEdit->text();
                              form.CloseNow();
                          })
            .ExpectErrorWindow(11100)
            .ExpectDialog("Income Record Conflict", choice);
        window.Actions().Display->trigger();
        QVERIFY(started.prompts.VerifyAllAnswered());
        const TBillRec stored = files.folder.StoredBill(1);
        QCOMPARE(stored.FullName, storedName);
        QCOMPARE(shownName, formName);
        if (choice == kiv5::ui::CompareDialog::KeepRight) {
            // Fresh stamps: the other user's next save is a conflict.
            QVERIFY(stored.PostTime > Day(2020, 1, 1));
            QCOMPARE(stored.PullTime, stored.PostTime);
        } else {
            QCOMPARE(stored.PostTime, Day(2020, 1, 1));
        }
        QVERIFY(ShownNames(window).contains(storedName));
    }

    void movingOnAsksAboutChanges_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("stored");
        QTest::newRow("cancel") << int(QMessageBox::Cancel) << "Brown, Changed"
                                << "Brown, Cy";
        QTest::newRow("no") << int(QMessageBox::No) << "Jones, Bob"
                            << "Brown, Cy";
        QTest::newRow("yes") << int(QMessageBox::Yes) << "Jones, Bob"
                             << "Brown, Changed";
    }
    void movingOnAsksAboutChanges() {
        QFETCH(int, answer);
        QFETCH(QString, shown);
        QFETCH(QString, stored);
        BillingWindowFiles files;
        StartedQuenbyWindow started;
        auto& window = started.window;
        MakeCurrent(window, RowOfName(window, "Brown, Cy"));
        QString shownAfter;
        started.prompts
            .ExpectDialog("Billing Entry Form",
                          [&shownAfter](QDialog& dialog) {
                              BillEntryForm& form = AsForm(dialog);
                              QVERIFY(!form.priorButton->isEnabled());
                              QVERIFY(form.nextButton->isEnabled());
                              form.fullNameEdit->setText("Brown, Changed");
                              emit form.fullNameEdit->textEdited("Brown, Changed");
                              form.nextButton->click();
                              shownAfter = form.fullNameEdit->text();
                              form.CloseNow();
                          })
            .ExpectQuestion(kChangeTitle, kChangeText, QMessageBox::StandardButton(answer));
        window.Actions().Display->trigger();
        QVERIFY(started.prompts.VerifyAllAnswered());
        QCOMPARE(shownAfter, shown);
        QCOMPARE(files.folder.StoredBill(3).FullName, stored);
    }

    void addWritesABlankBillAtOnce() {
        BillingWindowFiles files;
        StartedQuenbyWindow started;
        auto& window = started.window;
        started.prompts
            .ExpectDialog("Billing Entry Form",
                          [](QDialog& dialog) {
                              BillEntryForm& form = AsForm(dialog);
                              QCOMPARE(form.recordNumberLabel->text(), QStringLiteral("4"));
                              QVERIFY(form.saveButton->isEnabled());
                              QCOMPARE(form.balanceEdit->text(), QStringLiteral("0.00"));
                              form.close();
                          })
            .ExpectQuestion(kChangeTitle, kChangeText, QMessageBox::No);
        window.Actions().Add->trigger();
        QVERIFY(started.prompts.VerifyAllAnswered());
        QCOMPARE(BillingFolder::Read(files.folder.DataFile()).size(), 4 * 2416);
        const TBillRec blank = files.folder.StoredBill(4);
        QCOMPARE(blank.RecNo, 4);
        QCOMPARE(blank.Status, 0);
        QVERIFY(!blank.Interest);
        QCOMPARE(blank.FullName, QString());
    }

    void aStatementPathOver128CharactersIsRefused() {
        BillingWindowFiles files;
        StartedQuenbyWindow started;
        MakeCurrent(started.window, 1);
        const QString chosen = files.folder.Bills() + QString(130, QLatin1Char('p')) + ".is5";
        QString kept;
        started.prompts
            .ExpectDialog("Billing Entry Form",
                          [&kept](QDialog& dialog) {
                              BillEntryForm& form = AsForm(dialog);
                              emit form.BrowsePathRequested(0);
                              kept = form.Entry().isPath[0];
                              form.CloseNow();
                          })
            .ExpectOpenFile("Attach Itemized Statement Dialog", chosen)
            .ExpectQuestion("Attach Itemized Statement Dialog",
                            "The path of this file is longer than 128 characters and cannot be "
                            "stored in the bill:\n" +
                                chosen,
                            QMessageBox::Ok);
        started.window.Actions().Display->trigger();
        QVERIFY(started.prompts.VerifyAllAnswered());
        QCOMPARE(kept, QString());
    }

    void browsingAStatementPath() {
        BillingWindowFiles files;
        StartedQuenbyWindow started;
        MakeCurrent(started.window, 1);
        const QString chosen = files.folder.Bills() + "brown.is5";
        started.prompts
            .ExpectDialog("Billing Entry Form",
                          [](QDialog& dialog) {
                              BillEntryForm& form = AsForm(dialog);
                              emit form.BrowsePathRequested(2);
                              QVERIFY(form.saveButton->isEnabled());
                              QVERIFY(form.Entry().isPath[2].endsWith("brown.is5"));
                              form.CloseNow();
                          })
            .ExpectOpenFile("Attach Itemized Statement Dialog", chosen);
        started.window.Actions().Display->trigger();
        QVERIFY(started.prompts.VerifyAllAnswered());
        const kiv5::ui::FileDialogRequest& asked = started.prompts.Asked().at(1).file;
        QCOMPARE(asked.fileName, QStringLiteral("*.is5"));
        QCOMPARE(asked.folder, files.folder.Bills());
    }
};

KIV5_WIDGET_TEST_MAIN(TestBillEntryForm)
#include "tst_BillEntryForm.moc"
