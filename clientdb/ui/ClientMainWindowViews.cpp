// The client main window's document windows: the table view, the list view,
// their fonts and columns, the clipboard and the list view's clicks.

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

// Asks for a font starting from the stored one and stores the choice.
bool ChooseStoredFont(Prompts& prompts, const QString& title, QString& name, qint32& size,
                      bool& bold, bool& italic) {
    const std::optional<QFont> font = prompts.ChooseFont(FontOf(name, size, bold, italic), title);
    if (!font) {
        return false;
    }
    name = font->family();
    size = font->pointSize();
    bold = font->bold();
    italic = font->italic();
    return true;
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
    const ClientSettings& s = ws_.settings;
    std::vector<int> widths(s.ColumnWidth.begin(), s.ColumnWidth.end());
    for (int column = 0; column < ClientCol::Count; ++column) {
        const auto c = static_cast<std::size_t>(column);
        if (column >= ClientCol::PostTime || !s.ShowColumn[c]) {
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
    for (auto signal : {&RecordTableView::Sorted, &RecordTableView::MarkToggled}) {
        connect(view, signal, this, [this] { RefreshListView(); });
    }
    connect(view, &RecordTableView::TableClicked, this, [this] { RefreshListView(); });
    connect(view, &RecordTableView::CurrentRowChanged, this, [this](int row) {
        if (!IsFormOpen() && row > 0) {
            ws_.CurrentRowNo = row;
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
    listWindow_->setWindowTitle(QStringLiteral("List View"));
    ApplyListFont();
    {
        ScopedProgress progress(context_.progress, QStringLiteral("Creating Client List View"));
        RefreshListView();
    }
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

void ClientMainWindow::CloseView(QPointer<QMdiSubWindow>& window) {
    if (!window) {
        return;
    }
    if (window == tableWindow_) {
        StoreColumnWidths();
    }
    QMdiSubWindow* closing = window;
    window = nullptr;
    mdi_->removeSubWindow(closing);
    delete closing;
}

void ClientMainWindow::RecreateViews() {
    CloseView(listWindow_);
    CloseView(tableWindow_);
    CreateTableView();
    if (ws_.settings.DisplayListView) {
        CreateListView();
    }
}

void ClientMainWindow::ReloadViews() {
    if (tableView_) {
        tableView_->Reload();
    } else {
        model_->Reload();
    }
    RefreshListView();
}

void ClientMainWindow::RefreshListView() {
    if (!listView_) {
        return;
    }
    WaitCursor wait;
    listView_->SetEntries(ClientListEntries(ws_.Table()), ws_.Table().RowCount());
    listView_->viewport()->update();
}

void ClientMainWindow::ApplyTableFont() {
    if (tableView_) {
        const ClientSettings& s = ws_.settings;
        const QFont font =
            FontOf(s.TableFontName, s.TableFontSize, s.TableFontBold, s.TableFontItalic);
        tableView_->setFont(font);
        tableView_->SetRowHeight(ClientRowHeight(font));
    }
}

void ClientMainWindow::ApplyListFont() {
    if (listView_) {
        const ClientSettings& s = ws_.settings;
        listView_->SetListFont(
            FontOf(s.ListFontName, s.ListFontSize, s.ListFontBold, s.ListFontItalic));
    }
}

void ClientMainWindow::StoreColumnWidths() {
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

void ClientMainWindow::HideShowColumnsCommand() {
    if (!tableView_) {
        return;
    }
    StoreColumnWidths();
    ClientSettings& s = ws_.settings;
    HideShowColumnsDialog dialog(std::vector<bool>(s.ShowColumn.begin(), s.ShowColumn.end()), this);
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

void ClientMainWindow::TableFontCommand() {
    ClientSettings& s = ws_.settings;
    if (ChooseStoredFont(prompts_, QStringLiteral("Table View"), s.TableFontName, s.TableFontSize,
                         s.TableFontBold, s.TableFontItalic)) {
        ApplyTableFont();
    }
}

void ClientMainWindow::ListFontCommand() {
    ClientSettings& s = ws_.settings;
    if (ChooseStoredFont(prompts_, QStringLiteral("List View"), s.ListFontName, s.ListFontSize,
                         s.ListFontBold, s.ListFontItalic)) {
        ApplyListFont();
    }
}

void ClientMainWindow::ToggleListViewCommand() {
    ws_.settings.DisplayListView = !ws_.settings.DisplayListView;
    CloseView(listWindow_);
    UpdateCommands();
}

void ClientMainWindow::CopyCommand() {
    if (const int row = CurrentRow(); ws_.HasRow(row)) {
        QApplication::clipboard()->setMimeData(MakeClientMimeData(MakeTPL5Rec(ws_.Table(), row)));
    }
}

void ClientMainWindow::PasteCommand() {
    const int row = CurrentRow();
    const QMimeData* data = QApplication::clipboard()->mimeData();
    if (!ws_.HasRow(row) || !data) {
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
    ws_.Paste(row, *rec);
    if (IsFormOpen() && ws_.CurrentRowNo == row) {
        // The pasted fields are unsaved changes of the record shown.
        ShowRowInForm(row);
        ws_.ModifiedRecord = true;
        form_->SetModified(true);
    }
}

void ClientMainWindow::SelectThisRecordCommand() {
    ws_.SelectRow(CurrentRow());
}

void ClientMainWindow::ListEntryClicked(int index, Qt::KeyboardModifiers modifiers) {
    if (!listView_ || index < 0 || index >= int(listView_->Entries().size())) {
        return;
    }
    const std::vector<ListEntry>& entries = listView_->Entries();
    const int recNo = entries[static_cast<std::size_t>(index)].LVRecNo;
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
    int row = 0;
    RunGuarded([&] { row = ws_.ClickListEntry(recNo, click, range); });
    if (row > 0) {
        SetCurrentRow(row);
    }
}

} // namespace kiv5::ui
