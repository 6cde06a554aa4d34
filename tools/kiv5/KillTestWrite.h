#pragma once

// The whole-file writes the crash runs interrupt, each as its program does
// it: the client file with its memo file (a pair), the bookkeeping set
// (set file, both ledgers, both lists), the billing file with its link
// file, and periodic billing (the next period's data file, its link file and
// the document). Each write stamps a generation into every record ("gN" in a
// text field; for the client pair also in the memo file's header line; for
// periodic billing the billing date), so that a fresh open tells old (N-1)
// from new (N) and finds any mixture.

#include "common/core/OfficeContext.h"
#include "tools/kiv5/DemoSet.h"

#include <QList>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>

namespace kiv5::tool {

// The screen width the crash runs' workspaces lay their columns out for.
inline constexpr int kKillTestScreenWidth = 1044;

enum class KillWrite { Clients, Books, Bills, Periodic };
inline constexpr std::array kKillWrites = {KillWrite::Clients, KillWrite::Books, KillWrite::Bills,
                                           KillWrite::Periodic};

QString KillWriteName(KillWrite write);
std::optional<KillWrite> KillWriteNamed(const QString& name);

// Opens the files, stamps `generation` into every record, calls beforeWrite
// and writes them whole. Throws IoError or ConversionError as the program's
// command does.
void WriteGeneration(const DemoSet& set, KillWrite write, int generation,
                     const OfficeContext& context, const std::function<void()>& beforeWrite);

// A generation as found in one member: kMixed when its records disagree or
// carry none.
inline constexpr int kMixed = -1;

// Opens the files afresh (finishing a replacement a crash interrupted) and
// returns each member's generation: clients: client file, memo file;
// books: income, expenses; bills: billing file; periodic: data file, link
// file, document.
QList<int> ReadGenerations(const DemoSet& set, KillWrite write, const OfficeContext& context);

// The files a write replaces.
QStringList KillWriteFiles(const DemoSet& set, KillWrite write);
// The record files among them, for kiv5 check.
QStringList KillWriteRecordFiles(const DemoSet& set, KillWrite write);

} // namespace kiv5::tool
