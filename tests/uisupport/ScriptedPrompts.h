#pragma once

#include "common/ui/Prompts.h"

#include <QDialog>
#include <QList>
#include <QStringList>
#include <concepts>
#include <deque>
#include <functional>
#include <type_traits>

namespace kiv5::test {

enum class PromptKind { Message, Input, OpenFile, SaveFile, Folder, Font, ErrorWindow, Dialog };
QString PromptKindName(PromptKind kind);

// One question the code under test asked.
struct AskedQuestion {
    PromptKind kind = PromptKind::Message;
    QString title;
    // The message text, the input prompt's label or the error code.
    QString text;
    QMessageBox::StandardButtons buttons;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    // The input prompt's initial text or the folder dialog's folder.
    QString initial;
    ui::FileDialogRequest file;
    int code = 0;
};

// A prompts service for tests: answers from a script, in order, and records
// every question. A question nobody expected, or one of another kind or
// title than the next expected one, fails the running test and gets a
// refusing answer (no button, nothing chosen, dialog rejected).
//
//     prompts.ExpectQuestion("Network Warning!", kPackWarning, QMessageBox::Ok)
//            .ExpectDialog("Delete Record Dialog", [](QDialog&) { return 8; });
//     RunTheCommand(prompts);
//     prompts.VerifyAllAnswered();
class ScriptedPrompts : public ui::Prompts {
public:
    // RecordOnly keeps failures in Failures() without failing the test: for
    // tests of this class itself.
    enum class OnFailure { FailTest, RecordOnly };
    explicit ScriptedPrompts(OnFailure onFailure = OnFailure::FailTest) : onFailure_(onFailure) {}

    // A message box with this title and text answered by a button: the text
    // is what the user reads, so every expectation names it.
    ScriptedPrompts& ExpectQuestion(const QString& title, const QString& text,
                                    QMessageBox::StandardButton answer);
    // A message box with OK only.
    ScriptedPrompts& ExpectInformation(const QString& title, const QString& text);
    ScriptedPrompts& ExpectInput(const QString& title, std::optional<QString> answer);
    ScriptedPrompts& ExpectOpenFile(const QString& title, std::optional<QString> answer);
    ScriptedPrompts& ExpectSaveFile(const QString& title, std::optional<QString> answer);
    ScriptedPrompts& ExpectFolder(const QString& title, std::optional<QString> answer);
    ScriptedPrompts& ExpectFont(std::optional<QFont> answer);
    // The error window for a code; the action, when given, runs in its place
    // (throw from it to act as a window that cannot be shown).
    ScriptedPrompts& ExpectErrorWindow(int code, std::function<void()> action = {});
    // One of our dialogs by its window title. The handler gets the dialog,
    // shown, to fill and click; it returns the result, or returns nothing
    // and the dialog's own result counts.
    template <class Handler>
    requires std::invocable<Handler, QDialog&> ScriptedPrompts& ExpectDialog(const QString& title,
                                                                             Handler handler) {
        if constexpr (std::is_void_v<std::invoke_result_t<Handler, QDialog&>>) {
            return AddDialog(title, [handler](QDialog& dialog) mutable {
                handler(dialog);
                return dialog.result();
            });
        } else {
            return AddDialog(title, [handler](QDialog& dialog) mutable {
                return static_cast<int>(handler(dialog));
            });
        }
    }
    ScriptedPrompts& ExpectDialog(const QString& title, int result);

    // Fails the test when an expected question was not asked or a failure was
    // recorded; true when all is well.
    bool VerifyAllAnswered();

    const QList<AskedQuestion>& Asked() const { return asked_; }
    const QStringList& Failures() const { return failures_; }
    int Pending() const { return int(expected_.size()); }
    // The codes of the error windows shown, in order.
    QList<int> ErrorCodes() const;

    QMessageBox::StandardButton Message(const QString& title, const QString& text,
                                        QMessageBox::StandardButtons buttons,
                                        QMessageBox::Icon icon,
                                        QMessageBox::StandardButton defaultButton) override;
    std::optional<QString> Input(const QString& title, const QString& label,
                                 const QString& initial) override;
    std::optional<QString> OpenFile(const ui::FileDialogRequest& request) override;
    std::optional<QString> SaveFile(const ui::FileDialogRequest& request) override;
    std::optional<QString> ChooseFolder(const QString& title, const QString& folder) override;
    std::optional<QFont> ChooseFont(const QFont& initial, const QString& title) override;
    void ShowErrorWindow(int code) override;
    int Exec(QDialog& dialog) override;

private:
    struct Expectation {
        PromptKind kind = PromptKind::Message;
        QString title;
        bool checkTitle = true;
        std::optional<QString> text;
        std::optional<QMessageBox::StandardButtons> buttons;
        std::optional<int> code;
        QMessageBox::StandardButton button = QMessageBox::NoButton;
        std::optional<QString> textAnswer;
        std::optional<QFont> fontAnswer;
        std::function<void()> action;
        std::function<int(QDialog&)> dialogHandler;
    };

    ScriptedPrompts& Add(Expectation expectation);
    ScriptedPrompts& AddDialog(const QString& title, std::function<int(QDialog&)> handler);
    // Records the question and hands out the matching expectation, or fails.
    std::optional<Expectation> Take(const AskedQuestion& question);
    std::optional<QString> AnswerText(const AskedQuestion& question);
    void Fail(const QString& message);

    OnFailure onFailure_;
    std::deque<Expectation> expected_;
    QList<AskedQuestion> asked_;
    QStringList failures_;
};

} // namespace kiv5::test
