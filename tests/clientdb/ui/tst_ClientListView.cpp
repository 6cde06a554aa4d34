#include "clientdb/ui/ClientListView.h"
#include "tests/uisupport/WidgetTestMain.h"

#include <QScrollBar>
#include <QSignalSpy>

using namespace kiv5::ui;

namespace {

std::vector<ListEntry> MakeEntries(int n) {
    std::vector<ListEntry> entries;
    for (int i = 0; i < n; ++i) {
        entries.push_back({QStringLiteral("Name %1, First").arg(i), i % 3 == 0, i + 1});
    }
    return entries;
}

} // namespace

class TestClientListView : public QObject {
    Q_OBJECT

private slots:
    void entriesFillColumnsTopToBottom() {
        ClientListView view;
        view.resize(600, 300);
        view.show();
        view.SetEntries(MakeEntries(100), 101);
        const int rows = view.RowsPerColumn();
        QVERIFY(rows > 1);
        QCOMPARE(view.EntryRect(rows).topLeft(), QPoint(view.CellWidth(), 0));
        QCOMPARE(view.EntryRect(1).topLeft(), QPoint(0, view.CellHeight()));
        QCOMPARE(view.EntryAt(view.EntryRect(rows + 1).center()), rows + 1);
        QCOMPARE(view.EntryAt(QPoint(5, rows * view.CellHeight() + 1)), -1);
        // Range: (table rows div rows per column) columns plus one.
        QCOMPARE(view.horizontalScrollBar()->maximum(),
                 std::max(0, (101 / rows) * view.CellWidth() + view.CellWidth() -
                                 view.viewport()->width()));
    }

    void clicksAndKeys() {
        ClientListView view;
        view.resize(400, 200);
        view.show();
        view.SetEntries(MakeEntries(300), 301);
        QSignalSpy clicked(&view, &ClientListView::EntryClicked);
        QSignalSpy deleted(&view, &ClientListView::DeleteRequested);
        QSignalSpy edit(&view, &ClientListView::EditRequested);
        QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::ControlModifier,
                          view.EntryRect(2).center());
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(clicked[0][0].toInt(), 2);
        QCOMPARE(clicked[0][1].value<Qt::KeyboardModifiers>(), Qt::ControlModifier);
        QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, view.EntryRect(2).center());
        QCOMPARE(edit.count(), 1);
        QTest::keyClick(&view, Qt::Key_Delete);
        QCOMPARE(deleted.count(), 1);
        QTest::keyClick(&view, Qt::Key_End);
        QCOMPARE(view.horizontalScrollBar()->value(), view.horizontalScrollBar()->maximum());
        QTest::keyClick(&view, Qt::Key_Home);
        QCOMPARE(view.horizontalScrollBar()->value(), 0);
    }

    void centreOnPosition() {
        ClientListView view;
        view.resize(400, 200);
        view.show();
        view.SetEntries(MakeEntries(1000), 1001);
        const int position = 500;
        view.CentreOn(position);
        const int expected =
            (position / view.RowsPerColumn() - view.VisibleColumns() / 2) * view.CellWidth();
        QCOMPARE(view.horizontalScrollBar()->value(),
                 std::clamp(expected, 0, view.horizontalScrollBar()->maximum()));
    }
};

KIV5_WIDGET_TEST_MAIN(TestClientListView)
#include "tst_ClientListView.moc"
