// The client program's main window on a file of 100,000 clients: Open (read
// the file and its memo lines, sort by last name, fill the table and the list
// view, first paint of the window) and Set Filter (the filter over every row,
// the views reloaded, the window painted again).

#include "bench/ui/BenchPrompts.h"
#include "bench/ui/Paint.h"
#include "clientdb/core/ClientFile.h"
#include "clientdb/core/ClientSettings.h"
#include "clientdb/ui/ClientFieldsPanel.h"
#include "clientdb/ui/ClientMainWindow.h"
#include "clientdb/ui/FilterForm.h"
#include "common/core/SettingsStore.h"
#include "tools/kiv5/DemoData.h"
#include "tools/kiv5/DemoFiles.h"

#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

using namespace kiv5;
using namespace kiv5::ui;

namespace {

constexpr int kClients = 100'000;

// A data folder with the client file and a settings folder naming it, made
// once for the run. Settings are the defaults but for the folder and no
// automatic backup, so closing the window writes nothing to the data.
struct ClientFolder {
    ClientFolder() {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(settings.path()));
        files = ClientFilesFor(data.path(), QStringLiteral("clients.pl5"));
        tool::WriteDemoClientFiles(files, tool::MakeDemoClients(kClients, Clock()), Clock());
        SettingsStore store = ClientSettingsStore();
        store.WriteText(QStringLiteral("FilesDirectory"), data.path() + QLatin1Char('/'));
        store.WriteText(QStringLiteral("AutoFileName"), QString());
        store.WriteFlag(QStringLiteral("AutomaticBackupFlag"), false);
        store.Save();
    }

    QTemporaryDir data;
    QTemporaryDir settings;
    ClientFiles files;
};

const ClientFolder& Folder() {
    static ClientFolder folder;
    return folder;
}

struct Window {
    Window() {
        prompts.openFile = Folder().files.clientFile;
        ClientStartOptions options;
        options.splash = false;
        window = std::make_unique<ClientMainWindow>(prompts, options);
        window->resize(1280, 900);
        window->show();
        window->StartUp();
        QApplication::processEvents();
    }

    bench::BenchPrompts prompts;
    std::unique_ptr<ClientMainWindow> window;
};

void BM_OpenClientFile(benchmark::State& state) {
    Window w;
    for (auto _ : state) {
        w.window->OpenFileCommand();
        benchmark::DoNotOptimize(bench::PaintOnce(*w.window));
    }
    state.counters["rows"] = w.window->Workspace().Table().RowCount() - 1;
}
BENCHMARK(BM_OpenClientFile)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

// Filters on last names holding "SON", then cancels the filter outside the
// measurement so every round filters the whole file.
void BM_SetFilter(benchmark::State& state) {
    Window w;
    w.window->OpenFileCommand();
    w.prompts.exec = [](QDialog& dialog) {
        auto& form = dynamic_cast<FilterForm&>(dialog);
        form.Fields()->Edit(ClientFieldsPanel::LastName)->setText(QStringLiteral("SON"));
        return int(FilterForm::Applied);
    };
    for (auto _ : state) {
        w.window->SetFilterCommand();
        benchmark::DoNotOptimize(bench::PaintOnce(*w.window));
        state.PauseTiming();
        w.window->CancelFilterCommand();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SetFilter)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

} // namespace
