#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace kiv5::tool {

// The arguments of one command: options ("--name" or "--name VALUE") and
// the rest in their order. An argument "--" ends the options.
class CommandArguments {
public:
    // valueOptions take the next argument as their value; flagOptions stand
    // alone. Any other argument starting with "--" is an error.
    CommandArguments(const QStringList& arguments, const QStringList& valueOptions,
                     const QStringList& flagOptions);

    bool IsValid() const { return error_.isEmpty(); }
    // What was wrong, for the usage message.
    const QString& Error() const { return error_; }
    bool WantsHelp() const { return help_; }
    bool Has(const QString& option) const;
    std::optional<QString> Value(const QString& option) const;
    // The option's value as a whole number from low to high; fallback when
    // the option is not given, nothing when its value is no such number.
    std::optional<int> IntegerValue(const QString& option, int low, int high, int fallback) const;
    const QStringList& Positional() const { return positional_; }

private:
    QStringList flags_;
    QList<std::pair<QString, QString>> values_;
    QStringList positional_;
    QString error_;
    bool help_ = false;
};

} // namespace kiv5::tool
