#include "common/core/PositionedWrites.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <unistd.h>

#if __has_include(<linux/io_uring.h>)
#include <linux/io_uring.h>
#include <sys/mman.h>
#include <sys/syscall.h>
#define KIV5_HAS_RING 1
#endif

namespace kiv5 {

namespace {

void WriteOne(int fd, PositionedWrite& write) {
    if (write.error != 0) {
        return;
    }
    ssize_t written = -1;
    do {
        written = ::pwrite(fd, write.bytes, static_cast<size_t>(write.size),
                           static_cast<off_t>(write.offset));
    } while (written < 0 && errno == EINTR);
    write.error = written == write.size ? 0 : (written < 0 ? errno : EIO);
}

} // namespace

#ifdef KIV5_HAS_RING

// The kernel's submission and completion rings, set up by hand (three
// system calls; no library needed).
class PositionedWriter::Ring {
public:
    static std::unique_ptr<Ring> Open() {
        auto ring = std::unique_ptr<Ring>(new Ring);
        return ring->Setup() ? std::move(ring) : nullptr;
    }
    ~Ring() {
        Unmap(sqes_, sqesSize_);
        Unmap(sq_, sqSize_);
        if (cq_ != sq_) {
            Unmap(cq_, cqSize_);
        }
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }

    // Writes one batch of at most Capacity() entries; false when the ring
    // itself failed (the caller then writes the batch one by one).
    bool Write(int fd, std::span<PositionedWrite> writes) {
        unsigned tail = Load(sqTail_);
        unsigned count = 0;
        for (std::size_t k = 0; k < writes.size(); ++k) {
            if (writes[k].error != 0) {
                continue;
            }
            const unsigned index = tail & *sqMask_;
            io_uring_sqe& entry = sqes_[index];
            std::memset(&entry, 0, sizeof entry);
            entry.opcode = IORING_OP_WRITE;
            entry.fd = fd;
            entry.addr = reinterpret_cast<quint64>(writes[k].bytes);
            entry.len = static_cast<unsigned>(writes[k].size);
            entry.off = static_cast<quint64>(writes[k].offset);
            entry.user_data = k;
            sqArray_[index] = index;
            ++tail;
            ++count;
        }
        Store(sqTail_, tail);
        unsigned submitted = 0;
        unsigned reaped = 0;
        while (reaped < count) {
            const long result = ::syscall(__NR_io_uring_enter, fd_, count - submitted, 1u,
                                          IORING_ENTER_GETEVENTS, nullptr, 0);
            if (result < 0) {
                if (errno == EINTR || errno == EAGAIN) {
                    continue;
                }
                return false;
            }
            submitted += static_cast<unsigned>(result);
            reaped += Reap(writes);
        }
        return true;
    }

    unsigned Capacity() const { return entries_; }

private:
    Ring() = default;

    bool Setup() {
        io_uring_params params{};
        fd_ = static_cast<int>(::syscall(__NR_io_uring_setup, 256u, &params));
        if (fd_ < 0) {
            return false;
        }
        entries_ = params.sq_entries;
        sqSize_ = params.sq_off.array + params.sq_entries * sizeof(unsigned);
        cqSize_ = params.cq_off.cqes + params.cq_entries * sizeof(io_uring_cqe);
        const bool single = (params.features & IORING_FEAT_SINGLE_MMAP) != 0;
        if (single) {
            sqSize_ = cqSize_ = std::max(sqSize_, cqSize_);
        }
        sq_ = Map(sqSize_, IORING_OFF_SQ_RING);
        cq_ = single ? sq_ : Map(cqSize_, IORING_OFF_CQ_RING);
        sqesSize_ = params.sq_entries * sizeof(io_uring_sqe);
        sqes_ = static_cast<io_uring_sqe*>(Map(sqesSize_, IORING_OFF_SQES));
        if (sq_ == nullptr || cq_ == nullptr || sqes_ == nullptr) {
            return false;
        }
        auto* sq = static_cast<char*>(sq_);
        auto* cq = static_cast<char*>(cq_);
        sqTail_ = reinterpret_cast<unsigned*>(sq + params.sq_off.tail);
        sqMask_ = reinterpret_cast<unsigned*>(sq + params.sq_off.ring_mask);
        sqArray_ = reinterpret_cast<unsigned*>(sq + params.sq_off.array);
        cqHead_ = reinterpret_cast<unsigned*>(cq + params.cq_off.head);
        cqTail_ = reinterpret_cast<unsigned*>(cq + params.cq_off.tail);
        cqMask_ = reinterpret_cast<unsigned*>(cq + params.cq_off.ring_mask);
        cqes_ = reinterpret_cast<io_uring_cqe*>(cq + params.cq_off.cqes);
        return true;
    }

