#pragma once

#include <QRandomGenerator>
#include <QString>
#include <array>

namespace kiv5::tool {

// The demo data's source of chance: a generator with a fixed seed, so the
// same seed always gives the same data.
class DemoRandom {
public:
    explicit DemoRandom(quint32 seed) : generator_(seed) {}

    // 0 .. count - 1
    int Below(int count) {
        return static_cast<int>(generator_.bounded(static_cast<quint32>(count)));
    }
    // low .. high, both included
    int Between(int low, int high) { return low + Below(high - low + 1); }
    bool Chance(int percent) { return Below(100) < percent; }

    template <class T, std::size_t N> const T& Pick(const std::array<T, N>& items) {
        return items[static_cast<std::size_t>(Below(static_cast<int>(N)))];
    }
    template <std::size_t N> QString PickText(const std::array<const char*, N>& items) {
        return QString::fromUtf8(Pick(items));
    }

private:
    QRandomGenerator generator_;
};

} // namespace kiv5::tool
