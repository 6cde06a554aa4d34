#include "books/core/LedgerColumns.h"
#include "clientdb/core/ClientColumns.h"
#include "common/core/RecordTable.h"
#include "common/core/TableProfile.h"
#include "common/core/TableSort.h"
#include "common/ui/ActiveRowsProxy.h"
#include "common/ui/ProgressWindow.h"
#include "common/ui/RecordTableDelegate.h"
#include "common/ui/RecordTableModel.h"
#include "common/ui/RecordTableView.h"
#include "tests/uisupport/ScriptedPrompts.h"
#include "tests/uisupport/WidgetTestMain.h"

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QImage>
#include <QSignalSpy>
#include <memory>

using namespace kiv5;
using namespace kiv5::ui;
using kiv5::test::ScriptedPrompts;

namespace {

// Client-shaped rows: last name in 3, record number in 20, status in 21.
constexpr int kMark = 1;
constexpr int kLast = 3;
constexpr int kFirst = 4;
constexpr int kClientRecNo = 20;
// Income-shaped rows: date in 2, amount in 9, record number in 12.
constexpr int kDate = 2;
constexpr int kAmount = 9;
constexpr int kBooksRecNo = 12;

struct Client {
    QString last;
    QString status = "0";
    QString mark = {};
};

RecordTable ClientRows(const TableProfile& profile, const QList<Client>& clients) {
    RecordTable table = profile.MakeTable();
    for (int i = 0; i < clients.size(); ++i) {
        const int row = table.AppendRow();
        table.SetCell(row, kMark, clients[i].mark);
        table.SetCell(row, kLast, clients[i].last);
        table.SetCell(row, kClientRecNo, QString::number(row));
        table.SetCell(row, profile.StatusColumn, clients[i].status);
    }
    table.ApplyStatusHeights();
    return table;
}

RecordTable IncomeRows(const TableProfile& profile, const QStringList& amounts) {
    RecordTable table = profile.MakeTable();
    for (const QString& amount : amounts) {
        const int row = table.AppendRow();
        table.SetCell(row, kDate, QStringLiteral("01/0%1/2020").arg(row));
        table.SetCell(row, kAmount, amount);
        table.SetCell(row, kBooksRecNo, QString::number(row));
        table.SetCell(row, profile.StatusColumn, "0");
    }
    table.ApplyStatusHeights();
    return table;
}

RecordTableLook PlainLook(int columns) {
    RecordTableLook look;
    look.captions = QStringList(columns, QString());
    look.captions[kLast] = "Last Name";
    look.captions[kFirst] = "First Name";
    look.indicatorColumn = 0;
    look.markColumn = kMark;
    return look;
}

RecordTableLook BooksLook(int columns) {
    RecordTableLook look;
    look.captions = QStringList(columns, QString());
    look.captions[kDate] = "Date";
    look.captions[kAmount] = "Amount";
    look.sortedCapitals = true;
    look.moneyColumns = {kAmount};
    look.markColumn = 0;
    return look;
}

QStringList Column(const RecordTable& table, int column) {
    QStringList cells;
    for (int row = 1; row < table.RowCount(); ++row)
        cells << table.Cell(row, column);
    return cells;
}

// A table, its model and a shown view of it.
struct Fixture {
    Fixture(TableProfile p, RecordTable t, RecordTableLook look)
        : profile(std::move(p)), table(std::move(t)), sort(profile),
          model(table, profile, sort, std::move(look)), view(model, prompts, progress) {
        view.SetRowHeight(24);
        view.resize(900, 400);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
    }
    QPoint CellCentre(int tableRow, int column) const {
        const QModelIndex index = view.Proxy().index(view.Proxy().ProxyRowOf(tableRow), column);
        return view.visualRect(index).center();
    }
    void ClickHeader(int column) {
        QHeaderView* header = view.horizontalHeader();
        const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                        header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
    }

    TableProfile profile;
    RecordTable table;
    SortState sort;
    ScriptedPrompts prompts;
    ProgressTracker progress;
    RecordTableModel model;
    RecordTableView view;
};

} // namespace