    unsigned Reap(std::span<PositionedWrite> writes) {
        unsigned head = Load(cqHead_);
        unsigned reaped = 0;
        for (; head != Load(cqTail_); ++head, ++reaped) {
            const io_uring_cqe& done = cqes_[head & *cqMask_];
            PositionedWrite& write = writes[static_cast<std::size_t>(done.user_data)];
            write.error = done.res == write.size ? 0 : (done.res < 0 ? -done.res : EIO);
        }
        Store(cqHead_, head);
        return reaped;
    }

    void* Map(std::size_t size, off_t what) const {
        void* at =
            ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_SHARED | MAP_POPULATE, fd_, what);
        return at == MAP_FAILED ? nullptr : at;
    }
    static void Unmap(void* at, std::size_t size) {
        if (at != nullptr) {
            ::munmap(at, size);
        }
    }
    // The kernel reads and writes the ring indexes concurrently.
    static unsigned Load(unsigned* at) {
        return std::atomic_ref<unsigned>(*at).load(std::memory_order_acquire);
    }
    static void Store(unsigned* at, unsigned value) {
        std::atomic_ref<unsigned>(*at).store(value, std::memory_order_release);
    }

    int fd_ = -1;
    unsigned entries_ = 0;
    std::size_t sqSize_ = 0;
    std::size_t cqSize_ = 0;
    std::size_t sqesSize_ = 0;
    void* sq_ = nullptr;
    void* cq_ = nullptr;
    io_uring_sqe* sqes_ = nullptr;
    unsigned* sqTail_ = nullptr;
    unsigned* sqMask_ = nullptr;
    unsigned* sqArray_ = nullptr;
    unsigned* cqHead_ = nullptr;
    unsigned* cqTail_ = nullptr;
    unsigned* cqMask_ = nullptr;
    io_uring_cqe* cqes_ = nullptr;
};

PositionedWriter::PositionedWriter() : ring_(Ring::Open()) {}

void PositionedWriter::Submit(int fd, std::span<PositionedWrite> writes) {
    while (!writes.empty()) {
        const std::size_t batch =
            ring_ ? std::min<std::size_t>(writes.size(), ring_->Capacity()) : writes.size();
        const std::span<PositionedWrite> part = writes.first(batch);
        if (ring_ && !ring_->Write(fd, part)) {
            // A ring that failed once is not trusted again.
            ring_.reset();
        }
        if (!ring_) {
            for (PositionedWrite& write : part) {
                WriteOne(fd, write);
            }
        }
        writes = writes.subspan(batch);
    }
}

#else

class PositionedWriter::Ring {};

PositionedWriter::PositionedWriter() = default;

void PositionedWriter::Submit(int fd, std::span<PositionedWrite> writes) {
    for (PositionedWrite& write : writes) {
        WriteOne(fd, write);
    }
}

#endif

PositionedWriter::~PositionedWriter() = default;

void PositionedWriter::ForceOneByOne() {
    ring_.reset();
}

} // namespace kiv5
