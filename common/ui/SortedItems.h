#pragma once

#include <QStringList>

class QComboBox;

namespace kiv5::ui {

// The items sorted without regard to letter case (stable).
QStringList SortedIgnoringCase(const QStringList& items);

// The sorted copy of a list, made again only when the list given is another
// one than last time (a cached list handed out again shares its data), so a
// client list of 100,000 names is sorted once per reading, not per form.
class SortedListCache {
public:
    const QStringList& Of(const QStringList& items);

private:
    QStringList source_;
    QStringList sorted_;
    bool made_ = false;
};

// Fills a pick list with items already in order through a plain string list
// model, sized by a typical item instead of measuring every one.
void SetPickItems(QComboBox& box, const QStringList& items);

} // namespace kiv5::ui
