#pragma once

#include <QString>
#include <QUrl>

// What this configurator is for: one product, one software version.
namespace Product {

inline const QString SW_Code = QStringLiteral("CFX4410");
inline const QString SW_Desc = QStringLiteral("OPC UA Server / PROFINET - Converter");
inline const QString SW_Version = QStringLiteral("1.003");
inline const QString Document_Code = QStringLiteral("DOX4410");
inline const QString Hardware_Code = QStringLiteral("GWX4410");

// The comment that follows the root of every project file.
inline const QString Version_Comment = QStringLiteral("SW_VERSION = 1.003");

// The maker's web site, set when the build is configured (TESSERA_MAKER_HOST).
inline const QString Maker_Host = QStringLiteral(TESSERA_MAKER_HOST);

inline QUrl makerUrl(const QString &path, const QString &query = QString(), const QString &fragment = QString())
{
    QUrl url;
    url.setScheme(QStringLiteral("http"));
    url.setHost(Maker_Host);
    url.setPath(path);
    if (!query.isEmpty())
        url.setQuery(query);
    if (!fragment.isEmpty())
        url.setFragment(fragment);
    return url;
}

// The maker's home page, opened from the main window and the About box.
inline QUrl homePageUrl() { return makerUrl(QStringLiteral("/HOME/default.asp"), QStringLiteral("frompg=") + SW_Code); }
// The download page that the new-version link leads to.
inline QUrl downloadPageUrl() { return makerUrl(QStringLiteral("/Home/download/download.asp"), QString(), Hardware_Code); }
// The version check's request.
inline QUrl versionCheckUrl() { return makerUrl(QStringLiteral("/home/download/GetversionSW.asp"), QStringLiteral("nomesw=") + SW_Code); }
// The web address shown in the main window and the About box.
inline QString makerAddress() { return Maker_Host; }

} // namespace Product