class TestRecordTableView : public QObject {
    Q_OBJECT

private slots:
    void modelsPassTheTester() {
        const TableProfile profile = ClientTableProfile();
        RecordTable table =
            ClientRows(profile, {{"Baker"}, {"Adams", "-1"}, {"Cole", "-2"}, {"Dunn"}, {"Evans"}});
        SortState sort(profile);
        RecordTableModel model(table, profile, sort, PlainLook(profile.ColumnCount));
        ActiveRowsProxy proxy(model);
        QAbstractItemModelTester modelTester(
            &model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QAbstractItemModelTester proxyTester(
            &proxy, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(model.rowCount(), 5);
        QCOMPARE(model.columnCount(), 22);
        QCOMPARE(model.data(model.index(0, kLast)).toString(), QString("Baker"));
        QCOMPARE(proxy.rowCount(), 3);

        // A row hidden and another one shown through their cells.
        table.SetCell(4, profile.StatusColumn, "-1");
        table.ApplyStatusHeight(4);
        model.RowChanged(4);
        table.SetCell(2, profile.StatusColumn, "0");
        table.ApplyStatusHeight(2);
        model.RowChanged(2);
        QCOMPARE(proxy.rowCount(), 3);
        QCOMPARE(proxy.TableRowAt(1), 2);

        // Wholesale change: rows added and dropped, one reset.
        QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
        table.SetRowCount(3);
        model.Reload();
        QCOMPARE(resets.count(), 1);
        QCOMPARE(proxy.rowCount(), 2);
        table.Clear();
        model.Reload();
        QCOMPARE(model.rowCount(), 0);
        QCOMPARE(proxy.rowCount(), 0);
    }

    void proxyMapsRowsBothWays_data() {
        QTest::addColumn<QStringList>("statuses");
        QTest::addColumn<QList<int>>("shown");
        QTest::newRow("all active") << QStringList{"0", "0", "0"} << QList<int>{1, 2, 3};
        QTest::newRow("filtered and deleted")
            << QStringList{"-1", "0", "-2", "0", "-1"} << QList<int>{2, 4};
        QTest::newRow("nothing shown") << QStringList{"-2", "-1"} << QList<int>{};
        QTest::newRow("odd status stays shown") << QStringList{"7", "-2"} << QList<int>{1};
        QTest::newRow("empty table") << QStringList{} << QList<int>{};
    }
    void proxyMapsRowsBothWays() {
        QFETCH(QStringList, statuses);
        QFETCH(QList<int>, shown);
        const TableProfile profile = ClientTableProfile();
        QList<Client> clients;
        for (const QString& status : statuses)
            clients.append({"Name", status});
        RecordTable table = ClientRows(profile, clients);
        SortState sort(profile);
        RecordTableModel model(table, profile, sort, PlainLook(profile.ColumnCount));
        ActiveRowsProxy proxy(model);
        QCOMPARE(proxy.rowCount(), shown.size());
        for (int i = 0; i < shown.size(); ++i) {
            QCOMPARE(proxy.TableRowAt(i), shown[i]);
            QCOMPARE(proxy.ProxyRowOf(shown[i]), i);
        }
        for (int row = 0; row <= statuses.size() + 1; ++row) {
            if (!shown.contains(row))
                QCOMPARE(proxy.ProxyRowOf(row), -1);
        }
        QCOMPARE(proxy.TableRowAt(-1), -1);
        QCOMPARE(proxy.TableRowAt(shown.size()), -1);
    }

    void headerCaptions_data() {
        QTest::addColumn<bool>("books");
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("caption");
        QTest::newRow("client, before any sort") << false << QList<int>{} << kLast << "Last Name";
        QTest::newRow("client, sorted column stays plain")
            << false << QList<int>{kLast} << kLast << "Last Name";
        QTest::newRow("client, twice") << false << QList<int>{kLast, kLast} << kLast << "Last Name";
        QTest::newRow("client, no caption") << false << QList<int>{kMark} << kMark << "";
        QTest::newRow("books, before any sort") << true << QList<int>{} << kDate << "Date";
        QTest::newRow("books, flag cleared by the click")
            << true << QList<int>{kDate} << kDate << "DATE ^";
        QTest::newRow("books, flag set again")
            << true << QList<int>{kDate, kDate} << kDate << "DATE v";
        QTest::newRow("books, other column plain")
            << true << QList<int>{kDate} << kAmount << "Amount";
        QTest::newRow("books, the last sorted column only")
            << true << QList<int>{kDate, kAmount} << kDate << "Date";
        QTest::newRow("books, money column")
            << true << QList<int>{kDate, kAmount} << kAmount << "AMOUNT ^";
    }
    void headerCaptions() {
        QFETCH(bool, books);
        QFETCH(QList<int>, clicks);
        QFETCH(int, column);
        QFETCH(QString, caption);
        std::unique_ptr<Fixture> fixture;
        if (books) {
            const TableProfile profile = books::BookkeepingTableProfile();
            fixture = std::make_unique<Fixture>(profile,
                                                IncomeRows(profile, {"5.00", "1,200.00", "(3.50)"}),
                                                BooksLook(profile.ColumnCount));
        } else {
            const TableProfile profile = ClientTableProfile();
            fixture = std::make_unique<Fixture>(
                profile, ClientRows(profile, {{"Cole"}, {"Adams"}, {"Baker"}}),
                PlainLook(profile.ColumnCount));
        }
        Fixture& f = *fixture;
        for (int click : clicks)
            f.ClickHeader(click);
        QCOMPARE(f.model.headerData(column, Qt::Horizontal).toString(), caption);
        QCOMPARE(f.view.horizontalHeader()->model()->headerData(column, Qt::Horizontal).toString(),
                 caption);
    }

    void headerClickSorts_data() {
        QTest::addColumn<int>("clicks");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("once: ascending, cases tie")
            << 1 << QStringList{"adams", "Adams", "baker", "Cole", "Dunn"};
        QTest::newRow("twice: descending, case counts")
            << 2 << QStringList{"baker", "adams", "Dunn", "Cole", "Adams"};
        QTest::newRow("three times: ascending again")
            << 3 << QStringList{"adams", "Adams", "baker", "Cole", "Dunn"};
    }
    void headerClickSorts() {
        QFETCH(int, clicks);
        QFETCH(QStringList, order);
        QStringList progressTexts;
        QList<bool> enabledDuring;
        RecordTableView* watched = nullptr;
        const ProgressTracker* tracker = nullptr;
        TableProfile profile = ClientTableProfile([&](RecordTable& t) {
            const ProgressWindow* window = tracker ? ProgressWindow::Current(*tracker) : nullptr;
            progressTexts << (window ? window->Text() : QString());
            enabledDuring << (watched && watched->isEnabled());
            t.SetRow(0, QStringList(t.ColumnCount(), QString()));
        });
        RecordTable table = ClientRows(
            profile, {{"Cole"}, {"adams"}, {"Dunn"}, {"Ghost", "-2"}, {"baker"}, {"Adams"}});
        Fixture f(profile, std::move(table), PlainLook(profile.ColumnCount));
        watched = &f.view;
        tracker = &f.progress;
        f.view.SetCurrentTableRow(3); // Dunn, record 3
        QSignalSpy sorted(&f.view, &RecordTableView::Sorted);
        QSignalSpy resets(&f.model, &QAbstractItemModel::modelReset);
        for (int i = 0; i < clicks; ++i)
            f.ClickHeader(kLast);

        QStringList shown;
        for (int i = 0; i < f.view.Proxy().rowCount(); ++i)
            shown << f.table.Cell(f.view.Proxy().TableRowAt(i), kLast);
        QCOMPARE(shown, order);
        QCOMPARE(sorted.count(), clicks);
        QCOMPARE(sorted.first().first().toInt(), kLast);
        QCOMPARE(resets.count(), clicks);
        QCOMPARE(progressTexts, QStringList(clicks, "Sorting Records"));
        QCOMPARE(enabledDuring, QList<bool>(clicks, false));
        QCOMPARE(f.progress.Current(), nullptr);
        QVERIFY(f.view.isEnabled());
        // The current row follows its record.
        QCOMPARE(f.table.Cell(f.view.CurrentTableRow(), kLast), QString("Dunn"));
        QCOMPARE(f.table.Cell(f.view.CurrentTableRow(), kClientRecNo), QString("3"));
        QVERIFY(f.prompts.VerifyAllAnswered());
    }

    void conversionErrorKeepsTheViewUsable() {
        const TableProfile profile = books::BookkeepingTableProfile();
        Fixture f(profile, IncomeRows(profile, {"5.00", "12 dollars", "1.00"}),
                  BooksLook(profile.ColumnCount));
        f.view.SetCurrentTableRow(2);
        f.prompts.ExpectQuestion("Error", "'12dollars' is not a valid floating point value",
                                 QMessageBox::Ok);
        QSignalSpy sorted(&f.view, &RecordTableView::Sorted);
        QSignalSpy resets(&f.model, &QAbstractItemModel::modelReset);
        f.ClickHeader(kAmount);
        QVERIFY(f.prompts.VerifyAllAnswered());
        QCOMPARE(f.prompts.Asked().first().icon, QMessageBox::Critical);
        QVERIFY(f.view.isEnabled());
        QCOMPARE(f.progress.Current(), nullptr);
        QCOMPARE(sorted.count(), 0);
        QCOMPARE(resets.count(), 1);
        QCOMPARE(Column(f.table, kAmount), (QStringList{"5.00", "12 dollars", "1.00"}));
        QCOMPARE(f.view.CurrentTableRow(), 2);
        // The core still made it the sorted column.
        QCOMPARE(f.model.headerData(kAmount, Qt::Horizontal).toString(), QString("AMOUNT v"));
    }

    void markClicks_data() {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<int>("column");
        QTest::addColumn<QStringList>("marks");
        QTest::newRow("left in the mark column")
            << Qt::LeftButton << kMark << QStringList{"", "", "X"};
        QTest::newRow("middle in the mark column")
            << Qt::MiddleButton << kMark << QStringList{"", "", "X"};
        QTest::newRow("right in the mark column")
            << Qt::RightButton << kMark << QStringList{"", "", ""};
        QTest::newRow("left elsewhere") << Qt::LeftButton << kLast << QStringList{"", "", ""};
        QTest::newRow("left in the indicator column")
            << Qt::LeftButton << 0 << QStringList{"", "", ""};
    }
    void markClicks() {
        QFETCH(Qt::MouseButton, button);
        QFETCH(int, column);
        QFETCH(QStringList, marks);
        const TableProfile profile = ClientTableProfile();
        Fixture f(profile, ClientRows(profile, {{"Adams"}, {"Baker", "-1"}, {"Cole"}}),
                  PlainLook(profile.ColumnCount));
        f.view.SetColumnWidths(std::vector<int>(22, 60));
        QSignalSpy toggled(&f.view, &RecordTableView::MarkToggled);
        QSignalSpy clicked(&f.view, &RecordTableView::TableClicked);
        QTest::mouseClick(f.view.viewport(), button, {}, f.CellCentre(3, column));
        QCOMPARE(Column(f.table, kMark), marks);
        QCOMPARE(toggled.count(), marks.contains("X") ? 1 : 0);
        if (!toggled.isEmpty())
            QCOMPARE(toggled.first().first().toInt(), 3);
        QCOMPARE(clicked.count(), 1);

        // Below the last row nothing toggles.
        const QPoint below(f.CellCentre(3, kMark).x(), f.view.viewport()->height() - 2);
        QTest::mouseClick(f.view.viewport(), button, {}, below);
        QCOMPARE(Column(f.table, kMark), marks);
        QCOMPARE(clicked.count(), 2);
    }

    void secondClickClearsTheMark() {
        const TableProfile profile = ClientTableProfile();
        Fixture f(profile, ClientRows(profile, {{"Adams", "0", "X"}, {"Baker"}}),
                  PlainLook(profile.ColumnCount));
        QTest::mouseClick(f.view.viewport(), Qt::LeftButton, {}, f.CellCentre(1, kMark));
        QCOMPARE(Column(f.table, kMark), (QStringList{"", ""}));
        QTest::mouseClick(f.view.viewport(), Qt::MiddleButton, {}, f.CellCentre(1, kMark));
        QCOMPARE(Column(f.table, kMark), (QStringList{"X", ""}));
    }

    void rowBackground_data() {
        QTest::addColumn<bool>("current");
        QTest::addColumn<bool>("marked");
        QTest::addColumn<int>("position");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("current") << true << false << 3 << QColor(166, 202, 240);
        QTest::newRow("current and marked") << true << true << 3 << QColor(166, 202, 240);
        QTest::newRow("marked, odd") << false << true << 5 << QColor(192, 220, 192);
        QTest::newRow("marked, even") << false << true << 4 << QColor(Qt::white);
        QTest::newRow("plain, odd") << false << false << 5 << QColor(192, 192, 192);
        QTest::newRow("plain, even") << false << false << 2 << QColor(192, 192, 192);
    }
    void rowBackground() {
        QFETCH(bool, current);
        QFETCH(bool, marked);
        QFETCH(int, position);
        QFETCH(QColor, colour);
        QCOMPARE(RowBackground(current, marked, position), colour);
    }

    void rowPosition_data() {
        QTest::addColumn<int>("topTableRow");
        QTest::addColumn<int>("topProxyRow");
        QTest::addColumn<int>("proxyRow");
        QTest::addColumn<int>("position");
        QTest::newRow("top row itself") << 1 << 0 << 0 << 2;
        QTest::newRow("third shown row") << 1 << 0 << 2 << 4;
        QTest::newRow("scrolled past hidden rows") << 40 << 10 << 12 << 43;
    }
    void rowPosition() {
        QFETCH(int, topTableRow);
        QFETCH(int, topProxyRow);
        QFETCH(int, proxyRow);
        QFETCH(int, position);
        QCOMPARE(RowPosition(topTableRow, topProxyRow, proxyRow), position);
    }

    void textPlacement_data() {
        QTest::addColumn<int>("textWidth");
        QTest::addColumn<CellPlacement>("placement");
        QTest::addColumn<int>("left");
        // The cell spans x 100..159.
        QTest::newRow("left") << 20 << CellPlacement::Left << 101;
        QTest::newRow("centred") << 20 << CellPlacement::Centred << 120;
        QTest::newRow("centred, as wide as the cell") << 60 << CellPlacement::Centred << 100;
        QTest::newRow("centred, wider than the cell") << 90 << CellPlacement::Centred << 100;
        QTest::newRow("money") << 20 << CellPlacement::Money << 138;
        QTest::newRow("money, wider than the cell") << 70 << CellPlacement::Money << 88;
    }
    void textPlacement() {
        QFETCH(int, textWidth);
        QFETCH(CellPlacement, placement);
        QFETCH(int, left);
        QCOMPARE(TextLeft(QRect(100, 10, 60, 24), textWidth, placement), left);
    }

    void moneyText_data() {
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QString>("shown");
        QTest::newRow("plain") << "1234.5"
                               << "$ 1,234.50";
        QTest::newRow("with separators") << "1,234,567.891"
                                         << "$ 1,234,567.89";
        QTest::newRow("small") << "0.5"
                               << "$ 0.50";
        QTest::newRow("negative") << "-12"
                                  << "$ -12.00";
        QTest::newRow("in brackets") << "(3.25)"
                                     << "$ -3.25";
        QTest::newRow("dollar sign") << "$7"
                                     << "$ 7.00";
        QTest::newRow("no amount") << "twelve"
                                   << "twelve";
    }
    void moneyText() {
        QFETCH(QString, cell);
        QFETCH(QString, shown);
        QCOMPARE(MoneyText(cell), shown);
    }

    void paintedColours() {
        const TableProfile profile = ClientTableProfile();
        Fixture f(profile,
                  ClientRows(profile, {{"Adams", "0", "X"},
                                       {"Baker", "-1", "X"},
                                       {"Cole", "0", "X"},
                                       {"Dunn", "0"},
                                       {"Evans", "0", "X"}}),
                  PlainLook(profile.ColumnCount));
        f.view.SetColumnWidths(std::vector<int>(22, 50));
        f.view.SetCurrentTableRow(4);
        QImage image(f.view.viewport()->size(), QImage::Format_RGB32);
        f.view.viewport()->render(&image);
        // First-name cells are empty: their colour is the background alone.
        const auto colourAt = [&](int tableRow, int column) {
            const QRect cell = f.view.visualRect(
                f.view.Proxy().index(f.view.Proxy().ProxyRowOf(tableRow), column));
            return image.pixelColor(cell.left() + 3, cell.top() + 2);
        };
        // Top row is table row 1: positions 2 (Adams), 3 (Cole), 4 (Dunn), 5 (Evans).
        QCOMPARE(colourAt(1, kFirst), QColor(Qt::white));
        QCOMPARE(colourAt(3, kFirst), QColor(192, 220, 192));
        QCOMPARE(colourAt(4, kFirst), QColor(166, 202, 240));
        QCOMPARE(colourAt(5, kFirst), QColor(192, 220, 192));
        QCOMPARE(colourAt(4, 0), QColor(Qt::red));
        QCOMPARE(colourAt(3, 0), f.view.palette().color(QPalette::Button));
        f.table.SetCell(5, kMark, "");
        f.model.RowChanged(5);
        f.view.viewport()->render(&image);
        QCOMPARE(colourAt(5, kFirst), QColor(192, 192, 192));
    }

    void geometry() {
        const TableProfile profile = ClientTableProfile();
        Fixture f(profile, ClientRows(profile, {{"Adams"}, {"Baker"}}),
                  PlainLook(profile.ColumnCount));
        std::vector<int> widths(22, 64);
        widths[0] = -1;
        widths[5] = 120;
        widths[18] = widths[19] = widths[20] = widths[21] = -1;
        f.view.SetColumnWidths(widths);
        QCOMPARE(f.view.ColumnWidths(), widths);
        QVERIFY(f.view.isColumnHidden(0));
        widths[0] = 30;
        f.view.SetColumnWidths(widths);
        QCOMPARE(f.view.columnWidth(0), 30);
        f.view.SetRowHeight(31);
        QCOMPARE(f.view.rowHeight(0), 31);
        QCOMPARE(f.view.rowHeight(1), 31);
        QCOMPARE(f.view.verticalHeader()->sectionResizeMode(0), QHeaderView::Fixed);
        QVERIFY(f.view.verticalHeader()->isHidden());
        QCOMPARE(f.view.selectionBehavior(), QAbstractItemView::SelectRows);
        QCOMPARE(f.view.selectionMode(), QAbstractItemView::SingleSelection);
    }

    void currentRowAcrossReloads_data() {
        QTest::addColumn<int>("current");
        QTest::addColumn<QString>("change");
        QTest::addColumn<int>("after");
        QTest::newRow("unchanged") << 2 << "none" << 2;
        QTest::newRow("record moved") << 2 << "reverse" << 3;
        QTest::newRow("record hidden: next shown row") << 2 << "hide" << 3;
        QTest::newRow("last record gone: the row before") << 4 << "drop" << 3;
        QTest::newRow("no current row") << 0 << "none" << 0;
    }
    void currentRowAcrossReloads() {
        QFETCH(int, current);
        QFETCH(QString, change);
        QFETCH(int, after);
        const TableProfile profile = ClientTableProfile();
        Fixture f(profile, ClientRows(profile, {{"Adams"}, {"Baker"}, {"Cole"}, {"Dunn"}}),
                  PlainLook(profile.ColumnCount));
        f.view.SetCurrentTableRow(current);
        QCOMPARE(f.view.CurrentTableRow(), current);
        QSignalSpy changed(&f.view, &RecordTableView::CurrentRowChanged);
        if (change == "reverse") {
            f.table.Permute({4, 3, 2, 1});
        } else if (change == "hide") {
            f.table.SetCell(2, profile.StatusColumn, "-1");
            f.table.ApplyStatusHeight(2);
        } else if (change == "drop") {
            f.table.SetRowCount(4);
        }
        f.view.Reload();
        QCOMPARE(f.view.CurrentTableRow(), after);
        if (after != 0)
            QCOMPARE(changed.last().first().toInt(), after);
    }
};

KIV5_WIDGET_TEST_MAIN(TestRecordTableView)
#include "tst_RecordTableView.moc"
