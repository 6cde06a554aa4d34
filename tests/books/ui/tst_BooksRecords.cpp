#include "books/ui/LedgerFilterDialog.h"
#include "books/ui/NameListDialogs.h"
#include "common/ui/CompareDialog.h"
#include "common/ui/DeleteRecordDialog.h"
#include "tests/books/ui/BooksWindowFixtures.h"
#include "tests/uisupport/WidgetLookup.h"
#include "tests/uisupport/WidgetTestMain.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTableWidget>
#include <QToolButton>

using namespace kiv5;
using namespace kiv5::books;
using namespace kiv5::test;

namespace {

const QString kChangeTitle = "Record Change Warning!";
const QString kChangeText = "Do You Want To Save Your Changes To This Record?";

void Click(QToolButton* button) {
    QVERIFY(button);
    QVERIFY(button->isEnabled());
    QTest::mouseClick(button, Qt::LeftButton);
}

} // namespace

class TestBooksRecords : public QObject {
    Q_OBJECT

private slots:
    void entryFormModes_data() {
        QTest::addColumn<int>("ledger");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("partyLabel");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<bool>("printShown");
        QTest::newRow("income") << int(LedgerId::Income) << "Income/Receipt Entry Form"
                                << "Payor" << QColor(0xC0, 0xDC, 0xC0) << false;
        QTest::newRow("expense") << int(LedgerId::Expense) << "Expense/Disbursement Entry Form"
                                 << "Payee" << QColor(0xFF, 0xF0, 0xFF) << true;
    }
    void entryFormModes() {
        QFETCH(int, ledger);
        QFETCH(QString, caption);
        QFETCH(QString, partyLabel);
        QFETCH(QColor, colour);
        QFETCH(bool, printShown);
        BooksWindowSet files;
        StartedBooksWindow started;
        MakeCurrent(started.window, LedgerId(ledger), 1);
        started.prompts.ExpectDialog(caption, [&](QDialog& dialog) {
            auto& form = AsForm(dialog);
            QVERIFY(LabelTexts(form).contains(partyLabel));
            QCOMPARE(form.findChild<QWidget*>("pnlFields")->palette().color(QPalette::Window),
                     colour);
            QCOMPARE(form.printCheckButton->isVisible(), printShown);
            QCOMPARE(form.printCheckButton->isEnabled(), printShown);
            QVERIFY(!form.saveButton->isEnabled());
            QVERIFY(!form.firstButton->isEnabled());
            QVERIFY(form.nextButton->isEnabled());
            QCOMPARE(form.positionLabel->text(), started.window.Workspace()
                                                     .LedgerOf(LedgerId(ledger))
                                                     .Table()
                                                     .Cell(1, LedgerColumn::Position));
            ClickButton(form, "Close");
        });
        started.window.Records().Display(LedgerId(ledger));
        QVERIFY(started.prompts.VerifyAllAnswered());
    }

    // "Print check" prints what the form shows, saved or not.
    void printCheckTakesTheFormsValues() {
        BooksWindowSet files;
        StartedBooksWindow started;
        std::optional<CheckValues> printed;
        started.window.SetCheckPrinter(
            [&](const CheckValues& values, QWidget*) { printed = values; });
        MakeCurrent(started.window, LedgerId::Expense, 2);
        LedgerEntry shown;
        started.prompts.ExpectDialog("Expense/Disbursement Entry Form", [&](QDialog& dialog) {
            books::ui::LedgerEntryForm& form = AsForm(dialog);
            form.amountEdit->setText(QStringLiteral("1,234.56"));
            form.descriptionEdit->setText(QStringLiteral("Not saved yet"));
            shown = form.Entry();
            QVERIFY(form.printCheckButton->isEnabled());
            Click(form.printCheckButton);
            ClickButton(dialog, "Close");
        });
        started.window.Records().Display(LedgerId::Expense);
        QVERIFY(started.prompts.VerifyAllAnswered());
        QVERIFY(printed);
        QCOMPARE(printed->checkNumber, shown.number);
        QCOMPARE(printed->date, *shown.date);
        QCOMPARE(printed->payee, shown.party);
        QCOMPARE(printed->memo, QString("Not saved yet"));
        QCOMPARE(printed->amount, QString("1,234.56"));
    }

