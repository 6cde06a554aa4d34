#include "clientdb/ui/ClientFieldsPanel.h"
#include "clientdb/ui/EntryForm.h"
#include "common/core/StateTable.h"
#include "tests/uisupport/ModalAnswer.h"
#include "tests/uisupport/WidgetTestMain.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>

using namespace kiv5;
using namespace kiv5::ui;

using F = ClientFieldsPanel;
Q_DECLARE_METATYPE(EntryForm::Button)

namespace {

ClientEntry SampleEntry() {
    ClientEntry entry;
    entry.Text(2) = "C-17";
    entry.Text(3) = "Smith";
    entry.Text(4) = "Anne";
    entry.Text(8) = "Reno";
    entry.Text(14) = QString(100, 'e'); // longer than the field accepts
    entry.state = 27;
    entry.memo = "first line\r\nsecond line\r\n\r\nlast";
    entry.selected = true;
    entry.recNo = 12;
    return entry;
}

// A form on screen and active, so focus and the default button work.
void ShowActive(EntryForm& form) {
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
}

} // namespace

class TestEntryForm : public QObject {
    Q_OBJECT

private slots:
    void buttonTexts_data() {
        QTest::addColumn<EntryForm::Button>("button");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("hint");
        QTest::newRow("first") << EntryForm::FirstButton << "First"
                               << "";
        QTest::newRow("last") << EntryForm::LastButton << "Last"
                              << "";
        QTest::newRow("del") << EntryForm::DeleteButton << "Del"
                             << "Delete current name";
        QTest::newRow("add") << EntryForm::AddButton << "Add"
                             << "Add another name";
        QTest::newRow("save") << EntryForm::SaveButton << "Save"
                              << "Save changes to this record";
        QTest::newRow("copy") << EntryForm::CopyButton << "Copy"
                              << "Copy to clipboard";
        QTest::newRow("paste") << EntryForm::PasteButton << "Paste"
                               << "Paste from clipboard";
        QTest::newRow("cancel find") << EntryForm::CancelFindButton << "Cancel Find"
                                     << "Cancel Fast Find";
        QTest::newRow("close") << EntryForm::CloseButton << "Close"
                               << "Closes Entry Form";
    }
    void buttonTexts() {
        QFETCH(EntryForm::Button, button);
        QFETCH(QString, caption);
        QFETCH(QString, hint);
        EntryForm form;
        QCOMPARE(form.ButtonAt(button)->text(), caption);
        if (!hint.isEmpty()) {
            QCOMPARE(form.ButtonAt(button)->toolTip(), hint);
        }
    }

    void formTexts() {
        EntryForm form;
        QCOMPARE(form.windowTitle(), QString("Name & Address Entry Form"));
        QVERIFY(form.isModal());
        QCOMPARE(form.SelectedBox()->text(), QString("Selected"));
        QCOMPARE(form.SelectedBox()->toolTip(),
                 QString("This client is selected if box is checked"));
        QCOMPARE(form.Fields()->Edit(F::ClientNo)->toolTip(),
                 QString("Required field; each client number must be unique"));
        QCOMPARE(form.Fields()->Edit(F::LastName)->toolTip(),
                 QString("Required field; sometimes used for company names instead of the "
                         "Company field"));
        QCOMPARE(form.Fields()->Edit(F::EMail)->maxLength(), 64);
        QCOMPARE(form.Fields()->Edit(F::ClientNo)->maxLength(), 8);
    }

