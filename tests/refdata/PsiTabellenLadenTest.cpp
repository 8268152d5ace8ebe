#include "refdata/PsiTabellenLaden.h"

#include "PsiTestTabellen.h"
#include "core/GlobalSettings.h"
#include "core/UserMessages.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace vitrano {
namespace {

using testing::MitKopfzeilen;
using TListe = TPsiListen::TListe;

// Writes table files into a temporary folder and records what loading tells the user and the
// dialogs.
class PsiTabellenLaden : public ::testing::Test {
protected:
    PsiTabellenLaden() {
        QObject::connect(
            &FListen, &TPsiListen::ListeGeaendert,
            [this](TListe liste, const QStringList& eintraege) { FGemeldet[liste] = eintraege; });
        QObject::connect(&FListen, &TPsiListen::LadenBeendet, [this] { ++FBeendet; });
    }

    QString Ordner() const { return FOrdner.path() + u'/'; }

    void Schreiben(const QString& datei, const QByteArray& inhalt) {
        QFile file(Ordner() + datei);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(inhalt);
    }
    void TabelleSchreiben(const QString& datei, const QStringList& zeilen) {
        Schreiben(datei, MitKopfzeilen(zeilen).toUtf8().prepend("\xEF\xBB\xBF"));
    }
    void Entfernen(const QString& datei) { ASSERT_TRUE(QFile::remove(Ordner() + datei)); }

    // One row per table; `marke` goes into every name so that the variants can be told apart.
    void VollstaendigSchreiben(bool fassade, const QString& marke) {
        TabelleSchreiben(PsiTabellenDatei(TPsiTabelle::Rahmen, fassade),
                         {"1;Rahmen " + marke + ";T;1,3;0,1"});
        TabelleSchreiben(PsiTabellenDatei(TPsiTabelle::Abstandhalter, fassade),
                         {"1;Abstand " + marke});
        TabelleSchreiben(PsiTabellenDatei(TPsiTabelle::SprossenInnen, fassade),
                         {"1;Innen " + marke});
        TabelleSchreiben(PsiTabellenDatei(TPsiTabelle::SprossenVerdeckt, fassade),
                         {"1;Verdeckt " + marke});
        TabelleSchreiben(PsiTabellenDatei(TPsiTabelle::Glas, fassade),
                         {"1;Wärmeschutz;Glas " + marke + ";Typ;4/16/4;16 Argon;24;1,1;80;62"});
        TabelleSchreiben(PsiTabellenDatei(TPsiTabelle::BereichRahmenGlas, fassade),
                         {"t;abstand " + marke + ";0;5;0;5;0,04;0;5;0;5;0,7"});
        TabelleSchreiben(PsiTabellenDatei(TPsiTabelle::BereichSprossenInnen, fassade),
                         {"innen " + marke + ";0;5;0,03"});
        TabelleSchreiben(PsiTabellenDatei(TPsiTabelle::BereichSprossenVerdeckt, fassade),
                         {"verdeckt " + marke + ";0;5;0,02"});
    }

    bool Laden(bool fassade = false) {
        FGemeldet.clear();
        FBeendet = 0;
        FMeldungen.clear();
        TScopedMessageReceiver empfaenger([this](const QString& text) { FMeldungen << text; });
        return vitrano::PsiTabellenLaden(FTabellen, FListen, fassade, Ordner());
    }

