#pragma once

// A billing file on disk with settings naming its folders, and a started
// main window on it with scripted prompts.

#include "billing/core/BillingFile.h"
#include "billing/core/BillingSettings.h"
#include "billing/ui/QuenbyMainWindow.h"
#include "clientdb/core/NameRec.h"
#include "common/core/DateTime.h"
#include "common/core/RecordCodec.h"
#include "common/ui/RecordTableModel.h"
#include "common/ui/RecordTableView.h"
#include "tests/support/ClientRecords.h"
#include "tests/support/Support.h"
#include "tests/uisupport/ScriptedPrompts.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <vector>

namespace kiv5::test {

inline double Day(int year, int month, int day) {
    return DateToDayCount(QDate(year, month, day));
}

inline billing::TBillRec Bill(const QString& clientNo, const QString& fullName, qint64 balanceCents,
                              qint32 status = 0) {
    billing::TBillRec bill;
    bill.ClientNo = clientNo;
    bill.FullName = fullName;
    bill.LastBill = Day(2011, 1, 31);
    bill.BalanceForward = balanceCents * 100;
    bill.Description[0] = QStringLiteral("Retainer");
    bill.Amount[0] = 5000 * 100;
    bill.InterestRate = 8;
    bill.PostTime = Day(2011, 1, 1) + 0.5;
    bill.PullTime = bill.PostTime;
    bill.Status = status;
    return bill;
}

// Three bills: Smith (10), Jones (7), Brown (104, the largest balance).
inline std::vector<billing::TBillRec> ThreeBills() {
    return {Bill("10", "Smith, Ann", 12000), Bill("7", "Jones, Bob", 500),
            Bill("104", "Brown, Cy", 99000)};
}

// Folders "Quenby5/" and "Pellary5/" in a temporary folder.
class BillingFolder {
public:
    BillingFolder() {
        QDir(temp.Folder()).mkpath(QStringLiteral("Quenby5"));
        QDir(temp.Folder()).mkpath(QStringLiteral("Pellary5"));
    }

    QString Bills() const { return temp.Folder() + QStringLiteral("Quenby5/"); }
    QString Clients() const { return temp.Folder() + QStringLiteral("Pellary5/"); }
    QString DataFile(const QString& base = QStringLiteral("kiv5")) const {
        return Bills() + base + QStringLiteral(".bil");
    }

    static void Write(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        if (file.open(QIODevice::WriteOnly)) {
            file.write(bytes);
        }
    }
    static QByteArray Read(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    void WriteBills(std::vector<billing::TBillRec> bills,
                    const QString& base = QStringLiteral("kiv5")) const {
        QByteArray bytes;
        for (std::size_t k = 0; k < bills.size(); ++k) {
            bills[k].RecNo = static_cast<qint32>(k + 1);
            bytes += EncodeRecord(bills[k]);
        }
        Write(DataFile(base), bytes);
        billing::WriteLinkFile(Bills(), Bills() + base + QStringLiteral(".qy5"),
                               QStringLiteral("kiv5.pl5"), QStringLiteral("kiv5.su5"));
    }

    // The bill stored in slot recNo - 1.
    billing::TBillRec StoredBill(int recNo, const QString& base = QStringLiteral("kiv5")) const {
        const QByteArray bytes = Read(DataFile(base));
        const int size = RecordLayout<billing::TBillRec>::kSize;
        return DecodeRecord<billing::TBillRec>(bytes.mid((recNo - 1) * size, size));
    }
    void StoreBill(const billing::TBillRec& bill) const {
        QFile file(DataFile());
        if (file.open(QIODevice::ReadWrite)) {
            file.seek(qint64(bill.RecNo - 1) * RecordLayout<billing::TBillRec>::kSize);
            file.write(EncodeRecord(bill));
        }
    }

    void WriteClients(const std::vector<NameRec>& clients) const {
        QByteArray bytes = EncodeRecord(NameRec{});
        for (const NameRec& client : clients) {
            bytes += EncodeRecord(client);
        }
        Write(Clients() + QStringLiteral("kiv5.pl5"), bytes);
    }

    // Settings of one test: these folders, the client link, no automatic
    // backup.
    void WriteSettings(bool automaticBackup = false) const {
        BillingSettings settings = BuiltInBillingSettings(1044);
        settings.FilesDirectory = Bills();
        settings.ISDirectory = Bills();
        settings.PL5Directory = Clients();
        settings.PL5FileName = QStringLiteral("kiv5.pl5");
        settings.SU5Directory = temp.Folder();
        settings.SU5FileName = QStringLiteral("kiv5.su5");
        settings.AutomaticBackupFlag = automaticBackup;
        settings.ShortHandArray[0] = QStringLiteral("Telephone conference with client");
        settings.ShortHandArray[2] = QStringLiteral("Review of file");
        SettingsStore store = BillingSettingsStore();
        WriteTheIniFile(settings, store, ErrorSink());
    }

    // Every file below the folder with its bytes.
    QMap<QString, QByteArray> Snapshot() const {
        QMap<QString, QByteArray> files;
        for (const QString& sub : {QStringLiteral("Quenby5"), QStringLiteral("Pellary5")}) {
            QDir dir(temp.Folder() + sub);
            for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden)) {
                files.insert(sub + "/" + name, Read(dir.filePath(name)));
            }
        }
        return files;
    }

