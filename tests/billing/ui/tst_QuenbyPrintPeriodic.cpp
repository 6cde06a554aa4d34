// "Print Periodic Billing": the checks before any question, the next-period
// file's dialogs and question, the date dialog, and what is written.

#include "billing/core/TBillRec.h"
#include "common/ui/SelectDateDialog.h"
#include "tests/billing/ui/QuenbyPrintFixtures.h"
#include "tests/uisupport/WidgetLookup.h"
#include "tests/uisupport/WidgetTestMain.h"

#include <QDateEdit>
#include <QDir>

using namespace kiv5;
using namespace kiv5::billing;
using namespace kiv5::test;

namespace {

const QString kTitle = "Print Periodic Billing";
const QString kSaveTitle = "Create Next Periodic Billing File";

std::vector<TBillRec> StoredBills(const QString& path) {
    return ReadAllRecords<TBillRec>(path);
}

// Answers the date dialog with a date, after noting what it showed.
struct DateAnswer {
    explicit DateAnswer(QDate answer) : date(answer) {}

    QDate date;
    QString shownText;
    QDate shownDate;

    auto Handler() {
        return [this](QDialog& dialog) {
            shownText = static_cast<kiv5::ui::SelectDateDialog&>(dialog).Text();
            auto* edit = FindNamed<QDateEdit>(dialog, "dtpDate");
            shownDate = edit->date();
            if (date.isValid()) {
                edit->setDate(date);
                ClickButton(dialog, "OK");
            } else {
                ClickButton(dialog, "Cancel");
            }
        };
    }
};

} // namespace

class TestQuenbyPrintPeriodic : public QObject {
    Q_OBJECT

private slots:
    // The marked bills, in table order, dated with the chosen date, and the
    // next period's file with each carried forward.
    void printsMarkedBillsAndWritesNextFile() {
        PrintFiles files;
        PrintWindow print;
        const QString next = files.folder.Bills() + "april.qy5";
        const QByteArray open = BillingFolder::Read(files.folder.DataFile());
        DateAnswer date{QDate(2011, 3, 31)};
        print.prompts.ExpectSaveFile(kSaveTitle, next)
            .ExpectDialog("Select Date Dialog", date.Handler())
            .ExpectInformation(kTitle, "2 bills printed; the next period's bills are in " +
                                           files.folder.Bills() + "april.bil.");

        QVERIFY(print.window.Actions().PeriodicBilling->isEnabled());
        print.window.Actions().PeriodicBilling->trigger();

        QVERIFY(print.prompts.VerifyAllAnswered());
        const kiv5::ui::FileDialogRequest request = print.prompts.Asked().first().file;
        QCOMPARE(request.folder, files.folder.Bills());
        QCOMPARE(request.fileName, QString());
        QCOMPARE(request.filter, QStringLiteral("Quenby5 Files|*.qy5"));
        QCOMPARE(request.defaultExtension, QStringLiteral("qy5"));
        QCOMPARE(date.shownText, QStringLiteral("Select the date for these bills."));
        QCOMPARE(date.shownDate, kPrintDay);

        const QString text = files.DocumentText();
        QVERIFY(text.contains("March 31, 2011"));
        QVERIFY(text.contains("Drafting"));
        QVERIFY(text.contains("Brown"));
        QVERIFY(!text.contains("Jones"));
        QVERIFY(text.indexOf("Brown") < text.indexOf("Smith"));

        const std::vector<TBillRec> carried = StoredBills(files.folder.DataFile("april"));
        QCOMPARE(carried.size(), std::size_t(2));
        QCOMPARE(carried[0].FullName, QStringLiteral("Brown, Cy"));
        QCOMPARE(carried[1].FullName, QStringLiteral("Smith, Ann"));
        for (std::size_t k = 0; k < carried.size(); ++k) {
            QCOMPARE(carried[k].RecNo, qint32(k + 1));
            QCOMPARE(carried[k].LastBill, Day(2011, 3, 31));
            QVERIFY(carried[k].Selected);
            QCOMPARE(carried[k].Description[0], QString());
            QCOMPARE(carried[k].Amount[0], qint64(0));
        }
        QCOMPARE(carried[1].ISPath[0], files.Statement());
        QVERIFY(QFileInfo(next).isFile());
        // The open period stays as it was, and stays open.
        QCOMPARE(BillingFolder::Read(files.folder.DataFile()), open);
        QCOMPARE(print.window.Workspace().FileName(), files.folder.Bills() + "kiv5.qy5");
        QCOMPARE(print.started.size(), 1);
        QCOMPARE(print.started[0].arguments.last(), files.Document());
    }

