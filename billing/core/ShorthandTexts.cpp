#include "billing/core/ShorthandTexts.h"

namespace kiv5::billing {

QString ShorthandText(const BillingSettings& settings, int key) {
    if (key < 1 || key > SHORTHANDTEXTS) {
        return {};
    }
    return settings.ShortHandArray[static_cast<std::size_t>(key - 1)];
}

QStringList ShorthandTexts(const BillingSettings& settings) {
    QStringList texts;
    for (const QString& text : settings.ShortHandArray) {
        texts.append(text);
    }
    return texts;
}

void SetShorthandTexts(BillingSettings& settings, const QStringList& texts) {
    for (int k = 0; k < SHORTHANDTEXTS; ++k) {
        settings.ShortHandArray[static_cast<std::size_t>(k)] = texts.value(k).left(SHORTHANDLENGTH);
    }
}

} // namespace kiv5::billing
