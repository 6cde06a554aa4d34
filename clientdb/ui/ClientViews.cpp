#include "clientdb/ui/ClientViews.h"

#include "clientdb/core/ClientColumns.h"
#include "clientdb/core/ClientTable.h"
#include "clientdb/ui/ClientListEntries.h"
#include "clientdb/ui/ClientTableLook.h"
#include "clientdb/ui/HideShowColumnsDialog.h"
#include "common/ui/ProgressWindow.h"
#include "common/ui/Prompts.h"
#include "common/ui/RecordTableModel.h"
#include "common/ui/StoredFont.h"
#include "common/ui/WaitCursor.h"

#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <algorithm>

namespace kiv5::ui {

ClientViews::ClientViews(ClientWorkspace& workspace, Prompts& prompts, ProgressTracker& progress,
                         QMdiArea& area, QWidget* owner)
    : QObject(owner), ws_(workspace), prompts_(prompts), progress_(progress), area_(area),
      owner_(owner), model_(new RecordTableModel(ws_.Table(), ws_.Profile(), ws_.Sort(),
                                                 ClientTableLook(), this)) {
    connect(&ws_, &ClientWorkspace::TableReset, this, [this] { ReloadViews(); });
    connect(&ws_, &ClientWorkspace::RowChanged, this, [this](int row) {
        model_->RowChanged(row);
        RefreshListView();
    });
}

void ClientViews::CreateTableView() {
    if (tableView_) {
        return;
    }
    auto* view = new RecordTableView(*model_, prompts_, progress_);
    view->setObjectName(QStringLiteral("tableView"));
    tableView_ = view;
    tableWindow_ = area_.addSubWindow(view);
    tableWindow_->setWindowTitle(QStringLiteral("Table View"));
    tableWindow_->setAttribute(Qt::WA_DeleteOnClose);
    tableWindow_->installEventFilter(this);
    connect(tableWindow_, &QObject::destroyed, this, &ClientViews::ViewClosed);
    ApplyTableFont();
    const ClientSettings& s = ws_.settings;
    std::vector<int> widths(s.ColumnWidth.begin(), s.ColumnWidth.end());
    for (int column = 0; column < ClientCol::Count; ++column) {
        const auto c = static_cast<std::size_t>(column);
        if (column >= ClientCol::PostTime || !s.ShowColumn[c]) {
            widths[c] = -1;
        }
    }
    view->SetColumnWidths(widths);
    AddTableMenu(*view);
    connect(view, &RecordTableView::EditRequested, this, &ClientViews::EditRequested);
    for (auto signal : {&RecordTableView::Sorted, &RecordTableView::MarkToggled}) {
        connect(view, signal, this, [this] { RefreshListView(); });
    }
    connect(view, &RecordTableView::TableClicked, this, [this] { RefreshListView(); });
    connect(view, &RecordTableView::CurrentRowChanged, this, &ClientViews::CurrentRowChanged);
    view->show();
}

bool ClientViews::eventFilter(QObject* watched, QEvent* event) {
    // The widths go with the window: keep them before it is destroyed.
    if (event->type() == QEvent::Close && watched == tableWindow_) {
        StoreColumnWidths();
    }
    return QObject::eventFilter(watched, event);
}

void ClientViews::AddTableMenu(RecordTableView& view) {
    auto* menu = new QMenu(&view);
    menu->addAction(QStringLiteral("&Copy To Clipboard"), this, &ClientViews::CopyRequested);
    menu->addAction(QStringLiteral("&Delete Selected Record(s)"), this,
                    &ClientViews::DeleteRequested);
    menu->addAction(QStringLiteral("&Edit"), this, &ClientViews::EditRequested);
    menu->addAction(QStringLiteral("&Select This Record"), this, &ClientViews::SelectThisRequested);
    view.SetContextMenu(menu);
}

void ClientViews::CreateListView() {
    if (listView_) {
        return;
    }
    auto* view = new ClientListView;
    view->setObjectName(QStringLiteral("listView"));
    listView_ = view;
    listWindow_ = area_.addSubWindow(view);
    listWindow_->setAttribute(Qt::WA_DeleteOnClose);
    listWindow_->setWindowTitle(QStringLiteral("List View"));
    ApplyListFont();
    {
        ScopedProgress progress(progress_, QStringLiteral("Creating Client List View"));
        RefreshListView();
    }
    connect(view, &ClientListView::EntryClicked, this, &ClientViews::ListEntryClicked);
    connect(view, &ClientListView::EditRequested, this, [this] {
        if (CurrentRow() > 0) {
            emit EditRequested();
        }
    });
    connect(view, &ClientListView::CopyRequested, this, &ClientViews::CopyRequested);
    connect(view, &ClientListView::DeleteRequested, this, &ClientViews::DeleteRequested);
    view->show();
}

void ClientViews::CloseListView() {
    CloseView(listWindow_);
}

void ClientViews::CloseView(QPointer<QMdiSubWindow>& window) {
    if (!window) {
        return;
    }
    if (window == tableWindow_) {
        StoreColumnWidths();
    }
    QMdiSubWindow* closing = window;
    window = nullptr;
    area_.removeSubWindow(closing);
    delete closing;
}

void ClientViews::RecreateViews() {
    CloseView(listWindow_);
    CloseView(tableWindow_);
    CreateTableView();
    if (ws_.settings.DisplayListView) {
        CreateListView();
    }
}

void ClientViews::ReloadViews() {
    if (tableView_) {
        tableView_->Reload();
    } else {
        model_->Reload();
    }
    RefreshListView();
}

void ClientViews::RefreshListView() {
    if (!listView_) {
        return;
    }
    WaitCursor wait;
    listView_->SetEntries(ClientListEntries(ws_.Table()), ws_.Table().RowCount());
    listView_->viewport()->update();
}

int ClientViews::CurrentRow() const {
    return tableView_ ? tableView_->CurrentTableRow() : 0;
}

void ClientViews::SetCurrentRow(int row) {
    if (tableView_) {
        tableView_->SetCurrentTableRow(row);
    }
}

void ClientViews::CentreListOn(int row) {
    if (!listView_ || !ws_.HasRow(row)) {
        return;
    }
    const int recNo = ws_.Table().Cell(row, ClientCol::RecNo).toInt();
    const std::vector<ListEntry>& entries = listView_->Entries();
    const auto found = std::find_if(entries.begin(), entries.end(),
                                    [recNo](const ListEntry& e) { return e.LVRecNo == recNo; });
    if (found != entries.end()) {
        listView_->CentreOn(int(found - entries.begin()));
    }
}

void ClientViews::ApplyTableFont() {
    if (tableView_) {
        const ClientSettings& s = ws_.settings;
        const QFont font =
            FontOf(s.TableFontName, s.TableFontSize, s.TableFontBold, s.TableFontItalic);
        tableView_->setFont(font);
        tableView_->SetRowHeight(ClientRowHeight(font));
    }
}

void ClientViews::ApplyListFont() {
    if (listView_) {
        const ClientSettings& s = ws_.settings;
        listView_->SetListFont(
            FontOf(s.ListFontName, s.ListFontSize, s.ListFontBold, s.ListFontItalic));
    }
}

void ClientViews::StoreColumnWidths() {
    if (!tableView_) {
        return;
    }
    const std::vector<int> widths = tableView_->ColumnWidths();
    for (int column = 0; column <= ClientCol::Memo && column < int(widths.size()); ++column) {
        const auto c = static_cast<std::size_t>(column);
        if (ws_.settings.ShowColumn[c] && widths[c] > 0) {
            ws_.settings.ColumnWidth[c] = widths[c];
        }
    }
}

void ClientViews::HideShowColumns() {
    if (!tableView_) {
        return;
    }
    StoreColumnWidths();
    ClientSettings& s = ws_.settings;
    HideShowColumnsDialog dialog(std::vector<bool>(s.ShowColumn.begin(), s.ShowColumn.end()),
                                 owner_);
    if (prompts_.Exec(dialog) != QDialog::Accepted) {
        return;
    }
    const std::vector<bool> show = dialog.ShowColumn();
    for (std::size_t c = 0; c < s.ShowColumn.size() && c < show.size(); ++c) {
        s.ShowColumn[c] = show[c];
    }
    std::vector<int> widths = tableView_->ColumnWidths();
    const std::vector<int> after =
        WidthsAfterHideShow(std::vector<int>(s.ColumnWidth.begin(), s.ColumnWidth.end()), show);
    for (int column = HideShowColumnsDialog::kFirstColumn;
         column <= HideShowColumnsDialog::kLastColumn; ++column) {
        const auto c = static_cast<std::size_t>(column);
        widths[c] = after[c];
        if (after[c] > 0) {
            s.ColumnWidth[c] = after[c];
        }
    }
    tableView_->SetColumnWidths(widths);
}

void ClientViews::ChooseTableFont() {
    ClientSettings& s = ws_.settings;
    if (ChooseStoredFont(prompts_, QStringLiteral("Table View"), s.TableFontName, s.TableFontSize,
                         s.TableFontBold, s.TableFontItalic)) {
        ApplyTableFont();
    }
}

void ClientViews::ChooseListFont() {
    ClientSettings& s = ws_.settings;
    if (ChooseStoredFont(prompts_, QStringLiteral("List View"), s.ListFontName, s.ListFontSize,
                         s.ListFontBold, s.ListFontItalic)) {
        ApplyListFont();
    }
}

void ClientViews::ListEntryClicked(int index, Qt::KeyboardModifiers modifiers) {
    if (!listView_ || index < 0 || index >= int(listView_->Entries().size())) {
        return;
    }
    const std::vector<ListEntry>& entries = listView_->Entries();
    ListClick click = ListClick::Plain;
    QList<int> range;
    if (modifiers & Qt::ShiftModifier) {
        click = ListClick::Range;
        for (int i = lastListClick_; i >= 0 && i <= index; ++i) {
            range.append(entries[static_cast<std::size_t>(i)].LVRecNo);
        }
    } else if (modifiers & Qt::ControlModifier) {
        click = ListClick::Toggle;
    }
    lastListClick_ = index;
    emit ListClicked(entries[static_cast<std::size_t>(index)].LVRecNo, click, range);
}

} // namespace kiv5::ui
