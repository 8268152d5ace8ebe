#include "core/WebAddresses.h"

namespace vitrano {

namespace {

QString WithoutTrailingSlash(QString host) {
    while (host.endsWith(u'/')) {
        host.chop(1);
    }
    return host;
}

QString ProductFolder(TEdition edition) {
    switch (edition) {
    case TEdition::Belvaro:
        return QStringLiteral("/010196/bauphysik/belvaro/");
    case TEdition::Morvena:
        return QStringLiteral("/010196/bauphysik/belvaro_morvena/");
    case TEdition::Vitrano:
        break;
    }
    return QStringLiteral("/010196/bauphysik/vitrano/");
}

} // namespace

QString DefaultWebServerHost() {
    return QStringLiteral("https://www.example.invalid");
}

QString UpdateFeedPath(TEdition edition) {
    const QString feed = edition == TEdition::Vitrano ? QStringLiteral("rss_feed_vitrano.xml")
                                                      : QStringLiteral("rss_feed_belvaro.xml");
    return ProductFolder(edition) + QStringLiteral("software_updates/") + feed;
}

QString DataFileBasePath(TEdition edition) {
    // The server publishes the Belvaro data under a doubled slash.
    const QString separator =
        edition == TEdition::Vitrano ? QStringLiteral("/") : QStringLiteral("//");
    return ProductFolder(edition) + QStringLiteral("software_updates") + separator +
           QStringLiteral("daten/");
}

QString OnlineManualBasePath(TEdition edition) {
    const QString product =
        edition == TEdition::Vitrano ? QStringLiteral("vitrano/") : QStringLiteral("belvaro/");
    return QStringLiteral("/010196/bauphysik/") + product + QStringLiteral("handbuch/");
}

QString UpdateFeedUrl(TEdition edition, const QString& host) {
    return WithoutTrailingSlash(host) + UpdateFeedPath(edition);
}

QString DataUpdateUrl(TEdition edition, const QString& host, const QString& languageFolder) {
    return WithoutTrailingSlash(host) + DataFileBasePath(edition) + languageFolder;
}

QString ManualLanguagePart(const QString& languageFolder) {
    QString part = languageFolder;
    part.replace(u'\\', u'/');
    part = part.toLower();
    const bool hasOwnManual = part == u"de/" || part == u"fr/" || part == u"en/";
    return hasOwnManual ? part : QStringLiteral("en/");
}

QString OnlineManualUrl(TEdition edition, const QString& host, const QString& languageFolder) {
    return WithoutTrailingSlash(host) + OnlineManualBasePath(edition) +
           ManualLanguagePart(languageFolder) + QStringLiteral("index.htm");
}

QString ConnectionTestUrl() {
    return QStringLiteral("http://www.example.com/");
}

QString ConnectionTestAcceptHeader() {
    return QStringLiteral("text/html, */*");
}

QString ConnectionTestUserAgent() {
    return QStringLiteral("Mozilla/3.0 (compatible; Indy Library)");
}

QString UpdateArchiveFileName() {
    return QStringLiteral("update.zip");
}

} // namespace vitrano
