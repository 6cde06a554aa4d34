#pragma once

// The billing window with everything a print needs: the usual three bills
// (Smith and Brown marked), the clients, an income and an expense file,
// Smith's itemized statement, a fixed clock (7 March 2011) and a word
// processor that is only recorded.

#include "billing/core/ISRec.h"
#include "billing/ui/QuenbyChildWindows.h"
#include "books/core/ExpRec.h"
#include "books/core/IncRec.h"
#include "common/core/RecordFile.h"
#include "tests/billing/ui/BillingWindowFixtures.h"

#include <QFileInfo>

namespace kiv5::test {

inline const QDate kPrintDay(2011, 3, 7);

// One start of the word processor.
struct StartedProgram {
    QString program;
    QStringList arguments;
    QString folder;
};

inline billing::ISRec WorkLine(double date, const QString& text, double hours) {
    billing::ISRec line;
    line.ServiceDate = date;
    line.ServiceDescription = text;
    line.TimeSpent = hours;
    line.HourlyRate = 2'000'000;
    return line;
}

class PrintFiles {
public:
    explicit PrintFiles(bool marked = true) {
        std::vector<billing::TBillRec> bills = ThreeBills();
        bills[0].Selected = marked; // Smith
        bills[2].Selected = marked; // Brown
        bills[0].ISPath[0] = Statement();
        folder.WriteBills(bills);
        folder.WriteClients({Client("10", "Smith", "Ann"), Client("104", "Brown", "Cy"),
                             Client("7", "Jones", "Bob")});
        folder.WriteSettings();
        SettingsStore store = BillingSettingsStore();
        BillingSettings settings = BuiltInBillingSettings(1044);
        ReadTheIniFile(settings, store, 1044);
        settings.WordProcessor = QStringLiteral("writer --view");
        WriteTheIniFile(settings, store, ErrorSink());
        books::IncRec payment;
        payment.ClientNo = QStringLiteral("10");
        payment.Date = Day(2011, 2, 10);
        payment.Payor = QStringLiteral("Smith pays");
        payment.Amount = 300'000;
        WriteAllRecords(folder.temp.Folder() + QStringLiteral("kiv5.inc"), std::vector{payment});
        WriteAllRecords(folder.temp.Folder() + QStringLiteral("kiv5.exp"),
                        std::vector<books::ExpRec>{});
        WriteAllRecords(Statement(),
                        std::vector{WorkLine(Day(2011, 1, 10), QStringLiteral("Billed before"), 2),
                                    WorkLine(Day(2011, 2, 20), QStringLiteral("Drafting"), 1.5)});
    }

    QString Statement() const { return folder.Bills() + QStringLiteral("smith.is5"); }
    QString Document() const {
        return folder.Bills() + QStringLiteral("kiv5 - Selected Forms.RTF");
    }
    QString DocumentText() const { return QString::fromLatin1(BillingFolder::Read(Document())); }

    BillingFolder folder;
};

inline ui::LaunchPlatform RecordingPlatform(QList<StartedProgram>& started) {
    ui::LaunchPlatform platform;
    platform.findExecutable = [](const QString& name) {
        return name == QStringLiteral("writer") ? QStringLiteral("/usr/bin/writer") : QString();
    };
    platform.startDetached = [&started](const QString& program, const QStringList& arguments,
                                        const QString& folder) {
        started.append({program, arguments, folder});
        return 0;
    };
    platform.openUrl = [](const QUrl&) { return false; };
    return platform;
}

// A started window on kiv5.qy5 with the print commands and the child
// windows installed.
struct PrintWindow {
    explicit PrintWindow(const QString& argument = QStringLiteral("kiv5.qy5"))
        : window(prompts, Options(argument)) {
        window.Context().clock = Clock::FixedAt(QDateTime(kPrintDay, QTime(9, 30)));
        billing::ui::InstallChildWindows(window);
        window.SetPrintCommandsAvailable(true);
        window.StartUp();
    }

    billing::ui::QuenbyStartOptions Options(const QString& argument) {
        billing::ui::QuenbyStartOptions options =
            QuietQuenbyOptions(argument.isEmpty() ? QStringList() : QStringList{argument});
        options.launchPlatform = RecordingPlatform(started);
        return options;
    }

    QList<StartedProgram> started;
    ScriptedPrompts prompts;
    billing::ui::QuenbyMainWindow window;
};

} // namespace kiv5::test
