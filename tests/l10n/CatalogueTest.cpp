#include "LanguageFiles.h"
#include "l10n/CatalogueEntries.h"
#include "l10n/FRStringResource.h"
#include "l10n/Language.h"
#include "l10n/LanguageList.h"

#include <QDir>
#include <QSet>
#include <algorithm>
#include <gtest/gtest.h>

namespace vitrano {
namespace {

const QString ProgramData = QStringLiteral(VITRANO_PROGRAM_DATA_DIR "/");

// The identifiers code reads the messages by, in catalogue order.
const std::vector<QStringView> ExpectedIdentifiers = {
    u"strEditorCaptionEinzel",
    u"strEditorCaptionFassade",
    u"strMeldung1",
    u"strImgCnotLoad",
    u"strWantSave",
    u"strQuestSave",
    u"strValToSmallLeft",
    u"strValToSmallRight",
    u"strUngueltigerWert",
    u"strValToSmallUP",
    u"strValToSmallDOWN",
    u"strFelderAnordnung",
    u"strElAnordnung",
    u"strValToBig",
    u"strMinZweiEl",
    u"strAnschliessendFuerScale",
    u"strMax2FuerScale",
    u"strKorrAngaben",
    u"LAbort",
    u"LRkomp",
    u"LkompS",
    u"LScaleVert",
    u"LgesHohe",
    u"LscaleHorz",
    u"LgesBr",
    u"LneuFuell",
    u"LeinzW",
    u"LrahmSonder",
    u"LrahmWerte",
    u"LassFass",
    u"LerrBMP",
    u"Lgr",
    u"Lwert",
    u"LfE",
    u"LfR",
    u"LfF",
    u"LlgK",
    u"LmatA",
    u"LmatF",
    u"LuE",
    u"LuF",
    u"Lbauteil",
    u"Lbreite",
    u"LlangAus",
    u"LlangIn",
    u"Lflache",
    u"Luval",
    u"Lpsival",
    u"LrahmO",
    u"LrahmU",
    u"LrahmR",
    u"LrahmL",
    u"LprePrint1",
    u"LprePrint2",
    u"LprePrint3",
    u"LfillDeg",
    u"LanzScheib",
    u"LassEinz",
    u"LfenB",
    u"LfenH",
    u"Lnext",
    u"LrowCol",
    u"Lhohe",
    u"LflMalUw",
    u"LavUval",
    u"Lrg1",
    u"strZeile",
    u"strSpalte",
    u"LspaltenBreite",
    u"LzeilenHohe",
    u"LaltBreite",
    u"LneuBreite",
    u"LaltHohe",
    u"LneuHohe",
    u"LhinwSBAendern",
    u"LhinwZHAendern",
    u"strNurEinElement",
    u"strGlasManuell",
    u"strWertGrosserNull",
    u"strBezeichnungEingeben",
    u"strWertRahmen",
    u"strEinsatzElement",
    u"strRandlage",
    u"strPfosten",
    u"strRiegel",
    u"strUcw",
    u"strUw",
    u"strTauwasserausfall",
    u"strTauwasserOK",
    u"strManuellPsi",
    u"strMarkierteFullungen",
    u"strAlleFullungen",
    u"strMarkierteAbstandshalter",
    u"strAlleAbstandshalter",
    u"strMarkierteRahmen",
    u"strAlleRahmen",
    u"strSprossenKeine",
    u"strSprossenInnenliegend",
    u"strSprossenInnenVerkleidung",
    u"strSprossenGlasteilend",
    u"strSprossenAufgeklebt",
    u"strKategorie",
    u"strTyp",
    u"strProdukt",
    u"strGwert",
    u"strLichtdurchlassigkeit",
    u"strGlasdicken",
    u"strElementdicke",
    u"strNr",
    u"strPsiGlasrandverbund",
    u"strPsiEinsatzelement",
    u"strTauwasserManuell1",
    u"strAbstandhalterBezeichnung",
    u"Lja",
    u"Lnein",
    u"strElementBearbeiten",
    u"strSZR",
    u"strInnenlage",
    u"lDatum",
    u"lFirma",
    u"lBearbeiter",
    u"lUhrzeit",
    u"lSeite",
    u"lBVObjekt",
    u"lBeschreibung1",
    u"lBeschreibung2",
    u"lPositionsnummer",
    u"lWeitereAngaben",
    u"lWeiteres1",
    u"lWeiteres2",
    u"lWeiteres3",
    u"lErgebnisBerechnung",
    u"lVerwendeteBauteilkomponenten",
    u"lAusmass",
    u"lRahmen",
    u"lGlas",
    u"lAbstandhalter",
    u"lPaneel",
    u"lVerschraubungNichtBeruecksichtigt",
    u"lErgebnisUCW",
    u"lText",
    u"lZeile4Text",
    u"lDetailsExpertenausdruck",
    u"lAussenmass",
    u"lBreitea",
    u"lBreiteb",
    u"lHoehec",
    u"lDetails",
    u"lAg",
    u"lAf",
    u"lAw",
    u"lRahmenanteil",
    u"lUfRahmen",
    u"lUg",
    u"lGlasdicken",
    u"lPSIGlasrand",
    u"lLaengeGlasrand",
    u"lPSISprossen",
    u"lLaengeSprossen",
    u"lSprossentyp",
    u"lTauwassercalculator",
    u"lTi",
    u"lTe",
    u"lRelativeFeuchte",
    u"lTsi",
    u"lTaupunkttemperatur",
    u"lTauwasser",
    u"lVon",
    u"lElement",
    u"lZeileSpalte",
    u"lEinsatzelement",
    u"lGroesse",
    u"lFlaecheElement",
    u"lFlaecheGlas",
    u"lFlaecheRahmen",
    u"lLaengeGlaskante",
    u"lMaterialGlas",
    u"lMaterialAbstandhalter",
    u"lUWertGlas",
    u"lUWertElement",
    u"lBezeichnung",
    u"lBreitem",
    u"lLaengeaussen",
    u"lLaengeinnen",
    u"lFlaechem",
    u"lUWert",
    u"lPSIWert",
    u"lRahmenoben",
    u"lRahmenunten",
    u"lRahmenlinks",
    u"lRahmenrechts",
    u"lMaterialRahmen",
    u"lMaterialSprossen",
    u"lTypSprossen",
    u"lUWertRahmen",
    u"lUWertAbstand",
    u"lPSIWertSprossen",
    u"lDetailsElement",
    u"lErgebnisUW",
    u"lPSIWertAbstand",
    u"lDetailsEinsatzelement",
    u"lErgebnisBerechnungUW",
    u"lVerschraubungAufschlag",
    u"lVerschraubungWurdeBeruecksichtigt",
    u"GroupBox1",
    u"Lfest1",
    u"strOben",
    u"Leinfl1",
    u"Leinfl3",
    u"LeinflOber3",
    u"LeinflOber4",
    u"LeinflOber5",
    u"LeinflOber1",
    u"Lzweifl1",
    u"Lzweifl3",
    u"Lzweifl4",
    u"LzweiflOber3",
    u"LzweiflOber4",
    u"LzweiflOber5",
    u"LzweiflOber6",
    u"LzweiflOber1",
    u"Ldreifl1",
    u"Ldreifl2",
    u"Ldreifl3",
    u"Ldreifl4",
    u"Lvertikal3",
    u"Lvertikal4",
    u"Lvertikal5",
    u"Lvertikal1",
    u"Leinfl2",
    u"Lzweifl2",
    u"Lzweiteil1",
    u"Lzweiteil3",
    u"Lzweiteil4",
    u"Lzweiteil2",
    u"Lzweiteil5",
    u"Ldreifl5",
    u"Ldreifl6",
    u"LeinflOber2",
    u"LzweiflOber2",
    u"strUnten",
    u"Lvertikal2",
    u"Lhorizontal4",
    u"Lhorizontal5",
    u"Lhorizontal6",
    u"Lhorizontal1",
    u"Lhorizontal2",
    u"Lhorizontal3",
    u"Lhorizontal7",
    u"Lzweiteil6",
    u"Lzweiteil7",
    u"strLinks",
    u"strRechts",
    u"strBitte_starten_Sie_das_Programm_neu",
    u"strProgramm_neustarten",
    u"strGebensieeinenPsiWertein",
    u"strAbstandhalterAuswaehlen",
    u"strProfileTJ",
    u"strMarkierteProfileTJ",
    u"strAlleProfileTJ",
    u"strMarkierteAbstandhalter",
    u"strAlleAbstandhalter",
    u"strMarkierteAbstandhalterAendern",
    u"strMarkierteProfileTJaendern",
    u"strAlleAbstandhalterAendern",
    u"strAlleProfileTJaendern",
    u"lInternet",
    u"lSchraubeJaKomponenten",
    u"lSchraubeNeinKomponente",
    u"lSchraubeNein2Komponente",
    u"lSchraubeJaEinzel",
    u"lSchraubelNeinEinzel",
};

TEST(Catalogue, HoldsEveryIdentifierInOrderWithAGermanText) {
    const auto entries = CatalogueEntries();
    ASSERT_EQ(entries.size(), 272U);
    ASSERT_EQ(ExpectedIdentifiers.size(), 272U);
    QSet<QString> identifiers;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        SCOPED_TRACE(ExpectedIdentifiers[i].toString().toStdString());
        EXPECT_EQ(entries[i].Identifier, ExpectedIdentifiers[i]);
        EXPECT_FALSE(entries[i].German.trimmed().isEmpty());
        identifiers.insert(entries[i].Identifier.toString());
    }
    EXPECT_EQ(identifiers.size(), 272);
}

TEST(Catalogue, GivesTheGermanTextsUntranslated) {
    ResetLocalisation();
    struct TCase {
        const char* Identifier;
        const char* Text;
    };
    const std::vector<TCase> cases = {
        {"strMeldung1", "Bitte zuerst ein Element markieren."},
        {"strGlasManuell", "Deaktivieren Sie die Option \"Manuell\"."},
        {"strUcw", "Ucw Fassade W/m²K  =  "},
        {"Lnext", "&Weiter >"},
        {"Lja", "Ja"},
        {"strProgramm_neustarten", "Programm neustarten?"},
        {"lSchraubelNeinEinzel",
         "Die Verschraubung der Fassadenprofile wurde nicht berücksichtigt."},
        {"strUnbekannt", "strUnbekannt"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Identifier);
        EXPECT_EQ(Msg(c.Identifier), QString::fromUtf8(c.Text));
    }
    EXPECT_EQ(Msg(u"strZeile"), QStringLiteral("Zeile"));
}

TEST(ShippedLanguageFiles, EnglishCoversEveryCatalogueText) {
    TDictionary english;
    ASSERT_TRUE(Tlanguage::SprachdateiLesen(ProgramData + "english.txt", english));
    for (const auto entries : {CatalogueEntries(), AddedCatalogueEntries()}) {
        for (const TCatalogueEntry& entry : entries) {
            SCOPED_TRACE(entry.Identifier.toString().toStdString());
            const QString german = TDictionary::WithoutMarks(entry.German.toString());
            EXPECT_FALSE(english.TranslationFor(german).isEmpty());
        }
    }
}

TEST(Catalogue, AddedMessagesAreReadByIdentifierToo) {
    ResetLocalisation();
    for (const TCatalogueEntry& entry : AddedCatalogueEntries()) {
        EXPECT_EQ(Msg(entry.Identifier), entry.German.toString());
        const bool clashes = std::any_of(CatalogueEntries().begin(), CatalogueEntries().end(),
                                         [&](const TCatalogueEntry& original) {
                                             return original.Identifier == entry.Identifier;
                                         });
        EXPECT_FALSE(clashes) << entry.Identifier.toString().toStdString();
    }
}

TEST(ShippedLanguageFiles, IniListsGermanActiveAndFilesThatExist) {
    const TIniFile ini = TIniFile::Load(ProgramData + "sprache.ini");
    const std::vector<TSprachEintrag> sprachen = SprachenLesen(ini);

    EXPECT_EQ(AktiverSprachCode(ini), GermanLanguageCode);
    ASSERT_GE(sprachen.size(), 3U);
    EXPECT_EQ(sprachen[0].Code, GermanLanguageCode);
    EXPECT_EQ(sprachen[0].Name, QStringLiteral("deutsch"));
    QStringList names;
    for (const TSprachEintrag& sprache : sprachen) {
        names << sprache.Name;
        // Every language finds its tables and information text.
        const QString folder = ProgramData + LanguageFolderFor(sprache.Name);
        EXPECT_TRUE(QFile::exists(folder + "1_Rahmen.txt")) << sprache.Name.toStdString();
        EXPECT_TRUE(QFile::exists(folder + "Info.txt")) << sprache.Name.toStdString();
        if (sprache.Code != GermanLanguageCode) {
            EXPECT_TRUE(QFile::exists(ProgramData + SprachDateiName(ini, sprache.Code)))
                << sprache.Name.toStdString();
        }
    }
    EXPECT_TRUE(names.contains(QStringLiteral("english")));
}

class ShippedLanguage : public LanguageFolderTest {
protected:
    void Install(const char* ini) {
        for (const char* name : {"english.txt", "francais.txt"}) {
            ASSERT_TRUE(QFile::copy(ProgramData + name, PathOf(QString::fromUtf8(name))));
        }
        Write(QStringLiteral("sprache.ini"), QByteArray(ini));
    }
};

TEST_F(ShippedLanguage, EnglishStartTranslatesTheCatalogue) {
    Install("[Language]\nactive=44\n81=deutsch.txt\n44=english.txt\n");
    StartLocalisation();

    EXPECT_TRUE(Translator().Uebersetzen());
    EXPECT_EQ(Msg("Lja").toUpper(), QStringLiteral("YES"));
    EXPECT_EQ(Msg("Lnext"), QStringLiteral("Next >"));
    EXPECT_EQ(Msg("strZeile"), QStringLiteral("Row"));
    EXPECT_EQ(GlobalSettings().LanguageFolder, QStringLiteral("en/"));

    ResetLocalisation();
    EXPECT_EQ(Msg("strZeile"), QStringLiteral("Zeile"));
}

TEST_F(ShippedLanguage, FrenchStartFallsBackToEnglishForMissingTexts) {
    Install("[Language]\nactive=33\n81=deutsch.txt\n33=francais.txt\n");
    StartLocalisation();

    EXPECT_EQ(Msg("strZeile"), QStringLiteral("Ligne"));
    EXPECT_EQ(Msg("lTi"), QStringLiteral("Ti (temperature inside)"));
    EXPECT_EQ(GlobalSettings().LanguageFolder, QStringLiteral("fr/"));
}

TEST_F(ShippedLanguage, GermanStartKeepsTheDesignTexts) {
    Install("[Language]\nactive=81\n81=deutsch.txt\n44=english.txt\n");
    StartLocalisation();

    EXPECT_FALSE(Translator().Uebersetzen());
    EXPECT_EQ(Msg("Lnext"), QStringLiteral("&Weiter >"));
    EXPECT_EQ(GlobalSettings().LanguageFolder, QStringLiteral("de/"));
}

} // namespace
} // namespace vitrano
