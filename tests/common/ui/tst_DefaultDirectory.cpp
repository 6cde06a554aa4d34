#include "common/ui/DefaultDirectoryDialog.h"
#include "tests/support/Support.h"
#include "tests/uisupport/WidgetTestMain.h"

#include <QDir>
#include <QFileSystemModel>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeView>

using namespace kiv5;
using namespace kiv5::ui;

Q_DECLARE_METATYPE(kiv5::Program)

namespace {

const DefaultDirectoryKind& ClientKind() {
    return *FindDefaultDirectoryKind(Program::Client, 0);
}

template <typename T> T* Child(QWidget& dialog, const char* name) {
    T* child = dialog.findChild<T*>(QLatin1String(name));
    if (!child) {
        qFatal("no child %s", name);
    }
    return child;
}

QString WithoutSlash(const QString& folder) {
    return folder.endsWith(QLatin1Char('/')) ? folder.chopped(1) : folder;
}

// Radio buttons take clicks on their circle and caption only.
void Choose(QRadioButton* button) {
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(4, button->height() / 2));
}

void TypeUnc(DefaultDirectoryDialog& dialog, const QString& path) {
    Choose(Child<QRadioButton>(dialog, "rbUNC"));
    QLineEdit* field = Child<QLineEdit>(dialog, "edtUNC");
    field->clear();
    QTest::keyClicks(field, path);
}

void ClickOk(DefaultDirectoryDialog& dialog) {
    QTest::mouseClick(Child<QPushButton>(dialog, "btnOK"), Qt::LeftButton);
}

} // namespace

class TestDefaultDirectory : public QObject {
    Q_OBJECT

private slots:
    void promptAndHelpOfEveryKind_data() {
        QTest::addColumn<Program>("program");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("noun");
        QTest::addColumn<QString>("usualTail");
        QTest::addColumn<int>("topic");
        const QString pellary = QStringLiteral("Pellary5/");
        QTest::newRow("client files") << Program::Client << 0 << "PL5 Files" << pellary << 603;
        QTest::newRow("books files") << Program::Bookkeeping << 0 << "SU5 Files"
                                     << "Sumora5/" << 505;
        QTest::newRow("books client files")
            << Program::Bookkeeping << 1 << "PL5 Files" << pellary << 505;
        QTest::newRow("billing files") << Program::Billing << 0 << "Billing QY5 Files"
                                       << "Quenby5/" << 706;
        QTest::newRow("billing books files") << Program::Billing << 1 << "Sumora5 SU5 Files"
                                             << "Sumora5/" << 706;
        QTest::newRow("billing client files")
            << Program::Billing << 2 << "Pellary5 PL5 Files" << pellary << 706;
        QTest::newRow("itemized statements")
            << Program::Billing << 3 << "Itemized Statement IS5 Files"
            << "Quenby5/IS/" << 706;
    }
    void promptAndHelpOfEveryKind() {
        QFETCH(Program, program);
        QFETCH(int, kind);
        QFETCH(QString, noun);
        QFETCH(QString, usualTail);
        QFETCH(int, topic);
        const DefaultDirectoryKind* entry = FindDefaultDirectoryKind(program, kind);
        QVERIFY(entry);
        DefaultDirectoryDialog dialog(*entry, QString(), ErrorSink());
        const QString usual = QDir::homePath() + QStringLiteral("/Orvanel/Tavrel/") + usualTail;
        QCOMPARE(Child<QLabel>(dialog, "lblPrompt")->text(), "Select the folder where the " + noun +
                                                                 " will be stored, usually: \n" +
                                                                 "     -     " + usual);
        QList<int> asked;
        dialog.SetHelpHandler([&asked](int shown) { asked.append(shown); });
        QTest::mouseClick(Child<QPushButton>(dialog, "btnHelp"), Qt::LeftButton);
        QCOMPARE(asked, QList<int>{topic});
    }

    void unknownKindIsNotFound() {
        QVERIFY(!FindDefaultDirectoryKind(Program::Client, 1));
        QCOMPARE(int(DefaultDirectoryKinds().size()), 7);
    }

