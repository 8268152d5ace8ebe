// Writes one picture of a typical window of each window type,
// "fenster_" + short name + ".jpg", into the given folder. The type dialog and
// the frame dialog show these pictures; drawing them with the editor's own
// drawing keeps them alike.

#include "core/FassadenSatz.h"
#include "core/FenstertypBild.h"
#include "core/PictureColours.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QImageWriter>
#include <QString>
#include <QTextStream>

namespace {

using vitrano::TElement;
using vitrano::TFassadenSatz;

constexpr double FrameWidth = 0.1; // m, the full profile width
constexpr int JpegQuality = 80;

struct Sizes {
    double a, b, c;
};

// The sizes the frame dialog starts each type with.
Sizes DefaultSizes(int typ) {
    switch (typ) {
    case 3:
        return {2.46, 1.48, 0.0};
    case 4:
    case 5:
        return {1.23, 1.48, 0.4};
    case 7:
        return {1.23, 0.74, 0.74};
    case 9:
        return {0.62, 0.62, 1.48};
    default:
        return {1.23, 1.48, 0.0};
    }
}

// Sides on the outer edge get the full profile width, shared sides half of it;
// the two top-light fields of type 5 form one pane.
void SetFrames(TFassadenSatz& satz) {
    for (int zeile = 1; zeile <= satz.AnzahlVertikal; ++zeile) {
        for (int spalte = 1; spalte <= satz.AnzahlHorizontal; ++spalte) {
            vitrano::TRealQuadrupel& breite = satz.GetElement(zeile, spalte)->Rahmen.Rahmenbreite;
            const auto seite = [](bool aussen) { return aussen ? FrameWidth : FrameWidth / 2; };
            breite.Oben = seite(zeile == 1);
            breite.Unten = seite(zeile == satz.AnzahlVertikal);
            breite.Links = seite(spalte == 1);
            breite.Rechts = seite(spalte == satz.AnzahlHorizontal);
        }
    }
    if (satz.Fenstertyp == 5) {
        satz.GetElement(1, 1)->Rahmen.Rahmenbreite.Rechts = 0.0;
        satz.GetElement(1, 2)->Rahmen.Rahmenbreite.Links = 0.0;
    }
}

void Opening(TFassadenSatz& satz, int zeile, int spalte, const char* symbol) {
    TElement* element = satz.GetElement(zeile, spalte);
    element->Sonderbauteil = true;
    element->SonderOeffnung = QString::fromLatin1(symbol);
}

// Turn-tilt sashes show their opening symbol; fixed lights and sliding parts
// show the plain pane.
void SetOpenings(TFassadenSatz& satz) {
    switch (satz.Fenstertyp) {
    case 1:
        Opening(satz, 1, 1, "lo");
        break;
    case 2:
        Opening(satz, 1, 1, "r");
        Opening(satz, 1, 2, "lo");
        break;
    case 3:
        Opening(satz, 1, 1, "ro");
        Opening(satz, 1, 2, "r");
        Opening(satz, 1, 3, "lo");
        break;
    case 4:
        Opening(satz, 2, 1, "lo");
        break;
    case 5:
        Opening(satz, 2, 1, "r");
        Opening(satz, 2, 2, "lo");
        break;
    case 8:
        Opening(satz, 1, 2, "lo");
        break;
    default:
        break;
    }
}

TFassadenSatz TypicalWindow(int typ) {
    TFassadenSatz satz;
    satz.SetFenstertyp(typ);
    SetFrames(satz);
    const Sizes sizes = DefaultSizes(typ);
    satz.SetzeFensterlaengen(sizes.a, sizes.b, sizes.c, typ);
    SetOpenings(satz);
    return satz;
}

bool WritePicture(const QDir& folder, int typ, QTextStream& fehler) {
    const QImage bild = TypicalWindow(typ).GeneriereGesamtBild();
    const QString datei = folder.filePath(vitrano::FenstertypBilddatei(typ));
    QImageWriter writer(datei, "jpg");
    writer.setQuality(JpegQuality);
    if (bild.isNull() || !writer.write(bild)) {
        fehler << datei << ": " << writer.errorString() << Qt::endl;
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    QTextStream fehler(stderr);
    const QStringList argumente = QCoreApplication::arguments();
    if (argumente.size() != 2) {
        fehler << "usage: vitrano-typepictures <folder>" << Qt::endl;
        return 2;
    }
    const QDir folder(argumente.at(1));
    if (!folder.mkpath(QStringLiteral("."))) {
        fehler << folder.path() << ": cannot create the folder" << Qt::endl;
        return 1;
    }
    bool ok = true;
    for (int typ = vitrano::ErsterFenstertyp; typ <= vitrano::LetzterFenstertyp; ++typ) {
        ok = WritePicture(folder, typ, fehler) && ok;
    }
    return ok ? 0 : 1;
}
