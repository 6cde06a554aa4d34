#pragma once

// The twelve shorthand texts of the function keys F1 ... F12, kept in the
// settings (written when the program ends).

#include "billing/core/BillingSettings.h"

#include <QString>
#include <QStringList>

namespace kiv5::billing {

// Text k (1 ... 12); empty for any other k.
QString ShorthandText(const BillingSettings& settings, int key);
// The twelve texts in key order.
QStringList ShorthandTexts(const BillingSettings& settings);
// Takes up to twelve texts in key order, each cut to 64 characters; texts
// not given become empty.
void SetShorthandTexts(BillingSettings& settings, const QStringList& texts);

} // namespace kiv5::billing
