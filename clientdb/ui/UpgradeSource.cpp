#include "clientdb/ui/UpgradeSource.h"

#include "clientdb/core/UpgradeVersion.h"
#include "common/core/Misc.h"
#include "common/ui/ProgramVersion.h"

#include <QDir>

namespace kiv5::ui {
namespace {

const QString kVersionPath = QStringLiteral("/_upgrades/setupkiv5.txt");
const QString kInstallerPath = QStringLiteral("/_upgrades/setupkiv5.exe");
const QString kInstallerName = QStringLiteral("setupkiv5.exe");

} // namespace

QUrl UpgradeBaseUrl(const QString& host) {
    QString base = host.trimmed();
    while (base.endsWith(QLatin1Char('/'))) {
        base.chop(1);
    }
    const QUrl url(base, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() ||
        (scheme != QLatin1String("http") && scheme != QLatin1String("https"))) {
        return {};
    }
    return url;
}

UpgradeSource::UpgradeSource(const ClientSettings& settings) : settings_(settings) {}

bool UpgradeSource::HasHost() const {
    return !settings_.UpgradeHost.trimmed().isEmpty();
}

bool UpgradeSource::IsSecureHost() const {
    return UpgradeBaseUrl(settings_.UpgradeHost).scheme().toLower() == QLatin1String("https");
}

QUrl UpgradeSource::Resource(const QString& path) const {
    const QUrl base = UpgradeBaseUrl(settings_.UpgradeHost);
    return base.isEmpty() ? QUrl() : QUrl(base.toString() + path);
}

UpgradeCheck UpgradeSource::Check() {
    if (!HasHost()) {
        return UpgradeCheck::NoHost;
    }
    const QUrl url = Resource(kVersionPath);
    if (url.isEmpty()) {
        return UpgradeCheck::Unreachable;
    }
    const net::FetchResult result = client_.FetchStart(url, VERSIONFILEBYTES);
    if (!result.Answered()) {
        return UpgradeCheck::Unreachable;
    }
    const std::optional<double> release = result.ok ? ReleaseNumber(result.body) : std::nullopt;
    if (!release) {
        return UpgradeCheck::Unreadable;
    }
    return IsNewerRelease(*release, KIVVERSNO) ? UpgradeCheck::Newer : UpgradeCheck::NotNewer;
}

net::HttpOutcome UpgradeSource::Download(const net::DownloadProgress& progress) {
    const QUrl url = Resource(kInstallerPath);
    if (url.isEmpty()) {
        net::HttpOutcome out;
        out.error = QStringLiteral("The upgrade host \"%1\" is no http:// or https:// address.")
                        .arg(settings_.UpgradeHost);
        return out;
    }
    return client_.Download(url, InstallerPath(), progress);
}

QString UpgradeSource::InstallerPath() const {
    return SlashAtEnd(settings_.FilesDirectory) + kInstallerName;
}

QString UpgradeSource::ShownFolder() const {
    return QDir::toNativeSeparators(QDir::cleanPath(settings_.FilesDirectory));
}

} // namespace kiv5::ui
