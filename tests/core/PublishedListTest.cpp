// The published-property lists are the file format: names and order must stay
// exactly as saved files have them, and declared defaults must match what a
// freshly constructed object holds.

#include "core/FassadenSatz.h"
#include "core/Published.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vitrano {
namespace {

template <PublishedClass C>
std::vector<std::string> PublishedNames() {
    std::vector<std::string> names;
    ForEachPublished<C>([&names](const auto& property) { names.emplace_back(property.name); });
    return names;
}

using Names = std::vector<std::string>;

TEST(PublishedLists, FourSidedValues) {
    const Names sides = {"Oben", "Unten", "Links", "Rechts"};
    EXPECT_EQ(PublishedNames<TRealQuadrupel>(), sides);
    EXPECT_EQ(PublishedNames<TStringQuadrupel>(), sides);
    EXPECT_EQ(PublishedNames<TBoolQuadrupel>(), sides);
    EXPECT_EQ(PublishedNames<TIntQuadrupel>(), sides);
    EXPECT_EQ(TRealQuadrupel::ClassName, "TRealQuadrupel");
    EXPECT_EQ(TIntQuadrupel::ClassName, "TIntQuadrupel");
}

TEST(PublishedLists, InfillFrameAndElement) {
    EXPECT_EQ(PublishedNames<TGlas>(),
              (Names{"Material", "Bezeichnung", "UWert", "Farbe", "GWert"}));
    EXPECT_EQ(PublishedNames<TRahmen>(),
              (Names{"Material", "Bezeichnung", "Abstandshalter", "Rahmenbreite", "UWerte",
                     "PSIInnen", "PSIAussen", "LaengeInnen", "LaengeAussen", "FLaeche",
                     "DichtungsUberstand", "FLaecheDichtung"}));
    EXPECT_EQ(PublishedNames<TElement>(), (Names{"Sonderbauteil",
                                                 "SonderOeffnung",
                                                 "Bildname",
                                                 "Checked",
                                                 "Visible",
                                                 "Panele",
                                                 "Lage",
                                                 "Breite",
                                                 "Hoehe",
                                                 "FlaecheElement",
                                                 "Rahmen",
                                                 "Sonderrahmen",
                                                 "Fuellung",
                                                 "SonderFuellung",
                                                 "FlaecheFuellung",
                                                 "FlaecheSonderFuellung",
                                                 "Uwert",
                                                 "ManuellZeichnen",
                                                 "ZeileZeichnen",
                                                 "SpalteZeichnen",
                                                 "ElementZeichnen",
                                                 "FensterAlleRahmenGleich",
                                                 "GlasManuell",
                                                 "Sprossenaufteilung",
                                                 "Sprossentyp",
                                                 "SprossenPSI",
                                                 "SprossenLaenge"}));
    EXPECT_EQ(PublishedNames<TElemente>(), Names{});
    EXPECT_EQ(TElemente::ItemType::ClassName, "TElement");
}

TEST(PublishedLists, ObjectDataAndWindowSystem) {
    EXPECT_EQ(PublishedNames<TObjektdaten>(),
              (Names{"Firma", "Nutzer", "Objekt", "Fassadenabschnitt", "Stockwerk", "Positionsnr",
                     "Weiteres1", "Weiteres2", "Weiteres3"}));
    EXPECT_EQ(PublishedNames<TWERWindowSystem>(),
              (Names{"Name", "Material", "Hersteller", "FixedJamb", "FixedHead", "FixedSill",
                     "SashJamb", "SashHead", "SashSill", "Mullion"}));
    EXPECT_EQ(PublishedNames<TWERWindowSystemData>(), (Names{"UfValue", "Width", "GProtrusion"}));
}

TEST(PublishedLists, ProjectRecord) {
    EXPECT_EQ(PublishedNames<TFassadenSatz>(), (Names{"Fassade",
                                                      "RahmenManuell",
                                                      "AnzahlRahmen",
                                                      "Gesamtbreite",
                                                      "Gesamthoehe",
                                                      "AnzahlHorizontal",
                                                      "AnzahlVertikal",
                                                      "Objektdaten",
                                                      "Elemente",
                                                      "StandardMaterial",
                                                      "VerschraubungDeltaU",
                                                      "DruckRahmen",
                                                      "DruckGlas",
                                                      "DruckAbstand",
                                                      "DruckPaneel",
                                                      "DruckBild",
                                                      "ErgebnisFlaecheGesamt",
                                                      "ErgebnisFlaecheRahmen",
                                                      "ErgebnisFlaecheGlase",
                                                      "ErgebnisUwertGesamt",
                                                      "ErgebnisUGlas",
                                                      "ErgebnisURahmen",
                                                      "ErgebnisProzentRahmen",
                                                      "ErgebnisGlasrandlaenge",
                                                      "ErgebnisSprossenlaenge",
                                                      "Fenstertyp",
                                                      "FensterPsiBasis",
                                                      "FensterPsiKorrektur",
                                                      "FensterGlasdickeAussen",
                                                      "FensterGlasdickeInnen",
                                                      "WindowEnergyType",
                                                      "Airleakage",
                                                      "OpeningLightLength",
                                                      "UValueHotBox",
                                                      "HotBox",
                                                      "HotBoxProduct",
                                                      "WindowSystem"}));
}

TEST(PublishedLists, PropertyKindsFollowTheMemberTypes) {
    constexpr auto properties = TElement::Published();
    static_assert(std::get<0>(properties).Kind == PropertyKind::Boolean);
    static_assert(std::get<1>(properties).Kind == PropertyKind::String);
    static_assert(std::get<6>(properties).Kind == PropertyKind::Object);
    static_assert(std::get<7>(properties).Kind == PropertyKind::Real);
    static_assert(std::get<23>(properties).Kind == PropertyKind::Integer);
    static_assert(std::get<8>(TFassadenSatz::Published()).Kind == PropertyKind::Collection);
    EXPECT_EQ(std::get<7>(properties).setter, &TElement::SetBreite);
}

// Every declared default equals the value of a freshly constructed object;
// walks nested objects as the file writer does.
template <PublishedClass C>
void ExpectDefaultsMatchConstruction(const C& fresh, const std::string& path) {
    ForEachPublished<C>([&](const auto& property) {
        using T = typename std::decay_t<decltype(property)>::ValueType;
        const std::string where = path + "." + std::string(property.name);
        SCOPED_TRACE(where);
        EXPECT_TRUE(property.stored);
        if constexpr (std::is_same_v<T, QString>) {
            EXPECT_EQ(property.Get(fresh),
                      QString::fromUtf8(property.declaredDefault.data(),
                                        static_cast<qsizetype>(property.declaredDefault.size())));
        } else if constexpr (std::is_arithmetic_v<T>) {
            EXPECT_EQ(property.Get(fresh), property.declaredDefault);
        } else if constexpr (!PublishedCollection<T>) {
            ExpectDefaultsMatchConstruction(property.Get(fresh), where);
        }
    });
}

TEST(PublishedLists, DeclaredDefaultsMatchAFreshRecord) {
    const TFassadenSatz satz;
    ExpectDefaultsMatchConstruction(satz, "TFassadenSatz");
    ExpectDefaultsMatchConstruction(TElement(), "TElement");
    EXPECT_EQ(satz.Airleakage, 0.1);
    EXPECT_EQ(satz.OpeningLightLength, 4.19);
    EXPECT_EQ(satz.WindowSystem.Material, QStringLiteral("PVC"));
    EXPECT_EQ(satz.WindowSystem.SashSill.Width, 0.058);
    EXPECT_EQ(satz.Elemente.Count(), 0);
    EXPECT_FALSE(satz.IsEnergyRating());
}

} // namespace
} // namespace vitrano
