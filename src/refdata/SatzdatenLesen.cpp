// Reading the table files into t_satzdaten.

#include "core/TextDecoding.h"
#include "core/TextLines.h"
#include "refdata/PsiZeile.h"
#include "refdata/Satzdaten.h"

#include <cstddef>
#include <limits>

namespace vitrano {

namespace {

constexpr qsizetype KopfZeilen = 3;
constexpr int KurzerName = 50;
constexpr int LangerName = 100;
constexpr std::size_t OhneKapazitaet = std::numeric_limits<std::size_t>::max();

const TZahlenformat TabellenFormat{QLatin1Char(',')};

// A row that cannot be read: a column is missing or not a number.
class EZeileUngueltig {};

class TZeile {
public:
    explicit TZeile(const QString& text)
        : FFelder(PsiZeileZerlegen(text)) {}

    const QString& Feld(qsizetype spalte) const {
        if (spalte >= FFelder.size()) {
            throw EZeileUngueltig();
        }
        return FFelder[spalte];
    }
    QString Name(qsizetype spalte, int maxZeichen) const {
        return AufLaengeGekuerzt(Feld(spalte), maxZeichen);
    }
    int Integer(qsizetype spalte) const {
        const std::optional<int> wert = TextZuInteger(Feld(spalte));
        if (!wert) {
            throw EZeileUngueltig();
        }
        return *wert;
    }
    double Real(qsizetype spalte) const {
        const std::optional<double> wert = TextZuReal(Feld(spalte), TabellenFormat);
        if (!wert) {
            throw EZeileUngueltig();
        }
        return *wert;
    }
    // For the glass columns that may hold a remark instead of a number.
    double RealOderNull(qsizetype spalte) const {
        return TextZuReal(Feld(spalte), TabellenFormat).value_or(0.0);
    }

private:
    QStringList FFelder;
};

t_rahmen RahmenAus(const TZeile& zeile) {
    t_rahmen rahmen;
    rahmen.nr = zeile.Integer(0);
    rahmen.namerahmen = zeile.Name(1, KurzerName);
    rahmen.sTyp = zeile.Name(2, LangerName);
    rahmen.uf = zeile.Real(3);
    rahmen.breite = zeile.Real(4);
    return rahmen;
}

t_abstand AbstandAus(const TZeile& zeile) {
    t_abstand abstand;
    abstand.nr = zeile.Integer(0);
    abstand.nameabstand = zeile.Name(1, KurzerName);
    return abstand;
}

t_sprosse SprosseAus(const TZeile& zeile) {
    t_sprosse sprosse;
    sprosse.nr = zeile.Integer(0);
    sprosse.material = zeile.Name(1, KurzerName);
    return sprosse;
}

t_glas GlasAus(const TZeile& zeile) {
    t_glas glas;
    glas.nr = zeile.Integer(0);
    glas.sTyp = zeile.Name(1, LangerName);
    glas.nameglas = zeile.Name(2, LangerName);
    glas.sNameGlas2 = zeile.Name(3, LangerName);
    glas.sGlasDicken = zeile.Name(4, LangerName);
    glas.sSZR = zeile.Name(5, LangerName);
    glas.dElementDicke = zeile.Real(6);
    glas.ug = zeile.Real(7);
    glas.dLichtdurchl = zeile.RealOderNull(8);
    glas.dGwert = zeile.RealOderNull(9);
    glas.GeheimGlas = KleinAbisZ(zeile.Feld(9)) == u"na";
    return glas;
}

t_Bereich_Rahmen_Glas BereichRahmenGlasAus(const TZeile& zeile) {
    t_Bereich_Rahmen_Glas bereich;
    bereich.sRahmenTyp = zeile.Name(0, LangerName);
    bereich.sAbstandhalter = zeile.Name(1, LangerName);
    bereich.dUf_Min_Psi = zeile.Real(2);
    bereich.dUf_Max_Psi = zeile.Real(3);
    bereich.dUg_Min_Psi = zeile.Real(4);
    bereich.dUg_Max_Psi = zeile.Real(5);
    bereich.dPsi = zeile.Real(6);
    bereich.dUf_Min_fRsi = zeile.Real(7);
    bereich.dUf_Max_fRsi = zeile.Real(8);
    bereich.dUg_Min_fRsi = zeile.Real(9);
    bereich.dUg_Max_fRsi = zeile.Real(10);
    bereich.dfRsi = zeile.Real(11);
    return bereich;
}

t_Bereich_Sprosse BereichSprosseAus(const TZeile& zeile) {
    t_Bereich_Sprosse bereich;
    bereich.sSprosse = zeile.Name(0, LangerName);
    bereich.dUg_Min_Psi = zeile.Real(1);
    bereich.dUg_Max_Psi = zeile.Real(2);
    bereich.dPsi = zeile.Real(3);
    return bereich;
}

template <class Row, class Parser>
bool ZeilenLesen(const QString& text, std::vector<Row>& tabelle, std::size_t kapazitaet,
                 Parser zeileLesen) {
    tabelle.clear();
    const QStringList zeilen = TextLines(text);
    for (qsizetype i = KopfZeilen; i < zeilen.size() && tabelle.size() < kapazitaet; ++i) {
        if (OhneRandLeerzeichen(zeilen[i]).isEmpty()) {
            continue;
        }
        try {
            tabelle.push_back(zeileLesen(TZeile(zeilen[i])));
        } catch (const EZeileUngueltig&) {
            return false;
        }
    }
    return true;
}

} // namespace

bool t_satzdaten::TabelleLesen(TPsiTabelle tabelle, const QByteArray& inhalt) {
    return TabelleLesen(tabelle, DecodeText(inhalt, TNoBomFallback::Windows1252));
}

bool t_satzdaten::TabelleLesen(TPsiTabelle tabelle, const QString& text) {
    switch (tabelle) {
    case TPsiTabelle::Rahmen:
        return ZeilenLesen(text, FRahmen, KapazitaetRahmen, RahmenAus);
    case TPsiTabelle::Abstandhalter:
        return ZeilenLesen(text, FAbstand, KapazitaetAbstand, AbstandAus);
    case TPsiTabelle::SprossenInnen:
        return ZeilenLesen(text, FSprosse1, KapazitaetSprossen, SprosseAus);
    case TPsiTabelle::SprossenVerdeckt:
        return ZeilenLesen(text, FSprosse2, KapazitaetSprossen, SprosseAus);
    case TPsiTabelle::Glas:
        return ZeilenLesen(text, FGlas, KapazitaetGlas, GlasAus);
    case TPsiTabelle::BereichRahmenGlas:
        return ZeilenLesen(text, FBereichRahmenGlas, OhneKapazitaet, BereichRahmenGlasAus);
    case TPsiTabelle::BereichSprossenInnen:
        return ZeilenLesen(text, FBereichSprosseInnen, OhneKapazitaet, BereichSprosseAus);
    case TPsiTabelle::BereichSprossenVerdeckt:
        return ZeilenLesen(text, FBereichSprosseVerdeckt, OhneKapazitaet, BereichSprosseAus);
    }
    return false;
}

} // namespace vitrano
