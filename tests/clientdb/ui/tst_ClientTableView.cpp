#include "clientdb/core/ClientColumns.h"
#include "clientdb/core/ClientTable.h"
#include "clientdb/ui/ClientTableLook.h"
#include "common/core/TableProfile.h"
#include "common/core/TableSort.h"
#include "common/ui/ActiveRowsProxy.h"
#include "common/ui/RecordTableModel.h"
#include "common/ui/RecordTableView.h"
#include "tests/uisupport/ScriptedPrompts.h"
#include "tests/uisupport/WidgetTestMain.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QImage>

using namespace kiv5;
using namespace kiv5::ui;

class TestClientTableView : public QObject {
    Q_OBJECT

private slots:
    void captions_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("caption");
        QTest::newRow("indicator") << ClientCol::Indicator << "";
        QTest::newRow("mark") << ClientCol::Mark << "";
        QTest::newRow("client number") << ClientCol::ClientNo << "Client No.";
        QTest::newRow("last name") << ClientCol::LastName << "Last Name";
        QTest::newRow("address 2") << ClientCol::Address2 << "Address 2";
        QTest::newRow("zip") << ClientCol::ZipCode << "ZIP";
        QTest::newRow("email") << ClientCol::EMail << "EMail";
        QTest::newRow("memo") << ClientCol::Memo << "Memo";
        QTest::newRow("record number") << ClientCol::RecNo << "";
        QTest::newRow("status") << ClientCol::Status << "";
    }
    void captions() {
        QFETCH(int, column);
        QFETCH(QString, caption);
        const RecordTableLook look = ClientTableLook();
        QCOMPARE(look.captions.size(), ClientCol::Count);
        QCOMPARE(look.captions[column], caption);
        // Plain even when sorted by that column, either way.
        SortState sort(ClientCol::Count);
        sort.SortedColumn = column;
        QCOMPARE(HeaderCaption(look, sort, column), caption);
        sort.FlipFlag(column);
        QCOMPARE(HeaderCaption(look, sort, column), caption);
    }

    void centredColumns() {
        const RecordTableLook look = ClientTableLook();
        QCOMPARE(
            look.centredColumns,
            (QSet<int>{ClientCol::Mark, ClientCol::ClientNo, ClientCol::State, ClientCol::ZipCode,
                       ClientCol::Phone, ClientCol::Cell, ClientCol::Fax}));
        QVERIFY(look.moneyColumns.isEmpty());
        QCOMPARE(look.indicatorColumn, ClientCol::Indicator);
        QCOMPARE(look.markColumn, ClientCol::Mark);
        QVERIFY(!look.sortedCapitals);
    }

    void rowHeight_data() {
        QTest::addColumn<int>("pointSize");
        QTest::newRow("8 pt") << 8;
        QTest::newRow("10 pt") << 10;
        QTest::newRow("16 pt") << 16;
    }
    void rowHeight() {
        QFETCH(int, pointSize);
        QFont font("Arial Narrow", pointSize);
        QCOMPARE(ClientRowHeight(font), QFontMetrics(font).height() + 16);
    }

    void lastNameTwiceInTheView() {
        const TableProfile profile = ClientTableProfile();
        RecordTable table = MakeClientTable();
        const QStringList names = {"Ortiz", "baker", "Lee", "Adams"};
        for (const QString& name : names) {
            const int row = table.AppendRow();
            table.SetCell(row, ClientCol::LastName, name);
            table.SetCell(row, ClientCol::RecNo, QString::number(row));
            table.SetCell(row, ClientCol::Status, "0");
        }
        SortState sort(profile);
        test::ScriptedPrompts prompts;
        ProgressTracker progress;
        RecordTableModel model(table, profile, sort, ClientTableLook());
        RecordTableView view(model, prompts, progress);
        view.resize(800, 300);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        const auto lastNames = [&] {
            QStringList shown;
            for (int i = 0; i < view.Proxy().rowCount(); ++i)
                shown << table.Cell(view.Proxy().TableRowAt(i), ClientCol::LastName);
            return shown;
        };
        QHeaderView* header = view.horizontalHeader();
        const QPoint at(header->sectionViewportPosition(ClientCol::LastName) + 5,
                        header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(lastNames(), (QStringList{"Adams", "baker", "Lee", "Ortiz"}));
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(lastNames(), (QStringList{"baker", "Ortiz", "Lee", "Adams"}));
        QCOMPARE(header->model()->headerData(ClientCol::LastName, Qt::Horizontal).toString(),
                 QString("Last Name"));
    }
};

KIV5_WIDGET_TEST_MAIN(TestClientTableView)
#include "tst_ClientTableView.moc"
