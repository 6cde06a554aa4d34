#include "clientdb/ui/ClientFieldsPanel.h"
#include "clientdb/ui/EntryForm.h"
#include "common/core/StateTable.h"
#include "tests/uisupport/ModalAnswer.h"
#include "tests/uisupport/WidgetLookup.h"
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

    void buttons_data() {
        QTest::addColumn<EntryForm::Button>("button");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("hint");
        QTest::addColumn<QByteArray>("signal");
        const auto row = [](const char* name, EntryForm::Button button, const char* caption,
                            const char* hint, const char* signal) {
            QTest::newRow(name) << button << QString(caption) << QString(hint)
                                << QByteArray(signal);
        };
        row("first", EntryForm::FirstButton, "First", "", SIGNAL(FirstClicked()));
        row("prior", EntryForm::PriorButton, "<", "", SIGNAL(PriorClicked()));
        row("next", EntryForm::NextButton, ">", "", SIGNAL(NextClicked()));
        row("last", EntryForm::LastButton, "Last", "", SIGNAL(LastClicked()));
        row("del", EntryForm::DeleteButton, "Del", "Delete current name", SIGNAL(DeleteClicked()));
        row("add", EntryForm::AddButton, "Add", "Add another name", SIGNAL(AddClicked()));
        row("save", EntryForm::SaveButton, "Save", "Save changes to this record",
            SIGNAL(SaveClicked()));
        row("copy", EntryForm::CopyButton, "Copy", "Copy to clipboard", SIGNAL(CopyClicked()));
        row("paste", EntryForm::PasteButton, "Paste", "Paste from clipboard",
            SIGNAL(PasteClicked()));
        row("cancel find", EntryForm::CancelFindButton, "Cancel Find", "Cancel Fast Find", "");
        row("close", EntryForm::CloseButton, "Close", "Closes Entry Form", "");
    }
    void buttons() {
        QFETCH(EntryForm::Button, button);
        QFETCH(QString, caption);
        QFETCH(QString, hint);
        QFETCH(QByteArray, signal);
        EntryForm form;
        QCOMPARE(form.ButtonAt(button)->text(), caption);
        if (!hint.isEmpty()) {
            QCOMPARE(form.ButtonAt(button)->toolTip(), hint);
        }
        if (signal.isEmpty()) {
            return; // the closing buttons: below
        }
        form.SetModified(true);
        form.UpdateButtons(3, 5);
        ShowActive(form);
        QSignalSpy spy(&form, signal.constData());
        QTest::mouseClick(form.ButtonAt(button), Qt::LeftButton);
        QCOMPARE(spy.count(), 1);
        QVERIFY(form.isVisible());
    }

    // Keys and clicks that close the form go through the close check; a "no"
    // keeps it open. Ctrl+A adds wherever the focus is.
    void keysAndClosing_data() {
        QTest::addColumn<QString>("target"); // where the key or click goes
        QTest::addColumn<int>("key");        // 0: a click, or the close box
        QTest::addColumn<bool>("asks");
        const int ctrlA = int(Qt::ControlModifier) | Qt::Key_A;
        QTest::newRow("close button") << "Close" << 0 << true;
        QTest::newRow("cancel find") << "Cancel Find" << 0 << true;
        QTest::newRow("close box") << "" << 0 << true;
        QTest::newRow("escape") << "city" << int(Qt::Key_Escape) << true;
        QTest::newRow("enter in a field") << "city" << int(Qt::Key_Return) << true;
        QTest::newRow("enter in the state list") << "state" << int(Qt::Key_Return) << true;
        QTest::newRow("enter in the memo") << "memo" << int(Qt::Key_Return) << false;
        QTest::newRow("enter on a button") << "Copy" << int(Qt::Key_Return) << false;
        QTest::newRow("ctrl+a in a field") << "city" << ctrlA << false;
        QTest::newRow("ctrl+a in the state list") << "state" << ctrlA << false;
        QTest::newRow("ctrl+a in the memo") << "memo" << ctrlA << false;
        QTest::newRow("ctrl+a on a button") << "Copy" << ctrlA << false;
    }
    void keysAndClosing() {
        QFETCH(QString, target);
        QFETCH(int, key);
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
            QSignalSpy add(&form, &EntryForm::AddClicked);
            ShowActive(form);
            QWidget* widget = test::FindButton(form, target);
            if (target == "city") {
                widget = form.Fields()->Edit(F::City);
            } else if (target == "state") {
                widget = form.Fields()->StateList()->lineEdit();
            } else if (target == "memo") {
                widget = form.Fields()->MemoEdit();
            }
            const auto plainKey = Qt::Key(key & ~Qt::KeyboardModifierMask);
            if (key != 0) {
                widget->setFocus();
                QTest::keyClick(widget, plainKey,
                                Qt::KeyboardModifiers(key & Qt::KeyboardModifierMask));
            } else if (widget != nullptr) {
                QTest::mouseClick(widget, Qt::LeftButton);
            } else {
                form.close();
            }
            QCOMPARE(asked, asks ? 1 : 0);
            QCOMPARE(form.isVisible(), !(asks && allow));
            QCOMPARE(cancelFind.count(), target == "Cancel Find" ? 1 : 0);
            QCOMPARE(form.CancelFindPressed(), target == "Cancel Find");
            QCOMPARE(add.count(), plainKey == Qt::Key_A ? 1 : 0);
            QCOMPARE(copy.count(), target == "Copy" && key == Qt::Key_Return ? 1 : 0);
            const bool newLine = target == "memo" && key == Qt::Key_Return;
            QCOMPARE(form.Entry().memo, (newLine ? "\r\n" : "") + SampleEntry().memo);
        }
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
