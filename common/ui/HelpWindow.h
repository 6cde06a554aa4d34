#pragma once

// The built-in help viewer. A program's help is a folder of HTML pages, one
// per topic number ("<topic>.html") and the contents page "index.html". A
// page that is not installed shows a short notice instead. Each running
// program has one help window (ProgramHelp): it is made on first use, raised
// on later ones, and keeps its place and size for the rest of the session.

#include <QByteArray>
#include <QString>
#include <QWidget>

class QPushButton;
class QTextBrowser;

namespace kiv5::ui {

class HelpBrowser;

class HelpWindow : public QWidget {
    Q_OBJECT

public:
    explicit HelpWindow(const QString& helpFolder, QWidget* parent = nullptr);

    // Show and raise the window at the contents or at a topic.
    void ShowContents();
    void ShowTopic(int topic);

    QString HelpFolder() const { return helpFolder_; }
    void SetHelpFolder(const QString& helpFolder) { helpFolder_ = helpFolder; }

    QString ContentsPath() const;
    QString TopicPath(int topic) const;
    QTextBrowser* Browser() const;

    static QString MissingPageText();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void ShowPage(const QString& path);
    void Present();
    void UpdateTitle();

    QString helpFolder_;
    QByteArray geometry_;
    HelpBrowser* browser_ = nullptr;
    QPushButton* back_ = nullptr;
    QPushButton* forward_ = nullptr;
};

} // namespace kiv5::ui