    // Nothing to print or a file the bills need is missing: said before any
    // dialog, nothing written.
    void checksBeforeAnyQuestion_data() {
        QTest::addColumn<bool>("marked");
        QTest::addColumn<QString>("removed");
        QTest::addColumn<QString>("text");
        QTest::newRow("no marked bill")
            << false << QString()
            << "No bill is marked for periodic billing. Mark the bills to print with an \"X\" "
               "first.\nNothing was printed and no file was written.";
        QTest::newRow("statement missing") << true << "Quenby5/smith.is5" << QString();
        QTest::newRow("income file missing") << true << "kiv5.inc" << QString();
    }
    void checksBeforeAnyQuestion() {
        QFETCH(bool, marked);
        QFETCH(QString, removed);
        QFETCH(QString, text);
        PrintFiles files(marked);
        PrintWindow print;
        if (!removed.isEmpty()) {
            const QString path = files.folder.temp.Folder() + removed;
            QVERIFY(QFile::remove(path));
            text = "Could not find file: " + path +
                   "\nPeriodic billing needs it for the marked bills. Nothing was printed and no "
                   "file was written.";
        }
        const auto before = files.folder.Snapshot();
        print.prompts.ExpectQuestion(kTitle, text, QMessageBox::Ok);
        print.window.PeriodicBillingCommand();
        QVERIFY(print.prompts.VerifyAllAnswered());
        QCOMPARE(files.folder.Snapshot(), before);
        QVERIFY(print.started.isEmpty());
    }

    // Cancelling a dialog or refusing the replacement writes nothing.
    void cancelledOrRefusedWritesNothing_data() {
        QTest::addColumn<bool>("existing");
        QTest::addColumn<bool>("chooseFile");
        QTest::addColumn<int>("replace");
        QTest::addColumn<QDate>("date");
        QTest::newRow("save dialog cancelled") << false << false << 0 << QDate();
        QTest::newRow("date dialog cancelled") << false << true << 0 << QDate();
        QTest::newRow("replacement refused")
            << true << true << int(QMessageBox::No) << QDate(2011, 3, 31);
    }
    void cancelledOrRefusedWritesNothing() {
        QFETCH(bool, existing);
        QFETCH(bool, chooseFile);
        QFETCH(int, replace);
        QFETCH(QDate, date);
        PrintFiles files;
        if (existing) {
            files.folder.WriteBills({Bill("1", "Old, One", 100)}, "april");
        }
        PrintWindow print;
        const auto before = files.folder.Snapshot();
        const QString next = files.folder.Bills() + "april.qy5";
        print.prompts.ExpectSaveFile(kSaveTitle, chooseFile ? std::optional(next) : std::nullopt);
        if (replace != 0) {
            print.prompts.ExpectQuestion(kTitle,
                                         files.folder.DataFile("april") +
                                             " already exists.\nDo you want to replace it?",
                                         QMessageBox::StandardButton(replace));
        }
        DateAnswer answer{date};
        if (chooseFile && replace == 0) {
            print.prompts.ExpectDialog("Select Date Dialog", answer.Handler());
        }
        print.window.PeriodicBillingCommand();
        QVERIFY(print.prompts.VerifyAllAnswered());
        QCOMPARE(files.folder.Snapshot(), before);
        QVERIFY(print.started.isEmpty());
    }

