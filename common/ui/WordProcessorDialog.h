#pragma once

// "Set Word Processor Dialog": chooses the command that opens the finished
// documents. "WINWORD.EXE" and "WORDPAD.EXE" stand for the first two choices
// (the launcher finds a replacement for them where they do not exist); any
// other command is typed under "Other - Enter Command Below".

#include <QDialog>
#include <functional>

class QLineEdit;
class QRadioButton;

namespace kiv5::ui {

class SetWordProcessorDialog : public QDialog {
    Q_OBJECT

public:
    using HelpHandler = std::function<void(int topic)>;

    SetWordProcessorDialog(const QString& wordProcessor, int helpTopic, QWidget* parent = nullptr);

    void SetHelpHandler(HelpHandler handler) { help_ = std::move(handler); }

    // The command chosen with Ok; after Cancel the one the dialog opened with.
    QString WordProcessor() const { return wordProcessor_; }

private:
    void BuildWidgets();
    void ShowChoice(const QString& wordProcessor);
    void OnChoiceChanged();
    void OnOk();

    QString wordProcessor_;
    int helpTopic_;
    HelpHandler help_;
    QRadioButton* word_ = nullptr;
    QRadioButton* wordPad_ = nullptr;
    QRadioButton* other_ = nullptr;
    QLineEdit* command_ = nullptr;
};

} // namespace kiv5::ui
