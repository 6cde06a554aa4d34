#pragma once

// The texts of the upgrade check and download, as the user sees them. Several
// end with a blank, which belongs to them.

#include <QString>

namespace kiv5::ui::upgrade {

inline const QString kStatusTitle = QStringLiteral("Upgrade Status Dialog");
inline const QString kAvailabilityTitle = QStringLiteral("Upgrade Availability Dialog");
inline const QString kDialogTitle = QStringLiteral(" Download Update Dialog");
inline const QString kProgressText = QStringLiteral("Downloading New Version");

inline const QString kUnableToConnect =
    QStringLiteral("Unable to connect and check upgrade status.");

inline const QString kStartUpQuestion = QStringLiteral(
    "A newer version of KIV5 is available for download. Click Yes to download and install the "
    "update. Click No to skip the update and start KIV5. IMPORTANT: You may encounter a minute "
    "or two delay during installation. Be patient and allow the InstallShield Wizard to "
    "progress normally. Installation is not finished until you see and click on the Wizard's "
    "Finish button. ");

inline const QString kInstructions = QStringLiteral(
    "(1) Establish your Internet connection. (2) Then press the \"Check Availability\" button "
    "below. Make sure to establish your Internet connection BEFORE pressing the button.");

inline const QString kNewer = QStringLiteral(
    "A newer version of KIV5 is available for download. Click on the Download Upgrade button "
    "above to start the download process. ");

inline const QString kNotNewer = QStringLiteral(
    "A newer version of KIV5 is NOT available for download. Click on the Close button below to "
    "exit this dialog box. ");

inline const QString kUnableToContact = QStringLiteral(
    "KIV5 was unable to contact the web site upgrade location because either (1) a free "
    "upgrade is no longer available or (2) there is a problem with the connection and you "
    "should try again later. ");

inline const QString kNoHost = QStringLiteral(
    "No upgrade host is configured, so KIV5 cannot check for a newer version. The upgrade host "
    "is the setting UpgradeHost of Pellary5, for example https://updates.example.org. ");

// "%1": the folder the installer was saved in.
inline const QString kDownloaded = QStringLiteral(
    "The download was successfully completed. (1) You must now exit KIV5, (2) remove KIV5 in "
    "Control Panel, and (3) double-click on the downloaded file to begin the installation. The "
    "path to the file is %1.");

inline const QString kDownloadFailed = QStringLiteral(
    "An error occurred during the download, Click on the Close button below to exit this dialog "
    "box and try the download some other time. ");

// At start-up, where there is no dialog; "%1": why it failed.
inline const QString kStartUpDownloadFailed = QStringLiteral(
    "An error occurred during the download. KIV5 starts without the update; try the download "
    "some other time with Help, Download Upgrade.\n\n%1");

// The dialog's byte count: "%12d" of the bytes received, then this with
// the total.
inline const QString kReadOf = QStringLiteral(" read of %1 total bytes");

// The totals used when the server announces no length.
inline constexpr qint64 kStartUpTotal = 15700083;
inline constexpr qint64 kDialogTotal = 9726083;

} // namespace kiv5::ui::upgrade