    // The question is about the data file in the billing files folder,
    // wherever the dialog was; Yes replaces it.
    void existingNextFileReplacedAfterYes() {
        PrintFiles files;
        files.folder.WriteBills({Bill("1", "Old, One", 100)}, "april");
        PrintWindow print;
        const QString elsewhere = files.folder.temp.Path("april.qy5");
        DateAnswer date{QDate(2011, 3, 31)};
        print.prompts.ExpectSaveFile(kSaveTitle, elsewhere)
            .ExpectQuestion(kTitle,
                            files.folder.DataFile("april") +
                                " already exists.\nDo you want to replace it?",
                            QMessageBox::Yes)
            .ExpectDialog("Select Date Dialog", date.Handler())
            .ExpectInformation(kTitle, "2 bills printed; the next period's bills are in " +
                                           files.folder.DataFile("april") + ".");
        print.window.PeriodicBillingCommand();
        QVERIFY(print.prompts.VerifyAllAnswered());
        const std::vector<TBillRec> carried = StoredBills(files.folder.DataFile("april"));
        QCOMPARE(carried.size(), std::size_t(2));
        QCOMPARE(carried[0].FullName, QStringLiteral("Brown, Cy"));
    }

    // The open billing file cannot become the next one, under any folder.
    void openFileIsRefused_data() {
        QTest::addColumn<bool>("sameFolder");
        QTest::newRow("billing files folder") << true;
        QTest::newRow("another folder") << false;
    }
    void openFileIsRefused() {
        QFETCH(bool, sameFolder);
        PrintFiles files;
        PrintWindow print;
        const auto before = files.folder.Snapshot();
        const QString chosen = (sameFolder ? files.folder.Bills() : files.folder.temp.Folder()) +
                               QStringLiteral("kiv5.qy5");
        print.prompts.ExpectSaveFile(kSaveTitle, chosen)
            .ExpectQuestion(kTitle,
                            files.folder.DataFile() +
                                " holds the bills of the open billing file and cannot become "
                                "the next periodic billing file. Choose another name.",
                            QMessageBox::Ok);
        print.window.PeriodicBillingCommand();
        QVERIFY(print.prompts.VerifyAllAnswered());
        QCOMPARE(files.folder.Snapshot(), before);
    }

    // One of the files cannot be written: the message, and every file as
    // it was (no next-period file without its bills printed, and no
    // document without the next-period file).
    void oneWriteFailingLeavesEveryFile_data() {
        QTest::addColumn<QString>("blocked");
        QTest::newRow("document") << "kiv5 - Selected Forms.RTF";
        QTest::newRow("next data file") << "april.bil";
        QTest::newRow("next link file") << "april.qy5";
    }
    void oneWriteFailingLeavesEveryFile() {
        QFETCH(QString, blocked);
        PrintFiles files;
        PrintWindow print;
        const QString folderPath = files.folder.Bills() + blocked;
        QVERIFY(QDir().mkpath(folderPath));
        const auto before = files.folder.Snapshot();
        DateAnswer date{QDate(2011, 3, 31)};
        print.prompts.ExpectSaveFile(kSaveTitle, files.folder.Bills() + "april.qy5");
        if (blocked == "april.bil") {
            print.prompts.ExpectQuestion(
                kTitle, folderPath + " already exists.\nDo you want to replace it?",
                QMessageBox::Yes);
        }
        print.prompts.ExpectDialog("Select Date Dialog", date.Handler());
        print.prompts.ExpectQuestion(
            "Error", "Cannot replace \"" + folderPath + "\": it is a folder, not a file",
            QMessageBox::Ok);
        print.window.PeriodicBillingCommand();
        QVERIFY(print.prompts.VerifyAllAnswered());
        QCOMPARE(files.folder.Snapshot(), before);
        QVERIFY(QFileInfo(folderPath).isDir());
        QVERIFY(print.started.isEmpty());
    }
};

KIV5_WIDGET_TEST_MAIN(TestQuenbyPrintPeriodic)
#include "tst_QuenbyPrintPeriodic.moc"
