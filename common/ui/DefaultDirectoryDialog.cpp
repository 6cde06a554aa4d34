#include "common/ui/DefaultDirectoryDialog.h"

#include "common/core/Misc.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStorageInfo>
#include <QTreeView>
#include <QVBoxLayout>

namespace kiv5::ui {

namespace {

constexpr int kFolderMissing = 15010;

// The nearest folder at or above the given one that exists; the home folder
// when none does.
QString NearestExistingFolder(const QString& folder) {
    const QString path = QDir::fromNativeSeparators(folder);
    // Windows drive folders and other relative names have no place here.
    if (path.isEmpty() || DefaultDirectoryDialog::IsUncPath(folder) || QDir::isRelativePath(path)) {
        return QDir::homePath();
    }
    QString nearest = QDir::cleanPath(path);
    while (!QFileInfo(nearest).isDir()) {
        const QString parent = QFileInfo(nearest).path();
        if (parent == nearest) {
            return QDir::homePath();
        }
        nearest = parent;
    }
    return nearest;
}

QString MissingFolderNote(const QString& setting) {
    return QStringLiteral("The folder %1 does not exist or cannot be reached. Choose a folder, "
                          "or click OK to keep the setting as it is.")
        .arg(QDir::toNativeSeparators(setting));
}

bool IsUsableFolder(const QString& folder) {
    const QFileInfo info(folder);
    return info.isDir() && info.isReadable();
}

void SetShownAndEnabled(QWidget* widget, bool on) {
    widget->setVisible(on);
    widget->setEnabled(on);
}

// Keeps the dialog's size when the tree or the local group is hidden.
void RetainSizeWhenHidden(QWidget* widget) {
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

} // namespace

DefaultDirectoryDialog::DefaultDirectoryDialog(const DefaultDirectoryKind& kind,
                                               const QString& currentFolder, ErrorSink errors,
                                               QWidget* parent)
    : QDialog(parent), kind_(kind), errors_(std::move(errors)) {
    setWindowTitle(QStringLiteral("Default Directory"));
    BuildWidgets();
    ShowSetting(currentFolder);
    chosen_ = false;
    ok_->setFocus();
}

bool DefaultDirectoryDialog::IsUncPath(const QString& path) {
    return path.startsWith(QLatin1String("\\\\")) || path.startsWith(QLatin1String("//"));
}

QString DefaultDirectoryDialog::WithTrailingSeparator(const QString& path) {
    if (path.endsWith(QLatin1Char('/')) || path.endsWith(QLatin1Char('\\'))) {
        return path;
    }
    if (path.startsWith(QLatin1String("\\\\"))) {
        return path + QLatin1Char('\\');
    }
    return SlashAtEnd(path);
}

bool DefaultDirectoryDialog::IsUncSelected() const {
    return unc_->isChecked();
}

QString DefaultDirectoryDialog::ShownFolder() const {
    return folderLabel_->text();
}

void DefaultDirectoryDialog::BuildWidgets() {
    prompt_ = new QLabel(DefaultDirectoryPrompt(kind_), this);
    prompt_->setObjectName(QStringLiteral("lblPrompt"));
    prompt_->setWordWrap(true);

    folderLabel_ = new QLabel(this);
    folderLabel_->setObjectName(QStringLiteral("lblFolder"));
    folderLabel_->setAlignment(Qt::AlignCenter);
    folderLabel_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    folderLabel_->setFrameShape(QFrame::StyledPanel);
    missingNote_ = new QLabel(this);
    missingNote_->setObjectName(QStringLiteral("lblMissing"));
    missingNote_->setWordWrap(true);
    missingNote_->hide();

    model_ = new QFileSystemModel(this);
    model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    model_->setReadOnly(true);
    model_->setRootPath(QString());
    tree_ = new QTreeView(this);
    tree_->setObjectName(QStringLiteral("tvFolders"));
    tree_->setModel(model_);
    for (int column = 1; column < model_->columnCount(); ++column) {
        tree_->hideColumn(column);
    }
    tree_->setHeaderHidden(true);
    tree_->setMinimumSize(420, 240);
    RetainSizeWhenHidden(tree_);
    connect(tree_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &DefaultDirectoryDialog::OnTreeMoved);
    // A click on the folder the tree already stands at is a choice too.
    connect(tree_, &QTreeView::clicked, this, [this] { chosen_ = true; });
    connect(model_, &QFileSystemModel::rowsInserted, this,
            &DefaultDirectoryDialog::ScrollToTreeFolder, Qt::QueuedConnection);
    connect(model_, &QFileSystemModel::layoutChanged, this,
            &DefaultDirectoryDialog::ScrollToTreeFolder, Qt::QueuedConnection);
    connect(tree_->verticalScrollBar(), &QScrollBar::actionTriggered, this,
            [this] { scrollPending_ = false; });

    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setObjectName(QStringLiteral("btnOK"));
    ok_->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("btnCancel"));
    auto* help = new QPushButton(QStringLiteral("Help"), this);
    help->setObjectName(QStringLiteral("btnHelp"));
    connect(ok_, &QPushButton::clicked, this, &DefaultDirectoryDialog::OnOk);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] {
        if (help_) {
            help_(kind_.helpTopic);
        }
    });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel);
    buttons->addWidget(help);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt_);
    layout->addWidget(folderLabel_);
    layout->addWidget(missingNote_);
    layout->addWidget(tree_);
    layout->addWidget(BuildDriveGroup());
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QGroupBox* DefaultDirectoryDialog::BuildDriveGroup() {
    auto* group = new QGroupBox(QStringLiteral(" Select Drive "), this);
    auto* row = new QHBoxLayout(group);
    row->addWidget(BuildLocalGroup(), 1);
    row->addWidget(BuildNetworkGroup(), 2);
    return group;
}

