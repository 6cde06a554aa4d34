#pragma once

// "Itemized Statement Worksheet": the entry panel over the table of the open
// statement's lines, with the worksheet's menu, the table's pop-up menu (the
// shorthand texts on F1 ... F12) and the hidden backup commands. The window
// only wires: every command is the workspace's, every question the prompts'.
// It needs no main window; closing it writes the backup text, keeps the
// column widths in the settings, closes the statement and says Closed.

#include "billing/core/StatementWorkspace.h"

#include <QMainWindow>
#include <QStringList>
#include <optional>

class QMenu;

namespace kiv5 {
struct OfficeContext;
}

namespace kiv5::ui {
class Prompts;
class RecordTableModel;
class RecordTableView;
} // namespace kiv5::ui

namespace kiv5::billing::ui {

class WorksheetPanel;

inline constexpr char kSaveChangesTitle[] = "Save Changes Warning";
inline constexpr char kSaveChangesText[] = "Do you want to save your changes to this record?";

// "Open itemized statement file": the open dialog in the statement folder;
// a name that does not exist yet is created after the question. Nothing when
// cancelled.
std::optional<QString> ChooseStatementFile(kiv5::ui::Prompts& prompts, const QString& isDirectory);

class WorksheetWindow : public QMainWindow {
    Q_OBJECT

public:
    // The workspace holds the open statement; `shorthand` are the twelve
    // shorthand texts (F1 ... F12). All must outlive the window.
    WorksheetWindow(StatementWorkspace& workspace, const QStringList& shorthand,
                    kiv5::ui::Prompts& prompts, OfficeContext& context, QWidget* parent = nullptr);

    WorksheetPanel& Panel() const { return *panel_; }
    kiv5::ui::RecordTableView& View() const { return *view_; }
    QMenu& Menu() const { return *menu_; }
    QMenu& PopupMenu() const { return *popup_; }
    void SetShorthand(const QStringList& texts) { shorthand_ = texts; }

    // Commands, as the menus and buttons run them.
    void SaveToTable();
    void AddLine();
    void DeleteLine();
    void GoFirst();
    void GoPrior();
    void GoNext();
    void GoLast();
    void FastFind();
    void ImportCalendar();
    void SaveBackupText();
    void RestoreBackupText();
    void InsertShorthand(int key);
    // Makes the row current, asking the save-changes question first.
    void MoveTo(int row);

signals:
    // The window closed; the statement is closed.
    void Closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenus();
    QAction* AddCommand(QMenu* menu, const QString& text, const QKeySequence& key,
                        void (WorksheetWindow::*command)(), Qt::ShortcutContext context);
    // Asks the save-changes question when the panel was changed; Yes saves.
    // False when the save failed.
    bool OfferSave();
    void ShowCurrentRow();
    void OnRowClicked(int row);
    bool Run(const std::function<void()>& command);
    void ApplyColumnWidths();
    void KeepColumnWidths();
    QString CurrentSlot() const;

    StatementWorkspace& ws_;
    QStringList shorthand_;
    kiv5::ui::Prompts& prompts_;
    OfficeContext& context_;
    WorksheetPanel* panel_ = nullptr;
    kiv5::ui::RecordTableModel* model_ = nullptr;
    kiv5::ui::RecordTableView* view_ = nullptr;
    QMenu* menu_ = nullptr;
    QMenu* popup_ = nullptr;
    // The worksheet itself moves rows: no question.
    bool moving_ = false;
    bool closed_ = false;
    // The slot of the line the panel shows.
    QString slot_;
};

} // namespace kiv5::billing::ui
