#include "clientdb/ui/ClientFieldsPanel.h"
#include "clientdb/ui/FilterForm.h"
#include "clientdb/ui/HideShowColumnsDialog.h"
#include "clientdb/ui/ReturnAddressDialog.h"
#include "tests/uisupport/WidgetTestMain.h"

#include <QPushButton>
#include <QTimer>

using namespace kiv5;
using namespace kiv5::ui;

namespace {

QPushButton* ButtonNamed(QWidget& parent, const QString& text) {
    for (auto* b : parent.findChildren<QPushButton*>()) {
        if (b->text() == text) {
            return b;
        }
    }
    return nullptr;
}

} // namespace

class TestClientForms : public QObject {
    Q_OBJECT

private slots:
    void fieldsHaveTheirLimits() {
        ClientFieldsPanel panel;
        const std::array<int, ClientFieldsPanel::FieldCount> limits = {8,  64, 64, 64, 64, 64, 32,
                                                                       10, 20, 20, 20, 64, 64, 64};
        for (int f = 0; f < ClientFieldsPanel::FieldCount; ++f) {
            QCOMPARE(panel.Edit(static_cast<ClientFieldsPanel::Field>(f))->maxLength(),
                     limits[static_cast<std::size_t>(f)]);
        }
        QCOMPARE(panel.StateList()->count(), 51);
        QCOMPARE(panel.StateList()->itemText(2), QString("Arizon "));
    }

    void stateListLeavesAbbreviation() {
        ClientFieldsPanel panel;
        panel.show();
        panel.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&panel));
        panel.SetStateIndex(32);
        QCOMPARE(panel.StateIndex(), 32);
        panel.StateList()->setFocus();
        panel.Edit(ClientFieldsPanel::ZipCode)->setFocus();
        QCOMPARE(panel.StateList()->currentText(), QString("NY"));
        QCOMPARE(panel.StateIndex(), 32);
        panel.SetStateIndex(-1);
        QCOMPARE(panel.StateIndex(), -1);
    }

    void filterFormOutcomes_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("outcome");
        QTest::newRow("apply") << "Apply" << int(FilterForm::Applied);
        QTest::newRow("cancel") << "Cancel" << int(FilterForm::Cancelled);
        QTest::newRow("escape") << "Escape" << int(FilterForm::Cancelled);
        QTest::newRow("enter in a field") << "Enter" << int(FilterForm::Cancelled);
        QTest::newRow("enter in the state list") << "Enter state" << int(FilterForm::Cancelled);
        QTest::newRow("enter on apply") << "Enter Apply" << int(FilterForm::Applied);
        QTest::newRow("enter on cancel") << "Enter Cancel" << int(FilterForm::Cancelled);
        QTest::newRow("close box") << "Close" << int(FilterForm::ClosedByBox);
    }
    void filterFormOutcomes() {
        QFETCH(QString, how);
        QFETCH(int, outcome);
        NameRec criteria;
        criteria.LastName = "smi";
        criteria.State = 4;
        FilterForm form(criteria);
        QCOMPARE(form.Fields()->Text(ClientFieldsPanel::LastName), QString("smi"));
        QCOMPARE(form.Fields()->StateIndex(), 4);
        QTimer::singleShot(0, &form, [&] {
            QLineEdit* city = form.Fields()->Edit(ClientFieldsPanel::City);
            city->setFocus();
            QTest::keyClicks(city, "Reno");
            if (how == "Escape") {
                QTest::keyClick(&form, Qt::Key_Escape);
            } else if (how == "Enter") {
                QTest::keyClick(city, Qt::Key_Return);
            } else if (how == "Enter state") {
                QWidget* state = form.Fields()->StateList();
                state->setFocus();
                QTest::keyClick(state, Qt::Key_Enter);
            } else if (how.startsWith("Enter ")) {
                QPushButton* button = ButtonNamed(form, how.mid(6));
                button->setFocus();
                QTest::keyClick(button, Qt::Key_Return);
            } else if (how == "Close") {
                form.close();
            } else {
                ButtonNamed(form, how)->click();
            }
        });
        QCOMPARE(form.exec(), outcome);
        const NameRec after = form.Criteria();
        QCOMPARE(after.City, QString("Reno"));
        QCOMPARE(after.LastName, QString("smi"));
    }

    void filterMemoIsEncoded() {
        NameRec criteria;
        criteria.Memo = "first | second";
        FilterForm form(criteria);
        QCOMPARE(form.Fields()->Memo(), QString("first\nsecond"));
        QCOMPARE(form.Criteria().Memo, QString("first | second"));
    }

    void hideShowColumns() {
        std::vector<bool> show(22, true);
        show[0] = false;
        show[17] = false;
        HideShowColumnsDialog dialog(show);
        QCOMPARE(dialog.Box(1)->text(), QString("Selected"));
        QCOMPARE(dialog.Box(17)->text(), QString("Memo"));
        QVERIFY(!dialog.Box(17)->isChecked());
        dialog.Box(17)->setChecked(true);
        dialog.Box(5)->setChecked(false);
        const auto flags = dialog.ShowColumn();
        QVERIFY(flags[17]);
        QVERIFY(!flags[5]);
        QVERIFY(!flags[0]); // outside the dialog: unchanged

        std::vector<int> widths(22, 77);
        widths[17] = -1;
        const auto shown = WidthsAfterHideShow(widths, flags);
        QCOMPARE(shown[17], 48);
        QCOMPARE(shown[5], -1);
        QCOMPARE(shown[3], 77);
        QCOMPARE(shown[0], 77);
    }

    void returnAddress() {
        ReturnAddressDialog dialog({"Law Office", "1 Main St", "", "Reno, NV  89501"});
        QCOMPARE(dialog.windowTitle(), QString("Avery Label 5163 Return Address"));
        dialog.Edit(2)->setText("Suite 4");
        QCOMPARE(dialog.Lines(),
                 QStringList({"Law Office", "1 Main St", "Suite 4", "Reno, NV  89501"}));
    }
};

KIV5_WIDGET_TEST_MAIN(TestClientForms)
#include "tst_ClientForms.moc"
