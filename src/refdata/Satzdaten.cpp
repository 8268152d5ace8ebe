#include "refdata/Satzdaten.h"

namespace vitrano {

namespace {

template <class Row, class Member>
QStringList NamenDer(const std::vector<Row>& zeilen, Member name) {
    QStringList namen;
    namen.reserve(static_cast<qsizetype>(zeilen.size()));
    for (const Row& zeile : zeilen) {
        namen.append(zeile.*name);
    }
    return namen;
}

} // namespace

QStringList t_satzdaten::Namen(TPsiTabelle tabelle) const {
    switch (tabelle) {
    case TPsiTabelle::Rahmen:
        return NamenDer(FRahmen, &t_rahmen::namerahmen);
    case TPsiTabelle::Abstandhalter:
        return NamenDer(FAbstand, &t_abstand::nameabstand);
    case TPsiTabelle::SprossenInnen:
        return NamenDer(FSprosse1, &t_sprosse::material);
    case TPsiTabelle::SprossenVerdeckt:
        return NamenDer(FSprosse2, &t_sprosse::material);
    case TPsiTabelle::Glas:
        return NamenDer(FGlas, &t_glas::nameglas);
    case TPsiTabelle::BereichRahmenGlas:
    case TPsiTabelle::BereichSprossenInnen:
    case TPsiTabelle::BereichSprossenVerdeckt:
        break;
    }
    return {};
}

t_satzdaten& Satzdaten() {
    static t_satzdaten satzdaten;
    return satzdaten;
}

void ResetSatzdaten() {
    Satzdaten() = t_satzdaten();
}

} // namespace vitrano
