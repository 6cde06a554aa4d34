#include "clientdb/ui/ClientActions.h"

#include "common/ui/MenuItems.h"

#include <QMenuBar>
#include <QStyle>

namespace kiv5::ui {
namespace {

QAction* Button(QToolBar* bar, const QString& caption, const QString& hint,
                QStyle::StandardPixmap icon) {
    return AddToolButton(bar, caption, hint, bar->style()->standardIcon(icon));
}

void CreateFileMenu(QMainWindow& window, ClientActions& a) {
    QMenu* file = window.menuBar()->addMenu(QStringLiteral("&File"));
    a.FileMenu = file;
    a.New = AddMenuItem(file, QStringLiteral("&New"));
    a.Open = AddMenuItem(file, QStringLiteral("&Open"));
    a.SaveAs = AddMenuItem(file, QStringLiteral("Save &As"));
    a.Close = AddMenuItem(file, QStringLiteral("&Close"));
    file->addSeparator();
    QMenu* print = file->addMenu(QStringLiteral("&Print"));
    a.PrintPhoneBook = AddMenuItem(print, QStringLiteral("&Phone Book"));
    a.PrintFullPrintout = AddMenuItem(print, QStringLiteral("&Full Printout"));
    QMenu* labels = print->addMenu(QStringLiteral("&Laser Address Labels"));
    a.PrintLabels5160 = AddMenuItem(labels, QStringLiteral("&30 per page (Avery 5160)"));
    a.PrintLabels5163 = AddMenuItem(labels, QStringLiteral("&10 per page (Avery 5163)"));
    a.PrinterSetup = AddMenuItem(file, QStringLiteral("&Printer Setup"));
    file->addSeparator();
    a.ExportTxt = AddMenuItem(file, QStringLiteral("&Export TXT File"));
    a.MakeBackup = AddMenuItem(file, QStringLiteral("Make &Backup"));
    a.RestoreBackup = AddMenuItem(file, QStringLiteral("&Restore From Backup"));
    file->addSeparator();
    a.Exit = AddMenuItem(file, QStringLiteral("E&xit"));
    a.HistorySeparator = file->addSeparator();
}

void CreateActionsMenu(QMainWindow& window, ClientActions& a) {
    QMenu* actions = window.menuBar()->addMenu(QStringLiteral("&Actions"));
    a.AddName =
        AddMenuItem(actions, QStringLiteral("&Add Name"), QKeySequence(Qt::CTRL | Qt::Key_A));
    a.DeleteSelected = AddMenuItem(actions, QStringLiteral("&Delete Selected Name(s)"),
                                   QKeySequence(Qt::CTRL | Qt::Key_D));
    a.DisplayCurrentRecord = AddMenuItem(actions, QStringLiteral("Display Current &Record"),
                                         QKeySequence(Qt::CTRL | Qt::Key_R));
    a.FastFind =
        AddMenuItem(actions, QStringLiteral("&Fast Find"), QKeySequence(Qt::CTRL | Qt::Key_F));
    actions->addSeparator();
    a.First = AddMenuItem(actions, QStringLiteral("F&irst"), QKeySequence(Qt::CTRL | Qt::Key_Home));
    a.Last = AddMenuItem(actions, QStringLiteral("&Last"), QKeySequence(Qt::CTRL | Qt::Key_End));
    actions->addSeparator();
    a.SetFilter =
        AddMenuItem(actions, QStringLiteral("S&et Filter"), QKeySequence(Qt::CTRL | Qt::Key_M));
    a.CancelFilter =
        AddMenuItem(actions, QStringLiteral("&Cancel Filter"), QKeySequence(Qt::CTRL | Qt::Key_E));
    a.SelectAll =
        AddMenuItem(actions, QStringLiteral("&Select All"), QKeySequence(Qt::CTRL | Qt::Key_S));
    a.SelectNone =
        AddMenuItem(actions, QStringLiteral("Select &None"), QKeySequence(Qt::CTRL | Qt::Key_N));
    actions->addSeparator();
    a.Copy = AddMenuItem(actions, QStringLiteral("&Copy"), QKeySequence(Qt::CTRL | Qt::Key_C));
    a.Paste = AddMenuItem(actions, QStringLiteral("&Paste"), QKeySequence(Qt::CTRL | Qt::Key_V));
    a.Refresh = AddMenuItem(actions, QStringLiteral("&Refresh"), QKeySequence(Qt::Key_F9));
}

void CreateOptionsMenu(QMainWindow& window, ClientActions& a) {
    QMenu* options = window.menuBar()->addMenu(QStringLiteral("&Options"));
    a.Pack = AddMenuItem(options, QStringLiteral("&Pack"));
    a.Autoload = AddMenuToggle(options, QStringLiteral("&Autoload This File"));
    a.AutomaticBackup = AddMenuToggle(options, QStringLiteral("Automatic &Backup"));
    a.HideShowColumns = AddMenuItem(options, QStringLiteral("&Hide/Show Columns"));
    QMenu* fonts = options->addMenu(QStringLiteral("&Fonts"));
    a.ListViewFont = AddMenuItem(fonts, QStringLiteral("&List View"));
    a.TableViewFont = AddMenuItem(fonts, QStringLiteral("&Table View"));
    a.DisplayListView = AddMenuToggle(options, QStringLiteral("D&isplay List View"));
    options->addSeparator();
    a.SetWordProcessor = AddMenuItem(options, QStringLiteral("&Set Word Processor"));
    a.SetDefaultDirectory = AddMenuItem(options, QStringLiteral("Set &Default Directory"));
    a.SetReturnAddress = AddMenuItem(options, QStringLiteral("Set Avery 5163 &Return Adrs"));
}

void CreateWindowAndHelpMenus(QMainWindow& window, ClientActions& a) {
    QMenu* windows = window.menuBar()->addMenu(QStringLiteral("&Window"));
    a.Tile = AddMenuItem(windows, QStringLiteral("&Tile"));
    a.Cascade = AddMenuItem(windows, QStringLiteral("&Cascade"));
    QMenu* help = window.menuBar()->addMenu(QStringLiteral("&Help"));
    a.Contents = AddMenuItem(help, QStringLiteral("&Table of Contents"), QKeySequence(Qt::Key_F1));
    a.Manual = AddMenuItem(help, QStringLiteral("&Manual"));
    a.About = AddMenuItem(help, QStringLiteral("&About"));
    a.DownloadUpgrade = AddMenuItem(help, QStringLiteral("&Download Upgrade"));
}

void CreateToolBar(QMainWindow& window, ClientActions& a) {
    QToolBar* bar = window.addToolBar(QStringLiteral("Tool Bar"));
    bar->setObjectName(QStringLiteral("ToolBar"));
    bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    bar->setMovable(false);
    a.ToolBar = bar;
    a.ToolAdd = Button(bar, QStringLiteral("Add"), QStringLiteral("Add a name <Ctrl><A>"),
                       QStyle::SP_FileDialogNewFolder);
    a.ToolExit =
        Button(bar, QStringLiteral("Exit"), QStringLiteral("Exit"), QStyle::SP_DialogCloseButton);
    a.ToolFind = Button(bar, QStringLiteral("Find"), QStringLiteral("Fast Find <Ctrl><F>"),
                        QStyle::SP_FileDialogContentsView);
    a.ToolDelete =
        Button(bar, QStringLiteral("Del"), QStringLiteral("Delete selected name(s) <Ctrl><D>"),
               QStyle::SP_TrashIcon);
    a.ToolHideColumns = Button(bar, QStringLiteral("Hide Table Columns"),
                               QStringLiteral("Hide or show columns in the Table view"),
                               QStyle::SP_FileDialogDetailedView);
    a.ToolCopy = Button(bar, QStringLiteral("Copy"),
                        QStringLiteral("Copy current name into Windows clipboard"),
                        QStyle::SP_DialogSaveButton);
    a.ToolFilter = Button(bar, QStringLiteral("Filter"), QStringLiteral("Filter names"),
                          QStyle::SP_FileDialogListView);
    a.ToolCancelFilter = Button(bar, QStringLiteral("Cancel Filter"),
                                QStringLiteral("Cancel filter"), QStyle::SP_DialogResetButton);
    a.ToolPaste =
        Button(bar, QStringLiteral("Paste"), QStringLiteral("Paste from clipboard to Pellary5"),
               QStyle::SP_DialogOpenButton);
    bar->addSeparator();
    a.MemoListLabel = new QLabel(bar);
    a.MemoListLabel->setObjectName(QStringLiteral("lblMemoList"));
    a.MemoListLabel->setContentsMargins(8, 0, 8, 0);
    bar->addWidget(a.MemoListLabel);
}

} // namespace

ClientActions CreateClientActions(QMainWindow& window) {
    ClientActions a;
    CreateFileMenu(window, a);
    CreateActionsMenu(window, a);
    CreateOptionsMenu(window, a);
    CreateWindowAndHelpMenus(window, a);
    CreateToolBar(window, a);
    return a;
}

} // namespace kiv5::ui