QGroupBox* DefaultDirectoryDialog::BuildLocalGroup() {
    localGroup_ = new QGroupBox(QStringLiteral(" Local "), this);
    localGroup_->setObjectName(QStringLiteral("grpLocal"));
    RetainSizeWhenHidden(localGroup_);
    places_ = new QComboBox(localGroup_);
    places_->setObjectName(QStringLiteral("cmbxDrive"));
    FillLocalPlaces();
    connect(places_, &QComboBox::activated, this, &DefaultDirectoryDialog::OnLocalChosen);
    auto* column = new QVBoxLayout(localGroup_);
    column->addWidget(places_);
    column->addStretch();
    return localGroup_;
}

QGroupBox* DefaultDirectoryDialog::BuildNetworkGroup() {
    auto* group = new QGroupBox(QStringLiteral("  Network "), this);
    group->setObjectName(QStringLiteral("grpNetwork"));
    none_ = new QRadioButton(QStringLiteral("None"), group);
    none_->setObjectName(QStringLiteral("rbNone"));
    unc_ = new QRadioButton(QStringLiteral("UNC"), group);
    unc_->setObjectName(QStringLiteral("rbUNC"));
    uncEdit_ = new QLineEdit(group);
    uncEdit_->setObjectName(QStringLiteral("edtUNC"));
    uncEdit_->setToolTip(
        QStringLiteral("A network folder, such as /mnt/office/ or //server/share/"));
    auto* note = new QLabel(QStringLiteral("ie., \\\\ComputerName\\ShareName\\"), group);
    note->setObjectName(QStringLiteral("lblUNCNote"));
    connect(none_, &QRadioButton::toggled, this, [this](bool on) {
        if (on) {
            chosen_ = true;
            ApplyMode();
        }
    });
    connect(unc_, &QRadioButton::toggled, this, [this](bool on) {
        if (on) {
            chosen_ = true;
            ApplyMode();
        }
    });
    connect(uncEdit_, &QLineEdit::textEdited, this, &DefaultDirectoryDialog::OnUncEdited);

    auto* uncRow = new QHBoxLayout;
    uncRow->addWidget(unc_);
    uncRow->addWidget(uncEdit_, 1);
    auto* column = new QVBoxLayout(group);
    column->addWidget(none_);
    column->addLayout(uncRow);
    column->addWidget(note, 0, Qt::AlignRight);
    return group;
}

