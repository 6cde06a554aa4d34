#pragma once

// A bookkeeping set on disk with settings naming its folders, and a started
// main window on it with scripted prompts.

#include "books/core/LedgerLayout.h"
#include "books/ui/BooksMainWindow.h"
#include "common/ui/RecordTableModel.h"
#include "common/ui/RecordTableView.h"
#include "tests/books/core/BooksFixtures.h"
#include "tests/uisupport/ScriptedPrompts.h"

namespace kiv5::test {

// Settings of one test: the set's folders, autoload as given, no
// automatic backup.
inline void WriteBooksSettings(const BooksSetFolder& set, const QString& autoFile = {}) {
    BooksSettings settings = BuiltInBooksSettings(1044);
    settings.FilesDirectory = set.Books();
    settings.PL5Directory = set.Clients();
    settings.PL5FileName = QStringLiteral("kiv5.pl5");
    settings.AutoFileName = autoFile;
    settings.AutomaticBackupFlag = false;
    SettingsStore store = BooksSettingsStore();
    WriteTheIniFile(settings, store, ErrorSink());
}

// The usual set: three receipts, two checks, two clients, settings.
struct BooksWindowSet {
    BooksWindowSet() {
        set.WriteSet("kiv5", ThreeReceipts(), TwoChecks());
        set.WriteClients({Client("10", "Smith", "Ann"), Client("104", "Smith", "Al"),
                          Client("7", "Jones", "Bob")});
        WriteBooksSettings(set);
    }
    BooksSetFolder set;
};

inline books::ui::BooksStartOptions QuietBooksOptions(const QStringList& arguments = {}) {
    books::ui::BooksStartOptions options;
    options.arguments = arguments;
    options.splash = false;
    // A check PDF is never opened on the machine running the tests.
    options.launchPlatform.openUrl = [](const QUrl&) { return true; };
    options.launchPlatform.startDetached = [](const QString&, const QStringList&, const QString&) {
        return 0;
    };
    return options;
}

// A started window, on the set named by the argument when given.
struct StartedBooksWindow {
    explicit StartedBooksWindow(const QString& argument = QStringLiteral("kiv5.su5"))
        : window(prompts,
                 QuietBooksOptions(argument.isEmpty() ? QStringList() : QStringList{argument})) {
        window.StartUp();
    }
    ScriptedPrompts prompts;
    books::ui::BooksMainWindow window;
};

inline QString Heading(books::ui::BooksMainWindow& window, books::LedgerId id, int column) {
    return window.WindowOf(id)
        ->View()
        .Model()
        .headerData(column, Qt::Horizontal, Qt::DisplayRole)
        .toString();
}

inline void MakeCurrent(books::ui::BooksMainWindow& window, books::LedgerId id, int row) {
    window.WindowOf(id)->View().SetCurrentTableRow(row);
    window.Workspace().LedgerOf(id).CurrentRow = row;
}

inline books::ui::LedgerEntryForm& AsForm(QDialog& dialog) {
    return static_cast<books::ui::LedgerEntryForm&>(dialog);
}

} // namespace kiv5::test
