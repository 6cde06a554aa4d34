#pragma once

// Many small writes at far-apart places of one file (a status or a mark in
// every record of a ledger) handed to the kernel together. One system call
// per write costs more than the write itself on a large file; the kernel's
// submission ring takes hundreds at once. Where the ring is not available
// (an older kernel, a container that forbids it) the writes go one by one.

#include <QtGlobal>
#include <memory>
#include <span>

namespace kiv5 {

struct PositionedWrite {
    qint64 offset = 0;
    char bytes[4] = {};
    int size = 0;
    // After Submit: 0 when all bytes were written, else the error number.
    int error = 0;
};

class PositionedWriter {
public:
    PositionedWriter();
    ~PositionedWriter();
    PositionedWriter(const PositionedWriter&) = delete;
    PositionedWriter& operator=(const PositionedWriter&) = delete;

    // Writes every entry to the open file descriptor and sets each entry's
    // error; an entry that comes with its error set is left out. The writes
    // go in no particular order, so no two may overlap.
    void Submit(int fd, std::span<PositionedWrite> writes);

    // False when the ring could not be set up and writes go one by one.
    bool UsesRing() const { return ring_ != nullptr; }
    // For tests: the one-by-one path even where the ring works.
    void ForceOneByOne();

    class Ring;

private:
    std::unique_ptr<Ring> ring_;
};

} // namespace kiv5
