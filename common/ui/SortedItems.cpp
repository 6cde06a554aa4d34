#include "common/ui/SortedItems.h"

#include <QComboBox>
#include <QStringListModel>
#include <algorithm>
#include <numeric>
#include <vector>

namespace kiv5::ui {

QStringList SortedIgnoringCase(const QStringList& items) {
    // Case-folded keys made once each instead of folding in every comparison.
    std::vector<QString> keys;
    keys.reserve(static_cast<std::size_t>(items.size()));
    for (const QString& item : items) {
        keys.push_back(item.toCaseFolded());
    }
    std::vector<qsizetype> order(keys.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&keys](qsizetype a, qsizetype b) {
        return keys[static_cast<std::size_t>(a)] < keys[static_cast<std::size_t>(b)];
    });
    QStringList sorted;
    sorted.reserve(items.size());
    for (const qsizetype index : order) {
        sorted.append(items[index]);
    }
    return sorted;
}

const QStringList& SortedListCache::Of(const QStringList& items) {
    if (!made_ || !items.isSharedWith(source_) || items.size() != source_.size()) {
        source_ = items;
        sorted_ = SortedIgnoringCase(items);
        made_ = true;
    }
    return sorted_;
}

void SetPickItems(QComboBox& box, const QStringList& items) {
    box.setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box.setMinimumContentsLength(32);
    box.setModel(new QStringListModel(items, &box));
    box.setCurrentIndex(-1);
}

} // namespace kiv5::ui
