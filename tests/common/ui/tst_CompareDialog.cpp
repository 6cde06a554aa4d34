#include "clientdb/core/ClientColumns.h"
#include "common/core/StateTable.h"
#include "common/ui/CompareDialog.h"
#include "tests/uisupport/ModalAnswer.h"
#include "tests/uisupport/ScriptedPrompts.h"
#include "tests/uisupport/WidgetLookup.h"
#include "tests/uisupport/WidgetTestMain.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QToolButton>

using namespace kiv5::ui;
using kiv5::test::FindNamed;

namespace {

kiv5::NameRec StoredClient() {
    kiv5::NameRec rec;
    rec.ClientNo = "A-100";
    rec.LastName = "Doe";
    rec.FirstName = "Jane";
    rec.Company = "Doe & Partners";
    rec.Address1 = "12 Main St.";
    rec.Address2 = "Suite 4";
    rec.City = "Springfield";
    rec.State = kiv5::StateAbbreviationToInt("IL");
    rec.ZipCode = "62701";
    rec.Phone = "(217) 555-0100";
    rec.Cell = "(217) 555-0101";
    rec.EMail = "jane@example.com";
    rec.Note1 = "<b>not bold</b>";
    rec.Memo = "First line | second line of a long memo that must wrap in its panel";
    return rec;
}

CompareDialog MakeDialog() {
    kiv5::NameRec edited = StoredClient();
    edited.FirstName = "Janet";
    return CompareDialog("Record Comparison Conflict", 12, kiv5::ClientCompareRows(StoredClient()),
                         kiv5::ClientCompareRows(edited));
}

// Caption and value label texts of a panel, in order.
QStringList PanelTexts(QFrame& panel) {
    return kiv5::test::LabelTexts(panel);
}

} // namespace

class TestCompareDialog : public QObject {
    Q_OBJECT

private slots:
    void results_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("result");
        QTest::newRow("keep left") << "spdKeepLeft" << 69;
        QTest::newRow("keep right") << "spdKeepRight" << 70;
        QTest::newRow("cancel") << "spdCancel" << 1;
        QTest::newRow("close box") << "" << 1;
    }
    void results() {
        QFETCH(QString, button);
        QFETCH(int, result);
        CompareDialog dialog = MakeDialog();
        kiv5::test::WhenModalShown([&](QWidget& modal) {
            if (button.isEmpty())
                modal.close();
            else
                QTest::mouseClick(FindNamed<QToolButton>(modal, button), Qt::LeftButton);
        });
        QCOMPARE(dialog.exec(), result);
    }

    void escapeCancels() {
        CompareDialog dialog = MakeDialog();
        kiv5::test::WhenModalShown([](QWidget& modal) { QTest::keyClick(&modal, Qt::Key_Escape); });
        QCOMPARE(dialog.exec(), CompareDialog::Cancelled);
    }

    void toolBar() {
        CompareDialog dialog = MakeDialog();
        QCOMPARE(dialog.windowTitle(), QString("Record Comparison Conflict"));
        for (const char* name : {"spdKeepLeft", "spdKeepRight"}) {
            auto* keep = FindNamed<QToolButton>(dialog, name);
            QCOMPARE(keep->text(), QString("Keep This One"));
            QCOMPARE(keep->toolTip(), QString("Make no changes"));
        }
        QCOMPARE(FindNamed<QToolButton>(dialog, "spdCancel")->text(), QString("Cancel"));
        QVERIFY(FindNamed<QLabel>(dialog, "lblRecNo")->text().endsWith(" 12"));

        // Each keep button sits over the panel it keeps.
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto xIn = [&](const char* name) {
            QWidget* widget = FindNamed(dialog, name);
            return widget->mapTo(&dialog, QPoint(widget->width() / 2, 0)).x();
        };
        auto* left = FindNamed<QFrame>(dialog, "pnlLeft");
        auto* right = FindNamed<QFrame>(dialog, "pnlRight");
        QVERIFY(xIn("spdKeepLeft") < left->geometry().right());
        QVERIFY(xIn("spdKeepRight") > right->geometry().left());
        QVERIFY(xIn("spdKeepRight") < right->geometry().right());
    }

    void panels() {
        CompareDialog dialog = MakeDialog();
        auto* left = FindNamed<QFrame>(dialog, "pnlLeft");
        auto* right = FindNamed<QFrame>(dialog, "pnlRight");
        QVERIFY(left->autoFillBackground());
        QCOMPARE(left->palette().color(QPalette::Window), QColor(166, 202, 240));
        QCOMPARE(right->palette().color(QPalette::Window),
                 QApplication::palette().color(QPalette::Window));

        const QStringList leftTexts = PanelTexts(*left);
        const QStringList rightTexts = PanelTexts(*right);
        QCOMPARE(leftTexts.size(), 28);
        QCOMPARE(leftTexts.mid(0, 4), (QStringList{"Client No.:", "A-100", "Last Name:", "Doe"}));
        QCOMPARE(leftTexts.mid(4, 2), (QStringList{"First Name:", "Jane"}));
        QCOMPARE(rightTexts.mid(4, 2), (QStringList{"First Name:", "Janet"}));
        QCOMPARE(leftTexts.mid(12, 2), (QStringList{"City/St/ZIP:", "Springfield, IL  62701"}));

        QList<QLabel*> labels = left->findChildren<QLabel*>();
        QLabel* memo = labels.last();
        QCOMPARE(labels[labels.size() - 2]->text(), QString("Memo:"));
        QVERIFY(memo->wordWrap());
        QVERIFY(!labels[1]->wordWrap());
        // Values are shown as typed, never as markup.
        QCOMPARE(labels[23]->text(), QString("<b>not bold</b>"));
        QCOMPARE(labels[23]->textFormat(), Qt::PlainText);
    }

    void runsThroughThePrompts() {
        kiv5::test::ScriptedPrompts prompts;
        prompts.ExpectDialog("Income Record Conflict", [](QDialog& dialog) {
            QTest::mouseClick(FindNamed<QToolButton>(dialog, "spdKeepRight"), Qt::LeftButton);
        });
        CompareDialog dialog("Income Record Conflict", 3, {{"Date", "3/1/2011"}},
                             {{"Date", "3/2/2011"}});
        QCOMPARE(prompts.Exec(dialog), CompareDialog::KeepRight);
        QVERIFY(prompts.VerifyAllAnswered());
    }
};

KIV5_WIDGET_TEST_MAIN(TestCompareDialog)
#include "tst_CompareDialog.moc"
