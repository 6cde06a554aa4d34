#include "common/ui/StoredFont.h"

#include "common/ui/Prompts.h"

namespace kiv5::ui {

QFont FontOf(const QString& name, int size, bool bold, bool italic, int fallbackSize) {
    QFont font(name);
    if (const int points = size > 0 ? size : fallbackSize; points > 0) {
        font.setPointSize(points);
    }
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

bool ChooseStoredFont(Prompts& prompts, const QString& title, QString& name, qint32& size,
                      bool& bold, bool& italic, int fallbackSize) {
    const std::optional<QFont> font =
        prompts.ChooseFont(FontOf(name, size, bold, italic, fallbackSize), title);
    if (!font) {
        return false;
    }
    name = font->family();
    if (font->pointSize() > 0) {
        size = font->pointSize();
    }
    bold = font->bold();
    italic = font->italic();
    return true;
}

} // namespace kiv5::ui