    void showingANetworkSetting_data() {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QString>("field");
        QTest::newRow("backslashes") << "\\\\Server\\Share\\Clients\\"
                                     << "\\\\Server\\Share\\Clients\\";
        QTest::newRow("slashes") << "//server/share/clients/"
                                 << "//server/share/clients/";
        QTest::newRow("without final separator") << "//server/share/clients"
                                                 << "//server/share/";
    }
    void showingANetworkSetting() {
        QFETCH(QString, setting);
        QFETCH(QString, field);
        DefaultDirectoryDialog dialog(ClientKind(), setting, ErrorSink());
        QVERIFY(dialog.IsUncSelected());
        QVERIFY(Child<QRadioButton>(dialog, "rbUNC")->isChecked());
        QCOMPARE(Child<QLineEdit>(dialog, "edtUNC")->text(), field);
        QCOMPARE(dialog.ShownFolder(), field);
        QVERIFY(Child<QTreeView>(dialog, "tvFolders")->isHidden());
        QVERIFY(!Child<QTreeView>(dialog, "tvFolders")->isEnabled());
        QVERIFY(Child<QGroupBox>(dialog, "grpLocal")->isHidden());
    }

    void showingALocalFolder() {
        test::TempFolder data;
        DefaultDirectoryDialog dialog(ClientKind(), data.Folder(), ErrorSink());
        QVERIFY(!dialog.IsUncSelected());
        QVERIFY(Child<QRadioButton>(dialog, "rbNone")->isChecked());
        QVERIFY(!Child<QTreeView>(dialog, "tvFolders")->isHidden());
        QCOMPARE(dialog.TreeFolder(), WithoutSlash(data.Folder()));
        QCOMPARE(dialog.ShownFolder(), WithoutSlash(data.Folder()));
        QVERIFY(Child<QLineEdit>(dialog, "edtUNC")->text().isEmpty());
        QPushButton* ok = Child<QPushButton>(dialog, "btnOK");
        QVERIFY(ok->isDefault());
        dialog.show();
        QCOMPARE(dialog.focusWidget(), ok);
    }

    void missingLocalFolderShowsNearestExistingOne() {
        test::TempFolder data;
        DefaultDirectoryDialog dialog(ClientKind(), data.Path(QStringLiteral("gone/deeper/")),
                                      ErrorSink());
        QCOMPARE(dialog.TreeFolder(), WithoutSlash(data.Folder()));
        DefaultDirectoryDialog windows(ClientKind(), QStringLiteral("D:\\Data\\"), ErrorSink());
        QVERIFY(!windows.IsUncSelected());
        QCOMPARE(windows.TreeFolder(), QDir::homePath());
    }

