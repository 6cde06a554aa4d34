#include "billing/ui/BillingCaptionDialog.h"
#include "tests/billing/ui/BillingWindowFixtures.h"
#include "tests/uisupport/WidgetLookup.h"
#include "tests/uisupport/WidgetTestMain.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

using namespace kiv5;
using namespace kiv5::billing::ui;
using namespace kiv5::test;

namespace {

BillingCaptionDialog::Lines Letterhead() {
    return {"Orvanel & Tavrel, Attorneys", "12 Elm Street", "Suite 4", "Springfield, IL 62701",
            "(217) 555-0100"};
}

void Retype(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

// The labels of the dialog's form rows, top to bottom.
QStringList RowLabels(QDialog& dialog) {
    QStringList labels;
    auto* form = dialog.findChild<QFormLayout*>();
    for (int row = 0; form && row < form->rowCount(); ++row) {
        if (auto* item = form->itemAt(row, QFormLayout::LabelRole)) {
            labels << qobject_cast<QLabel*>(item->widget())->text();
        }
    }
    return labels;
}

} // namespace

class TestBillingCaptionDialog : public QObject {
    Q_OBJECT

private slots:
    void showsFiveLabelledLines() {
        BillingCaptionDialog dialog(Letterhead());
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Billing Caption"));
        QCOMPARE(RowLabels(dialog), (QStringList{"Name/Firm", "Address Line 1", "Address Line 2",
                                                 "Address Line 3", "Telephone No"}));
        QCOMPARE(dialog.CaptionLines(), Letterhead());
        QCOMPARE(dialog.Edit(4)->text(), QStringLiteral("(217) 555-0100"));
    }

    void okCopiesCancelKeeps_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("copied");
        QTest::newRow("OK") << "OK" << true;
        QTest::newRow("Cancel") << "Cancel" << false;
    }
    void okCopiesCancelKeeps() {
        QFETCH(QString, button);
        QFETCH(bool, copied);
        BillingSettings settings = BuiltInBillingSettings(1044);
        settings.CaptionLine = Letterhead();
        ScriptedPrompts prompts;
        prompts.ExpectDialog("Billing Caption", [&](QDialog& dialog) {
            auto& caption = static_cast<BillingCaptionDialog&>(dialog);
            Retype(caption.Edit(0), "Tavrel Law Office");
            caption.Edit(3)->clear();
            ClickButton(dialog, button);
        });
        QCOMPARE(EditBillingCaption(settings, prompts), copied);
        QVERIFY(prompts.VerifyAllAnswered());
        BillingCaptionDialog::Lines expected = Letterhead();
        if (copied) {
            expected[0] = "Tavrel Law Office";
            expected[3].clear();
        }
        QCOMPARE(settings.CaptionLine, expected);
    }

    // The lines set from the menu are kept with the other settings and read
    // back at the next start.
    void menuCommandKeepsLinesInSettings() {
        BillingWindowFiles files;
        {
            StartedQuenbyWindow started{QString()};
            started.window.SetPrintCommandsAvailable(true);
            QVERIFY(started.window.Actions().SetBillingCaption->isEnabled());
            started.prompts.ExpectDialog("Billing Caption", [](QDialog& dialog) {
                auto& caption = static_cast<BillingCaptionDialog&>(dialog);
                for (int line = 0; line < CAPTIONLINES; ++line) {
                    Retype(caption.Edit(line), Letterhead()[std::size_t(line)]);
                }
                ClickButton(dialog, "OK");
            });
            started.window.Actions().SetBillingCaption->trigger();
            QVERIFY(started.prompts.VerifyAllAnswered());
            QCOMPARE(started.window.Workspace().settings.CaptionLine, Letterhead());
        }
        BillingSettings read = BuiltInBillingSettings(1044);
        SettingsStore store = BillingSettingsStore();
        QVERIFY(ReadTheIniFile(read, store, 1044));
        QCOMPARE(read.CaptionLine, Letterhead());
    }
};

KIV5_WIDGET_TEST_MAIN(TestBillingCaptionDialog)
#include "tst_BillingCaptionDialog.moc"
