#pragma once

// Addresses the program requests from the maker's web server and the public address of the
// connection test. A host is a scheme and host name without a trailing '/', e.g.
// "https://www.example.invalid"; a trailing '/' is dropped so that paths are not doubled.

#include "core/Edition.h"

#include <QString>

namespace vitrano {

// Start value of the host setting until the real server is configured.
QString DefaultWebServerHost();

QString UpdateFeedPath(TEdition edition);
QString DataFileBasePath(TEdition edition);
QString OnlineManualBasePath(TEdition edition);

// host + feed path.
QString UpdateFeedUrl(TEdition edition, const QString& host);

// host + data-file base + language folder; the table file names are appended to it.
QString DataUpdateUrl(TEdition edition, const QString& host, const QString& languageFolder);

// "de/", "fr/" or "en/" from a language folder such as "fr/" or "cz\"; every other language
// reads the English manual.
QString ManualLanguagePart(const QString& languageFolder);

// host + manual base + language part + "index.htm".
QString OnlineManualUrl(TEdition edition, const QString& host, const QString& languageFolder);

// The HEAD request that tells whether the internet is reachable.
QString ConnectionTestUrl();
QString ConnectionTestAcceptHeader();
QString ConnectionTestUserAgent();

// File name of the downloaded program-update archive in the update folder.
QString UpdateArchiveFileName();

} // namespace vitrano