    void formNeedsALinkedClientFile() {
        BooksWindowSet files;
        QFile::remove(files.set.Clients() + "kiv5.pl5");
        StartedBooksWindow started;
        const auto before = files.set.Snapshot();
        started.prompts.ExpectErrorWindow(11160);
        started.window.Records().Add(LedgerId::Income);
        QVERIFY(started.prompts.VerifyAllAnswered());
        QCOMPARE(files.set.Snapshot(), before);
        QCOMPARE(started.window.Workspace().Income().Table().DataRowCount(), 3);
    }

    void addFillsFromClientAndEarlierPayor() {
        BooksWindowSet files;
        StartedBooksWindow started;
        started.prompts.ExpectDialog("Income/Receipt Entry Form", [&](QDialog& dialog) {
            auto& form = AsForm(dialog);
            QCOMPARE(form.numberEdit->text(), QStringLiteral("4"));
            QCOMPARE(form.amountEdit->text(), QStringLiteral("0.00"));
            QVERIFY(form.saveButton->isEnabled());
            form.clientBox->setEditText("Jones, Bob - 7");
            form.LeaveClient();
            QCOMPARE(form.partyBox->currentText(), QStringLiteral("Jones, Bob"));
            form.LeaveParty();
            QCOMPARE(form.amountEdit->text(), QStringLiteral("25.50"));
            QCOMPARE(form.accountBox->currentText(), QStringLiteral("Bank"));
            Click(form.saveButton);
            ClickButton(form, "Close");
        });
        started.window.Records().Add(LedgerId::Income);
        QVERIFY(started.prompts.VerifyAllAnswered());
        const auto stored = ReadAllRecords<IncRec>(files.set.BooksFile("kiv5.inc"));
        QCOMPARE(stored.size(), std::size_t(4));
        QCOMPARE(stored[3].ClientNo, QStringLiteral("7"));
        QCOMPARE(stored[3].Payor, QStringLiteral("Jones, Bob"));
        QCOMPARE(stored[3].Amount, qint64(255000));
    }

    void amountField() {
        BooksWindowSet files;
        StartedBooksWindow started;
        MakeCurrent(started.window, LedgerId::Income, 1);
        started.prompts.ExpectDialog("Income/Receipt Entry Form", [&](QDialog& dialog) {
            auto& form = AsForm(dialog);
            form.amountEdit->setFocus();
            form.amountEdit->clear();
            QTest::keyClicks(form.amountEdit, "12a34.5x");
            QCOMPARE(form.amountEdit->text(), QStringLiteral("1234.5"));
            form.LeaveAmount();
            QCOMPARE(form.amountEdit->text(), QStringLiteral("1,234.50"));
            form.codeEdit->setText("QX");
            QCOMPARE(form.Entry().code, QStringLiteral("Q"));
            form.CloseNow();
        });
        started.window.Records().Display(LedgerId::Income);
        QVERIFY(started.prompts.VerifyAllAnswered());
    }

    void showingARecordMatchesExactly() {
        BooksSetFolder set;
        auto receipts = ThreeReceipts();
        receipts[0].ClientNo = "10";
        receipts[0].Account = "Bank";
        receipts[1].ClientNo = "99";
        receipts[1].Account = "Closed Account";
        set.WriteSet("kiv5", receipts, TwoChecks());
        set.WriteClients({Client("104", "Smith", "Al"), Client("10", "Smith", "Ann")});
        WriteBooksSettings(set);
        StartedBooksWindow started;
        // Rows by date: receipt 2 (row 1), receipt 1 (row 2).
        MakeCurrent(started.window, LedgerId::Income, 2);
        started.prompts.ExpectDialog("Income/Receipt Entry Form", [&](QDialog& dialog) {
            auto& form = AsForm(dialog);
            QCOMPARE(form.clientBox->currentText(), QStringLiteral("Smith, Ann - 10"));
            QCOMPARE(form.accountBox->currentText(), QStringLiteral("Bank"));
            Click(form.priorButton);
            QCOMPARE(form.clientBox->currentText(), QStringLiteral("99"));
            QCOMPARE(form.accountBox->currentText(), QStringLiteral("Closed Account"));
            form.descriptionEdit->setText("edited");
            emit form.Modified();
            Click(form.saveButton);
            ClickButton(form, "Close");
        });
        started.window.Records().Display(LedgerId::Income);
        QVERIFY(started.prompts.VerifyAllAnswered());
        const IncRec saved = ReadAllRecords<IncRec>(set.BooksFile("kiv5.inc"))[1];
        QCOMPARE(saved.Description, QStringLiteral("edited"));
        QCOMPARE(saved.ClientNo, QStringLiteral("99"));
        QCOMPARE(saved.Account, QStringLiteral("Closed Account"));
    }

