#include "tests/books/ui/BooksWindowFixtures.h"
#include "tests/uisupport/WidgetLookup.h"
#include "tests/uisupport/WidgetTestMain.h"
#include "tools/kiv5/MakeDemoCommand.h"

#include <QComboBox>

using namespace kiv5;
using namespace kiv5::books;
using namespace kiv5::test;

// The demo data set of "kiv5 make-demo" opens in sumora5 with the settings
// it writes, and its entry form reads the linked client file.
class TestBooksDemoSet : public QObject {
    Q_OBJECT

private slots:
    void demoSetOpensAtStart() {
        TempFolder folder;
        TestContext context;
        tool::DemoOptions options;
        options.folder = folder.Folder() + "demo";
        options.clients = 25;
        options.settingsFolder = QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME"));
        tool::MakeDemoDataSet(options, context);

        StartedBooksWindow started{QString()};
        QCOMPARE(started.window.windowTitle(), QStringLiteral("Sumora5: kiv5.su5"));
        QVERIFY(started.window.Workspace().Income().Table().DataRowCount() > 0);
        QVERIFY(started.window.Workspace().Expense().Table().DataRowCount() > 0);
        MakeCurrent(started.window, LedgerId::Income, 1);
        started.prompts.ExpectDialog("Income/Receipt Entry Form", [](QDialog& dialog) {
            // Every live client of the demo, without its header record.
            const int clients = AsForm(dialog).clientBox->count();
            QVERIFY(clients > 20 && clients < 26);
            ClickButton(dialog, "Close");
        });
        started.window.Records().Display(LedgerId::Income);
        QVERIFY(started.prompts.VerifyAllAnswered());
    }
};

KIV5_WIDGET_TEST_MAIN(TestBooksDemoSet)
#include "tst_BooksDemoSet.moc"
