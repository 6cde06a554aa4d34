#include "tests/clientdb/ui/ClientWindowFixtures.h"

#include "clientdb/core/ClientFile.h"
#include "clientdb/core/ClientSettings.h"
#include "clientdb/core/ClientTable.h"
#include "clientdb/ui/EntryForm.h"
#include "common/core/RecordFile.h"
#include "common/core/TextFile.h"
#include "common/ui/RecordTableView.h"
#include "tests/uisupport/WidgetLookup.h"

#include <QLineEdit>
#include <QTest>

namespace kiv5::test {

NameRec WindowClient(int slot, const QString& last, int status) {
    NameRec rec;
    rec.ClientNo = QStringLiteral("C%1").arg(slot);
    rec.LastName = last;
    rec.FirstName = QStringLiteral("First%1").arg(slot);
    rec.City = QStringLiteral("Albany");
    rec.State = 32;
    rec.PostTime = 45659.5;
    rec.PullTime = 45659.5;
    rec.RecNo = slot;
    rec.Status = status;
    return rec;
}

QString WriteClients(const TempFolder& folder, const QStringList& lastNames, const QString& name) {
    std::vector<NameRec> records{NameRec{}};
    QStringList memo{QString()};
    for (int i = 0; i < lastNames.size(); ++i) {
        records.push_back(WindowClient(i + 1, lastNames[i]));
        memo.append(QString());
    }
    const ClientFiles files = ClientFilesFor(folder.Folder(), name);
    WriteAllRecords(files.clientFile, records);
    WriteTextLines(files.memoFile, memo);
    return files.clientFile;
}

std::vector<NameRec> StoredClients(const QString& path) {
    return ReadAllRecords<NameRec>(path);
}

void WriteWindowSettings(const TempFolder& settings, const QString& dataFolder,
                         const QString& autoFile, bool listView, bool backup) {
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(settings.Folder()));
    SettingsStore store = ClientSettingsStore();
    store.WriteText(QStringLiteral("FilesDirectory"), dataFolder);
    store.WriteText(QStringLiteral("AutoFileName"), autoFile);
    store.WriteFlag(QStringLiteral("DisplayListView"), listView);
    store.WriteFlag(QStringLiteral("AutomaticBackupFlag"), backup);
    store.Save();
}

ui::ClientStartOptions QuietOptions(const QStringList& arguments) {
    ui::ClientStartOptions options;
    options.arguments = arguments;
    options.splash = false;
    ui::LaunchPlatform quiet;
    quiet.findExecutable = [](const QString&) { return QString(); };
    quiet.startDetached = [](const QString&, const QStringList&, const QString&) { return 0; };
    quiet.openUrl = [](const QUrl&) { return true; };
    options.launchPlatform = quiet;
    return options;
}

StartedWindow::StartedWindow(const QString& fileName)
    : window(prompts, QuietOptions(fileName.isEmpty() ? QStringList() : QStringList{fileName})) {
    window.StartUp();
}

int RowOfLastName(const RecordTable& table, const QString& last) {
    for (int row = 1; row < table.RowCount(); ++row) {
        if (table.Cell(row, ClientCol::LastName) == last) {
            return row;
        }
    }
    return 0;
}

void MakeCurrent(ui::ClientMainWindow& window, const QString& lastName) {
    window.TableView()->SetCurrentTableRow(RowOfLastName(window.Workspace().Table(), lastName));
}

void TypeInto(ui::EntryForm& form, ui::ClientFieldsPanel::Field field, const QString& text) {
    auto* panel = form.findChild<ui::ClientFieldsPanel*>();
    QVERIFY(panel);
    QLineEdit* edit = panel->Edit(field);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

void TypeSaveAndClose(QDialog& form, ui::ClientFieldsPanel::Field field, const QString& text) {
    auto& entryForm = static_cast<ui::EntryForm&>(form);
    TypeInto(entryForm, field, text);
    ClickButton(entryForm, QStringLiteral("Save"));
    ClickButton(entryForm, QStringLiteral("Close"));
}

} // namespace kiv5::test