void DefaultDirectoryDialog::FillLocalPlaces() {
    QStringList roots{QDir::homePath(), QDir::rootPath()};
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && volume.isReady() && !roots.contains(volume.rootPath())) {
            roots.append(volume.rootPath());
        }
    }
    for (const QString& root : roots) {
        places_->addItem(QDir::toNativeSeparators(root), root);
    }
}

void DefaultDirectoryDialog::ShowSetting(const QString& setting) {
    setting_ = setting;
    settingMissing_ = false;
    if (IsUncPath(setting)) {
        PointTreeAt(UsualFolderOf(kind_));
    } else {
        PointTreeAt(setting);
    }
    const bool endsWithSeparator =
        setting.endsWith(QLatin1Char('/')) || setting.endsWith(QLatin1Char('\\'));
    const QString folderPart = endsWithSeparator ? setting : FolderPart(setting);
    if (IsUncPath(folderPart)) {
        uncEdit_->setText(folderPart);
        unc_->setChecked(true);
    } else {
        none_->setChecked(true);
    }
    if (!setting.isEmpty() && !IsUncPath(folderPart) && !IsUsableFolder(folderPart)) {
        // The tree stands at the nearest folder there is; that is no choice.
        settingMissing_ = true;
        ShowFolder(setting);
        missingNote_->setText(MissingFolderNote(setting));
        missingNote_->show();
    }
}

void DefaultDirectoryDialog::ApplyMode() {
    const bool unc = unc_->isChecked();
    if (!unc) {
        uncEdit_->clear();
    }
    SetShownAndEnabled(tree_, !unc);
    SetShownAndEnabled(localGroup_, !unc);
    uncEdit_->setEnabled(unc);
    if (unc && !uncEdit_->text().isEmpty()) {
        ShowFolder(uncEdit_->text());
    } else {
        ShowFolder(treeFolder_);
    }
}

void DefaultDirectoryDialog::PointTreeAt(const QString& folder) {
    treeFolder_ = NearestExistingFolder(folder);
    const QModelIndex index = model_->index(treeFolder_);
    pointing_ = true;
    tree_->setCurrentIndex(index);
    pointing_ = false;
    tree_->scrollTo(index, QAbstractItemView::PositionAtCenter);
    scrollPending_ = true;
    ShowFolder(treeFolder_);
}

// The model reads folders in the background: the tree can only scroll to its
// folder once the folders above it are read and shown, and it keeps doing so
// until the user moves or scrolls the tree himself.
void DefaultDirectoryDialog::ScrollToTreeFolder() {
    if (scrollPending_) {
        tree_->scrollTo(tree_->currentIndex(), QAbstractItemView::PositionAtCenter);
    }
}

void DefaultDirectoryDialog::OnTreeMoved(const QModelIndex& index) {
    if (!index.isValid()) {
        return;
    }
    if (model_->filePath(index) != treeFolder_) {
        scrollPending_ = false;
    }
    chosen_ = chosen_ || !pointing_;
    treeFolder_ = model_->filePath(index);
    if (!unc_->isChecked()) {
        ShowFolder(treeFolder_);
    }
}

void DefaultDirectoryDialog::OnUncEdited(const QString& text) {
    chosen_ = true;
    if (unc_->isChecked() && IsUsableFolder(text)) {
        ShowFolder(text);
    }
}

void DefaultDirectoryDialog::OnLocalChosen(int row) {
    PointTreeAt(places_->itemData(row).toString());
    chosen_ = true;
}

void DefaultDirectoryDialog::ShowFolder(const QString& folder) {
    folderLabel_->setText(QDir::toNativeSeparators(folder));
}

void DefaultDirectoryDialog::OnOk() {
    if (settingMissing_ && !chosen_) {
        folder_ = setting_;
        accept();
        return;
    }
    const QString typed = unc_->isChecked() ? uncEdit_->text().trimmed() : treeFolder_;
    const QString chosen = typed.isEmpty() ? QString() : WithTrailingSeparator(typed);
    if (chosen.isEmpty() || !IsUsableFolder(chosen)) {
        errors_.ErrorWindow(kFolderMissing);
        return;
    }
    folder_ = chosen;
    accept();
}

} // namespace kiv5::ui
