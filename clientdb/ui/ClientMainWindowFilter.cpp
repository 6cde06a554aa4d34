// The client main window's filter and selection commands.

#include "clientdb/ui/ClientMainWindow.h"
#include "clientdb/ui/FilterForm.h"
#include "common/ui/Prompts.h"

namespace kiv5::ui {

void ClientMainWindow::SetFilterCommand() {
    if (!ws_.IsOpen()) {
        return;
    }
    FilterForm form(ws_.FilterRec(), this);
    const int outcome = prompts_.Exec(form);
    if (outcome == FilterForm::Cancelled) {
        return;
    }
    const NameRec criteria = outcome == FilterForm::Applied ? form.Criteria() : ws_.FilterRec();
    RunWithProgress(QStringLiteral("Applying Filter to Names"),
                    [&](const auto& progress) { ws_.SetFilter(criteria, progress); });
}

void ClientMainWindow::CancelFilterCommand() {
    RunWithProgress(QStringLiteral("Cancelling Filter"),
                    [&](const auto& progress) { ws_.CancelFilter(progress); });
}

void ClientMainWindow::SelectAllCommand() {
    if (ws_.IsOpen()) {
        RunWithProgress(QStringLiteral("Selecting All Records"),
                        [&](const auto& progress) { ws_.SelectAll(true, progress); });
    }
}

void ClientMainWindow::SelectNoneCommand() {
    if (ws_.IsOpen()) {
        RunWithProgress(QStringLiteral("De-selecting All Records"),
                        [&](const auto& progress) { ws_.SelectAll(false, progress); });
    }
}

} // namespace kiv5::ui
