#pragma once

#include "common/core/OfficeContext.h"
#include "tools/kiv5/CommandIo.h"

#include <QStringList>

namespace kiv5::tool {

inline constexpr char kKillTestCommand[] = "kill-test";

// kiv5 kill-test FOLDER [--runs N | --every-call] [--clients C] [--ledger L]
//                [--seed S] [--writes KIND,...]
// Whole-file writes of a demo data set, each in a child process of this
// program that is killed at a random moment (or stopped at each file call
// in turn), each followed by a fresh open and a check.
int RunKillTest(const QStringList& arguments, CommandIo& io, const OfficeContext& context);

QString KillTestUsage();

} // namespace kiv5::tool
