#pragma once

#include <QAbstractButton>
#include <QLabel>
#include <QWidget>

namespace kiv5::test {

// The button of a window with exactly this text ("&Yes"), or null.
QAbstractButton* FindButton(QWidget& window, const QString& text);

// Clicks that button with the mouse; fails the test when there is none.
void ClickButton(QWidget& window, const QString& text);

// The child of this object name, or null.
template <class T = QWidget> T* FindNamed(QWidget& window, const QString& name) {
    return window.findChild<T*>(name);
}

// The texts of the labels of a window, in creation order.
QStringList LabelTexts(QWidget& window);

} // namespace kiv5::test
