// The lookups in the psi tables.

#include "refdata/PsiZeile.h"
#include "refdata/Satzdaten.h"

#include <algorithm>

namespace vitrano {

namespace {

constexpr double LeererBereichMin = 100.0;
constexpr double LeererBereichMax = 0.0;

bool GleicherName(const QString& a, const QString& b) {
    return KleinAbisZ(a) == KleinAbisZ(b);
}

bool ImBereich(double wert, double minimum, double maximum) {
    return minimum <= wert && wert <= maximum;
}

} // namespace

const t_Bereich_Rahmen_Glas* t_satzdaten::ErsterRandBereich(int rahmen, int abstand, double uf,
                                                            double ug, bool fuerFRsi) const {
    const t_rahmen* rahmenZeile = srahmen(rahmen);
    const t_abstand* abstandZeile = sabstand(abstand);
    if (rahmenZeile == nullptr || abstandZeile == nullptr) {
        return nullptr;
    }
    const QString typ = KleinAbisZ(rahmenZeile->sTyp);
    const QString abstandhalter = KleinAbisZ(abstandZeile->nameabstand);
    for (const t_Bereich_Rahmen_Glas& bereich : FBereichRahmenGlas) {
        const bool passend = fuerFRsi
                                 ? ImBereich(uf, bereich.dUf_Min_fRsi, bereich.dUf_Max_fRsi) &&
                                       ImBereich(ug, bereich.dUg_Min_fRsi, bereich.dUg_Max_fRsi)
                                 : ImBereich(uf, bereich.dUf_Min_Psi, bereich.dUf_Max_Psi) &&
                                       ImBereich(ug, bereich.dUg_Min_Psi, bereich.dUg_Max_Psi);
        if (passend && KleinAbisZ(bereich.sRahmenTyp) == typ &&
            KleinAbisZ(bereich.sAbstandhalter) == abstandhalter) {
            return &bereich;
        }
    }
    return nullptr;
}

double t_satzdaten::PsiRahmenGlas(int rahmen, int abstand, double uf, double ug) const {
    const t_Bereich_Rahmen_Glas* bereich = ErsterRandBereich(rahmen, abstand, uf, ug, false);
    return bereich != nullptr ? bereich->dPsi : StandardPsiRand;
}

double t_satzdaten::FRsiRahmenGlas(int rahmen, int abstand, double uf, double ug) const {
    const t_Bereich_Rahmen_Glas* bereich = ErsterRandBereich(rahmen, abstand, uf, ug, true);
    return bereich != nullptr ? bereich->dfRsi : 0.0;
}

bool t_satzdaten::RandBereich(int rahmen, double t_Bereich_Rahmen_Glas::*minimum,
                              double t_Bereich_Rahmen_Glas::*maximum, double& bereichMin,
                              double& bereichMax) const {
    const t_rahmen* rahmenZeile = srahmen(rahmen);
    if (rahmenZeile == nullptr) {
        return false;
    }
    double kleinstes = LeererBereichMin;
    double groesstes = LeererBereichMax;
    for (const t_Bereich_Rahmen_Glas& bereich : FBereichRahmenGlas) {
        if (GleicherName(bereich.sRahmenTyp, rahmenZeile->sTyp)) {
            kleinstes = std::min(kleinstes, bereich.*minimum);
            groesstes = std::max(groesstes, bereich.*maximum);
        }
    }
    if (kleinstes < LeererBereichMin) {
        bereichMin = kleinstes;
    }
    if (groesstes > LeererBereichMax) {
        bereichMax = groesstes;
    }
    return true;
}

bool t_satzdaten::UfBereichRahmenGlas(int rahmen, double& ufMin, double& ufMax) const {
    return RandBereich(rahmen, &t_Bereich_Rahmen_Glas::dUf_Min_Psi,
                       &t_Bereich_Rahmen_Glas::dUf_Max_Psi, ufMin, ufMax);
}

bool t_satzdaten::UgBereichRahmenGlas(int rahmen, double& ugMin, double& ugMax) const {
    return RandBereich(rahmen, &t_Bereich_Rahmen_Glas::dUg_Min_Psi,
                       &t_Bereich_Rahmen_Glas::dUg_Max_Psi, ugMin, ugMax);
}

double t_satzdaten::PsiSprosse(const t_sprosse* sprosse,
                               const std::vector<t_Bereich_Sprosse>& bereiche, double ug) {
    if (sprosse == nullptr) {
        return 0.0;
    }
    double ersatz = 0.0;
    for (const t_Bereich_Sprosse& bereich : bereiche) {
        if (!GleicherName(bereich.sSprosse, sprosse->material)) {
            continue;
        }
        if (ersatz == 0.0) {
            ersatz = bereich.dPsi;
        }
        if (ImBereich(ug, bereich.dUg_Min_Psi, bereich.dUg_Max_Psi)) {
            return bereich.dPsi;
        }
    }
    return ersatz;
}

double t_satzdaten::PsiSprosseInnen(int sprosse, double ug) const {
    return PsiSprosse(sSprosse1(sprosse), FBereichSprosseInnen, ug);
}

double t_satzdaten::PsiSprosseVerdeckt(int sprosse, double ug) const {
    return PsiSprosse(sSprosse2(sprosse), FBereichSprosseVerdeckt, ug);
}

bool t_satzdaten::UgBereichSprosse(const t_sprosse* sprosse,
                                   const std::vector<t_Bereich_Sprosse>& bereiche, double& ugMin,
                                   double& ugMax) {
    ugMin = LeererBereichMin;
    ugMax = LeererBereichMax;
    if (sprosse == nullptr) {
        return false;
    }
    for (const t_Bereich_Sprosse& bereich : bereiche) {
        if (GleicherName(bereich.sSprosse, sprosse->material)) {
            ugMin = std::min(ugMin, bereich.dUg_Min_Psi);
            ugMax = std::max(ugMax, bereich.dUg_Max_Psi);
        }
    }
    return true;
}

bool t_satzdaten::UgBereichSprosseInnen(int sprosse, double& ugMin, double& ugMax) const {
    return UgBereichSprosse(sSprosse1(sprosse), FBereichSprosseInnen, ugMin, ugMax);
}

bool t_satzdaten::UgBereichSprosseVerdeckt(int sprosse, double& ugMin, double& ugMax) const {
    return UgBereichSprosse(sSprosse2(sprosse), FBereichSprosseVerdeckt, ugMin, ugMax);
}

} // namespace vitrano
