#include "tools/kiv5/CommandArguments.h"

namespace kiv5::tool {

CommandArguments::CommandArguments(const QStringList& arguments, const QStringList& valueOptions,
                                   const QStringList& flagOptions) {
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (optionsEnded || !argument.startsWith(QLatin1Char('-')) ||
            argument == QLatin1String("-")) {
            positional_.append(argument);
        } else if (argument == QLatin1String("--")) {
            optionsEnded = true;
        } else if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            help_ = true;
        } else if (valueOptions.contains(argument)) {
            if (i + 1 >= arguments.size()) {
                error_ = QStringLiteral("%1 needs a value").arg(argument);
                return;
            }
            values_.append({argument, arguments[++i]});
        } else if (flagOptions.contains(argument)) {
            flags_.append(argument);
        } else {
            error_ = QStringLiteral("unknown option %1").arg(argument);
            return;
        }
    }
}

bool CommandArguments::Has(const QString& option) const {
    return flags_.contains(option) || Value(option).has_value();
}

std::optional<QString> CommandArguments::Value(const QString& option) const {
    // The last one given counts, as usual on command lines.
    for (auto it = values_.crbegin(); it != values_.crend(); ++it) {
        if (it->first == option) {
            return it->second;
        }
    }
    return std::nullopt;
}

std::optional<int> CommandArguments::IntegerValue(const QString& option, int low, int high,
                                                  int fallback) const {
    const std::optional<QString> text = Value(option);
    if (!text) {
        return fallback;
    }
    bool ok = false;
    const int value = text->toInt(&ok);
    if (!ok || value < low || value > high) {
        return std::nullopt;
    }
    return value;
}

} // namespace kiv5::tool
