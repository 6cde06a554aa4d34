#include "tests/uisupport/WidgetLookup.h"

#include <QTest>

namespace kiv5::test {

QAbstractButton* FindButton(QWidget& window, const QString& text) {
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

void ClickButton(QWidget& window, const QString& text) {
    QAbstractButton* button = FindButton(window, text);
    if (button == nullptr) {
        QTest::qFail(qPrintable(QStringLiteral("no button \"") + text + QStringLiteral("\"")),
                     __FILE__, __LINE__);
        return;
    }
    QTest::mouseClick(button, Qt::LeftButton);
}

QStringList LabelTexts(QWidget& window) {
    QStringList texts;
    for (const QLabel* label : window.findChildren<QLabel*>())
        texts.append(label->text());
    return texts;
}

} // namespace kiv5::test
