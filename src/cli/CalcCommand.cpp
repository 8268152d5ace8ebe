// vitrano-cli calc FILE: calculates a project or comparison and prints the
// results as one JSON object.

#include "calculators/TauwasserCalculator.h"
#include "cli/Commands.h"
#include "cli/JsonWriter.h"
#include "cli/OpenedFile.h"
#include "core/UserMessages.h"
#include "rating/EnergyRating.h"
#include "refdata/PsiTabellenLaden.h"

#include <optional>

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

void WriteRating(TJsonWriter& json, const TFassadenSatz& satz) {
    const double energyIndex = GetBFRCRating(satz);
    const TRatingBand band = RatingForEnergyIndex(energyIndex);
    json.BeginObject(QStringLiteral("rating"));
    json.Number(QStringLiteral("LFactor"), GetLFactor(satz));
    json.Number(QStringLiteral("SolarFactor"), GetSolarFactor(satz));
    json.Number(QStringLiteral("UwWER"), GetUwWER(satz));
    json.Number(QStringLiteral("GwWER"), GetGwWER(satz));
    json.Number(QStringLiteral("EnergyIndex"), energyIndex);
    json.Integer(QStringLiteral("Index"), band.Index);
    json.String(QStringLiteral("Letter"), band.Letter);
    json.EndObject();
}

struct TCondensationInputs {
    int inside;
    int outside;
    int humidity;
};

void WriteCondensation(TJsonWriter& json, TFassadenSatz& satz, const TCondensationInputs& inputs) {
    TTauwasserCalculator calculator;
    calculator.SetDatensatz(&satz);
    calculator.SetEinnentemp(inputs.inside);
    calculator.SetAussentemp(inputs.outside);
    calculator.SetRelFeuchte(inputs.humidity);
    const bool found = calculator.Rechne();
    int zeile = calculator.m_i;
    int spalte = calculator.m_j;
    int seite = TTauwasserCalculator::SeiteKeine;
    if (found) {
        calculator.KritischenGlasrandSuchen(zeile, spalte, seite);
    }
    json.BeginObject(QStringLiteral("condensation"));
    json.Integer(QStringLiteral("row"), found ? calculator.m_i : 0);
    json.Integer(QStringLiteral("column"), found ? calculator.m_j : 0);
    json.Integer(QStringLiteral("side"), seite);
    json.Number(QStringLiteral("fRsi"), calculator.m_fRsi);
    if (found) {
        json.Number(QStringLiteral("Tsi"), calculator.Anzeige().Tsi);
        json.Number(QStringLiteral("DewPoint"), calculator.Anzeige().Taupunkt);
        json.Boolean(QStringLiteral("Condensation"), calculator.Anzeige().Tauwasser);
    } else {
        json.Null(QStringLiteral("Tsi"));
        json.Null(QStringLiteral("DewPoint"));
        json.Null(QStringLiteral("Condensation"));
    }
    json.EndObject();
}

// Takes "--condensation TI TE RH" (whole numbers) out of the arguments.
bool TakeCondensation(QStringList& arguments, std::optional<TCondensationInputs>& inputs) {
    const qsizetype at = arguments.indexOf(QStringLiteral("--condensation"));
    if (at < 0) {
        return true;
    }
    if (at + 3 >= arguments.size()) {
        return false;
    }
    int values[3] = {};
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        values[i] = arguments[at + 1 + i].toInt(&ok);
        if (!ok) {
            return false;
        }
    }
    inputs = TCondensationInputs{values[0], values[1], values[2]};
    arguments.remove(at, 4);
    return true;
}

} // namespace

int CalcCommand(const QStringList& givenArguments, TStreams streams) {
    QStringList arguments = givenArguments;
    std::optional<TCondensationInputs> condensation;
    if (!TakeCondensation(arguments, condensation) || arguments.size() != 1) {
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
        TFassadenSatz& satz = opened.Project;
        {
            // A missing table is worth a warning, not a refusal: the
            // calculation itself does not look values up.
            TScopedMessageReceiver warnings([&streams](const QString& text) {
                streams.err << "vitrano-cli: warning: " << text.simplified() << "\n";
            });
            PsiTabellenLaden(satz.Fassade);
        }
        satz.Rechne();
        WriteProject(json, satz);
        if (satz.IsEnergyRating()) {
            WriteRating(json, satz);
        }
        if (condensation) {
            WriteCondensation(json, satz, *condensation);
        }
    }
    json.EndObject();
    streams.out << json.Text();
    return ExitOk;
}

} // namespace vitrano::cli
