#include "billing/ui/WorksheetPanel.h"

#include "common/core/DateTime.h"
#include "common/ui/MenuItems.h"

#include <QDateEdit>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

namespace kiv5::billing::ui {
namespace {

constexpr int kDescriptionLength = 255;

void SetFieldColour(QWidget* field, const QColor& colour) {
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, colour);
    field->setPalette(palette);
}

} // namespace

QString ReplaceDescriptionCharacters(QString text) {
    text.replace(QLatin1Char('{'), QLatin1Char('('));
    text.replace(QLatin1Char('}'), QLatin1Char(')'));
    for (const QChar c : {QLatin1Char('\\'), QLatin1Char('/'), QLatin1Char('\t')}) {
        text.replace(c, QLatin1Char('-'));
    }
    return text;
}

bool IsNumberKey(const QString& typed) {
    for (const QChar c : typed) {
        if (!c.isDigit() && c != QLatin1Char('.') && c != QLatin1Char('-') &&
            c != QLatin1Char('\b')) {
            return false;
        }
    }
    return true;
}

WorksheetPanel::WorksheetPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("pnlEntry"));
    dateEdit = new QDateEdit(this);
    dateEdit->setObjectName(QStringLiteral("dtpServiceDate"));
    dateEdit->setCalendarPopup(true);
    dateEdit->setDisplayFormat(QStringLiteral("M/d/yyyy"));
    descriptionEdit = new QPlainTextEdit(this);
    descriptionEdit->setObjectName(QStringLiteral("edtDescription"));
    descriptionEdit->setTabChangesFocus(true);
    descriptionEdit->setFixedHeight(60);
    timeEdit = new QLineEdit(this);
    timeEdit->setObjectName(QStringLiteral("edtTimeSpent"));
    rateEdit = new QLineEdit(this);
    rateEdit->setObjectName(QStringLiteral("edtHourlyRate"));
    saveButton = new QPushButton(QStringLiteral("Save To Table - <Ctrl><Alt><T>"), this);
    saveButton->setObjectName(QStringLiteral("btnSaveToTable"));
    importButton = new QPushButton(QStringLiteral("Get Calender Entries"), this);
    importButton->setObjectName(QStringLiteral("btnGetCalendar"));
    importButton->setToolTip(QStringLiteral("Import calendar entries"));

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("Date of Service"), this), 0, 0);
    grid->addWidget(dateEdit, 1, 0);
    grid->addWidget(new QLabel(QStringLiteral("Description of Service"), this), 0, 1);
    grid->addWidget(descriptionEdit, 1, 1, 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("Time Spent (Hrs)"), this), 0, 2);
    grid->addWidget(timeEdit, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Hourly Rate"), this), 0, 3);
    grid->addWidget(rateEdit, 1, 3);
    grid->addWidget(saveButton, 2, 2);
    grid->addWidget(importButton, 2, 3);
    grid->addWidget(MakeNavigator(), 3, 0, 1, 4);
    grid->setColumnStretch(1, 1);

    for (QWidget* field :
         std::initializer_list<QWidget*>{dateEdit, descriptionEdit, timeEdit, rateEdit}) {
        field->installEventFilter(this);
        SetFieldColour(field, Qt::white);
    }
    connect(dateEdit, &QDateEdit::dateChanged, this, [this] {
        if (!loading_) {
            emit Modified();
        }
    });
    connect(descriptionEdit, &QPlainTextEdit::textChanged, this, [this] {
        LimitDescription();
        if (!loading_) {
            emit Modified();
        }
    });
    for (QLineEdit* edit : {timeEdit, rateEdit}) {
        connect(edit, &QLineEdit::textEdited, this, &WorksheetPanel::Modified);
    }
}

QWidget* WorksheetPanel::MakeNavigator() {
    auto* bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("navigator"));
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    insertButton =
        kiv5::ui::AddBarButton(bar, QStringLiteral("+"),
                               QStringLiteral("<Ctrl><Alt><A> - Insert a blank row in the table"),
                               QStringLiteral("nbInsert"));
    deleteButton = kiv5::ui::AddBarButton(
        bar, QStringLiteral("-"),
        QStringLiteral("<CTRL><Del> - Delete the currently selected row in the table"),
        QStringLiteral("nbDelete"));
    firstButton = kiv5::ui::AddBarButton(bar, QStringLiteral("|<"),
                                         QStringLiteral("<CTRL><Home> - Go to first row in table"),
                                         QStringLiteral("nbFirst"));
    priorButton = kiv5::ui::AddBarButton(bar, QStringLiteral("<"),
                                         QStringLiteral("<Up> - Go to prior row in table"),
                                         QStringLiteral("nbPrior"));
    nextButton = kiv5::ui::AddBarButton(bar, QStringLiteral(">"),
                                        QStringLiteral("<Down> - Go to next row in table"),
                                        QStringLiteral("nbNext"));
    lastButton = kiv5::ui::AddBarButton(bar, QStringLiteral(">|"),
                                        QStringLiteral("<CTRL><End> - Go to last row in table"),
                                        QStringLiteral("nbLast"));
    row->addStretch();
    return bar;
}

void WorksheetPanel::LimitDescription() {
    const QString text = descriptionEdit->toPlainText();
    if (text.size() <= kDescriptionLength) {
        return;
    }
    const bool wasLoading = loading_;
    loading_ = true;
    descriptionEdit->setPlainText(text.left(kDescriptionLength));
    descriptionEdit->moveCursor(QTextCursor::End);
    loading_ = wasLoading;
}

void WorksheetPanel::SetEntry(const StatementEntry& entry) {
    loading_ = true;
    dateEdit->setDate(DayCountToDate(entry.date).value_or(QDate()));
    descriptionEdit->setPlainText(entry.description);
    timeEdit->setText(entry.time);
    rateEdit->setText(entry.rate);
    loading_ = false;
}

StatementEntry WorksheetPanel::Entry() const {
    return {DateToDayCount(dateEdit->date()),
            ReplaceDescriptionCharacters(descriptionEdit->toPlainText()), timeEdit->text(),
            rateEdit->text()};
}

void WorksheetPanel::ReplaceDescription(const QString& text) {
    descriptionEdit->setPlainText(text);
}

void WorksheetPanel::FocusDescription() {
    descriptionEdit->setFocus();
}

bool WorksheetPanel::eventFilter(QObject* watched, QEvent* event) {
    auto* field = qobject_cast<QWidget*>(watched);
    if (event->type() == QEvent::KeyPress && (watched == timeEdit || watched == rateEdit)) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!key->text().isEmpty() && key->text()[0].isPrint() && !IsNumberKey(key->text())) {
            return true;
        }
    }
    if (event->type() == QEvent::FocusIn && field) {
        SetFieldColour(field, QColor(192, 192, 192));
    } else if (event->type() == QEvent::FocusOut && field) {
        SetFieldColour(field, Qt::white);
        if (watched == descriptionEdit) {
            const QString text = descriptionEdit->toPlainText();
            const QString replaced = ReplaceDescriptionCharacters(text);
            if (replaced != text) {
                descriptionEdit->setPlainText(replaced);
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace kiv5::billing::ui
