#include "billing/core/BillInputs.h"

#include "billing/core/StatementLines.h"
#include "books/core/ExpRec.h"
#include "books/core/IncRec.h"
#include "common/core/DateTime.h"
#include "common/core/Exceptions.h"
#include "common/core/MatchFileNameCase.h"
#include "common/core/Misc.h"
#include "common/core/RecordFile.h"

#include <QDir>
#include <QFileInfo>

#include <utility>

namespace kiv5::billing {
namespace {

constexpr qint32 kDeleted = -2;

bool IsFile(const QString& path) {
    return !path.isEmpty() && QFileInfo(path).isFile();
}

std::vector<ISRec> ReadStatementLines(const QString& path) {
    std::vector<ISRec> lines = ReadAllRecords<ISRec>(path);
    for (std::size_t k = 0; k < lines.size(); ++k) {
        if (!IsValidDayCount(lines[k].ServiceDate)) {
            throw ConversionError(QStringLiteral("Line %1 of \"%2\" has no readable date")
                                      .arg(k)
                                      .arg(QDir::toNativeSeparators(path)));
        }
    }
    return lines;
}

} // namespace

QString ClientKey(const QString& clientNo) {
    QString key = clientNo;
    for (QChar& c : key) {
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z')) {
            c = QChar(c.unicode() - 'a' + 'A');
        }
    }
    return key;
}

template <class R> LedgerIndex LedgerIndex::Read(const QString& path) {
    LedgerIndex index;
    if (!IsFile(path)) {
        return index;
    }
    RecordFile file(path, RecordLayout<R>::kSize, RecordFile::Mode::Read);
    index.exists_ = true;
    index.bytesRead_ = file.Count() * RecordLayout<R>::kSize;
    while (!file.AtEnd()) {
        const R record = file.ReadRecord<R>();
        if (record.Status == kDeleted || record.ClientNo.isEmpty()) {
            continue;
        }
        index.lines_[ClientKey(record.ClientNo)].append(
            LedgerLine{record.Date, record.*books::LedgerTraits<R>::kParty, record.Amount});
    }
    file.Close();
    return index;
}

LedgerIndex LedgerIndex::ReadIncome(const QString& path) {
    return Read<books::IncRec>(path);
}

LedgerIndex LedgerIndex::ReadExpenses(const QString& path) {
    return Read<books::ExpRec>(path);
}

const QList<LedgerLine>& LedgerIndex::Lines(const QString& clientNo) const {
    static const QList<LedgerLine> none;
    if (clientNo.isEmpty()) {
        return none;
    }
    const auto found = lines_.constFind(ClientKey(clientNo));
    return found == lines_.cend() ? none : *found;
}

ClientAddressBook ClientAddressBook::Read(const QString& path) {
    ClientAddressBook book;
    if (!IsFile(path)) {
        return book;
    }
    RecordFile file(path, kNameRecSize, RecordFile::Mode::Read);
    book.exists_ = true;
    book.bytesRead_ = file.Count() * kNameRecSize;
    for (qint64 slot = 0; !file.AtEnd(); ++slot) {
        NameRec client = file.ReadRecord<NameRec>();
        if (slot == 0 || client.Status == kDeleted || client.ClientNo.isEmpty()) {
            continue;
        }
        const QString key = ClientKey(client.ClientNo);
        if (!book.clients_.contains(key)) {
            book.clients_.insert(key, std::move(client));
        }
    }
    file.Close();
    return book;
}

const NameRec* ClientAddressBook::Find(const QString& clientNo) const {
    if (clientNo.isEmpty()) {
        return nullptr;
    }
    const auto found = clients_.constFind(ClientKey(clientNo));
    return found == clients_.cend() ? nullptr : &*found;
}

QString FindStatementFile(const QString& path, const QString& statementFolder) {
    if (IsFile(path)) {
        return path;
    }
    const QString name = StripExtension(FileNamePart(path));
    if (name.isEmpty()) {
        return {};
    }
    const QString inFolder =
        MatchFileNameCase(SlashAtEnd(statementFolder) + name + QStringLiteral(".is5"));
    return IsFile(inFolder) ? inFolder : QString();
}

BillInputs::BillInputs(BillSources sources) : sources_(std::move(sources)) {}

const LedgerIndex& BillInputs::Income() {
    if (!income_) {
        income_ = LedgerIndex::ReadIncome(sources_.incomePath);
        bytesRead_ += income_->BytesRead();
    }
    return *income_;
}

const LedgerIndex& BillInputs::Expenses() {
    if (!expenses_) {
        expenses_ = LedgerIndex::ReadExpenses(sources_.expensePath);
        bytesRead_ += expenses_->BytesRead();
    }
    return *expenses_;
}

const ClientAddressBook& BillInputs::Clients() {
    if (!clients_) {
        clients_ = ClientAddressBook::Read(sources_.clientPath);
        bytesRead_ += clients_->BytesRead();
    }
    return *clients_;
}

const StatementSource& BillInputs::Statement(const QString& path) {
    const auto known = statements_.constFind(path);
    if (known != statements_.cend()) {
        return *known;
    }
    StatementSource source;
    source.path = FindStatementFile(path, sources_.statementFolder);
    if (source.Found()) {
        source.lines = ReadStatementLines(source.path);
        bytesRead_ += qint64(source.lines.size()) * RecordLayout<ISRec>::kSize;
    }
    return *statements_.insert(path, std::move(source));
}

const QStringList& BillInputs::DescriptionLines(const QString& description) {
    auto found = descriptionLines_.find(description);
    if (found == descriptionLines_.end()) {
        found = descriptionLines_.insert(description, StatementDescriptionLines(description));
    }
    return *found;
}

} // namespace kiv5::billing
