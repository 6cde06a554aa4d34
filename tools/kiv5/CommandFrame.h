#pragma once

// How every kiv5 command answers around its own work: --help prints its
// usage; a wrong argument prints "kiv5 NAME: what was wrong" and the usage; a
// file that cannot be used prints "kiv5 NAME: message". Each of these but
// --help exits with 2.

#include "tools/kiv5/CommandArguments.h"
#include "tools/kiv5/CommandIo.h"

#include <QString>
#include <functional>
#include <optional>

namespace kiv5::tool {

class CommandFrame {
public:
    CommandFrame(const QString& name, QString usage, CommandIo& io);

    // The exit code when --help was asked for or the arguments are wrong;
    // nothing when the command goes on.
    std::optional<int> Answered(const CommandArguments& args) const;
    int UsageError(const QString& message) const;
    int Failed(const QString& message) const;
    // "kiv5 NAME: message", for messages written among the results.
    QString Prefixed(const QString& message) const;
    // The commands that lay out text need the fonts of a GUI application.
    std::optional<int> NeedsFonts() const;
    // Runs the work; an error of the suite it throws is Failed.
    int Guarded(const std::function<int()>& work) const;

private:
    QString prefix_;
    QString usage_;
    CommandIo& io_;
};

} // namespace kiv5::tool
