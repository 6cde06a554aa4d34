#pragma once

#include "clientdb/core/ClientWorkspace.h"
#include "clientdb/ui/EntryForm.h"
#include "common/core/OfficeContext.h"

#include <QObject>
#include <QPointer>
#include <functional>

class QWidget;

namespace kiv5::ui {

class ClientViews;
class Prompts;

// The client program's record commands: the entry form and its session
// (the save-changes question before every move), add, save with the
// comparison, delete, navigation, fast find, the clipboard and the list
// view's clicks. Each asks its questions, then calls the workspace.
class ClientRecords : public QObject {
    Q_OBJECT

public:
    ClientRecords(ClientWorkspace& workspace, Prompts& prompts, ClientViews& views,
                  OfficeContext& context, QWidget* owner);

    EntryForm* Form() const { return form_; }
    bool IsFormOpen() const;

    void Add();
    // False when nothing was saved (refused, failed); the changes stay shown.
    bool Save();
    // Deletes the row, asking first unless all was answered already.
    bool DeleteRow(int row, bool all);
    void DeleteSelected();
    void First();
    void Last();
    void Next();
    void Prior();
    void Display();
    void FastFind();
    void Copy();
    void Paste();
    void SelectThis();
    // Closes the entry form without the save-changes question.
    void CloseFormNow();

signals:
    // A command changed what the menus depend on.
    void CommandsChanged();

private:
    enum class Unsaved { Proceed, Stop };
    // The save-changes question; stopOnEmptyNumber: 11080 ends the move.
    Unsaved ResolveUnsavedChanges(bool stopOnEmptyNumber, bool requireLastName);
    bool Run(const std::function<void()>& command);
    void ShowError(int code);
    void MoveToRow(int row, bool centreList);
    void MoveTo(int target);
    void OpenEntryForm(int row, bool newClient = false);
    void ShowRowInForm(int row);
    void UpdateFormButtons();
    void CreateEntryForm();
    void FormDelete();
    void FormAdd();
    void ListClicked(int recNo, ListClick click, const QList<int>& range);

    ClientWorkspace& ws_;
    Prompts& prompts_;
    ClientViews& views_;
    OfficeContext& context_;
    QWidget* owner_;
    QPointer<EntryForm> form_;
    bool cancelSearch_ = false;
    bool forceFormClose_ = false;
};

} // namespace kiv5::ui
