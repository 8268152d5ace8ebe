#include "refdata/PsiTabellenLaden.h"

#include "core/GlobalSettings.h"
#include "core/UserMessages.h"

#include <QFile>
#include <QFileInfo>

namespace vitrano {

namespace {

const QString EintragLeer = QStringLiteral("leer");
const QString EintragManuell = QStringLiteral("manuell");

QString MitSchraegstrich(QString ordner) {
    if (!ordner.isEmpty() && !ordner.endsWith(u'/')) {
        ordner.append(u'/');
    }
    return ordner;
}

// The "manuell" entry closes a list only when its table was read in full.
void ListenMelden(const t_satzdaten& tabellen, TPsiListen& listen, TPsiTabelle tabelle,
                  bool vollstaendig) {
    using TListe = TPsiListen::TListe;
    const QStringList namen = tabellen.Namen(tabelle);
    QStringList mitManuell = namen;
    if (vollstaendig) {
        mitManuell.append(EintragManuell);
    }
    switch (tabelle) {
    case TPsiTabelle::Rahmen:
        Q_EMIT listen.ListeGeaendert(TListe::Rahmen, namen);
        break;
    case TPsiTabelle::Abstandhalter:
        Q_EMIT listen.ListeGeaendert(TListe::Abstandhalter, namen);
        Q_EMIT listen.ListeGeaendert(TListe::AbstandhalterEinzelfenster, mitManuell);
        break;
    case TPsiTabelle::SprossenInnen:
        Q_EMIT listen.ListeGeaendert(TListe::SprossenInnen, namen);
        break;
    case TPsiTabelle::SprossenVerdeckt:
        Q_EMIT listen.ListeGeaendert(TListe::SprossenVerdeckt, namen);
        break;
    case TPsiTabelle::Glas:
        // The leading entry makes a glass's list position equal its row number.
        Q_EMIT listen.ListeGeaendert(TListe::Glas, QStringList{EintragLeer} + mitManuell);
        break;
    case TPsiTabelle::BereichRahmenGlas:
    case TPsiTabelle::BereichSprossenInnen:
    case TPsiTabelle::BereichSprossenVerdeckt:
        break;
    }
}

} // namespace

QString PsiTabellenDatei(TPsiTabelle tabelle, bool fassade) {
    switch (tabelle) {
    case TPsiTabelle::Rahmen:
        return fassade ? QStringLiteral("1_Fassprofil.txt") : QStringLiteral("1_Rahmen.txt");
    case TPsiTabelle::Abstandhalter:
        return fassade ? QStringLiteral("2_AbstandhalterProfil.txt")
                       : QStringLiteral("2_Abstandhalter.txt");
    case TPsiTabelle::SprossenInnen:
        return QStringLiteral("3_Sprossen_innen.txt");
    case TPsiTabelle::SprossenVerdeckt:
        return QStringLiteral("4_Sprossen_verdeckt.txt");
    case TPsiTabelle::Glas:
        return QStringLiteral("5_Glas.txt");
    case TPsiTabelle::BereichRahmenGlas:
        return fassade ? QStringLiteral("6_Bereich_Fassprofil_Glas.txt")
                       : QStringLiteral("6_Bereich_Rahmen_Glas.txt");
    case TPsiTabelle::BereichSprossenInnen:
        return QStringLiteral("7_Bereich_Sprossen_innen.txt");
    case TPsiTabelle::BereichSprossenVerdeckt:
        return QStringLiteral("8_Bereich_Sprossen_verdeckt.txt");
    }
    return {};
}

QString PsiTabellenOrdner() {
    return GlobalSettings().ProgramFolder + GlobalSettings().LanguageFolder;
}

bool PsiTabellenLaden(t_satzdaten& tabellen, TPsiListen& listen, bool Fassade,
                      const QString& ordner) {
    const QString basis = MitSchraegstrich(ordner);
    bool alleGelesen = true;
    for (TPsiTabelle tabelle : AllePsiTabellen) {
        const QString pfad = basis + PsiTabellenDatei(tabelle, Fassade);
        if (!QFileInfo(pfad).isFile()) {
            ShowUserMessage(pfad + QStringLiteral(" not found!"));
            alleGelesen = false;
            continue;
        }
        QFile datei(pfad);
        if (!datei.open(QIODevice::ReadOnly)) {
            alleGelesen = false;
            break;
        }
        const bool vollstaendig = tabellen.TabelleLesen(tabelle, datei.readAll());
        ListenMelden(tabellen, listen, tabelle, vollstaendig);
        if (!vollstaendig) {
            alleGelesen = false;
            break;
        }
    }
    Q_EMIT listen.LadenBeendet();
    return alleGelesen;
}

bool PsiTabellenLaden(bool Fassade, const QString& ordner) {
    return PsiTabellenLaden(Satzdaten(), PsiListen(), Fassade, ordner);
}

} // namespace vitrano
