#include "core/WebAddresses.h"

#include <gtest/gtest.h>
#include <vector>

namespace vitrano {
namespace {

const QString kHost = QStringLiteral("https://server.test");

TEST(WebAddresses, AddressesPerEdition) {
    struct TCase {
        TEdition Edition;
        const char* Feed;
        const char* DataFiles;
        const char* Manual;
    };
    const std::vector<TCase> cases = {
        {TEdition::Vitrano,
         "https://server.test/010196/bauphysik/vitrano/software_updates/rss_feed_vitrano.xml",
         "https://server.test/010196/bauphysik/vitrano/software_updates/daten/fr/",
         "https://server.test/010196/bauphysik/vitrano/handbuch/fr/index.htm"},
        {TEdition::Belvaro,
         "https://server.test/010196/bauphysik/belvaro/software_updates/rss_feed_belvaro.xml",
         "https://server.test/010196/bauphysik/belvaro/software_updates//daten/fr/",
         "https://server.test/010196/bauphysik/belvaro/handbuch/fr/index.htm"},
        {TEdition::Morvena,
         "https://server.test/010196/bauphysik/belvaro_morvena/software_updates/"
         "rss_feed_belvaro.xml",
         "https://server.test/010196/bauphysik/belvaro_morvena/software_updates//daten/fr/",
         "https://server.test/010196/bauphysik/belvaro/handbuch/fr/index.htm"},
    };
    const QString languageFolder = QStringLiteral("fr/");
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Feed);
        EXPECT_EQ(UpdateFeedUrl(c.Edition, kHost), QString::fromUtf8(c.Feed));
        EXPECT_EQ(DataUpdateUrl(c.Edition, kHost, languageFolder), QString::fromUtf8(c.DataFiles));
        EXPECT_EQ(OnlineManualUrl(c.Edition, kHost, languageFolder), QString::fromUtf8(c.Manual));
    }
}

TEST(WebAddresses, ManualLanguagePart) {
    struct TCase {
        const char* LanguageFolder;
        const char* Part;
    };
    const std::vector<TCase> cases = {
        {"de/", "de/"}, {"fr/", "fr/"},  {"en/", "en/"},         {"DE\\", "de/"}, {"pl/", "en/"},
        {"cz/", "en/"}, {"int/", "en/"}, {"cz_morvena/", "en/"}, {"", "en/"},     {"de", "en/"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.LanguageFolder);
        EXPECT_EQ(ManualLanguagePart(QString::fromUtf8(c.LanguageFolder)),
                  QString::fromUtf8(c.Part));
    }
}

TEST(WebAddresses, TrailingSlashOfTheHostIsNotDoubled) {
    EXPECT_EQ(UpdateFeedUrl(TEdition::Vitrano, kHost + QStringLiteral("/")),
              UpdateFeedUrl(TEdition::Vitrano, kHost));
    EXPECT_EQ(
        OnlineManualUrl(TEdition::Belvaro, kHost + QStringLiteral("/"), QStringLiteral("de/")),
        QStringLiteral("https://server.test/010196/bauphysik/belvaro/handbuch/de/index.htm"));
}

TEST(WebAddresses, DefaultHostCannotReachARealServer) {
    // The ".invalid" top-level domain never resolves, so an unconfigured build asks nobody.
    EXPECT_TRUE(DefaultWebServerHost().endsWith(QStringLiteral(".invalid")));
    EXPECT_TRUE(DefaultWebServerHost().startsWith(QStringLiteral("https://")));
}

TEST(WebAddresses, ConnectionTestRequest) {
    EXPECT_EQ(ConnectionTestAcceptHeader(), QStringLiteral("text/html, */*"));
    EXPECT_EQ(ConnectionTestUserAgent(), QStringLiteral("Mozilla/3.0 (compatible; Indy Library)"));
    EXPECT_TRUE(ConnectionTestUrl().startsWith(QStringLiteral("http")));
}

} // namespace
} // namespace vitrano
