#include "PublishedCompare.h"
#include "core/FassadenSatz.h"
#include "core/WERSystem.h"
#include "core/WESDatensatz.h"
#include "files/XmlPropertySerializer.h"

#include <gtest/gtest.h>

namespace vitrano {
namespace {

TFassadenSatz FullyPopulatedRecord() {
    TFassadenSatz satz;
    int counter = 0;
    test::FillPublished(satz, counter);
    return satz;
}

TXmlPropertySerializer FileLikeSerializer(const TNumberFormat& format) {
    TXmlPropertySerializer serializer;
    serializer.IgnoreUnknownTags = true;
    serializer.EscapeMarkup = true;
    serializer.NumberFormat = format;
    return serializer;
}

TEST(Serializer, FullyPopulatedRecordRoundTripsUnderBothSeparators) {
    const TFassadenSatz original = FullyPopulatedRecord();
    ASSERT_EQ(original.Elemente.Count(), 2);
    for (const TNumberFormat& written : {TNumberFormat::Comma(), TNumberFormat::Point()}) {
        for (const TNumberFormat& read : {TNumberFormat::Comma(), TNumberFormat::Point()}) {
            SCOPED_TRACE(testing::Message()
                         << "written with '" << written.DecimalSeparator.toLatin1()
                         << "', read with '" << read.DecimalSeparator.toLatin1() << "'");
            const QByteArray text = FileLikeSerializer(written).Serialize(original);
            TFassadenSatz loaded;
            FileLikeSerializer(read).DeSerialize(loaded, text);
            test::ExpectSamePublished(original, loaded, "TFassadenSatz");
        }
    }
}

TEST(Serializer, RealsUseTheSeparatorOfTheFormatInForce) {
    TFassadenSatz satz;
    satz.Gesamtbreite = 1.25;
    TXmlPropertySerializer serializer;
    serializer.NumberFormat = TNumberFormat::Comma();
    EXPECT_TRUE(serializer.Serialize(satz).contains("<Gesamtbreite>1,25</Gesamtbreite>"));
    serializer.NumberFormat = TNumberFormat::Point();
    EXPECT_TRUE(serializer.Serialize(satz).contains("<Gesamtbreite>1.25</Gesamtbreite>"));
}

TEST(Serializer, TextWithMarkupSurvivesWhenEscaped) {
    const QString texts[] = {
        QStringLiteral("a < b & c > d"),
        QStringLiteral("</Firma>"),
        QStringLiteral("<Nutzer>x</Nutzer>"),
        QStringLiteral("&lt; stays &amp;"),
        QStringLiteral("zwei\r\nZeilen\tmit Tab"),
        QStringLiteral("  Leerzeichen  "),
        QString(),
    };
    for (const QString& text : texts) {
        SCOPED_TRACE(text.toStdString());
        TFassadenSatz satz;
        satz.Objektdaten.Firma = text;
        satz.Objektdaten.Nutzer = QStringLiteral("danach");
        satz.DruckGlas = text;
        TFassadenSatz loaded;
        TXmlPropertySerializer serializer = FileLikeSerializer(TNumberFormat::Point());
        serializer.DeSerialize(loaded, serializer.Serialize(satz));
        EXPECT_EQ(loaded.Objektdaten.Firma, text);
        EXPECT_EQ(loaded.Objektdaten.Nutzer, QStringLiteral("danach"));
        EXPECT_EQ(loaded.DruckGlas, text);
    }
}

TEST(Serializer, WithoutEscapingTextIsWrittenVerbatimAsOldFilesHaveIt) {
    TFassadenSatz satz;
    satz.Objektdaten.Firma = QStringLiteral("Glas & Fenster <GmbH>");
    TXmlPropertySerializer plain;
    EXPECT_TRUE(plain.Serialize(satz).contains("<Firma>Glas & Fenster <GmbH></Firma>"));

    // Such a file reads back the same, also with escaping switched on,
    // because a bare "&" is no escape sequence.
    TFassadenSatz loaded;
    TXmlPropertySerializer reader = FileLikeSerializer(TNumberFormat::Point());
    reader.DeSerialize(loaded, plain.Serialize(satz));
    EXPECT_EQ(loaded.Objektdaten.Firma, QStringLiteral("Glas & Fenster <GmbH>"));
}

TEST(Serializer, ReplaceReservedSymbolsTouchesOnlyAngleBrackets) {
    TObjektdaten daten;
    daten.Firma = QStringLiteral("<a&b>");
    TXmlPropertySerializer serializer;
    serializer.ReplaceReservedSymbols = true;
    const QByteArray text = serializer.Serialize(daten);
    EXPECT_TRUE(text.contains("<Firma>&lt;a&b&gt;</Firma>"));
    TObjektdaten loaded;
    serializer.DeSerialize(loaded, text);
    EXPECT_EQ(loaded.Firma, daten.Firma);
}

TEST(Serializer, EmptyTextIsAnOpeningTagFollowedByItsClosingTag) {
    TObjektdaten daten;
    daten.Firma = QStringLiteral("X");
    const QByteArray text = TXmlPropertySerializer().Serialize(daten);
    EXPECT_TRUE(text.contains("\r\n\t<Nutzer></Nutzer>"));
    TObjektdaten loaded;
    loaded.Nutzer = QStringLiteral("vorher");
    TXmlPropertySerializer().DeSerialize(loaded, text);
    EXPECT_TRUE(loaded.Nutzer.isEmpty());
}

TEST(Serializer, UnformattedOutputIsOneLineAfterTheHeader) {
    TXmlPropertySerializer serializer;
    serializer.GenerateFormattedXML = false;
    serializer.DefaultXMLHeader = QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-8\" ?>");
    const QByteArray text = serializer.Serialize(FullyPopulatedRecord());
    EXPECT_FALSE(text.contains('\n'));
    EXPECT_FALSE(text.contains('\t'));
    EXPECT_TRUE(
        text.startsWith("<?xml version=\"1.0\" encoding=\"utf-8\" ?><TFassadenSatz><Fassade>"));
    TFassadenSatz loaded;
    serializer.DeSerialize(loaded, text);
    test::ExpectSamePublished(FullyPopulatedRecord(), loaded, "TFassadenSatz");
}

TEST(Serializer, HeaderComesFromTheEventBeforeTheDefault) {
    TObjektdaten daten;
    TXmlPropertySerializer serializer;
    serializer.DefaultXMLHeader = QStringLiteral("<default/>");
    EXPECT_TRUE(serializer.Serialize(daten).startsWith("<default/>\r\n<TObjektdaten>"));
    serializer.OnGetXMLHeader = [] { return QStringLiteral("<event/>"); };
    EXPECT_TRUE(serializer.Serialize(daten).startsWith("<event/>\r\n<TObjektdaten>"));
    serializer.OnGetXMLHeader = [] { return QString(); };
    EXPECT_TRUE(serializer.Serialize(daten).startsWith("<default/>"));
    EXPECT_TRUE(serializer.Serialize(daten).endsWith("\r\n</TObjektdaten>"));
}

TEST(Serializer, ExcludeOptionsLeaveOutEmptyTextsAndIntegerDefaults) {
    TFassadenSatz satz;
    satz.Fenstertyp = 3;
    TXmlPropertySerializer serializer;
    serializer.ExcludeEmptyValues = true;
    serializer.ExcludeDefaultValues = true;
    const QByteArray text = serializer.Serialize(satz);
    EXPECT_FALSE(text.contains("<DruckGlas>"));
    EXPECT_FALSE(text.contains("<AnzahlRahmen>"));
    EXPECT_TRUE(text.contains("<Fenstertyp>3</Fenstertyp>"));
    // Booleans and reals are never compared with their default.
    EXPECT_TRUE(text.contains("<Fassade>False</Fassade>"));
    EXPECT_TRUE(text.contains("<Gesamtbreite>0</Gesamtbreite>"));
}

TEST(Deserialize, EmptyOrForeignTextRaisesOpenTagNotFound) {
    for (const QByteArray& text :
         {QByteArray(), QByteArray("<Other><Fassade>True</Fassade></Other>")}) {
        TFassadenSatz satz;
        try {
            TXmlPropertySerializer().DeSerialize(satz, text);
            FAIL() << "no error";
        } catch (const EJvgXMLOpenTagNotFoundException& error) {
            EXPECT_EQ(error.Message(),
                      QStringLiteral(
                          "XMLSerializerException\r\n\r\nOpen tag not found: <TFassadenSatz>"));
        }
        EXPECT_FALSE(satz.Fassade);
    }
    TFassadenSatz satz;
    TXmlPropertySerializer lenient;
    lenient.StrongConformity = false;
    EXPECT_NO_THROW(lenient.DeSerialize(satz, QByteArray("nothing")));
}

TEST(Deserialize, UnknownTagIsAnErrorUnlessIgnored) {
    const QByteArray text = "<TObjektdaten><Firma>A</Firma><Telefon>123</Telefon>"
                            "<Nutzer>B</Nutzer></TObjektdaten>";
    TObjektdaten strict;
    try {
        TXmlPropertySerializer().DeSerialize(strict, text);
        FAIL() << "no error";
    } catch (const EJvgXMLUnknownPropertyException& error) {
        EXPECT_EQ(error.Message(),
                  QStringLiteral("XMLSerializerException\r\n\r\nUnknown property: Telefon"));
    }
    EXPECT_EQ(strict.Firma, QStringLiteral("A")); // read before the error, kept
    EXPECT_TRUE(strict.Nutzer.isEmpty());

    TObjektdaten lenient;
    TXmlPropertySerializer serializer;
    serializer.IgnoreUnknownTags = true;
    serializer.DeSerialize(lenient, text);
    EXPECT_EQ(lenient.Nutzer, QStringLiteral("B"));
}

TEST(Deserialize, MissingPropertyKeepsItsValue) {
    TFassadenSatz satz;
    satz.Fenstertyp = 7;
    TXmlPropertySerializer().DeSerialize(
        satz, "<TFassadenSatz>\r\n\t<Gesamtbreite>2,5</Gesamtbreite>\r\n</TFassadenSatz>");
    EXPECT_EQ(satz.Gesamtbreite, 2.5);
    EXPECT_EQ(satz.Fenstertyp, 7);
    EXPECT_EQ(satz.Airleakage, 0.1);
    EXPECT_EQ(satz.OpeningLightLength, 4.19);
}

TEST(Deserialize, CollectionItemsAreAppended) {
    TFassadenSatz source;
    source.SetFassadenTyp(100, 3, 1, 3.0, 1.0);
    const QByteArray text = TXmlPropertySerializer().Serialize(source);
    TFassadenSatz target;
    target.Elemente.Add();
    target.Elemente.Add();
    TXmlPropertySerializer().DeSerialize(target, text);
    EXPECT_EQ(target.Elemente.Count(), 5);
    EXPECT_EQ(target.Elemente.GetItem(4).Breite(), 1.0);
}

TEST(Deserialize, MisplacedClosingTagIsAnError) {
    // The frame's closing tag lies beyond the end of its element.
    const QByteArray text = "<TFassadenSatz><Elemente><TElement><Rahmen><Abstandshalter>1"
                            "</Abstandshalter></TElement></Rahmen></Elemente></TFassadenSatz>";
    TFassadenSatz satz;
    EXPECT_NO_THROW(TXmlPropertySerializer().DeSerialize(satz, text));
    EXPECT_EQ(satz.Elemente.Count(), 0); // the broken item is dropped

    TElement element;
    EXPECT_THROW(TXmlPropertySerializer().DeSerialize(
                     element, "<TElement><Rahmen><Abstandshalter>1</Abstandshalter></TElement>"),
                 EJvgXMLCloseTagNotFoundException);
}

TEST(Deserialize, UnconvertibleValueRaisesAndKeepsWhatWasRead) {
    TFassadenSatz satz;
    EXPECT_THROW(TXmlPropertySerializer().DeSerialize(
                     satz, "<TFassadenSatz><Fassade>True</Fassade><AnzahlRahmen>x</AnzahlRahmen>"
                           "<Gesamtbreite>2</Gesamtbreite></TFassadenSatz>"),
                 EConvertError);
    EXPECT_TRUE(satz.Fassade);
    EXPECT_EQ(satz.Gesamtbreite, 0.0);
}

TEST(Deserialize, EmptyItemsDoNotLoopForever) {
    TFassadenSatz satz;
    TXmlPropertySerializer().DeSerialize(
        satz, "<TFassadenSatz><Elemente><TElement></TElement><TElement></TElement></Elemente>"
              "</TFassadenSatz>");
    EXPECT_EQ(satz.Elemente.Count(), 2);
}

TEST(Deserialize, BeforeParsingMayChangeTheText) {
    TObjektdaten daten;
    TXmlPropertySerializer serializer;
    serializer.BeforeParsing = [](QString& text) {
        text.replace(QStringLiteral("alt"), QStringLiteral("neu"));
    };
    serializer.DeSerialize(daten, "<TObjektdaten><Firma>alt</Firma></TObjektdaten>");
    EXPECT_EQ(daten.Firma, QStringLiteral("neu"));
}

TEST(Deserialize, UnwrappedCollectionsRoundTrip) {
    TWERSystem catalogue;
    TWERManufacturer& maker = catalogue.Manufacturers.Add();
    maker.Name = QStringLiteral("M");
    maker.Systems.Add().Name = QStringLiteral("S1");
    maker.Systems.Add().Name = QStringLiteral("S2");
    TXmlPropertySerializer serializer;
    serializer.WrapCollections = false;
    const QByteArray text = serializer.Serialize(catalogue);
    EXPECT_FALSE(text.contains("<Systems>"));
    EXPECT_TRUE(text.contains("<TWERWindowSystem>"));
}

TEST(GenerateDTD, DescribesEveryElementOnce) {
    const QString dtd = QString::fromUtf8(TXmlPropertySerializer().GenerateDTD(TWERSystem()));
    EXPECT_EQ(dtd, QStringLiteral("<!ELEMENT TWERSystem (Manufacturers)>\r\n"
                                  "<!ELEMENT Manufacturers (|TWERManufacturer*)>\r\n"));
    const QString record = QString::fromUtf8(TXmlPropertySerializer().GenerateDTD(TFassadenSatz()));
    EXPECT_TRUE(
        record.startsWith(QStringLiteral("<!ELEMENT TFassadenSatz (Fassade|RahmenManuell|")));
    EXPECT_TRUE(record.contains(QStringLiteral("<!ELEMENT Elemente (|TElement*)>\r\n")));
    EXPECT_TRUE(record.contains(QStringLiteral(
        "<!ELEMENT WindowSystem (Name|Material|Hersteller|FixedJamb|FixedHead|FixedSill|SashJamb|"
        "SashHead|SashSill|Mullion)>\r\n")));
    EXPECT_EQ(record.count(QStringLiteral("<!ELEMENT Name (#PCDATA)>")), 1);
    EXPECT_EQ(record.count(QStringLiteral("<!ELEMENT UfValue (#PCDATA)>")), 1);
}

} // namespace
} // namespace vitrano
