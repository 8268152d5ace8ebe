// vitrano-cli calc FILE: calculates a project or comparison and prints the
// results as one JSON object.

#include "cli/Commands.h"
#include "cli/JsonWriter.h"
#include "cli/OpenedFile.h"

namespace vitrano::cli {

namespace {

void WriteElement(TJsonWriter& json, TFassadenSatz& satz, const TElement& element) {
    json.BeginObject();
    // Elements beyond the record's grid have no position.
    const bool placed = satz.GetElement(element.FZeile + 1, element.FSpalte + 1) == &element;
    if (placed) {
        json.Integer(QStringLiteral("row"), element.FZeile + 1);
        json.Integer(QStringLiteral("column"), element.FSpalte + 1);
    } else {
        json.Null(QStringLiteral("row"));
        json.Null(QStringLiteral("column"));
    }
    json.Number(QStringLiteral("FlaecheElement"), element.FlaecheElement);
    json.Number(QStringLiteral("FlaecheFuellung"), element.FlaecheFuellung);
    json.Number(QStringLiteral("RahmenFlaeche"), element.Rahmen.FGesamtRahmenflaeche);
    json.Number(QStringLiteral("Uwert"), element.Uwert);
    json.Number(QStringLiteral("SprossenLaenge"), element.SprossenLaenge);
    json.EndObject();
}

void WriteProject(TJsonWriter& json, TFassadenSatz& satz) {
    json.String(QStringLiteral("kind"), QStringLiteral("project"));
    json.Integer(QStringLiteral("Fenstertyp"), satz.Fenstertyp);
    json.Boolean(QStringLiteral("Fassade"), satz.Fassade);
    json.Integer(QStringLiteral("AnzahlHorizontal"), satz.AnzahlHorizontal);
    json.Integer(QStringLiteral("AnzahlVertikal"), satz.AnzahlVertikal);
    json.Number(QStringLiteral("Gesamtbreite"), satz.Gesamtbreite);
    json.Number(QStringLiteral("Gesamthoehe"), satz.Gesamthoehe);
    json.Number(QStringLiteral("ErgebnisFlaecheGesamt"), satz.ErgebnisFlaecheGesamt);
    json.Number(QStringLiteral("ErgebnisFlaecheRahmen"), satz.ErgebnisFlaecheRahmen);
    json.Number(QStringLiteral("ErgebnisFlaecheGlase"), satz.ErgebnisFlaecheGlase);
    json.Number(QStringLiteral("ErgebnisUwertGesamt"), satz.ErgebnisUwertGesamt);
    json.Number(QStringLiteral("ErgebnisUGlas"), satz.ErgebnisUGlas);
    json.Number(QStringLiteral("ErgebnisURahmen"), satz.ErgebnisURahmen);
    json.Number(QStringLiteral("ErgebnisProzentRahmen"), satz.ErgebnisProzentRahmen);
    json.Number(QStringLiteral("ErgebnisGlasrandlaenge"), satz.ErgebnisGlasrandlaenge);
    json.Number(QStringLiteral("ErgebnisSprossenlaenge"), satz.ErgebnisSprossenlaenge);
    json.BeginArray(QStringLiteral("elements"));
    for (const TElement& element : satz.Elemente) {
        WriteElement(json, satz, element);
    }
    json.EndArray();
}

void WriteComparison(TJsonWriter& json, const TWESDatensatz& satz) {
    json.String(QStringLiteral("kind"), QStringLiteral("comparison"));
    json.Number(QStringLiteral("FDiffernzWaermeverluste"), satz.FDiffernzWaermeverluste);
    json.Number(QStringLiteral("FDifferenzWaermebedarf"), satz.FDifferenzWaermebedarf);
    json.Number(QStringLiteral("FDifferenzHeizoelBedarf"), satz.FDifferenzHeizoelBedarf);
    json.Number(QStringLiteral("FDiffernzHeizoelKosten"), satz.FDiffernzHeizoelKosten);
    json.Number(QStringLiteral("FDifferenzCO2"), satz.FDifferenzCO2);
}

} // namespace

int CalcCommand(const QStringList& arguments, TStreams streams) {
    if (arguments.size() != 1) {
        PrintUsage(streams.err);
        return ExitUsage;
    }
    const QString& fileName = arguments[0];
    TOpenedFile opened;
    const TFileResult result = OpenFile(fileName, opened);
    if (!result.Ok()) {
        return FileError(streams, fileName, result.Error);
    }
    TJsonWriter json;
    json.BeginObject();
    if (opened.Kind == TFileKind::Comparison) {
        opened.Comparison.Rechne();
        WriteComparison(json, opened.Comparison);
    } else {
        opened.Project.Rechne();
        WriteProject(json, opened.Project);
    }
    json.EndObject();
    streams.out << json.Text();
    return ExitOk;
}

} // namespace vitrano::cli
