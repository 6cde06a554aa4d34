#pragma once

// Client files, settings and start options for the tests of the main
// window, written into temporary folders.

#include "clientdb/core/NameRec.h"
#include "clientdb/ui/ClientFieldsPanel.h"
#include "clientdb/ui/ClientMainWindow.h"
#include "common/core/RecordTable.h"
#include "tests/support/Support.h"
#include "tests/uisupport/ScriptedPrompts.h"

#include <QStringList>
#include <vector>

class QDialog;

namespace kiv5::ui {
class EntryForm;
}

namespace kiv5::test {

inline const QString kEntryFormTitle = QStringLiteral("Name & Address Entry Form");

NameRec WindowClient(int slot, const QString& last, int status = 0);

// A client file (default "clients.pl5") of the given last names in slots
// 1..n, and its memo file; returns the client file's path.
QString WriteClients(const TempFolder& folder, const QStringList& lastNames,
                     const QString& name = QStringLiteral("clients.pl5"));

std::vector<NameRec> StoredClients(const QString& path);

// Settings of one test: the data folder, no list view unless asked, no
// automatic backup unless asked.
void WriteWindowSettings(const TempFolder& settings, const QString& dataFolder,
                         const QString& autoFile = {}, bool listView = false, bool backup = false);

// No splash, and a launcher that starts nothing.
ui::ClientStartOptions QuietOptions(const QStringList& arguments = {});

// A main window with prompts of its own, started on a file of the data
// folder the settings name (none when fileName is empty).
struct StartedWindow {
    explicit StartedWindow(const QString& fileName = QStringLiteral("clients.pl5"));
    ScriptedPrompts prompts;
    ui::ClientMainWindow window;
};

int RowOfLastName(const RecordTable& table, const QString& last);

// Makes the row of the client with that last name the table's current row.
void MakeCurrent(ui::ClientMainWindow& window, const QString& lastName);

// Replaces the text of a field as a user would, key by key.
void TypeInto(ui::EntryForm& form, ui::ClientFieldsPanel::Field field, const QString& text);

// In the entry form: types the text into the field, saves, closes.
void TypeSaveAndClose(QDialog& form, ui::ClientFieldsPanel::Field field, const QString& text);

} // namespace kiv5::test
