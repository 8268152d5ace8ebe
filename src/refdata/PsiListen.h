#pragma once

#include <QObject>
#include <QStringList>

namespace vitrano {

// Tells the dialogs that offer frames, spacers, glazing bars and glasses what their lists hold
// after the psi tables were loaded. The dialogs connect to the signals of the process-wide
// instance; a list whose table file was missing is not announced and keeps its entries.
class TPsiListen : public QObject {
    Q_OBJECT

public:
    enum class TListe {
        Rahmen,                     // frame dialog and both lists of the facade profile dialog
        Abstandhalter,              // window and facade spacer dialogs
        AbstandhalterEinzelfenster, // single-window form: the spacers, then "manuell"
        SprossenInnen,              // first material list of the glazing-bar dialog
        SprossenVerdeckt,           // second material list of the glazing-bar dialog
        Glas,                       // infill dialog: "leer", the glasses, then "manuell"
    };
    Q_ENUM(TListe)

    using QObject::QObject;

Q_SIGNALS:
    // The list was emptied and now holds exactly these entries.
    void ListeGeaendert(vitrano::TPsiListen::TListe liste, const QStringList& eintraege);
    // Loading has ended, completely or not; the dialogs select their first entries.
    void LadenBeendet();
};

// The instance the dialogs listen to.
TPsiListen& PsiListen();

} // namespace vitrano
