// Runs a fuzz target without libFuzzer, as a test under the sanitizers:
// every file of the corpus folders and files given, then a bounded number of
// seeded mutations of them. A sanitizer report or an escaping exception ends
// the run; the input that caused it is first written to "crash-<target>" in
// the current folder, where `fuzz_X crash-<target>` replays it alone.
//
//     fuzz_X [--mutations N] [--seed S] CORPUS...

#include "fuzz/FuzzSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <limits>
#include <random>

#if defined(__has_include)
#if __has_include(<sanitizer/common_interface_defs.h>)
#include <sanitizer/common_interface_defs.h>
#define KIV5_HAS_DEATH_CALLBACK 1
#endif
#endif

namespace {

// Mutations never grow an input beyond this.
constexpr qsizetype kMaxInput = 256 * 1024;

// The input being run and the target's name, for the crash file.
const QByteArray* current = nullptr;
QByteArray crashFile;

void SaveCurrentInput() {
    if (!current) {
        return;
    }
    if (std::FILE* f = std::fopen(crashFile.constData(), "wb")) {
        std::fwrite(current->constData(), 1, std::size_t(current->size()), f);
        std::fclose(f);
        std::fprintf(stderr, "replay: the failing input is in %s\n", crashFile.constData());
    }
}

void Run(const QByteArray& input) {
    current = &input;
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(input.constData()),
                           std::size_t(input.size()));
    current = nullptr;
}

// Bytes that mean something to the readers: length bytes at and above a
// field's capacity, digits, signs, separators and line breaks.
constexpr std::array<char, 20> kInterestingBytes = {
    0,   1,   8,   10,  13,  9,    ' ',  '-',        '.',        ',',
    '/', '0', '9', '|', '~', 0x40, 0x7f, char(0x80), char(0xfe), char(0xff)};

// Doubles and integers that break dates, amounts and counts.
QByteArray InterestingNumber(std::mt19937& rng) {
    const std::array<double, 8> doubles = {std::numeric_limits<double>::quiet_NaN(),
                                           std::numeric_limits<double>::infinity(),
                                           -std::numeric_limits<double>::infinity(),
                                           1e300,
                                           -1e300,
                                           std::numeric_limits<double>::denorm_min(),
                                           9.3e18,
                                           -693594.5};
    const std::array<qint32, 6> integers = {
        -1, -2, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max(), 51, 65536};
    if (rng() % 2 == 0) {
        const double d = doubles[rng() % doubles.size()];
        return QByteArray(reinterpret_cast<const char*>(&d), sizeof d);
    }
    const qint32 i = integers[rng() % integers.size()];
    return QByteArray(reinterpret_cast<const char*>(&i), sizeof i);
}

QByteArray InterestingText(std::mt19937& rng) {
    const std::array<const char*, 10> texts = {"\t",
                                               "\r\n",
                                               "\n",
                                               "\t\t\t\t\t\t\t\t\t\t",
                                               " | ",
                                               " ~ ",
                                               "99999999999999999999",
                                               "-1",
                                               "13/45/2026",
                                               kiv5::fuzz::kPartSeparator};
    return QByteArray(texts[rng() % texts.size()]);
}

qsizetype Below(std::mt19937& rng, qsizetype n) {
    return n <= 0 ? 0 : qsizetype(rng() % quint32(n));
}

void MutateOnce(QByteArray& b, std::mt19937& rng) {
    const qsizetype at = Below(rng, b.size());
    switch (rng() % 9) {
    case 0:
        if (!b.isEmpty()) {
            b[at] = char(b[at] ^ (1 << (rng() % 8)));
        }
        break;
    case 1:
        if (!b.isEmpty()) {
            b[at] = kInterestingBytes[rng() % kInterestingBytes.size()];
        }
        break;
    case 2:
        b.truncate(Below(rng, b.size() + 1));
        break;
    case 3:
        b.remove(at, 1 + Below(rng, 16));
        break;
    case 4: {
        QByteArray random(1 + Below(rng, 8), '\0');
        for (char& c : random) {
            c = char(rng());
        }
        b.insert(at, random);
        break;
    }
    case 5:
        b.insert(Below(rng, b.size() + 1), b.mid(Below(rng, b.size()), 1 + Below(rng, 64)));
        break;
    case 6:
        b.insert(Below(rng, b.size() + 1), InterestingText(rng));
        break;
    default: {
        const QByteArray number = InterestingNumber(rng);
        if (b.size() >= number.size()) {
            b.replace(Below(rng, b.size() - number.size() + 1), number.size(), number);
        }
        break;
    }
    }
    b.truncate(kMaxInput);
}

QList<QByteArray> ReadCorpus(const QStringList& paths) {
    QList<QByteArray> corpus;
    for (const QString& path : paths) {
        QStringList files;
        if (QFileInfo(path).isDir()) {
            for (const QFileInfo& f : QDir(path).entryInfoList(QDir::Files, QDir::Name)) {
                files.append(f.filePath());
            }
        } else {
            files.append(path);
        }
        for (const QString& name : files) {
            QFile file(name);
            if (!file.open(QIODevice::ReadOnly)) {
                std::fprintf(stderr, "replay: cannot read %s\n", qPrintable(name));
                std::exit(2);
            }
            corpus.append(file.readAll());
        }
    }
    return corpus;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QString target = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    crashFile = QStringLiteral("crash-%1").arg(target).toLocal8Bit();
#ifdef KIV5_HAS_DEATH_CALLBACK
    __sanitizer_set_death_callback(SaveCurrentInput);
#endif
    std::set_terminate([] {
        SaveCurrentInput();
        std::abort();
    });

    int mutations = 0;
    quint32 seed = 1;
    QStringList paths;
    const QStringList args = QCoreApplication::arguments().mid(1);
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--mutations") && i + 1 < args.size()) {
            mutations = args[++i].toInt();
        } else if (args[i] == QLatin1String("--seed") && i + 1 < args.size()) {
            seed = args[++i].toUInt();
        } else {
            paths.append(args[i]);
        }
    }
    const QList<QByteArray> corpus = ReadCorpus(paths);
    if (corpus.isEmpty()) {
        std::fprintf(stderr, "replay: %s: no corpus given or found\n", qPrintable(target));
        return 2;
    }

    QElapsedTimer timer;
    timer.start();
    for (const QByteArray& input : corpus) {
        Run(input);
    }
    // The seed and the target's name fix every mutation, so a run repeats.
    quint32 name = 2166136261u;
    for (const char c : target.toLatin1()) {
        name = (name ^ quint8(c)) * 16777619u;
    }
    std::mt19937 rng(seed ^ name);
    for (int i = 0; i < mutations; ++i) {
        QByteArray input = corpus[Below(rng, corpus.size())];
        for (int k = 1 + int(rng() % 4); k > 0; --k) {
            MutateOnce(input, rng);
        }
        Run(input);
    }
    std::printf("%s: %lld corpus inputs and %d mutations run in %.1f s\n", qPrintable(target),
                static_cast<long long>(corpus.size()), mutations, double(timer.elapsed()) / 1000);
    return 0;
}