    QTemporaryDir FOrdner;
    t_satzdaten FTabellen;
    TPsiListen FListen;
    std::map<TListe, QStringList> FGemeldet;
    int FBeendet = 0;
    QStringList FMeldungen;
};

TEST_F(PsiTabellenLaden, ReadsTheVariantAskedFor) {
    VollstaendigSchreiben(false, "F");
    VollstaendigSchreiben(true, "P");
    for (const bool fassade : {false, true}) {
        SCOPED_TRACE(fassade ? "facade" : "window");
        const QString marke = fassade ? "P" : "F";
        ASSERT_TRUE(Laden(fassade));
        EXPECT_TRUE(FMeldungen.isEmpty());
        ASSERT_EQ(FTabellen.anzahlRahmen(), 1);
        ASSERT_EQ(FTabellen.anzahlabstand(), 1);
        ASSERT_EQ(FTabellen.anzahlGlas(), 1);
        EXPECT_EQ(FTabellen.srahmen(1)->namerahmen, "Rahmen " + marke);
        EXPECT_EQ(FTabellen.sabstand(1)->nameabstand, "Abstand " + marke);
        // The shared files were last written by the facade variant.
        EXPECT_EQ(FTabellen.sglas(1)->nameglas, QStringLiteral("Glas P"));
        EXPECT_DOUBLE_EQ(FTabellen.PsiRahmenGlas(1, 1, 1.0, 1.0), 0.04);
        EXPECT_DOUBLE_EQ(FTabellen.FRsiRahmenGlas(1, 1, 1.0, 1.0), 0.7);
        EXPECT_DOUBLE_EQ(FTabellen.PsiSprosseInnen(1, 1.0), 0.03);
        EXPECT_DOUBLE_EQ(FTabellen.PsiSprosseVerdeckt(1, 1.0), 0.02);
        EXPECT_EQ(FBeendet, 1);
    }
}

TEST_F(PsiTabellenLaden, AnnouncesEveryList) {
    VollstaendigSchreiben(false, "F");
    ASSERT_TRUE(Laden());
    const std::map<TListe, QStringList> erwartet = {
        {TListe::Rahmen, {"Rahmen F"}},
        {TListe::Abstandhalter, {"Abstand F"}},
        {TListe::AbstandhalterEinzelfenster, {"Abstand F", "manuell"}},
        {TListe::SprossenInnen, {"Innen F"}},
        {TListe::SprossenVerdeckt, {"Verdeckt F"}},
        {TListe::Glas, {"leer", "Glas F", "manuell"}},
    };
    EXPECT_EQ(FGemeldet, erwartet);
}

TEST_F(PsiTabellenLaden, MissingFilesAreReportedAndTheRestLoads) {
    VollstaendigSchreiben(false, "alt");
    ASSERT_TRUE(Laden());
    TabelleSchreiben("1_Rahmen.txt", {"1;Neu;T;1,3;0,1", "2;Neu 2;T;1,3;0,1"});
    Entfernen("2_Abstandhalter.txt");
    Entfernen("7_Bereich_Sprossen_innen.txt");

    EXPECT_FALSE(Laden());
    EXPECT_EQ(FMeldungen, QStringList({Ordner() + "2_Abstandhalter.txt not found!",
                                       Ordner() + "7_Bereich_Sprossen_innen.txt not found!"}));
    EXPECT_EQ(FTabellen.anzahlRahmen(), 2);
    // The missing tables keep their contents and their lists are not touched.
    ASSERT_EQ(FTabellen.anzahlabstand(), 1);
    EXPECT_EQ(FTabellen.sabstand(1)->nameabstand, QStringLiteral("Abstand alt"));
    EXPECT_DOUBLE_EQ(FTabellen.PsiSprosseInnen(1, 1.0), 0.03);
    EXPECT_FALSE(FGemeldet.contains(TListe::Abstandhalter));
    EXPECT_FALSE(FGemeldet.contains(TListe::AbstandhalterEinzelfenster));
    EXPECT_EQ(FGemeldet[TListe::Rahmen], QStringList({"Neu", "Neu 2"}));
    // The tables after the missing ones were read.
    EXPECT_EQ(FGemeldet[TListe::Glas], QStringList({"leer", "Glas alt", "manuell"}));
    EXPECT_EQ(FBeendet, 1);
}

TEST_F(PsiTabellenLaden, EmptyFolderReportsEveryFileOnce) {
    EXPECT_FALSE(Laden(true));
    ASSERT_EQ(FMeldungen.size(), 8);
    EXPECT_EQ(FMeldungen.first(), Ordner() + "1_Fassprofil.txt not found!");
    EXPECT_EQ(FMeldungen.last(), Ordner() + "8_Bereich_Sprossen_verdeckt.txt not found!");
    EXPECT_TRUE(FGemeldet.empty());
    EXPECT_EQ(FBeendet, 1);
}

TEST_F(PsiTabellenLaden, FolderWithoutTrailingSlash) {
    VollstaendigSchreiben(false, "F");
    EXPECT_TRUE(vitrano::PsiTabellenLaden(FTabellen, FListen, false, FOrdner.path()));
    EXPECT_EQ(FTabellen.anzahlRahmen(), 1);
}

TEST_F(PsiTabellenLaden, ThreeLineFileClearsItsTableAndList) {
    VollstaendigSchreiben(false, "F");
    ASSERT_TRUE(Laden());
    Schreiben("1_Rahmen.txt", QByteArray("Kopf 1\nKopf 2\nKopf 3"));
    Schreiben("5_Glas.txt", QByteArray("Kopf 1\r\nKopf 2\r\nKopf 3\r\n"));
    EXPECT_TRUE(Laden());
    EXPECT_EQ(FTabellen.anzahlRahmen(), 0);
    EXPECT_EQ(FTabellen.srahmen(1), nullptr);
    EXPECT_EQ(FTabellen.anzahlGlas(), 0);
    EXPECT_EQ(FGemeldet[TListe::Rahmen], QStringList());
    EXPECT_EQ(FGemeldet[TListe::Glas], QStringList({"leer", "manuell"}));
}

TEST_F(PsiTabellenLaden, MalformedRowStopsLoadingSilently) {
    VollstaendigSchreiben(false, "alt");
    ASSERT_TRUE(Laden());
    TabelleSchreiben("1_Rahmen.txt", {"1;Neu;T;1,3;0,1"});
    TabelleSchreiben("2_Abstandhalter.txt", {"1;Gut", "x;Schlecht", "3;Nie gelesen"});
    TabelleSchreiben("3_Sprossen_innen.txt", {"1;Neue Sprosse"});

    EXPECT_FALSE(Laden());
    EXPECT_TRUE(FMeldungen.isEmpty());
    ASSERT_EQ(FTabellen.anzahlRahmen(), 1);
    ASSERT_EQ(FTabellen.anzahlSprosse1(), 1);
    EXPECT_EQ(FTabellen.srahmen(1)->namerahmen, QStringLiteral("Neu"));
    // The rows before the bad one stay, and the count matches them.
    ASSERT_EQ(FTabellen.anzahlabstand(), 1);
    EXPECT_EQ(FTabellen.sabstand(1)->nameabstand, QStringLiteral("Gut"));
    EXPECT_EQ(FGemeldet[TListe::Abstandhalter], QStringList({"Gut"}));
    EXPECT_EQ(FGemeldet[TListe::AbstandhalterEinzelfenster], QStringList({"Gut"}));
    // The tables after it are not read.
    EXPECT_EQ(FTabellen.sSprosse1(1)->material, QStringLiteral("Innen alt"));
    EXPECT_FALSE(FGemeldet.contains(TListe::SprossenInnen));
    EXPECT_FALSE(FGemeldet.contains(TListe::Glas));
    EXPECT_EQ(FBeendet, 1);
}

// Rows a table holds, for the list tables and the range tables alike.
std::size_t Zeilenzahl(const t_satzdaten& tabellen, TPsiTabelle tabelle) {
    switch (tabelle) {
    case TPsiTabelle::BereichRahmenGlas:
        return tabellen.sBereich_Rahmen_Glas().size();
    case TPsiTabelle::BereichSprossenInnen:
        return tabellen.sBereich_Sprosse_innen().size();
    case TPsiTabelle::BereichSprossenVerdeckt:
        return tabellen.sBereich_Sprosse_verdeckt().size();
    default:
        return static_cast<std::size_t>(tabellen.Namen(tabelle).size());
    }
}

TEST_F(PsiTabellenLaden, UnreadableRows) {
    struct TFall {
        std::string Beschreibung;
        TPsiTabelle Tabelle;
        QString Zeile;
    };
    const std::vector<TFall> faelle = {
        {"number with a point", TPsiTabelle::Rahmen, "2;R;T;1.3;0,1"},
        {"empty number", TPsiTabelle::Rahmen, "2;R;T;;0,1"},
        {"nan", TPsiTabelle::Rahmen, "2;R;T;nan;0,1"},
        {"inf", TPsiTabelle::BereichSprossenInnen, "S;0;inf;0,1"},
        {"missing column", TPsiTabelle::Rahmen, "2;R;T;1,3"},
        {"real row number", TPsiTabelle::Abstandhalter, "2,0;A"},
        {"spacer without name", TPsiTabelle::Abstandhalter, "2"},
        {"bar without name", TPsiTabelle::SprossenVerdeckt, "2"},
        {"glass thickness", TPsiTabelle::Glas, "2;K;N;T;4/4;16;dick;1,1;80;60"},
        {"glass without g-value column", TPsiTabelle::Glas, "2;K;N;T;4/4;16;24;1,1;80"},
        {"fRsi missing", TPsiTabelle::BereichRahmenGlas, "T;A;0;5;0;5;0,04;0;5;0;5"},
        {"fRsi text", TPsiTabelle::BereichRahmenGlas, "T;A;0;5;0;5;0,04;0;5;0;5;hoch"},
    };
    const std::map<TPsiTabelle, QString> guteZeile = {
        {TPsiTabelle::Rahmen, "1;R;T;1,3;0,1"},
        {TPsiTabelle::Abstandhalter, "1;A"},
        {TPsiTabelle::SprossenVerdeckt, "1;S"},
        {TPsiTabelle::Glas, "1;K;N;T;4/4;16;24;1,1;80;60"},
        {TPsiTabelle::BereichRahmenGlas, "T;A;0;5;0;5;0,04;0;5;0;5;0,7"},
        {TPsiTabelle::BereichSprossenInnen, "S;0;5;0,03"},
    };
    for (const TFall& fall : faelle) {
        SCOPED_TRACE(fall.Beschreibung);
        t_satzdaten tabellen;
        const QString text =
            MitKopfzeilen({guteZeile.at(fall.Tabelle), fall.Zeile, guteZeile.at(fall.Tabelle)});
        EXPECT_FALSE(tabellen.TabelleLesen(fall.Tabelle, text));
        EXPECT_EQ(Zeilenzahl(tabellen, fall.Tabelle), 1u);
    }
}

TEST_F(PsiTabellenLaden, GlassRows) {
    t_satzdaten tabellen;
    ASSERT_TRUE(tabellen.TabelleLesen(
        TPsiTabelle::Glas,
        MitKopfzeilen({"7;Wärmeschutz;Produkt;Typ;4/16/4;16 Argon;24;1,1;80;62,5;Rest",
                       "8;Sonnenschutz;Geheim;Typ;6/16/4;16 Krypton;26;1,0;k.A.;na",
                       "9;Schall;Groß;Typ;4/4;12;20;0,9;70;NA"})));
    ASSERT_EQ(tabellen.anzahlGlas(), 3);
    const t_glas& glas = *tabellen.sglas(1);
    EXPECT_EQ(glas.nr, 7);
    EXPECT_EQ(glas.sTyp, QStringLiteral("Wärmeschutz"));
    EXPECT_EQ(glas.nameglas, QStringLiteral("Produkt"));
    EXPECT_EQ(glas.sNameGlas2, QStringLiteral("Typ"));
    EXPECT_EQ(glas.sGlasDicken, QStringLiteral("4/16/4"));
    EXPECT_EQ(glas.sSZR, QStringLiteral("16 Argon"));
    EXPECT_DOUBLE_EQ(glas.dElementDicke, 24.0);
    EXPECT_DOUBLE_EQ(glas.ug, 1.1);
    EXPECT_DOUBLE_EQ(glas.dLichtdurchl, 80.0);
    EXPECT_DOUBLE_EQ(glas.dGwert, 62.5);
    EXPECT_FALSE(glas.GeheimGlas);

    const t_glas& geheim = *tabellen.sglas(2);
    EXPECT_DOUBLE_EQ(geheim.dLichtdurchl, 0.0);
    EXPECT_DOUBLE_EQ(geheim.dGwert, 0.0);
    EXPECT_TRUE(geheim.GeheimGlas);
    EXPECT_TRUE(tabellen.sglas(3)->GeheimGlas);
}

TEST_F(PsiTabellenLaden, RowsBeyondTheCapacityAreIgnored) {
    struct TFall {
        TPsiTabelle Tabelle;
        QString Zeile;
        int Kapazitaet;
    };
    const std::vector<TFall> faelle = {
        {TPsiTabelle::Rahmen, "1;R;T;1,3;0,1", t_satzdaten::KapazitaetRahmen},
        {TPsiTabelle::Abstandhalter, "1;A", t_satzdaten::KapazitaetAbstand},
        {TPsiTabelle::SprossenInnen, "1;S", t_satzdaten::KapazitaetSprossen},
        {TPsiTabelle::SprossenVerdeckt, "1;S", t_satzdaten::KapazitaetSprossen},
        {TPsiTabelle::Glas, "1;K;N;T;4/4;16;24;1,1;80;60", t_satzdaten::KapazitaetGlas},
    };
    for (const TFall& fall : faelle) {
        SCOPED_TRACE(PsiTabellenDatei(fall.Tabelle, false).toStdString());
        QStringList zeilen;
        for (int i = 0; i < fall.Kapazitaet + 2; ++i) {
            zeilen << fall.Zeile;
        }
        zeilen << "unreadable"; // beyond the capacity, so never read
        t_satzdaten tabellen;
        EXPECT_TRUE(tabellen.TabelleLesen(fall.Tabelle, MitKopfzeilen(zeilen)));
        EXPECT_EQ(tabellen.Namen(fall.Tabelle).size(), fall.Kapazitaet);
    }
    QStringList bereiche;
    for (int i = 0; i < 1000; ++i) {
        bereiche << "S;0;5;0,03";
    }
    t_satzdaten tabellen;
    EXPECT_TRUE(tabellen.TabelleLesen(TPsiTabelle::BereichSprossenInnen, MitKopfzeilen(bereiche)));
    EXPECT_EQ(tabellen.sBereich_Sprosse_innen().size(), 1000u);
}

TEST_F(PsiTabellenLaden, NamesAreCut) {
    const QString lang = QString(120, u'x');
    t_satzdaten tabellen;
    ASSERT_TRUE(tabellen.TabelleLesen(TPsiTabelle::Rahmen,
                                      MitKopfzeilen({"1;" + lang + ";" + lang + ";1;0,1"})));
    ASSERT_TRUE(tabellen.TabelleLesen(TPsiTabelle::Abstandhalter, MitKopfzeilen({"1;" + lang})));
    ASSERT_TRUE(tabellen.TabelleLesen(TPsiTabelle::SprossenInnen, MitKopfzeilen({"1;" + lang})));
    ASSERT_TRUE(tabellen.TabelleLesen(TPsiTabelle::Glas,
                                      MitKopfzeilen({"1;" + lang + ";" + lang + ";" + lang + ";" +
                                                     lang + ";" + lang + ";24;1,1;80;60"})));
    ASSERT_TRUE(
        tabellen.TabelleLesen(TPsiTabelle::BereichRahmenGlas,
                              MitKopfzeilen({lang + "y;" + lang + "z;0;5;0;5;0,04;0;5;0;5;0,7"})));
    ASSERT_TRUE(tabellen.TabelleLesen(TPsiTabelle::BereichSprossenInnen,
                                      MitKopfzeilen({lang + ";0;5;0,03"})));

    EXPECT_EQ(tabellen.srahmen(1)->namerahmen.size(), 50);
    EXPECT_EQ(tabellen.srahmen(1)->sTyp.size(), 100);
    EXPECT_EQ(tabellen.sabstand(1)->nameabstand.size(), 50);
    EXPECT_EQ(tabellen.sSprosse1(1)->material.size(), 50);
    const t_glas& glas = *tabellen.sglas(1);
    for (const QString* text :
         {&glas.sTyp, &glas.nameglas, &glas.sNameGlas2, &glas.sGlasDicken, &glas.sSZR}) {
        EXPECT_EQ(text->size(), 100);
    }
    EXPECT_EQ(tabellen.sBereich_Rahmen_Glas()[0].sRahmenTyp.size(), 100);
    EXPECT_EQ(tabellen.sBereich_Rahmen_Glas()[0].sAbstandhalter.size(), 100);
    EXPECT_EQ(tabellen.sBereich_Sprosse_innen()[0].sSprosse.size(), 100);
    // Cut alike, the long frame type still finds its range row; the spacer does not, as its
    // name is cut to 50 characters only.
    EXPECT_DOUBLE_EQ(tabellen.PsiRahmenGlas(1, 1, 1.0, 1.0), 0.2);
    double minimum = -1;
    double maximum = -1;
    EXPECT_TRUE(tabellen.UfBereichRahmenGlas(1, minimum, maximum));
    EXPECT_DOUBLE_EQ(maximum, 5.0);
}

TEST_F(PsiTabellenLaden, TextEncodingsAndLineEnds) {
    struct TFall {
        std::string Beschreibung;
        QByteArray Inhalt;
    };
    const QString kopf = QStringLiteral("K1\nK2\nK3\n");
    const QString zeilen = QStringLiteral("1;Übergang\n2;Maß\n");
    QByteArray utf16 = QByteArray("\xFF\xFE");
    const QString text16 = kopf + zeilen;
    utf16.append(reinterpret_cast<const char*>(text16.utf16()), text16.size() * 2);
    const std::vector<TFall> faelle = {
        {"Windows-1252 without mark", QByteArray("K1\nK2\nK3\n1;\xDC"
                                                 "bergang\n2;Ma\xDF\n")},
        {"UTF-8 with mark", QByteArray("\xEF\xBB\xBF") + (kopf + zeilen).toUtf8()},
        {"UTF-16 LE with mark", utf16},
        {"CR LF", QByteArray("K1\r\nK2\r\nK3\r\n1;\xDC"
                             "bergang\r\n2;Ma\xDF")},
        {"CR", QByteArray("K1\rK2\rK3\r1;\xDC"
                          "bergang\r2;Ma\xDF\r")},
        {"blank lines carry no row", QByteArray("K1\n\nK3\n\n1;\xDC"
                                                "bergang\n   \n2;Ma\xDF\n\n\n")},
    };
    for (const TFall& fall : faelle) {
        SCOPED_TRACE(fall.Beschreibung);
        t_satzdaten tabellen;
        EXPECT_TRUE(tabellen.TabelleLesen(TPsiTabelle::Abstandhalter, fall.Inhalt));
        EXPECT_EQ(tabellen.Namen(TPsiTabelle::Abstandhalter),
                  QStringList({QStringLiteral("Übergang"), QStringLiteral("Maß")}));
    }
}

TEST_F(PsiTabellenLaden, ProcessWideTablesComeFromTheLanguageFolder) {
    ASSERT_TRUE(QDir(Ordner()).mkpath("en"));
    TabelleSchreiben("en/1_Rahmen.txt", {"1;Frame;T;1,3;0,1"});
    GlobalSettings().ProgramFolder = Ordner();
    GlobalSettings().LanguageFolder = "en/";
    QStringList meldungen;
    QStringList rahmenListe;
    const auto verbindung = QObject::connect(&PsiListen(), &TPsiListen::ListeGeaendert,
                                             [&](TListe liste, const QStringList& eintraege) {
                                                 if (liste == TListe::Rahmen) {
                                                     rahmenListe = eintraege;
                                                 }
                                             });
    {
        TScopedMessageReceiver empfaenger([&](const QString& text) { meldungen << text; });
        EXPECT_FALSE(vitrano::PsiTabellenLaden(false));
    }
    QObject::disconnect(verbindung);
    ASSERT_EQ(Satzdaten().anzahlRahmen(), 1);
    EXPECT_EQ(Satzdaten().srahmen(1)->namerahmen, QStringLiteral("Frame"));
    EXPECT_EQ(rahmenListe, QStringList({"Frame"}));
    EXPECT_EQ(meldungen.size(), 7);
    EXPECT_EQ(meldungen.first(), Ordner() + "en/2_Abstandhalter.txt not found!");

    ResetSatzdaten();
    ResetGlobalSettings();
    EXPECT_EQ(Satzdaten().anzahlRahmen(), 0);
}

} // namespace
} // namespace vitrano
