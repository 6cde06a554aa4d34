#include "common/ui/WordProcessorDialog.h"
#include "tests/uisupport/WidgetTestMain.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace kiv5::ui;

namespace {

template <typename T> T* Child(QWidget& dialog, const QString& name) {
    T* child = dialog.findChild<T*>(name);
    if (!child) {
        qFatal("no child %s", qPrintable(name));
    }
    return child;
}

// Radio buttons take clicks on their circle and caption only.
void Choose(QWidget& dialog, const QString& name) {
    auto* button = Child<QRadioButton>(dialog, name);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(4, button->height() / 2));
}

QLineEdit* Command(QWidget& dialog) {
    return Child<QLineEdit>(dialog, QStringLiteral("edtCommand"));
}

} // namespace

class TestWordProcessor : public QObject {
    Q_OBJECT

private slots:
    void captions() {
        SetWordProcessorDialog dialog(QStringLiteral("WINWORD.EXE"), 706);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Set Word Processor Dialog"));
        QCOMPARE(dialog.findChild<QGroupBox*>()->title(), QStringLiteral("Word Processors "));
        QCOMPARE(Child<QRadioButton>(dialog, "rbWord")->text(),
                 QStringLiteral("Word for Windows (preferred)"));
        QCOMPARE(Child<QRadioButton>(dialog, "rbWordPad")->text(), QStringLiteral("WordPad"));
        QCOMPARE(Child<QRadioButton>(dialog, "rbOther")->text(),
                 QStringLiteral("Other - Enter Command Below"));
        QCOMPARE(Child<QPushButton>(dialog, "btnOk")->text(), QStringLiteral("Ok"));
        QList<int> topics;
        dialog.SetHelpHandler([&topics](int topic) { topics.append(topic); });
        QTest::mouseClick(Child<QPushButton>(dialog, "btnHelp"), Qt::LeftButton);
        QCOMPARE(topics, QList<int>{706});
    }

    void opening_data() {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QString>("checked");
        QTest::addColumn<QString>("field");
        QTest::newRow("word") << "WINWORD.EXE"
                              << "rbWord"
                              << "";
        QTest::newRow("wordpad") << "WORDPAD.EXE"
                                 << "rbWordPad"
                                 << "";
        QTest::newRow("word in other case") << "winword.exe"
                                            << "rbOther"
                                            << "winword.exe";
        QTest::newRow("command") << "soffice --writer"
                                 << "rbOther"
                                 << "soffice --writer";
        QTest::newRow("empty") << ""
                               << "rbOther"
                               << "";
    }
    void opening() {
        QFETCH(QString, setting);
        QFETCH(QString, checked);
        QFETCH(QString, field);
        SetWordProcessorDialog dialog(setting, 706);
        dialog.show();
        QVERIFY(Child<QRadioButton>(dialog, checked)->isChecked());
        QCOMPARE(Command(dialog)->isVisible(), checked == QLatin1String("rbOther"));
        QCOMPARE(Command(dialog)->text(), field);
    }

    void switchingHidesAndEmptiesTheField() {
        SetWordProcessorDialog dialog(QStringLiteral("abiword"), 706);
        dialog.show();
        Choose(dialog, QStringLiteral("rbWordPad"));
        QVERIFY(!Command(dialog)->isVisible());
        QVERIFY(Command(dialog)->text().isEmpty());
        Choose(dialog, QStringLiteral("rbOther"));
        QVERIFY(Command(dialog)->isVisible());
        QVERIFY(Command(dialog)->text().isEmpty());
    }

    void okResults_data() {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QString>("choice");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        QTest::newRow("to word") << "abiword"
                                 << "rbWord"
                                 << ""
                                 << "WINWORD.EXE";
        QTest::newRow("to wordpad") << "WINWORD.EXE"
                                    << "rbWordPad"
                                    << ""
                                    << "WORDPAD.EXE";
        QTest::newRow("to other") << "WINWORD.EXE"
                                  << "rbOther"
                                  << "soffice --writer"
                                  << "soffice --writer";
        QTest::newRow("other kept") << "abiword"
                                    << ""
                                    << ""
                                    << "abiword";
    }
    void okResults() {
        QFETCH(QString, setting);
        QFETCH(QString, choice);
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        SetWordProcessorDialog dialog(setting, 706);
        dialog.show();
        if (!choice.isEmpty()) {
            Choose(dialog, choice);
        }
        QTest::keyClicks(Command(dialog), typed);
        QTest::mouseClick(Child<QPushButton>(dialog, "btnOk"), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.WordProcessor(), expected);
    }

    void cancelChangesNothing() {
        SetWordProcessorDialog dialog(QStringLiteral("WORDPAD.EXE"), 706);
        dialog.show();
        Choose(dialog, QStringLiteral("rbOther"));
        QTest::keyClicks(Command(dialog), QStringLiteral("abiword"));
        QTest::mouseClick(Child<QPushButton>(dialog, "btnCancel"), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(dialog.WordProcessor(), QStringLiteral("WORDPAD.EXE"));
    }
};

KIV5_WIDGET_TEST_MAIN(TestWordProcessor)
#include "tst_WordProcessor.moc"
