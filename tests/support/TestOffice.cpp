#include "tests/support/TestOffice.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace kiv5::test {
namespace {
// A first start on a loaded machine builds the profile and takes long.
constexpr int kConversionWaitMs = 240000;
} // namespace

TestOffice::TestOffice() : soffice_(QStandardPaths::findExecutable(QStringLiteral("soffice"))) {}

QString TestOffice::Convert(const QString& document, const QString& filter,
                            const QString& extension) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), profile_.Folder());
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::MergedChannels);
    const QString outDir = QFileInfo(document).absolutePath();
    process.start(
        soffice_,
        {QStringLiteral("-env:UserInstallation=file://") + profile_.Path(QStringLiteral("profile")),
         QStringLiteral("--headless"), QStringLiteral("--norestore"),
         QStringLiteral("--convert-to"), filter, QStringLiteral("--outdir"), outDir, document});
    if (!process.waitForFinished(kConversionWaitMs)) {
        process.kill();
        process.waitForFinished();
    }
    output_ = process.readAll();
    const QString result =
        outDir + QLatin1Char('/') + QFileInfo(document).completeBaseName() + extension;
    return QFileInfo::exists(result) ? result : QString();
}

QString TestOffice::TextShown(const QString& document) {
    const QString path =
        Convert(document, QStringLiteral("txt:Text (encoded):UTF8"), QStringLiteral(".txt"));
    QFile text(path);
    if (path.isEmpty() || !text.open(QIODevice::ReadOnly)) {
        return {};
    }
    // The text export marks a run of blanks with six-per-em spaces.
    return QString::fromUtf8(text.readAll()).remove(QChar(0x2006));
}

} // namespace kiv5::test
