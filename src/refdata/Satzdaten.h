#pragma once

// The psi-value tables: the lists of frames, spacers, glazing bars and glasses and the ranges
// that give psi and fRsi values for them.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

namespace vitrano {

// The eight table files, in loading order.
enum class TPsiTabelle {
    Rahmen,
    Abstandhalter,
    SprossenInnen,
    SprossenVerdeckt,
    Glas,
    BereichRahmenGlas,
    BereichSprossenInnen,
    BereichSprossenVerdeckt,
};

inline constexpr TPsiTabelle AllePsiTabellen[] = {
    TPsiTabelle::Rahmen,
    TPsiTabelle::Abstandhalter,
    TPsiTabelle::SprossenInnen,
    TPsiTabelle::SprossenVerdeckt,
    TPsiTabelle::Glas,
    TPsiTabelle::BereichRahmenGlas,
    TPsiTabelle::BereichSprossenInnen,
    TPsiTabelle::BereichSprossenVerdeckt,
};

// A frame type or profile.
struct t_rahmen {
    int nr = 0;          // as written in the file; rows are addressed by position
    QString namerahmen;  // up to 50 characters, shown in the lists
    QString sTyp;        // up to 100 characters, key into the edge ranges
    double uf = 0.0;     // default Uf, W/(m²K)
    double breite = 0.0; // default face width, m
    double Uf_min = 0.0;
    double Uf_max = 0.0;
};

struct t_abstand {
    int nr = 0;
    QString nameabstand; // up to 50 characters, key into the edge ranges
};

struct t_sprosse {
    int nr = 0;
    QString material; // up to 50 characters, key into the glazing-bar ranges
    double psiwert = 0.0;
};

struct t_glas {
    int nr = 0;
    QString sTyp; // category
    QString nameglas;
    QString sNameGlas2;
    QString sGlasDicken;
    QString sSZR;
    double dElementDicke = 0.0; // mm
    double ug = 0.0;            // W/(m²K)
    double dLichtdurchl = 0.0;  // per cent
    double dGwert = 0.0;        // per cent; 0 when withheld
    bool GeheimGlas = false;    // the catalogue withholds the g-value ("na")
    double Ug_randPsi_min = 0.0;
    double Ug_randPsi_max = 0.0;
    double Ug_sprossePsi_min = 0.0;
    double Ug_sprossePsi_max = 0.0;
    double Ug_fRsi_min = 0.0;
    double Ug_fRsi_max = 0.0;
};

// Psi and fRsi of a glass edge for one frame type and spacer over ranges of Uf and Ug.
struct t_Bereich_Rahmen_Glas {
    QString sRahmenTyp;
    QString sAbstandhalter;
    double dUf_Min_Psi = 0.0;
    double dUf_Max_Psi = 0.0;
    double dUg_Min_Psi = 0.0;
    double dUg_Max_Psi = 0.0;
    double dPsi = 0.0;
    double dUf_Min_fRsi = 0.0;
    double dUf_Max_fRsi = 0.0;
    double dUg_Min_fRsi = 0.0;
    double dUg_Max_fRsi = 0.0;
    double dfRsi = 0.0;
};

// Psi of a glazing bar over a range of Ug.
struct t_Bereich_Sprosse {
    QString sSprosse;
    double dUg_Min_Psi = 0.0;
    double dUg_Max_Psi = 0.0;
    double dPsi = 0.0;
};

// All tables of one language folder. Frames, spacers, glazing bars and glasses are addressed
// by their 1-based row (list position + 1), which is what the records store; 0 and every
// number beyond the loaded rows mean none. Names are matched after lower-casing A to Z only,
// as whole strings; range bounds are inclusive; the first matching row in file order wins.
class t_satzdaten {
public:
    static constexpr int KapazitaetRahmen = 500;
    static constexpr int KapazitaetAbstand = 20;
    static constexpr int KapazitaetSprossen = 5; // of each kind
    static constexpr int KapazitaetGlas = 200;

    // Psi of a glass edge when no range row matches, W/(mK).
    static constexpr double StandardPsiRand = 0.2;

    int anzahlRahmen() const { return static_cast<int>(FRahmen.size()); }
    int anzahlabstand() const { return static_cast<int>(FAbstand.size()); }
    int anzahlSprosse1() const { return static_cast<int>(FSprosse1.size()); }
    int anzahlSprosse2() const { return static_cast<int>(FSprosse2.size()); }
    int anzahlGlas() const { return static_cast<int>(FGlas.size()); }

