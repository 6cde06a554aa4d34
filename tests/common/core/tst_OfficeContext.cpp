#include "common/core/Misc.h"
#include "common/core/OfficeContext.h"
#include "tests/support/Support.h"
#include "tests/support/TestMain.h"

#include <stdexcept>

using namespace kiv5;

namespace {

// A display that only counts how often it was closed.
class CountingDisplay : public ProgressDisplay {
public:
    explicit CountingDisplay(QList<int>& closed, int id) : closed_(closed), id_(id) {}
    void CloseProgress() override { closed_.append(id_); }

private:
    QList<int>& closed_;
    int id_;
};

} // namespace

class TestOfficeContext : public QObject {
    Q_OBJECT

private slots:
    // Two programs in one process: each helper reports to the sink it was
    // given, and each context keeps its own time.
    void twoContextsStayApart() {
        test::TestContext first(QDateTime(QDate(2011, 3, 7), QTime(9, 30)));
        test::TestContext second(QDateTime(QDate(2025, 1, 2), QTime(16, 0)));
        QCOMPARE(Str2Float_2(QStringLiteral("ten"), first.errors), 0.0);
        QCOMPARE(Str2Float_P(QStringLiteral("x"), second.errors), 0.0);
        QCOMPARE(first.codes, QList<int>{21202});
        QCOMPARE(second.codes, QList<int>{21182});
        first.now = first.now.addDays(1);
        QCOMPARE(FormatShortDate(first.Today()), QStringLiteral("3/8/2011"));
        QCOMPARE(FormatDateTime(second.Now(), Midnight::Show),
                 QStringLiteral("1/2/2025 4:00:00 PM"));
    }

    void clockFollowsItsSource() {
        test::FixedClock moving(QDateTime(QDate(2011, 3, 7), QTime(23, 59, 59)));
        const Clock& clock = moving;
        QCOMPARE(FormatDateTime(clock.Now(), Midnight::Show),
                 QStringLiteral("3/7/2011 11:59:59 PM"));
        moving.now = moving.now.addSecs(1);
        QCOMPARE(clock.Today(), DateToDayCount(QDate(2011, 3, 8)));
        QVERIFY(std::abs(Clock().Now() - DateTimeToDayCount(QDateTime::currentDateTime())) < 0.01);
    }

    // Reporting never becomes an error of its own: a handler that throws
    // falls back to standard error and the caller goes on.
    void reportingNeverThrows_data() {
        QTest::addColumn<bool>("handlerThrows");
        QTest::newRow("default sink") << false;
        QTest::newRow("throwing handler") << true;
    }
    void reportingNeverThrows() {
        QFETCH(bool, handlerThrows);
        OfficeContext context;
        if (handlerThrows) {
            context.errors = ErrorSink([](int) { throw std::runtime_error("no window"); });
        }
        QTest::ignoreMessage(QtWarningMsg, "KIV5 error 21030");
        QTest::ignoreMessage(QtWarningMsg, "KIV5 error 11060");
        int at = 0;
        QCOMPARE(MakeReal(QStringLiteral("A12"), at, context.errors), 0.0);
        context.ErrorWindow(11060);
    }

    void trackerClosesNewestFirst() {
        QList<int> closed;
        CountingDisplay outer(closed, 1);
        CountingDisplay inner(closed, 2);
        CountingDisplay gone(closed, 3);
        ProgressTracker tracker;
        tracker.Opened(outer);
        tracker.Opened(gone);
        tracker.Opened(inner);
        tracker.Closed(gone);
        QCOMPARE(tracker.Current(), &inner);
        tracker.CloseAll();
        QCOMPARE(closed, (QList<int>{2, 1}));
        QCOMPARE(tracker.Current(), nullptr);
    }
};

KIV5_CORE_TEST_MAIN(TestOfficeContext)
#include "tst_OfficeContext.moc"
