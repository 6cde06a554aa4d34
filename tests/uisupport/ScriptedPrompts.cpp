#include "tests/uisupport/ScriptedPrompts.h"

#include <QTest>

namespace kiv5::test {
namespace {

QString Describe(const AskedQuestion& question) {
    QString text = PromptKindName(question.kind) + QStringLiteral(" \"") + question.title +
                   QStringLiteral("\"");
    if (!question.text.isEmpty())
        text += QStringLiteral(": \"") + question.text + QStringLiteral("\"");
    return text;
}

} // namespace

QString PromptKindName(PromptKind kind) {
    switch (kind) {
    case PromptKind::Message:
        return QStringLiteral("message box");
    case PromptKind::Input:
        return QStringLiteral("input prompt");
    case PromptKind::OpenFile:
        return QStringLiteral("open dialog");
    case PromptKind::SaveFile:
        return QStringLiteral("save dialog");
    case PromptKind::Folder:
        return QStringLiteral("folder dialog");
    case PromptKind::Font:
        return QStringLiteral("font dialog");
    case PromptKind::ErrorWindow:
        return QStringLiteral("error window");
    case PromptKind::Dialog:
        return QStringLiteral("dialog");
    }
    return {};
}

ScriptedPrompts& ScriptedPrompts::Add(Expectation expectation) {
    expected_.push_back(std::move(expectation));
    return *this;
}

ScriptedPrompts& ScriptedPrompts::ExpectQuestion(const QString& title, const QString& text,
                                                 QMessageBox::StandardButton answer) {
    Expectation e;
    e.title = title;
    e.text = text;
    e.button = answer;
    return Add(std::move(e));
}

ScriptedPrompts& ScriptedPrompts::ExpectInformation(const QString& title, const QString& text) {
    Expectation e;
    e.title = title;
    e.text = text;
    e.buttons = QMessageBox::Ok;
    e.button = QMessageBox::Ok;
    return Add(std::move(e));
}

ScriptedPrompts& ScriptedPrompts::ExpectInput(const QString& title, std::optional<QString> answer) {
    Expectation e;
    e.kind = PromptKind::Input;
    e.title = title;
    e.textAnswer = std::move(answer);
    return Add(std::move(e));
}

ScriptedPrompts& ScriptedPrompts::ExpectOpenFile(const QString& title,
                                                 std::optional<QString> answer) {
    Expectation e;
    e.kind = PromptKind::OpenFile;
    e.title = title;
    e.textAnswer = std::move(answer);
    return Add(std::move(e));
}

ScriptedPrompts& ScriptedPrompts::ExpectSaveFile(const QString& title,
                                                 std::optional<QString> answer) {
    Expectation e;
    e.kind = PromptKind::SaveFile;
    e.title = title;
    e.textAnswer = std::move(answer);
    return Add(std::move(e));
}

ScriptedPrompts& ScriptedPrompts::ExpectFolder(const QString& title,
                                               std::optional<QString> answer) {
    Expectation e;
    e.kind = PromptKind::Folder;
    e.title = title;
    e.textAnswer = std::move(answer);
    return Add(std::move(e));
}

ScriptedPrompts& ScriptedPrompts::ExpectFont(std::optional<QFont> answer) {
    Expectation e;
    e.kind = PromptKind::Font;
    e.checkTitle = false;
    e.fontAnswer = std::move(answer);
    return Add(std::move(e));
}

ScriptedPrompts& ScriptedPrompts::ExpectErrorWindow(int code, std::function<void()> action) {
    Expectation e;
    e.kind = PromptKind::ErrorWindow;
    e.checkTitle = false;
    e.code = code;
    e.action = std::move(action);
    return Add(std::move(e));
}

ScriptedPrompts& ScriptedPrompts::AddDialog(const QString& title,
                                            std::function<int(QDialog&)> handler) {
    Expectation e;
    e.kind = PromptKind::Dialog;
    e.title = title;
    e.dialogHandler = std::move(handler);
    return Add(std::move(e));
}

ScriptedPrompts& ScriptedPrompts::ExpectDialog(const QString& title, int result) {
    return AddDialog(title, [result](QDialog&) { return result; });
}

bool ScriptedPrompts::VerifyAllAnswered() {
    for (const Expectation& e : expected_) {
        QString text = QStringLiteral("expected ") + PromptKindName(e.kind);
        if (e.checkTitle)
            text += QStringLiteral(" \"") + e.title + QStringLiteral("\"");
        if (e.code)
            text += QStringLiteral(" ") + QString::number(*e.code);
        Fail(text + QStringLiteral(" was never asked"));
    }
    expected_.clear();
    return failures_.isEmpty();
}

QList<int> ScriptedPrompts::ErrorCodes() const {
    QList<int> codes;
    for (const AskedQuestion& question : asked_) {
        if (question.kind == PromptKind::ErrorWindow)
            codes.append(question.code);
    }
    return codes;
}

void ScriptedPrompts::Fail(const QString& message) {
    failures_.append(message);
    if (onFailure_ == OnFailure::FailTest)
        QTest::qFail(qPrintable(QStringLiteral("Scripted prompts: ") + message), __FILE__,
                     __LINE__);
}

std::optional<ScriptedPrompts::Expectation> ScriptedPrompts::Take(const AskedQuestion& question) {
    asked_.append(question);
    if (expected_.empty()) {
        Fail(QStringLiteral("unexpected ") + Describe(question));
        return std::nullopt;
    }
    Expectation e = std::move(expected_.front());
    expected_.pop_front();
    QString mismatch;
    if (e.kind != question.kind)
        mismatch = QStringLiteral("expected ") + PromptKindName(e.kind);
    else if (e.checkTitle && e.title != question.title)
        mismatch = QStringLiteral("expected the title \"") + e.title + QStringLiteral("\"");
    else if (e.text && *e.text != question.text)
        mismatch = QStringLiteral("expected the text \"") + *e.text + QStringLiteral("\"");
    else if (e.buttons && *e.buttons != question.buttons)
        mismatch = QStringLiteral("expected OK only");
    else if (e.code && *e.code != question.code)
        mismatch = QStringLiteral("expected code ") + QString::number(*e.code);
    if (!mismatch.isEmpty()) {
        Fail(mismatch + QStringLiteral(" but was asked ") + Describe(question));
        return std::nullopt;
    }
    return e;
}

std::optional<QString> ScriptedPrompts::AnswerText(const AskedQuestion& question) {
    const std::optional<Expectation> e = Take(question);
    return e ? e->textAnswer : std::nullopt;
}

QMessageBox::StandardButton ScriptedPrompts::Message(const QString& title, const QString& text,
                                                     QMessageBox::StandardButtons buttons,
                                                     QMessageBox::Icon icon,
                                                     QMessageBox::StandardButton) {
    AskedQuestion question;
    question.title = title;
    question.text = text;
    question.buttons = buttons;
    question.icon = icon;
    const std::optional<Expectation> e = Take(question);
    if (!e)
        return QMessageBox::NoButton;
    if (!(buttons & e->button)) {
        Fail(QStringLiteral("the scripted answer is not a button of ") + Describe(question));
        return QMessageBox::NoButton;
    }
    return e->button;
}

std::optional<QString> ScriptedPrompts::Input(const QString& title, const QString& label,
                                              const QString& initial) {
    AskedQuestion question;
    question.kind = PromptKind::Input;
    question.title = title;
    question.text = label;
    question.initial = initial;
    return AnswerText(question);
}

std::optional<QString> ScriptedPrompts::OpenFile(const ui::FileDialogRequest& request) {
    AskedQuestion question;
    question.kind = PromptKind::OpenFile;
    question.title = request.title;
    question.file = request;
    return AnswerText(question);
}

std::optional<QString> ScriptedPrompts::SaveFile(const ui::FileDialogRequest& request) {
    AskedQuestion question;
    question.kind = PromptKind::SaveFile;
    question.title = request.title;
    question.file = request;
    return AnswerText(question);
}

std::optional<QString> ScriptedPrompts::ChooseFolder(const QString& title, const QString& folder) {
    AskedQuestion question;
    question.kind = PromptKind::Folder;
    question.title = title;
    question.initial = folder;
    return AnswerText(question);
}

std::optional<QFont> ScriptedPrompts::ChooseFont(const QFont&, const QString& title) {
    AskedQuestion question;
    question.kind = PromptKind::Font;
    question.title = title;
    const std::optional<Expectation> e = Take(question);
    return e ? e->fontAnswer : std::nullopt;
}

void ScriptedPrompts::ShowErrorWindow(int code) {
    AskedQuestion question;
    question.kind = PromptKind::ErrorWindow;
    question.title = QStringLiteral("Error/Warning Dialog");
    question.text = QString::number(code);
    question.code = code;
    const std::optional<Expectation> e = Take(question);
    if (e && e->action)
        e->action();
}

int ScriptedPrompts::Exec(QDialog& dialog) {
    AskedQuestion question;
    question.kind = PromptKind::Dialog;
    question.title = dialog.windowTitle();
    const std::optional<Expectation> e = Take(question);
    if (!e)
        return QDialog::Rejected;
    dialog.setResult(QDialog::Rejected);
    dialog.show();
    const int result = e->dialogHandler(dialog);
    dialog.hide();
    return result;
}

} // namespace kiv5::test
