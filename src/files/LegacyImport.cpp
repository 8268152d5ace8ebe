#include "files/LegacyImport.h"

#include "core/UserMessages.h"
#include "files/XmlFile.h"

#include <array>

namespace vitrano {

namespace {

using namespace legacy;

void ReadReals(TRealQuadrupel& target, const TLegacyRecord& record, qsizetype offset) {
    target.Oben = record.Real(offset);
    target.Unten = record.Real(offset + 8);
    target.Links = record.Real(offset + 16);
    target.Rechts = record.Real(offset + 24);
}

TLegacyRecord ElementRecord(const TLegacyRecord& satz, int zeile, int spalte) {
    return satz.Part(ElementsOffset + zeile * RowSize + spalte * ElementSize, ElementSize);
}

void AssignOldElement(TElement& element, const TLegacyRecord& record) {
    element.Sonderbauteil = record.Boolean(0);
    element.SonderOeffnung = record.ShortString(1, 5);
    element.Bildname = record.ShortString(7, 30);
    element.Checked = record.Boolean(38);
    element.Visible = record.Boolean(39);
    element.Panele = record.Boolean(43);
    element.Lage.Oben = record.Boolean(44);
    element.Lage.Unten = record.Boolean(45);
    element.Lage.Links = record.Boolean(46);
    element.Lage.Rechts = record.Boolean(47);
    element.SetBreite(record.Real(48));
    element.SetHoehe(record.Real(56));
    element.FlaecheElement = record.Real(64);
    element.FlaecheFuellung = record.Real(80);
    element.FlaecheSonderFuellung = record.Real(88);
    element.Uwert = record.Real(96);
    AssignOldSatz(element.Fuellung, record.Part(104, GlaseSize));
    AssignOldSatz(element.Rahmen, record.Part(179, RahmenSize));
    AssignOldSatz(element.Sonderrahmen, record.Part(627, RahmenSize));
    AssignOldSatz(element.SonderFuellung, record.Part(1075, GlaseSize));
    element.ManuellZeichnen = record.Boolean(1150);
    element.ZeileZeichnen = record.Boolean(1151);
    element.SpalteZeichnen = record.Boolean(1152);
    element.ElementZeichnen = record.Boolean(1153);
    element.FensterAlleRahmenGleich = record.Boolean(1154);
    element.GlasManuell = record.Boolean(1155);
    element.Sprossenaufteilung = record.Integer(1156);
    element.Sprossentyp = record.Integer(1160);
    element.SprossenPSI = record.Real(1164);
}

void AssignOldObjektdaten(TObjektdaten& daten, const TLegacyRecord& record) {
    const std::array<QString*, 9> fields = {
        &daten.Firma,     &daten.Nutzer,      &daten.Objekt,    &daten.Fassadenabschnitt,
        &daten.Stockwerk, &daten.Positionsnr, &daten.Weiteres1, &daten.Weiteres2,
        &daten.Weiteres3};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        *fields[i] = record.ShortString(static_cast<qsizetype>(i) * 31, 30);
    }
}

// The window assistant kept its values in the unused grid cell (11, 11).
void AssignOldWindowValues(TFassadenSatz& satz, const TLegacyRecord& record) {
    const TLegacyRecord cell = ElementRecord(record, MaxGridIndex, MaxGridIndex);
    satz.FensterPsiBasis = cell.Real(1164);
    satz.FensterPsiKorrektur = cell.Real(64);
    satz.FensterGlasdickeAussen = cell.Real(80);
    satz.FensterGlasdickeInnen = cell.Real(72);
}

bool GridFits(int count) {
    return count >= 1 && count <= MaxGridIndex;
}

} // namespace

void AssignOldSatz(TRahmen& rahmen, const TLegacyRecord& oldRahmen) {
    rahmen.Material.Oben = oldRahmen.Integer(0);
    rahmen.Material.Unten = oldRahmen.Integer(4);
    rahmen.Material.Links = oldRahmen.Integer(8);
    rahmen.Material.Rechts = oldRahmen.Integer(12);
    rahmen.Bezeichnung.Oben = oldRahmen.ShortString(16, 50);
    rahmen.Bezeichnung.Unten = oldRahmen.ShortString(67, 50);
    rahmen.Bezeichnung.Links = oldRahmen.ShortString(118, 50);
    rahmen.Bezeichnung.Rechts = oldRahmen.ShortString(169, 50);
    rahmen.Abstandshalter = oldRahmen.Integer(220);
    ReadReals(rahmen.Rahmenbreite, oldRahmen, 224);
    ReadReals(rahmen.UWerte, oldRahmen, 256);
    ReadReals(rahmen.PSIInnen, oldRahmen, 288);
    ReadReals(rahmen.LaengeAussen, oldRahmen, 320);
    ReadReals(rahmen.LaengeInnen, oldRahmen, 352);
    ReadReals(rahmen.FLaeche, oldRahmen, 384);
    ReadReals(rahmen.PSIAussen, oldRahmen, 416);
}

