#include "books/ui/BooksViews.h"

#include "books/core/LedgerColumns.h"
#include "common/ui/RecordTableView.h"
#include "common/ui/StoredFont.h"

#include <QMdiArea>

namespace kiv5::books::ui {
namespace {

// The table font's size while the settings hold none.
constexpr int kDefaultTableFontSize = 8;

constexpr LedgerId kLedgers[] = {LedgerId::Income, LedgerId::Expense};

} // namespace

BooksViews::BooksViews(BooksWorkspace& workspace, kiv5::ui::Prompts& prompts,
                       ProgressTracker& progress, QMdiArea& area, QWidget* owner)
    : QObject(owner), ws_(workspace), prompts_(prompts), progress_(progress), area_(area) {
    connect(&ws_, &BooksWorkspace::TableReset, this, [this](LedgerId id) {
        if (LedgerWindow* window = WindowOf(id)) {
            window->Reload();
        }
    });
    connect(&ws_, &BooksWorkspace::RowChanged, this, [this](LedgerId id, int row) {
        if (LedgerWindow* window = WindowOf(id)) {
            window->RowChanged(row);
        }
    });
}

LedgerWindow* BooksViews::WindowOf(LedgerId id) const {
    return id == LedgerId::Income ? income_.data() : expense_.data();
}

void BooksViews::CreateWindows() {
    if (income_) {
        return;
    }
    income_ = new LedgerWindow(ws_.Income(), prompts_, progress_);
    expense_ = new LedgerWindow(ws_.Expense(), prompts_, progress_);
    for (const LedgerId id : kLedgers) {
        area_.addSubWindow(WindowOf(id));
        Connect(id);
        WindowOf(id)->View().SetColumnWidths(ShownColumnWidths(ws_.ColumnWidths(id)));
        WindowOf(id)->show();
    }
    ApplyTableFont();
    Tile();
}

void BooksViews::Connect(LedgerId id) {
    LedgerWindow* window = WindowOf(id);
    connect(window, &LedgerWindow::AddRequested, this, [this, id] { emit AddRequested(id); });
    connect(window, &LedgerWindow::DeleteRequested, this, [this, id] { emit DeleteRequested(id); });
    connect(window, &LedgerWindow::FindRequested, this, [this, id] { emit FindRequested(id); });
    connect(window, &LedgerWindow::FilterRequested, this, [this, id] { emit FilterRequested(id); });
    connect(window, &LedgerWindow::SelectAllRequested, this,
            [this, id](bool selected) { emit SelectAllRequested(id, selected); });
    connect(window, &LedgerWindow::CancelFilterRequested, this,
            [this, id] { emit CancelFilterRequested(id); });
    connect(window, &LedgerWindow::DeleteSelectedRequested, this,
            [this, id] { emit DeleteSelectedRequested(id); });
    connect(window, &LedgerWindow::EditRequested, this, [this, id] { emit EditRequested(id); });
}

void BooksViews::Tile() {
    area_.tileSubWindows();
}

void BooksViews::Cascade() {
    area_.cascadeSubWindows();
}

void BooksViews::SetCommandsEnabled(bool enabled) {
    for (const LedgerId id : kLedgers) {
        if (LedgerWindow* window = WindowOf(id)) {
            window->SetCommandsEnabled(enabled);
        }
    }
}

void BooksViews::ShowRow(LedgerId id, int row) {
    if (LedgerWindow* window = WindowOf(id)) {
        window->View().SetCurrentTableRow(row);
    }
}

int BooksViews::CurrentRow(LedgerId id) const {
    const LedgerWindow* window = WindowOf(id);
    return window ? window->View().CurrentTableRow() : 0;
}

void BooksViews::StoreColumnWidths() {
    for (const LedgerId id : kLedgers) {
        if (const LedgerWindow* window = WindowOf(id)) {
            KeepShownColumnWidths(ws_.ColumnWidths(id), window->View().ColumnWidths());
        }
    }
}

void BooksViews::ApplyTableFont() {
    const BooksSettings& s = ws_.settings;
    const QFont font = kiv5::ui::FontOf(s.TableFontName, s.TableFontSize, s.TableFontBold,
                                        s.TableFontItalic, kDefaultTableFontSize);
    for (const LedgerId id : kLedgers) {
        if (LedgerWindow* window = WindowOf(id)) {
            window->SetTableFont(font);
        }
    }
}

void BooksViews::ChooseTableFont() {
    BooksSettings& s = ws_.settings;
    if (kiv5::ui::ChooseStoredFont(prompts_, QString(), s.TableFontName, s.TableFontSize,
                                   s.TableFontBold, s.TableFontItalic, kDefaultTableFontSize)) {
        ApplyTableFont();
    }
}

kiv5::ui::CommandGuard BooksViews::Guard() const {
    kiv5::ui::CommandGuard guard(prompts_, progress_);
    for (const LedgerId id : kLedgers) {
        if (LedgerWindow* window = WindowOf(id)) {
            guard.ReshowOnError(window);
        }
    }
    return guard;
}

} // namespace kiv5::books::ui
