#include "common/ui/DeleteRecordDialog.h"
#include "tests/uisupport/ModalAnswer.h"
#include "tests/uisupport/ScriptedPrompts.h"
#include "tests/uisupport/WidgetLookup.h"
#include "tests/uisupport/WidgetTestMain.h"

#include <QLabel>
#include <QPushButton>

using namespace kiv5::ui;
using kiv5::test::FindNamed;

class TestDeleteRecordDialog : public QObject {
    Q_OBJECT

private slots:
    void buttons_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("result");
        QTest::newRow("yes") << "&Yes" << DeleteRecordDialog::Yes;
        QTest::newRow("no") << "&No" << DeleteRecordDialog::No;
        QTest::newRow("all") << "&All" << DeleteRecordDialog::All;
        QTest::newRow("cancel") << "&Cancel" << DeleteRecordDialog::Cancel;
    }
    void buttons() {
        QFETCH(QString, button);
        QFETCH(int, result);
        kiv5::test::ScriptedPrompts prompts;
        prompts.ExpectDialog("Delete Record Dialog",
                             [&](QDialog& dialog) { kiv5::test::ClickButton(dialog, button); });
        DeleteRecordDialog dialog(MakeClientDeleteLines("Doe", "Jane", "Acme"));
        QCOMPARE(prompts.Exec(dialog), result);
        QVERIFY(prompts.VerifyAllAnswered());
    }

    void resultsAreDistinct() {
        const QList<int> results = {DeleteRecordDialog::Yes, DeleteRecordDialog::No,
                                    DeleteRecordDialog::All, DeleteRecordDialog::Cancel};
        QCOMPARE(QSet<int>(results.begin(), results.end()).size(), 4);
        QVERIFY(!results.contains(QDialog::Rejected));
    }

    void closingCancels() {
        DeleteRecordDialog dialog(MakeClientDeleteLines("Doe", "Jane", "Acme"));
        kiv5::test::WhenModalShown([](QWidget& modal) { modal.close(); });
        QCOMPARE(dialog.exec(), DeleteRecordDialog::Cancel);
    }

    void clientTexts() {
        DeleteRecordDialog dialog(MakeClientDeleteLines("Doe", "Jane", "Acme & Sons"));
        QCOMPARE(dialog.windowTitle(), QString("Delete Record Dialog"));
        QCOMPARE(FindNamed<QLabel>(dialog, "lblQuestion")->text(),
                 QString("Do you wish to delete the following record?"));
        QCOMPARE(FindNamed<QLabel>(dialog, "lblLine1")->text(), QString("Doe, Jane"));
        QCOMPARE(FindNamed<QLabel>(dialog, "lblLine2")->text(), QString("Acme & Sons"));
        QCOMPARE(FindNamed<QLabel>(dialog, "lblLine1")->textFormat(), Qt::PlainText);
    }

    void captionedLines() {
        DeleteRecordDialog dialog({{"Date", "3/7/2011"}, {"Payor/Payee", "Smith, John"}});
        const QStringList texts = kiv5::test::LabelTexts(dialog);
        QVERIFY(texts.contains("Date"));
        QVERIFY(texts.contains("Payor/Payee"));
        QCOMPARE(FindNamed<QLabel>(dialog, "lblLine2")->text(), QString("Smith, John"));
    }
};

KIV5_WIDGET_TEST_MAIN(TestDeleteRecordDialog)
#include "tst_DeleteRecordDialog.moc"