void AssignOldSatz(TGlas& glas, const TLegacyRecord& oldGlase) {
    glas.Material = oldGlase.Integer(0);
    glas.Bezeichnung = oldGlase.ShortString(4, 50);
    glas.UWert = oldGlase.Real(55);
    glas.Farbe = oldGlase.Integer(63);
    glas.GWert = oldGlase.Real(67);
}

void AssignOldSatz(TFassadenSatz& satz, const TLegacyRecord& oldSatz) {
    satz.Fassade = oldSatz.Boolean(170140);
    satz.RahmenManuell = oldSatz.Boolean(170161);
    satz.AnzahlRahmen = oldSatz.Integer(0);
    satz.Gesamtbreite = oldSatz.Real(4);
    satz.Gesamthoehe = oldSatz.Real(12);
    satz.AnzahlHorizontal = oldSatz.Integer(20);
    satz.AnzahlVertikal = oldSatz.Integer(24);
    AssignOldObjektdaten(satz.Objektdaten, oldSatz.Part(28, 279));
    for (int zeile = 1; zeile <= satz.AnzahlVertikal; ++zeile) {
        for (int spalte = 1; spalte <= satz.AnzahlHorizontal; ++spalte) {
            AssignOldElement(satz.Elemente.Add(), ElementRecord(oldSatz, zeile, spalte));
        }
    }
    satz.StandardMaterial = oldSatz.Integer(169131);
    satz.VerschraubungDeltaU = oldSatz.Real(170162);
    satz.DruckRahmen = oldSatz.ShortString(169135, 200);
    satz.DruckGlas = oldSatz.ShortString(169336, 200);
    satz.DruckAbstand = oldSatz.ShortString(169537, 200);
    satz.DruckPaneel = oldSatz.ShortString(169738, 200);
    satz.DruckBild = oldSatz.ShortString(169939, 200);
    satz.ErgebnisFlaecheGesamt = oldSatz.Real(169075);
    satz.ErgebnisFlaecheRahmen = oldSatz.Real(169083);
    satz.ErgebnisFlaecheGlase = oldSatz.Real(169091);
    satz.ErgebnisUwertGesamt = oldSatz.Real(169099);
    satz.ErgebnisUGlas = oldSatz.Real(169107);
    satz.ErgebnisURahmen = oldSatz.Real(169115);
    satz.ErgebnisProzentRahmen = oldSatz.Real(169123);
    satz.ErgebnisGlasrandlaenge = oldSatz.Real(170141);
    satz.ErgebnisSprossenlaenge = oldSatz.Real(170149);
    satz.Fenstertyp = oldSatz.Integer(170157);
    try {
        AssignOldWindowValues(satz, oldSatz);
    } catch (const ELegacyFormatError&) {
        // The window values are optional.
    }
}

QString LegacyVersionMessage() {
    return QStringLiteral("Sie versuchen eine Datei zu laden deren\r\nFormat nicht mehr "
                          "unterstützt wird.\r\n\r\nSie können nur Dateien laden die mit einer "
                          "\r\nProgrammversion zwischen 3.1 und 4.6\r\nerstellt wurden.");
}

TFileResult ImportLegacyData(const QByteArray& data, TFassadenSatz& satz) {
    if (data.size() < VersionSize) {
        return TFileResult::Failure(QStringLiteral("not a project file of version 3.10 to 4.60"));
    }
    try {
        const double version = TLegacyRecord(data, 0, VersionSize).Real(0);
        if (version < OldestVersion) {
            ShowUserMessage(LegacyVersionMessage());
            return TFileResult::Failure(QStringLiteral("file format of version %1 is no longer "
                                                       "supported")
                                            .arg(version));
        }
        if (data.size() < FileSize) {
            return TFileResult::Failure(
                QStringLiteral("the file is shorter than a project of version 3.10 to 4.60 "
                               "(%1 of %2 bytes)")
                    .arg(data.size())
                    .arg(FileSize));
        }
        const TLegacyRecord record(data, VersionSize, SatzSize);
        const int spalten = record.Integer(20);
        const int zeilen = record.Integer(24);
        if (!GridFits(spalten) || !GridFits(zeilen)) {
            return TFileResult::Failure(
                QStringLiteral("the grid of %1 columns and %2 rows is outside 1 to 11")
                    .arg(spalten)
                    .arg(zeilen));
        }
        // Import into a copy, so that a damaged file leaves nothing half-imported.
        TFassadenSatz imported;
        imported.Assign(satz);
        AssignOldSatz(imported, record);
        satz = std::move(imported);
    } catch (const ELegacyFormatError& error) {
        return TFileResult::Failure(QString::fromUtf8(error.what()));
    }
    return TFileResult::Success();
}

TFileResult ImportLegacyFile(const QString& fileName, TFassadenSatz& satz) {
    QByteArray data;
    const TFileResult read = ReadWholeFile(fileName, data);
    if (!read.Ok()) {
        return read;
    }
    return ImportLegacyData(data, satz);
}

} // namespace vitrano