    const t_rahmen* srahmen(int zeile) const { return Zeile(FRahmen, zeile); }
    const t_abstand* sabstand(int zeile) const { return Zeile(FAbstand, zeile); }
    const t_sprosse* sSprosse1(int zeile) const { return Zeile(FSprosse1, zeile); }
    const t_sprosse* sSprosse2(int zeile) const { return Zeile(FSprosse2, zeile); }
    const t_glas* sglas(int zeile) const { return Zeile(FGlas, zeile); }

    // The range tables in file order.
    const std::vector<t_Bereich_Rahmen_Glas>& sBereich_Rahmen_Glas() const {
        return FBereichRahmenGlas;
    }
    const std::vector<t_Bereich_Sprosse>& sBereich_Sprosse_innen() const {
        return FBereichSprosseInnen;
    }
    const std::vector<t_Bereich_Sprosse>& sBereich_Sprosse_verdeckt() const {
        return FBereichSprosseVerdeckt;
    }

    // Replaces one table by the rows of a file's bytes (a byte-order mark selects UTF-8 or
    // UTF-16, otherwise Windows-1252). The first three lines are headers; blank lines carry no
    // row. Rows beyond the table's capacity are ignored. A row with a missing column or a
    // malformed number ends the reading there: the rows before it stay and false is returned.
    bool TabelleLesen(TPsiTabelle tabelle, const QByteArray& inhalt);
    bool TabelleLesen(TPsiTabelle tabelle, const QString& text);

    // Names of the rows as the dialogs list them, in row order.
    QStringList Namen(TPsiTabelle tabelle) const;

    // Psi of the glass edge, or StandardPsiRand without a matching row.
    double PsiRahmenGlas(int rahmen, int abstand, double uf, double ug) const;
    // fRsi at the glass edge, or 0 without a matching row.
    double FRsiRahmenGlas(int rahmen, int abstand, double uf, double ug) const;
    // The Uf (Ug) range that the psi rows of the frame's type cover, over all spacers. Each
    // output is written only when a row gives it; false (outputs unchanged) for no frame.
    bool UfBereichRahmenGlas(int rahmen, double& ufMin, double& ufMax) const;
    bool UgBereichRahmenGlas(int rahmen, double& ugMin, double& ugMax) const;
    // Psi of a glazing bar: the first row of the bar whose range holds Ug, otherwise the first
    // non-zero psi of the bar's rows, otherwise 0.
    double PsiSprosseInnen(int sprosse, double ug) const;
    double PsiSprosseVerdeckt(int sprosse, double ug) const;
    // The Ug range of the bar's rows, starting from the empty range [100, 0]; false for no bar
    // (the outputs then hold the empty range).
    bool UgBereichSprosseInnen(int sprosse, double& ugMin, double& ugMax) const;
    bool UgBereichSprosseVerdeckt(int sprosse, double& ugMin, double& ugMax) const;

private:
    std::vector<t_rahmen> FRahmen;
    std::vector<t_abstand> FAbstand;
    std::vector<t_sprosse> FSprosse1;
    std::vector<t_sprosse> FSprosse2;
    std::vector<t_glas> FGlas;
    std::vector<t_Bereich_Rahmen_Glas> FBereichRahmenGlas;
    std::vector<t_Bereich_Sprosse> FBereichSprosseInnen;
    std::vector<t_Bereich_Sprosse> FBereichSprosseVerdeckt;

    template <class Row>
    static const Row* Zeile(const std::vector<Row>& tabelle, int zeile) {
        if (zeile < 1 || zeile > static_cast<int>(tabelle.size())) {
            return nullptr;
        }
        return &tabelle[static_cast<std::size_t>(zeile - 1)];
    }

    const t_Bereich_Rahmen_Glas* ErsterRandBereich(int rahmen, int abstand, double uf, double ug,
                                                   bool fuerFRsi) const;
    bool RandBereich(int rahmen, double t_Bereich_Rahmen_Glas::*minimum,
                     double t_Bereich_Rahmen_Glas::*maximum, double& bereichMin,
                     double& bereichMax) const;
    static double PsiSprosse(const t_sprosse* sprosse,
                             const std::vector<t_Bereich_Sprosse>& bereiche, double ug);
    static bool UgBereichSprosse(const t_sprosse* sprosse,
                                 const std::vector<t_Bereich_Sprosse>& bereiche, double& ugMin,
                                 double& ugMax);
};

// The tables of the running program, empty until the first loading.
t_satzdaten& Satzdaten();

// Empties the process-wide tables (used by tests).
void ResetSatzdaten();

} // namespace vitrano