    TempFolder temp;
};

// The usual files: three bills, three clients, settings.
struct BillingWindowFiles {
    explicit BillingWindowFiles(bool withClients = true) {
        folder.WriteBills(ThreeBills());
        if (withClients) {
            folder.WriteClients({Client("10", "Smith", "Ann"), Client("104", "Smith", "Al"),
                                 Client("7", "Jones", "Bob"), Client("1", "Gone", "Guy", -2)});
        }
        folder.WriteSettings();
    }
    BillingFolder folder;
};

inline billing::ui::QuenbyStartOptions QuietQuenbyOptions(const QStringList& arguments = {}) {
    billing::ui::QuenbyStartOptions options;
    options.arguments = arguments;
    options.splash = false;
    return options;
}

// A started window, on the billing file named by the argument when given.
struct StartedQuenbyWindow {
    explicit StartedQuenbyWindow(const QString& argument = QStringLiteral("kiv5.qy5"))
        : window(prompts,
                 QuietQuenbyOptions(argument.isEmpty() ? QStringList() : QStringList{argument})) {
        window.StartUp();
    }
    ScriptedPrompts prompts;
    billing::ui::QuenbyMainWindow window;
};

inline QString Heading(billing::ui::QuenbyMainWindow& window, int column) {
    return window.BillWindow()->Model().headerData(column, Qt::Horizontal).toString();
}

// The full names of the rows in table order, hidden rows left out.
inline QStringList ShownNames(billing::ui::QuenbyMainWindow& window) {
    QStringList names;
    const RecordTable& table = window.Workspace().Table();
    for (int row = 1; row < table.RowCount(); ++row) {
        if (!table.IsHidden(row)) {
            names.append(table.Cell(row, billing::BillColumn::FullName));
        }
    }
    return names;
}

inline int RowOfName(billing::ui::QuenbyMainWindow& window, const QString& name) {
    const RecordTable& table = window.Workspace().Table();
    for (int row = 1; row < table.RowCount(); ++row) {
        if (table.Cell(row, billing::BillColumn::FullName) == name) {
            return row;
        }
    }
    return 0;
}

inline void MakeCurrent(billing::ui::QuenbyMainWindow& window, int row) {
    window.BillWindow()->View().SetCurrentTableRow(row);
    window.Workspace().SetCurrentRow(row);
}

inline billing::ui::BillEntryForm& AsForm(QDialog& dialog) {
    return static_cast<billing::ui::BillEntryForm&>(dialog);
}

} // namespace kiv5::test
