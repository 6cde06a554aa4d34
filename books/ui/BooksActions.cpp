#include "books/ui/BooksActions.h"

#include "common/ui/MenuItems.h"

#include <QMenuBar>

namespace kiv5::books::ui {
namespace {

// The shortcuts work in the entry form and the dialogs as well.
QAction* Item(QMenu* menu, const QString& caption, const QKeySequence& key = {}) {
    return kiv5::ui::AddMenuItem(menu, caption, key, Qt::ApplicationShortcut);
}

LedgerActions LedgerMenu(QMenu* parent, const QString& caption, const LedgerKind& kind) {
    LedgerActions a;
    a.menu = parent->addMenu(caption);
    a.add = Item(a.menu, QStringLiteral("&Add"), kind.addKey);
    a.del = Item(a.menu, QStringLiteral("&Delete"), kind.deleteKey);
    a.display = Item(a.menu, QStringLiteral("D&isplay"), kind.displayKey);
    a.find = Item(a.menu, QStringLiteral("&Fast Find"), kind.findKey);
    a.setFilter = Item(a.menu, QStringLiteral("&Set Filter"));
    a.cancelFilter = Item(a.menu, QStringLiteral("&Cancel Filter"));
    a.selectAll = Item(a.menu, QStringLiteral("S&elect All"));
    a.selectNone = Item(a.menu, QStringLiteral("Select &None"));
    return a;
}

} // namespace

BooksActions CreateBooksActions(QMainWindow& window) {
    BooksActions a;
    QMenuBar* bar = window.menuBar();
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    a.fileMenu = file;
    a.New = Item(file, QStringLiteral("&New"));
    a.Open = Item(file, QStringLiteral("&Open"));
    a.SaveAs = Item(file, QStringLiteral("Save &As"));
    a.Close = Item(file, QStringLiteral("&Close"));
    file->addSeparator();
    a.ExportTxt = Item(file, QStringLiteral("&Export TXT File"));
    a.MakeBackup = Item(file, QStringLiteral("Make &Backup"));
    a.RestoreBackup = Item(file, QStringLiteral("&Restore From Backup"));
    file->addSeparator();
    a.Exit = Item(file, QStringLiteral("E&xit"));
    a.HistorySeparator = file->addSeparator();

    QMenu* actions = bar->addMenu(QStringLiteral("&Actions"));
    a.Refresh = Item(actions, QStringLiteral("&Refresh"), QKeySequence(Qt::Key_F9));
    a.income = LedgerMenu(actions, QStringLiteral("&Income"), IncomeKind());
    a.expense = LedgerMenu(actions, QStringLiteral("&Expense"), ExpenseKind());
    a.SetFilter = Item(actions, QStringLiteral("Set &Filter"), QKeySequence(Qt::CTRL | Qt::Key_M));
    a.CancelFilter =
        Item(actions, QStringLiteral("&Cancel Filter"), QKeySequence(Qt::CTRL | Qt::Key_E));
    a.SelectAll = Item(actions, QStringLiteral("&Select All"), QKeySequence(Qt::CTRL | Qt::Key_S));
    a.SelectNone =
        Item(actions, QStringLiteral("Select &None"), QKeySequence(Qt::CTRL | Qt::Key_N));

    QMenu* options = bar->addMenu(QStringLiteral("&Options"));
    a.Pack = Item(options, QStringLiteral("&Pack"));
    a.Autoload = kiv5::ui::AddMenuToggle(options, QStringLiteral("&Autoload This File"));
    a.AutomaticBackup = kiv5::ui::AddMenuToggle(options, QStringLiteral("Automatic &Backup"));
    a.SetFont = Item(options, QStringLiteral("Set &Font"));
    a.CheckAlignment = Item(options, QStringLiteral("Check &Alignment…"));
    QMenu* directory = options->addMenu(QStringLiteral("Set &Default Directory"));
    a.DirectorySu5 = Item(directory, QStringLiteral("&SU5 Files"));
    a.DirectoryPl5 = Item(directory, QStringLiteral("&PL5 Files"));
    a.SetPl5File = Item(options, QStringLiteral("Set &PL5 File"));
    a.AccountEditor = Item(options, QStringLiteral("A&ccount Editor"));
    a.CategoryEditor = Item(options, QStringLiteral("Ca&tegory Editor"));

    QMenu* windows = bar->addMenu(QStringLiteral("&Window"));
    a.Tile = Item(windows, QStringLiteral("&Tile"));
    a.Cascade = Item(windows, QStringLiteral("&Cascade"));

    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    a.Contents = Item(help, QStringLiteral("&Table of Contents"), QKeySequence(Qt::Key_F1));
    a.About = Item(help, QStringLiteral("&About"));
    return a;
}

} // namespace kiv5::books::ui