    // A stored folder that is gone: the dialog says so and OK without a
    // choice keeps the setting; a folder the user picks is taken.
    void goneFolderIsKeptUnlessAnotherIsChosen_data() {
        QTest::addColumn<bool>("choose");
        QTest::newRow("ok without a choice") << false;
        QTest::newRow("a folder chosen") << true;
    }
    void goneFolderIsKeptUnlessAnotherIsChosen() {
        QFETCH(bool, choose);
        test::TempFolder data;
        const QString gone = data.Path(QStringLiteral("gone/"));
        test::ErrorRecorder errors;
        DefaultDirectoryDialog dialog(ClientKind(), gone, errors);
        dialog.show();
        QLabel* note = Child<QLabel>(dialog, "lblMissing");
        QVERIFY(note->isVisible());
        QCOMPARE(note->text(), QStringLiteral("The folder %1 does not exist or cannot be reached. "
                                              "Choose a folder, or click OK to keep the setting "
                                              "as it is.")
                                   .arg(gone));
        QCOMPARE(dialog.ShownFolder(), gone);
        if (choose) {
            QTreeView* tree = Child<QTreeView>(dialog, "tvFolders");
            auto* model = static_cast<QFileSystemModel*>(tree->model());
            QVERIFY(QDir().mkpath(data.Path(QStringLiteral("other"))));
            tree->setCurrentIndex(model->index(data.Path(QStringLiteral("other"))));
        }
        ClickOk(dialog);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.Folder(), choose ? data.Path(QStringLiteral("other/")) : gone);
        QVERIFY(errors.codes.isEmpty());
    }

    void switchingModes() {
        test::TempFolder data;
        DefaultDirectoryDialog dialog(ClientKind(), QStringLiteral("//server/share/"), ErrorSink());
        dialog.show();
        Choose(Child<QRadioButton>(dialog, "rbNone"));
        QVERIFY(Child<QLineEdit>(dialog, "edtUNC")->text().isEmpty());
        QVERIFY(Child<QTreeView>(dialog, "tvFolders")->isVisible());
        QVERIFY(Child<QGroupBox>(dialog, "grpLocal")->isVisible());
        TypeUnc(dialog, WithoutSlash(data.Folder()));
        QVERIFY(!Child<QTreeView>(dialog, "tvFolders")->isVisible());
        // The label follows the typed path once it names a folder.
        QCOMPARE(dialog.ShownFolder(), WithoutSlash(data.Folder()));
    }

    void okReturnsTheFolderWithOneSeparator_data() {
        QTest::addColumn<bool>("typed");
        QTest::newRow("network path typed") << true;
        QTest::newRow("folder tree") << false;
    }
    void okReturnsTheFolderWithOneSeparator() {
        QFETCH(bool, typed);
        test::TempFolder data;
        test::ErrorRecorder errors;
        DefaultDirectoryDialog dialog(ClientKind(), typed ? QString() : data.Folder(), errors);
        dialog.show();
        if (typed) {
            TypeUnc(dialog, WithoutSlash(data.Folder()));
        }
        ClickOk(dialog);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.Folder(), data.Folder());
        QVERIFY(errors.codes.isEmpty());
    }

    void refusedFolderKeepsTheDialogOpen_data() {
        QTest::addColumn<bool>("typed");
        QTest::addColumn<QString>("name");
        QTest::newRow("typed path missing") << true << "no such share";
        QTest::newRow("typed path empty") << true << "";
        QTest::newRow("tree folder removed") << false << "";
    }
    void refusedFolderKeepsTheDialogOpen() {
        QFETCH(bool, typed);
        QFETCH(QString, name);
        test::TempFolder data;
        const QString inner = data.Path(QStringLiteral("inner/"));
        QVERIFY(QDir().mkpath(inner));
        test::ErrorRecorder errors;
        DefaultDirectoryDialog dialog(ClientKind(), inner, errors);
        dialog.show();
        if (typed) {
            TypeUnc(dialog, name.isEmpty() ? name : data.Path(name));
        } else {
            QVERIFY(QDir(inner).removeRecursively());
        }
        ClickOk(dialog);
        QCOMPARE(errors.codes, QList<int>{15010});
        QVERIFY(dialog.isVisible());
        QVERIFY(dialog.Folder().isEmpty());
        QTest::mouseClick(Child<QPushButton>(dialog, "btnCancel"), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(!dialog.isVisible());
        QVERIFY(dialog.Folder().isEmpty());
        QCOMPARE(errors.codes.size(), 1);
    }

    void trailingSeparator_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("expected");
        QTest::newRow("local") << "/mnt/office"
                               << "/mnt/office/";
        QTest::newRow("local with separator") << "/mnt/office/"
                                              << "/mnt/office/";
        QTest::newRow("backslash share") << "\\\\Server\\Share"
                                         << "\\\\Server\\Share\\";
        QTest::newRow("backslash share ended") << "\\\\Server\\Share\\"
                                               << "\\\\Server\\Share\\";
        QTest::newRow("slash share") << "//server/share"
                                     << "//server/share/";
    }
    void trailingSeparator() {
        QFETCH(QString, path);
        QFETCH(QString, expected);
        QCOMPARE(DefaultDirectoryDialog::WithTrailingSeparator(path), expected);
    }
};

KIV5_WIDGET_TEST_MAIN(TestDefaultDirectory)
#include "tst_DefaultDirectory.moc"
