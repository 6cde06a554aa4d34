// The client main window's document windows: the table view, the list view,
// their fonts and columns, the clipboard and the list view's clicks.

#include "clientdb/core/ClientSelection.h"
#include "clientdb/core/ClientTable.h"
#include "clientdb/core/TPL5Rec.h"
#include "clientdb/ui/ClientListEntries.h"
#include "clientdb/ui/ClientListView.h"
#include "clientdb/ui/ClientMainWindow.h"
#include "clientdb/ui/ClientTableLook.h"
#include "clientdb/ui/EntryForm.h"
#include "clientdb/ui/HideShowColumnsDialog.h"
#include "common/ui/ProgressWindow.h"
#include "common/ui/Prompts.h"
#include "common/ui/RecordTableModel.h"
#include "common/ui/RecordTableView.h"
#include "common/ui/WaitCursor.h"

#include <QApplication>
#include <QClipboard>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMimeData>

namespace kiv5::ui {
namespace {

QFont FontOf(const QString& name, int size, bool bold, bool italic) {
    QFont font(name);
    if (size > 0) {
        font.setPointSize(size);
    }
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

} // namespace

void ClientMainWindow::CreateTableView() {
    if (tableView_) {
        return;
    }
    auto* view = new RecordTableView(*model_, prompts_, context_.progress);
    view->setObjectName(QStringLiteral("tableView"));
    tableView_ = view;
    tableWindow_ = mdi_->addSubWindow(view);
    tableWindow_->setWindowTitle(QStringLiteral("Table View"));
    tableWindow_->setAttribute(Qt::WA_DeleteOnClose);
    ApplyTableFont();
    std::vector<int> widths(program_.settings.ColumnWidth.begin(),
                            program_.settings.ColumnWidth.end());
    for (int column = 0; column < ClientCol::Count; ++column) {
        const auto c = static_cast<std::size_t>(column);
        if (column >= ClientCol::PostTime || !program_.settings.ShowColumn[c]) {
            widths[c] = -1;
        }
    }
    view->SetColumnWidths(widths);

    auto* menu = new QMenu(view);
    menu->addAction(QStringLiteral("&Copy To Clipboard"), this, [this] { CopyCommand(); });
    menu->addAction(QStringLiteral("&Delete Selected Record(s)"), this,
                    [this] { DeleteSelectedCommand(); });
    menu->addAction(QStringLiteral("&Edit"), this, [this] { DisplayCurrentRecordCommand(); });
    menu->addAction(QStringLiteral("&Select This Record"), this,
                    [this] { SelectThisRecordCommand(); });
    view->SetContextMenu(menu);

    connect(view, &RecordTableView::EditRequested, this, [this] { DisplayCurrentRecordCommand(); });
    connect(view, &RecordTableView::Sorted, this, [this] { RefreshListView(); });
    connect(view, &RecordTableView::MarkToggled, this, [this] { RefreshListView(); });
    connect(view, &RecordTableView::TableClicked, this, [this] { RefreshListView(); });
    connect(view, &RecordTableView::CurrentRowChanged, this, [this](int row) {
        if (!IsFormOpen() && row > 0) {
            program_.CurrentRowNo = row;
        }
    });
    view->show();
}

void ClientMainWindow::CreateListView() {
    if (listView_) {
        return;
    }
    auto* view = new ClientListView;
    view->setObjectName(QStringLiteral("listView"));
    listView_ = view;
    listWindow_ = mdi_->addSubWindow(view);
    listWindow_->setAttribute(Qt::WA_DeleteOnClose);
    ApplyListFont();
    {
        ScopedProgress progress(context_.progress, QStringLiteral("Creating Client List View"));
        std::vector<ListEntry> entries;
        for (int row = 1; row < program_.table.RowCount(); ++row) {
            ListEntry entry;
            entry.text = ListEntryText(program_.table, row);
            entry.LVRecNo = program_.table.Cell(row, ClientCol::RecNo).toInt();
            entries.push_back(std::move(entry));
        }
        view->SetEntries(std::move(entries), program_.table.RowCount());
    }
    listWindow_->setWindowTitle(QStringLiteral("List View"));
    connect(
        view, &ClientListView::EntryClicked, this,
        [this](int index, Qt::KeyboardModifiers modifiers) { ListEntryClicked(index, modifiers); });
    connect(view, &ClientListView::EditRequested, this, [this] {
        if (CurrentRow() > 0) {
            OpenEntryForm(CurrentRow());
        }
    });
    connect(view, &ClientListView::CopyRequested, this, [this] { CopyCommand(); });
    connect(view, &ClientListView::DeleteRequested, this, [this] { DeleteSelectedCommand(); });
    view->show();
}

void ClientMainWindow::CloseTableView() {
    if (!tableWindow_) {
        return;
    }
    StoreColumnWidths();
    QMdiSubWindow* window = tableWindow_;
    tableWindow_ = nullptr;
    tableView_ = nullptr;
    mdi_->removeSubWindow(window);
    delete window;
}

void ClientMainWindow::CloseListView() {
    if (!listWindow_) {
        return;
    }
    QMdiSubWindow* window = listWindow_;
    listWindow_ = nullptr;
    listView_ = nullptr;
    mdi_->removeSubWindow(window);
    delete window;
}

void ClientMainWindow::RecreateViews() {
    CloseListView();
    CloseTableView();
    CreateTableView();
    if (program_.settings.DisplayListView) {
        CreateListView();
    }
}

void ClientMainWindow::TileWindows() {
    mdi_->tileSubWindows();
}

void ClientMainWindow::ReloadTable() {
    if (tableView_) {
        tableView_->Reload();
    } else {
        model_->Reload();
    }
}

void ClientMainWindow::RefreshListView() {
    if (!listView_) {
        return;
    }
    WaitCursor wait;
    listView_->SetEntries(ClientListEntries(program_.table), program_.table.RowCount());
    listView_->viewport()->update();
}

void ClientMainWindow::ApplyTableFont() {
    if (!tableView_) {
        return;
    }
    const ClientSettings& s = program_.settings;
    const QFont font = FontOf(s.TableFontName, s.TableFontSize, s.TableFontBold, s.TableFontItalic);
    tableView_->setFont(font);
    tableView_->SetRowHeight(ClientRowHeight(font));
}

void ClientMainWindow::ApplyListFont() {
    if (!listView_) {
        return;
    }
    const ClientSettings& s = program_.settings;
    listView_->SetListFont(
        FontOf(s.ListFontName, s.ListFontSize, s.ListFontBold, s.ListFontItalic));
}

void ClientMainWindow::StoreColumnWidths() {
    if (!tableView_) {
        return;
    }
    const std::vector<int> widths = tableView_->ColumnWidths();
    for (int column = 0; column <= ClientCol::Memo && column < int(widths.size()); ++column) {
        const auto c = static_cast<std::size_t>(column);
        if (program_.settings.ShowColumn[c] && widths[c] > 0) {
            program_.settings.ColumnWidth[c] = widths[c];
        }
    }
}

void ClientMainWindow::HideShowColumnsCommand() {
    if (!tableView_) {
        return;
    }
    StoreColumnWidths();
    ClientSettings& s = program_.settings;
    HideShowColumnsDialog dialog(std::vector<bool>(s.ShowColumn.begin(), s.ShowColumn.end()), this);
    if (prompts_.Exec(dialog) != QDialog::Accepted) {
        return;
    }
    const std::vector<bool> show = dialog.ShowColumn();
    for (std::size_t c = 0; c < s.ShowColumn.size() && c < show.size(); ++c) {
        s.ShowColumn[c] = show[c];
    }
    std::vector<int> widths = tableView_->ColumnWidths();
    std::vector<int> stored(s.ColumnWidth.begin(), s.ColumnWidth.end());
    const std::vector<int> after = WidthsAfterHideShow(stored, show);
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

void ClientMainWindow::TableFontCommand() {
    ClientSettings& s = program_.settings;
    const QFont current =
        FontOf(s.TableFontName, s.TableFontSize, s.TableFontBold, s.TableFontItalic);
    const std::optional<QFont> font = prompts_.ChooseFont(current, QStringLiteral("Table View"));
    if (!font) {
        return;
    }
    s.TableFontName = font->family();
    s.TableFontSize = font->pointSize();
    s.TableFontBold = font->bold();
    s.TableFontItalic = font->italic();
    ApplyTableFont();
}

void ClientMainWindow::ListFontCommand() {
    ClientSettings& s = program_.settings;
    const QFont current = FontOf(s.ListFontName, s.ListFontSize, s.ListFontBold, s.ListFontItalic);
    const std::optional<QFont> font = prompts_.ChooseFont(current, QStringLiteral("List View"));
    if (!font) {
        return;
    }
    s.ListFontName = font->family();
    s.ListFontSize = font->pointSize();
    s.ListFontBold = font->bold();
    s.ListFontItalic = font->italic();
    ApplyListFont();
}

void ClientMainWindow::ToggleListViewCommand() {
    program_.settings.DisplayListView = !program_.settings.DisplayListView;
    CloseListView();
    UpdateCommands();
}

void ClientMainWindow::CopyCommand() {
    const int row = CurrentRow();
    if (row < 1 || row >= program_.table.RowCount()) {
        return;
    }
    QApplication::clipboard()->setMimeData(MakeClientMimeData(MakeTPL5Rec(program_.table, row)));
}

void ClientMainWindow::PasteCommand() {
    const int row = CurrentRow();
    const QMimeData* data = QApplication::clipboard()->mimeData();
    if (row < 1 || row >= program_.table.RowCount() || !data) {
        return;
    }
    if (HasBrokenClientRecord(*data)) {
        prompts_.Message(QStringLiteral("Paste"), BrokenClipboardText(*data), QMessageBox::Ok,
                         QMessageBox::Warning);
        return;
    }
    const std::optional<TPL5Rec> rec = ClientFromMimeData(*data);
    if (!rec) {
        return;
    }
    PasteTPL5Rec(program_.table, row, *rec);
    model_->RowChanged(row);
    RefreshListView();
    if (IsFormOpen() && program_.CurrentRowNo == row) {
        // The pasted fields are unsaved changes of the record shown.
        ShowRowInForm(row);
        program_.ModifiedRecord = true;
        form_->SetModified(true);
    }
}

void ClientMainWindow::SelectThisRecordCommand() {
    const int row = CurrentRow();
    if (row < 1 || row >= program_.table.RowCount()) {
        return;
    }
    program_.table.SetCell(row, ClientCol::Mark, QStringLiteral("X"));
    model_->RowChanged(row);
    RefreshListView();
}

void ClientMainWindow::ListEntryClicked(int index, Qt::KeyboardModifiers modifiers) {
    if (!listView_ || index < 0 || index >= int(listView_->Entries().size())) {
        return;
    }
    const std::vector<ListEntry>& entries = listView_->Entries();
    RecordTable& table = program_.table;
    const int recNo = entries[static_cast<std::size_t>(index)].LVRecNo;
    if (modifiers & Qt::ShiftModifier) {
        if (lastListClick_ >= 0 && lastListClick_ <= index) {
            QList<int> recNos;
            for (int i = lastListClick_; i <= index; ++i) {
                recNos.append(entries[static_cast<std::size_t>(i)].LVRecNo);
            }
            RunGuarded([&] { MarkRecNos(table, program_.profile, program_.sort, recNos); });
        }
    } else if (modifiers & Qt::ControlModifier) {
        ToggleMarkOfRecNo(table, recNo);
    } else {
        SelectOnlyRecNo(table, recNo);
    }
    lastListClick_ = index;
    const int row = RowOfRecNo(table, recNo);
    ReloadTable();
    if (row > 0) {
        SetCurrentRow(row);
    }
    RefreshListView();
}

} // namespace kiv5::ui
