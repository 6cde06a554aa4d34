#pragma once

#include <QFont>
#include <QString>

namespace kiv5::ui {

class Prompts;

// The font a program keeps in its settings as four values; size 0 or less
// is "not set" and gives fallbackSize (when above 0) or the font's default.
QFont FontOf(const QString& name, int size, bool bold, bool italic, int fallbackSize = 0);

// Asks for a font starting from the stored one and stores the choice; false
// (and nothing changed) when the question is cancelled. A chosen font
// without a point size keeps the stored size.
bool ChooseStoredFont(Prompts& prompts, const QString& title, QString& name, qint32& size,
                      bool& bold, bool& italic, int fallbackSize = 0);

} // namespace kiv5::ui
