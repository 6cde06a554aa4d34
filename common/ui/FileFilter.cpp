#include "common/ui/FileFilter.h"

namespace kiv5::ui {
namespace {

QString BothCases(const QString& patterns) {
    QStringList result;
    for (const QString& pattern : patterns.split(u';', Qt::SkipEmptyParts)) {
        const QString trimmed = pattern.trimmed();
        for (const QString& variant : {trimmed, trimmed.toLower(), trimmed.toUpper()}) {
            if (!result.contains(variant))
                result.append(variant);
        }
    }
    return result.join(u' ');
}

} // namespace

QStringList ConvertFileFilter(const QString& filter) {
    if (filter.isEmpty())
        return {};
    if (!filter.contains(u'|'))
        return {filter};
    const QStringList parts = filter.split(u'|');
    QStringList result;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        result.append(parts[i] + QStringLiteral(" (") + BothCases(parts[i + 1]) + u')');
    return result;
}

} // namespace kiv5::ui