    void buttonEnabling_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("lastRow");
        QTest::addColumn<bool>("modified");
        QTest::addColumn<bool>("backward"); // First and prior
        QTest::addColumn<bool>("forward");  // next and Last
        QTest::newRow("only row") << 1 << 1 << false << false << false;
        QTest::newRow("first of many") << 1 << 5 << true << false << true;
        QTest::newRow("second") << 2 << 5 << false << true << true;
        QTest::newRow("last") << 5 << 5 << true << true << false;
        QTest::newRow("beyond the end") << 6 << 5 << false << true << false;
    }
    void buttonEnabling() {
        QFETCH(int, row);
        QFETCH(int, lastRow);
        QFETCH(bool, modified);
        QFETCH(bool, backward);
        QFETCH(bool, forward);
        EntryForm form;
        form.SetModified(modified);
        form.UpdateButtons(row, lastRow);
        QCOMPARE(form.ButtonAt(EntryForm::FirstButton)->isEnabled(), backward);
        QCOMPARE(form.ButtonAt(EntryForm::PriorButton)->isEnabled(), backward);
        QCOMPARE(form.ButtonAt(EntryForm::NextButton)->isEnabled(), forward);
        QCOMPARE(form.ButtonAt(EntryForm::LastButton)->isEnabled(), forward);
        QCOMPARE(form.ButtonAt(EntryForm::SaveButton)->isEnabled(), modified);
        QCOMPARE(form.IsModified(), modified);
        QVERIFY(form.ButtonAt(EntryForm::AddButton)->isEnabled());
    }

    void roundTrip() {
        EntryForm form;
        const ClientEntry shown = SampleEntry();
        form.ShowEntry(shown);
        QCOMPARE(form.Fields()->Text(F::EMail).size(), 64);
        QCOMPARE(form.Fields()->Memo(), QString("first line\nsecond line\n\nlast"));
        QCOMPARE(form.RecordLabel()->text(), EntryForm::RecordLabelText(12));
        const ClientEntry back = form.Entry();
        QCOMPARE(back.texts, shown.texts);
        QCOMPARE(back.state, 27);
        QCOMPARE(back.memo, shown.memo);
        QVERIFY(back.selected);
        QCOMPARE(back.recNo, 12);

        form.Fields()->SetMemo("one\r\ntwo");
        form.Fields()->SetText(F::EMail, "a@b.example");
        form.Fields()->SetStateIndex(-1);
        form.SelectedBox()->setChecked(false);
        const ClientEntry edited = form.Entry();
        QCOMPARE(edited.memo, QString("one\r\ntwo"));
        QCOMPARE(edited.Text(14), QString("a@b.example"));
        QCOMPARE(edited.state, -1);
        QVERIFY(!edited.selected);
        QCOMPARE(edited.Text(3), QString("Smith"));
    }

    void userChangesSetModified_data() {
        QTest::addColumn<QString>("change");
        QTest::addColumn<int>("emitted");
        QTest::newRow("show entry only") << "none" << 0;
        QTest::newRow("typing in a field") << "field" << 3;
        QTest::newRow("typing in the memo") << "memo" << 2;
        QTest::newRow("typing a state") << "state" << 2;
        QTest::newRow("check box") << "check" << 1;
    }
    void userChangesSetModified() {
        QFETCH(QString, change);
        QFETCH(int, emitted);
        EntryForm form;
        QSignalSpy modified(&form, &EntryForm::Modified);
        form.ShowEntry(SampleEntry());
        ShowActive(form);
        if (change == "field") {
            QTest::keyClicks(form.Fields()->Edit(F::City), "abc");
        } else if (change == "memo") {
            QTest::keyClicks(form.Fields()->MemoEdit(), "xy");
        } else if (change == "state") {
            form.Fields()->StateList()->lineEdit()->clear();
            QTest::keyClicks(form.Fields()->StateList()->lineEdit(), "NV");
        } else if (change == "check") {
            QTest::mouseClick(form.SelectedBox(), Qt::LeftButton);
        }
        QCOMPARE(modified.count(), emitted);
        QCOMPARE(form.IsModified(), emitted > 0);
        QCOMPARE(form.ButtonAt(EntryForm::SaveButton)->isEnabled(), emitted > 0);
        if (change == "state") {
            QCOMPARE(form.Entry().state, StateAbbreviationToInt("NV"));
        }
        form.ShowEntry(SampleEntry());
        QVERIFY(!form.IsModified());
        QCOMPARE(modified.count(), emitted);
    }

    void buttonsEmit_data() {
        QTest::addColumn<EntryForm::Button>("button");
        QTest::addColumn<QByteArray>("signal");
        QTest::newRow("first") << EntryForm::FirstButton << QByteArray(SIGNAL(FirstClicked()));
        QTest::newRow("prior") << EntryForm::PriorButton << QByteArray(SIGNAL(PriorClicked()));
        QTest::newRow("next") << EntryForm::NextButton << QByteArray(SIGNAL(NextClicked()));
        QTest::newRow("last") << EntryForm::LastButton << QByteArray(SIGNAL(LastClicked()));
        QTest::newRow("del") << EntryForm::DeleteButton << QByteArray(SIGNAL(DeleteClicked()));
        QTest::newRow("add") << EntryForm::AddButton << QByteArray(SIGNAL(AddClicked()));
        QTest::newRow("save") << EntryForm::SaveButton << QByteArray(SIGNAL(SaveClicked()));
        QTest::newRow("copy") << EntryForm::CopyButton << QByteArray(SIGNAL(CopyClicked()));
        QTest::newRow("paste") << EntryForm::PasteButton << QByteArray(SIGNAL(PasteClicked()));
    }
    void buttonsEmit() {
        QFETCH(EntryForm::Button, button);
        QFETCH(QByteArray, signal);
        EntryForm form;
        form.SetModified(true);
        form.UpdateButtons(3, 5);
        ShowActive(form);
        QSignalSpy spy(&form, signal.constData());
        QTest::mouseClick(form.ButtonAt(button), Qt::LeftButton);
        QCOMPARE(spy.count(), 1);
        QVERIFY(form.isVisible());
    }

    void closingAsksTheCheck_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("asks");
        QTest::newRow("close button") << "close" << true;
        QTest::newRow("escape") << "escape" << true;
        QTest::newRow("enter in a field") << "enter" << true;
        QTest::newRow("enter in the state list") << "enter state" << true;
        QTest::newRow("close box") << "box" << true;
        QTest::newRow("cancel find") << "cancel find" << true;
        QTest::newRow("enter in the memo") << "enter memo" << false;
        QTest::newRow("enter on a button") << "enter button" << false;
    }
    void closingAsksTheCheck() {
        QFETCH(QString, how);
        QFETCH(bool, asks);
        for (const bool allow : {false, true}) {
            EntryForm form;
            form.ShowEntry(SampleEntry());
            int asked = 0;
            form.SetCloseCheck([&] {
                ++asked;
                return allow;
            });
            QSignalSpy cancelFind(&form, &EntryForm::CancelFindClicked);
            QSignalSpy copy(&form, &EntryForm::CopyClicked);
            ShowActive(form);
            QLineEdit* city = form.Fields()->Edit(F::City);
            if (how == "close") {
                QTest::mouseClick(form.ButtonAt(EntryForm::CloseButton), Qt::LeftButton);
            } else if (how == "escape") {
                QTest::keyClick(city, Qt::Key_Escape);
            } else if (how == "enter") {
                city->setFocus();
                QTest::keyClick(city, Qt::Key_Return);
            } else if (how == "enter state") {
                form.Fields()->StateList()->setFocus();
                QTest::keyClick(form.Fields()->StateList()->lineEdit(), Qt::Key_Return);
            } else if (how == "box") {
                form.close();
            } else if (how == "cancel find") {
                QTest::mouseClick(form.ButtonAt(EntryForm::CancelFindButton), Qt::LeftButton);
            } else if (how == "enter memo") {
                form.Fields()->MemoEdit()->setFocus();
                QTest::keyClick(form.Fields()->MemoEdit(), Qt::Key_Return);
                QCOMPARE(form.Entry().memo, "\r\n" + SampleEntry().memo);
            } else if (how == "enter button") {
                form.ButtonAt(EntryForm::CopyButton)->setFocus();
                QTest::keyClick(form.ButtonAt(EntryForm::CopyButton), Qt::Key_Return);
                QCOMPARE(copy.count(), 1);
            }
            QCOMPARE(asked, asks ? 1 : 0);
            QCOMPARE(form.isVisible(), !(asks && allow));
            QCOMPARE(cancelFind.count(), how == "cancel find" ? 1 : 0);
            QCOMPARE(form.CancelFindPressed(), how == "cancel find");
        }
    }

    void ctrlAAdds_data() {
        QTest::addColumn<QString>("where");
        QTest::newRow("client number") << "field";
        QTest::newRow("memo") << "memo";
        QTest::newRow("state list") << "state";
        QTest::newRow("button") << "button";
    }
    void ctrlAAdds() {
        QFETCH(QString, where);
        EntryForm form;
        ShowActive(form);
        QSignalSpy add(&form, &EntryForm::AddClicked);
        QWidget* target = form.ButtonAt(EntryForm::CopyButton);
        if (where == "field") {
            target = form.Fields()->Edit(F::ClientNo);
        } else if (where == "memo") {
            target = form.Fields()->MemoEdit();
        } else if (where == "state") {
            target = form.Fields()->StateList()->lineEdit();
        }
        target->setFocus();
        QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(add.count(), 1);
        QVERIFY(form.isVisible());
        QVERIFY(!form.IsModified());
    }

    void cancelFindEndsAModalShowing() {
        EntryForm form;
        form.ShowEntry(SampleEntry());
        test::WhenModalShown([&](QWidget&) {
            QVERIFY(!form.CancelFindPressed());
            form.ButtonAt(EntryForm::CancelFindButton)->click();
        });
        form.exec();
        QVERIFY(form.CancelFindPressed());
        // The next showing starts afresh.
        test::WhenModalShown([&](QWidget&) {
            QVERIFY(!form.CancelFindPressed());
            form.ButtonAt(EntryForm::CloseButton)->click();
        });
        form.exec();
        QVERIFY(!form.CancelFindPressed());
    }

    void keepsItsPosition() {
        EntryForm form;
        form.show();
        form.move(123, 77);
        const QPoint where = form.pos();
        form.hide();
        form.show();
        QCOMPARE(form.pos(), where);
    }
};

KIV5_WIDGET_TEST_MAIN(TestEntryForm)
#include "tst_EntryForm.moc"
