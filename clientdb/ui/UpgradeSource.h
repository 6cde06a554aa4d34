#pragma once

// The upgrade host as the client program uses it: the version file and the
// installer at fixed paths under the configured base address, the installer
// saved as "setupkiv5.exe" in the data folder. Host and folder are taken
// from the settings at each use.

#include "clientdb/core/ClientSettings.h"
#include "common/net/HttpClient.h"

#include <QString>
#include <QUrl>
#include <chrono>

namespace kiv5::ui {

enum class UpgradeCheck {
    NoHost,      // no upgrade host configured
    Unreachable, // no answer from the host
    Unreadable,  // an answer, but no version number in it
    Newer,
    NotNewer
};

class UpgradeSource {
public:
    explicit UpgradeSource(const ClientSettings& settings);

    void SetTimeout(std::chrono::milliseconds timeout) { client_.SetTimeout(timeout); }

    bool HasHost() const;
    // A file fetched over plain http:// may have been replaced on the way,
    // so only an https:// host's installer is ever started.
    bool IsSecureHost() const;

    // Reads the version file and compares it with the running release.
    UpgradeCheck Check();
    // The installer into InstallerPath(), replacing an earlier one only when
    // complete.
    net::HttpOutcome Download(const net::DownloadProgress& progress = {});

    QString InstallerPath() const;
    // The data folder as shown to the user: native separators, no
    // separator at the end.
    QString ShownFolder() const;

private:
    QUrl Resource(const QString& path) const;

    const ClientSettings& settings_;
    net::HttpClient client_;
};

// The upgrade host's base address: blanks and a trailing "/" removed; empty
// when it is no http:// or https:// address with a host.
QUrl UpgradeBaseUrl(const QString& host);

} // namespace kiv5::ui
