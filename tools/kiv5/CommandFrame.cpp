#include "tools/kiv5/CommandFrame.h"

#include "common/core/Exceptions.h"

#include <QCoreApplication>
#include <QGuiApplication>

namespace kiv5::tool {

CommandFrame::CommandFrame(const QString& name, QString usage, CommandIo& io)
    : prefix_(QStringLiteral("kiv5 %1: ").arg(name)), usage_(std::move(usage)), io_(io) {}

std::optional<int> CommandFrame::Answered(const CommandArguments& args) const {
    if (args.WantsHelp() && args.IsValid()) {
        io_.out << usage_;
        io_.out.flush();
        return kExitOk;
    }
    if (!args.IsValid()) {
        return UsageError(args.Error());
    }
    return std::nullopt;
}

int CommandFrame::UsageError(const QString& message) const {
    io_.err << prefix_ << message << "\n\n" << usage_;
    io_.err.flush();
    return kExitUsage;
}

int CommandFrame::Failed(const QString& message) const {
    io_.err << prefix_ << message << '\n';
    io_.err.flush();
    return kExitUsage;
}

QString CommandFrame::Prefixed(const QString& message) const {
    return prefix_ + message;
}

std::optional<int> CommandFrame::NeedsFonts() const {
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        return std::nullopt;
    }
    return Failed(QStringLiteral("fonts are not available in this process"));
}

int CommandFrame::Guarded(const std::function<int()>& work) const {
    try {
        return work();
    } catch (const Kiv5Error& error) {
        return Failed(error.Message());
    }
}

} // namespace kiv5::tool
