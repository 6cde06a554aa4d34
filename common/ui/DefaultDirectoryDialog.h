#pragma once

// "Default Directory": picks the folder of one folder kind. A local folder is
// picked in the folder tree, started from one of the places the " Local "
// list offers (the home folder and the mounted volumes, this system's
// counterpart of a drive list); a network folder ("UNC") is typed in full,
// either as a mounted share such as /mnt/office/ or as //server/share/ (a
// setting written as \\Server\Share\ is shown the same way). Mapped drive
// letters have no counterpart here and are not offered.
//
// In UNC mode the folder label shows the network path the dialog opened
// with, then each typed path that names an existing folder.
//
// OK refuses a folder that does not exist or cannot be read (error 15010) and
// stays open; otherwise Folder() holds the choice with a trailing separator
// and the caller stores it. Cancel leaves Folder() empty.

#include "common/core/ErrorSink.h"
#include "common/ui/DefaultDirectoryKind.h"

#include <QDialog>
#include <functional>

class QComboBox;
class QFileSystemModel;
class QGroupBox;
class QLabel;
class QLineEdit;
class QModelIndex;
class QPushButton;
class QRadioButton;
class QTreeView;

namespace kiv5::ui {

class DefaultDirectoryDialog : public QDialog {
    Q_OBJECT

public:
    using HelpHandler = std::function<void(int topic)>;

    // A folder that cannot be used is reported to errors.
    DefaultDirectoryDialog(const DefaultDirectoryKind& kind, const QString& currentFolder,
                           ErrorSink errors, QWidget* parent = nullptr);

    // Called with the kind's help topic when Help is pressed.
    void SetHelpHandler(HelpHandler handler) { help_ = std::move(handler); }

    // The folder accepted with OK, ending with a separator; empty otherwise.
    QString Folder() const { return folder_; }

    bool IsUncSelected() const;
    // What the folder label shows.
    QString ShownFolder() const;
    // The folder the tree is at.
    QString TreeFolder() const { return treeFolder_; }

    // True for "\\Server\Share" and "//server/share" forms.
    static bool IsUncPath(const QString& path);
    // The path with a trailing separator: a backslash for paths written with
    // backslashes, the native separator otherwise.
    static QString WithTrailingSeparator(const QString& path);

private:
    void BuildWidgets();
    QGroupBox* BuildDriveGroup();
    QGroupBox* BuildLocalGroup();
    QGroupBox* BuildNetworkGroup();
    void FillLocalPlaces();
    void ShowSetting(const QString& setting);
    void ApplyMode();
    void PointTreeAt(const QString& folder);
    void OnTreeMoved(const QModelIndex& index);
    void ScrollToTreeFolder();
    void OnUncEdited(const QString& text);
    void OnLocalChosen(int row);
    void OnOk();
    void ShowFolder(const QString& folder);

    const DefaultDirectoryKind kind_;
    const ErrorSink errors_;
    HelpHandler help_;
    QString folder_;
    QString treeFolder_;
    bool scrollPending_ = false;
    // The stored setting, and whether its folder is gone; then OK without a
    // choice of the user's keeps it.
    QString setting_;
    bool settingMissing_ = false;
    bool chosen_ = false;
    bool pointing_ = false;

    QLabel* prompt_ = nullptr;
    QLabel* folderLabel_ = nullptr;
    QLabel* missingNote_ = nullptr;
    QTreeView* tree_ = nullptr;
    QFileSystemModel* model_ = nullptr;
    QGroupBox* localGroup_ = nullptr;
    QComboBox* places_ = nullptr;
    QRadioButton* none_ = nullptr;
    QRadioButton* unc_ = nullptr;
    QLineEdit* uncEdit_ = nullptr;
    QPushButton* ok_ = nullptr;
};

} // namespace kiv5::ui