    void closingAsksToSave_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("saved");
        QTest::newRow("yes saves") << int(QMessageBox::Yes) << true;
        QTest::newRow("no discards") << int(QMessageBox::No) << false;
    }
    void closingAsksToSave() {
        QFETCH(int, answer);
        QFETCH(bool, saved);
        BooksWindowSet files;
        StartedBooksWindow started;
        MakeCurrent(started.window, LedgerId::Expense, 1);
        started.prompts.ExpectDialog("Expense/Disbursement Entry Form", [&](QDialog& dialog) {
            auto& form = AsForm(dialog);
            QTest::keyClicks(form.descriptionEdit, "rent");
            QVERIFY(form.saveButton->isEnabled());
            ClickButton(form, "Close");
            QVERIFY(form.isVisible()); // Cancel kept it open
            ClickButton(form, "Close");
        });
        started.prompts.ExpectQuestion(kChangeTitle, kChangeText, QMessageBox::Cancel)
            .ExpectQuestion(kChangeTitle, kChangeText, QMessageBox::StandardButton(answer));
        started.window.Records().Display(LedgerId::Expense);
        QVERIFY(started.prompts.VerifyAllAnswered());
        QCOMPARE(ReadAllRecords<ExpRec>(files.set.BooksFile("kiv5.exp"))[0].Description,
                 saved ? QStringLiteral("rent") : QString());
    }

    void navigationAsksAboutChanges() {
        BooksWindowSet files;
        StartedBooksWindow started;
        MakeCurrent(started.window, LedgerId::Income, 1);
        started.prompts.ExpectDialog("Income/Receipt Entry Form", [&](QDialog& dialog) {
            auto& form = AsForm(dialog);
            QTest::keyClicks(form.descriptionEdit, "x");
            Click(form.nextButton);
            // Row 2 in date order holds the record at position 1.
            QCOMPARE(form.positionLabel->text(), QStringLiteral("1"));
            Click(form.lastButton);
            QCOMPARE(form.positionLabel->text(), QStringLiteral("3"));
            QVERIFY(!form.nextButton->isEnabled());
            ClickButton(form, "Close");
        });
        started.prompts.ExpectQuestion(kChangeTitle, kChangeText, QMessageBox::No);
        started.window.Records().Display(LedgerId::Income);
        QVERIFY(started.prompts.VerifyAllAnswered());
    }

    void conflictOnSaveShowsTheComparison() {
        BooksWindowSet files;
        StartedBooksWindow started;
        TestContext context;
        context.now = QDateTime::currentDateTime().addDays(1);
        BooksWorkspace other(1044, context);
        files.set.Configure(other);
        other.Open(files.set.BooksFile("kiv5.su5"));
        LedgerEntry theirs = EntryOfRow(other.Income().Table(), 1);
        theirs.description = "theirs";
        other.SaveRecord(LedgerId::Income, 1, theirs);

        MakeCurrent(started.window, LedgerId::Income, 1);
        started.prompts.ExpectDialog("Income/Receipt Entry Form", [&](QDialog& dialog) {
            auto& form = AsForm(dialog);
            QTest::keyClicks(form.descriptionEdit, "mine");
            Click(form.saveButton);
            ClickButton(form, "Close");
        });
        started.prompts.ExpectErrorWindow(11100).ExpectDialog(
            "Income Record Conflict", [](QDialog&) { return kiv5::ui::CompareDialog::KeepRight; });
        started.window.Records().Display(LedgerId::Income);
        QVERIFY(started.prompts.VerifyAllAnswered());
        QCOMPARE(ReadAllRecords<IncRec>(files.set.BooksFile("kiv5.inc"))[1].Description,
                 QStringLiteral("mine"));
    }

    void deleteAsksThenMoves() {
        BooksWindowSet files;
        StartedBooksWindow started;
        MakeCurrent(started.window, LedgerId::Income, 3);
        started.prompts.ExpectQuestion(
            "Delete Warning!", "Are You Sure You Want To Delete This Record?", QMessageBox::No);
        started.window.Records().Delete(LedgerId::Income);
        QCOMPARE(started.window.Workspace().Income().Table().Status(3), QStringLiteral("0"));
        started.prompts.ExpectQuestion(
            "Delete Warning!", "Are You Sure You Want To Delete This Record?", QMessageBox::Yes);
        started.window.Records().Delete(LedgerId::Income);
        QVERIFY(started.prompts.VerifyAllAnswered());
        QCOMPARE(ReadAllRecords<IncRec>(files.set.BooksFile("kiv5.inc"))[2].Status, -2);
        QCOMPARE(started.window.Workspace().Income().CurrentRow, 2);
    }

    void fastFindOpensEachMatch() {
        BooksWindowSet files;
        StartedBooksWindow started;
        started.prompts.ExpectInput("Fast Find", QStringLiteral("smith"))
            .ExpectDialog("Income/Receipt Entry Form",
                          [](QDialog& dialog) {
                              QCOMPARE(AsForm(dialog).partyBox->currentText(),
                                       QStringLiteral("Smith, Ann"));
                              ClickButton(dialog, "Cancel Find");
                          })
            .ExpectInformation("End of Search", "Income Search Complete");
        started.window.Records().FastFind(LedgerId::Income);
        QVERIFY(started.prompts.VerifyAllAnswered());
        QCOMPARE(started.prompts.Asked().first().text,
                 QStringLiteral("Enter the text you wish to search income for"));
    }

    void deleteSelectedWithAll() {
        BooksWindowSet files;
        StartedBooksWindow started;
        started.window.Records().SelectAll(LedgerId::Income, true);
        started.prompts.ExpectDialog("Delete Record Dialog", [](QDialog& dialog) {
            QVERIFY(LabelTexts(static_cast<QWidget&>(dialog))
                        .contains("Do you wish to delete the following record?"));
            dialog.done(kiv5::ui::DeleteRecordDialog::All);
        });
        started.window.Records().DeleteSelected(LedgerId::Income);
        QVERIFY(started.prompts.VerifyAllAnswered());
        for (const IncRec& record : ReadAllRecords<IncRec>(files.set.BooksFile("kiv5.inc"))) {
            QCOMPARE(record.Status, -2);
            QVERIFY(record.Selected);
        }
    }

    void deleteSelectedCancelAtTheSecond() {
        BooksWindowSet files;
        StartedBooksWindow started;
        started.window.Records().SelectAll(LedgerId::Expense, true);
        started.prompts.ExpectDialog("Delete Record Dialog", kiv5::ui::DeleteRecordDialog::Yes)
            .ExpectDialog("Delete Record Dialog", kiv5::ui::DeleteRecordDialog::Cancel);
        started.window.Records().DeleteSelected(LedgerId::Expense);
        QVERIFY(started.prompts.VerifyAllAnswered());
        const auto stored = ReadAllRecords<ExpRec>(files.set.BooksFile("kiv5.exp"));
        QCOMPARE(stored[0].Status, -2);
        QCOMPARE(stored[1].Status, 0);
    }

    void filterDialogAppliesAndCancels() {
        BooksWindowSet files;
        StartedBooksWindow started;
        started.prompts.ExpectDialog("Income Filter Dialog", [](QDialog& dialog) {
            auto& filter = static_cast<books::ui::LedgerFilterDialog&>(dialog);
            QCOMPARE(filter.dateEdit->toolTip(),
                     QStringLiteral("Enter YYYY or MM/YYYY or MM/DD/YYYY"));
            filter.dateEdit->setText("2011");
            dialog.setResult(QDialog::Accepted);
        });
        started.window.Records().SetFilter(LedgerId::Income);
        QVERIFY(started.prompts.VerifyAllAnswered());
        const auto stored = ReadAllRecords<IncRec>(files.set.BooksFile("kiv5.inc"));
        QCOMPARE(stored[1].Status, -1);
        QCOMPARE(started.window.WindowOf(LedgerId::Income)->View().model()->rowCount(), 2);

        // The criteria stay for the next opening.
        started.prompts.ExpectDialog("Income Filter Dialog", [](QDialog& dialog) {
            QCOMPARE(static_cast<books::ui::LedgerFilterDialog&>(dialog).dateEdit->text(),
                     QStringLiteral("2011"));
            dialog.setResult(QDialog::Rejected);
        });
        started.window.Records().SetFilter(LedgerId::Income);
        started.window.Records().CancelFilter(LedgerId::Income);
        QVERIFY(started.prompts.VerifyAllAnswered());
        QCOMPARE(ReadAllRecords<IncRec>(files.set.BooksFile("kiv5.inc"))[1].Status, 0);
        QCOMPARE(started.window.WindowOf(LedgerId::Income)->View().model()->rowCount(), 3);
    }

    // Each typed criterion through the dialog: the receipts 1 "Smith, Ann"
    // 100.00, 2 "Jones, Bob" 25.50 and 3 "Brown, Cy" 1,234.56; the records
    // that fail are stored as hidden (-1), the others stay shown (0).
    void filterDialogCriteria_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("criterion");
        QTest::addColumn<QList<int>>("statuses");
        QTest::newRow("number within") << "number"
                                       << "2" << QList<int>{-1, 0, -1};
        QTest::newRow("payor, any case") << "party"
                                         << "smith" << QList<int>{0, -1, -1};
        QTest::newRow("amount as typed, separators and all") << "amount"
                                                             << "1,234" << QList<int>{-1, -1, 0};
        QTest::newRow("amount cents") << "amount"
                                      << ".50" << QList<int>{-1, 0, -1};
        QTest::newRow("month and year") << "date"
                                        << "2/2011" << QList<int>{0, -1, -1};
        QTest::newRow("full date") << "date"
                                   << "12/5/2010" << QList<int>{-1, 0, -1};
    }
    void filterDialogCriteria() {
        QFETCH(QString, field);
        QFETCH(QString, criterion);
        QFETCH(QList<int>, statuses);
        BooksWindowSet files;
        StartedBooksWindow started;
        started.prompts.ExpectDialog("Income Filter Dialog", [&](QDialog& dialog) {
            auto& filter = static_cast<books::ui::LedgerFilterDialog&>(dialog);
            QLineEdit* edit = field == "number"   ? filter.numberEdit
                              : field == "party"  ? filter.partyEdit
                              : field == "amount" ? filter.amountEdit
                                                  : filter.dateEdit;
            edit->setText(criterion);
            dialog.setResult(QDialog::Accepted);
        });
        started.window.Records().SetFilter(LedgerId::Income);
        QVERIFY(started.prompts.VerifyAllAnswered());
        const auto stored = ReadAllRecords<IncRec>(files.set.BooksFile("kiv5.inc"));
        QList<int> after;
        for (const IncRec& record : stored) {
            after.append(record.Status);
        }
        QCOMPARE(after, statuses);
        QCOMPARE(started.window.WindowOf(LedgerId::Income)->View().model()->rowCount(),
                 int(statuses.count(0)));
    }

    void badFilterDateIsReported() {
        BooksWindowSet files;
        StartedBooksWindow started;
        const auto before = files.set.Snapshot();
        started.prompts
            .ExpectDialog("Expense Filter Dialog",
                          [](QDialog& dialog) {
                              static_cast<books::ui::LedgerFilterDialog&>(dialog).dateEdit->setText(
                                  "13/2011");
                              return QDialog::Accepted;
                          })
            .ExpectInformation("Error",
                               "The filter date \"13/2011\" is not a year (YYYY), a month "
                               "(MM/YYYY) or a date (MM/DD/YYYY); no record was filtered.");
        started.window.Records().SetFilter(LedgerId::Expense);
        QVERIFY(started.prompts.VerifyAllAnswered());
        QCOMPARE(files.set.Snapshot(), before);
    }

    void pickersJoinInListOrder() {
        BooksWindowSet files;
        StartedBooksWindow started;
        started.prompts.ExpectDialog("Income Filter Dialog", [&](QDialog& dialog) {
            auto& filter = static_cast<books::ui::LedgerFilterDialog&>(dialog);
            started.prompts.ExpectDialog("Category Filter List", [](QDialog& picker) {
                auto* list = picker.findChild<QListWidget*>("lstNames");
                list->item(1)->setSelected(true);
                list->item(0)->setSelected(true);
                return QDialog::Accepted;
            });
            filter.PickCategories();
            QCOMPARE(filter.categoryEdit->text(), QStringLiteral("Fees|Rent"));
            started.prompts.ExpectDialog("Account Filter List", QDialog::Accepted);
            filter.PickAccounts();
            QCOMPARE(filter.accountEdit->text(), QString());
            dialog.setResult(QDialog::Rejected);
        });
        started.window.Records().SetFilter(LedgerId::Income);
        QVERIFY(started.prompts.VerifyAllAnswered());
    }

    void accountEditorAddsAndDeletes() {
        BooksSetFolder set;
        set.WriteSet("kiv5", ThreeReceipts(), TwoChecks(), {});
        WriteBooksSettings(set);
        StartedBooksWindow started;
        started.prompts.ExpectDialog("Account Editor", [&](QDialog& dialog) {
            auto& editor = static_cast<books::ui::NameListEditor&>(dialog);
            QCOMPARE(editor.table->rowCount(), 1);
            started.prompts.ExpectInput("Fast Find", QStringLiteral("Trust"));
            editor.AddName();
            QCOMPARE(editor.table->rowCount(), 1);
            started.prompts.ExpectInput("Fast Find", QStringLiteral("Operating"));
            editor.AddName();
            started.prompts.ExpectQuestion("Delete Confirmation!",
                                           "Do You Want To Delete This Record?", QMessageBox::Yes);
            editor.table->setCurrentCell(0, 0);
            editor.DeleteName();
            started.prompts.ExpectQuestion("Delete Confirmation!",
                                           "Do You Want To Delete This Record?", QMessageBox::Yes);
            editor.DeleteName();
            QCOMPARE(editor.Names(), QStringList{"Operating"});
            dialog.setResult(QDialog::Accepted);
        });
        started.window.AccountEditorCommand();
        QVERIFY(started.prompts.VerifyAllAnswered());
        QCOMPARE(ReadTextLines(set.BooksFile("kiv5.acc")), QStringList{"Operating"});
        QCOMPARE(started.window.Workspace().AccountStrList(), QStringList{"Operating"});
    }

    void categoryTypedInTheForm() {
        BooksWindowSet files;
        StartedBooksWindow started;
        MakeCurrent(started.window, LedgerId::Income, 1);
        started.prompts.ExpectDialog("Income/Receipt Entry Form", [&](QDialog& dialog) {
            auto& form = AsForm(dialog);
            form.categoryBox->setEditText("Travel");
            form.LeaveCategory();
            QVERIFY(form.categoryBox->findText("Travel") >= 0);
            form.CloseNow();
        });
        started.window.Records().Display(LedgerId::Income);
        QVERIFY(started.prompts.VerifyAllAnswered());
        QCOMPARE(ReadTextLines(files.set.BooksFile("kiv5.cat")),
                 (QStringList{"Fees", "Rent", "Travel"}));
    }
};

KIV5_WIDGET_TEST_MAIN(TestBooksRecords)
#include "tst_BooksRecords.moc"
