#include "core/IniFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vitrano {
namespace {

const QString Default = QStringLiteral("<default>");

struct TReadCase {
    std::string Description;
    QString Text;
    QString Section;
    QString Key;
    QString Expected;
};

TEST(IniFile, ReadString) {
    const std::vector<TReadCase> cases = {
        {"plain value", "[Glas]\nUWert=1.1\n", "Glas", "UWert", "1.1"},
        {"section and key ignore case", "[Glas]\nUWert=1.1\n", "gLAS", "uwert", "1.1"},
        {"umlauts ignore case", "[Öffnung]\nÄnderung=ja\n", "öFFNUNG", "äNDERUNG", "ja"},
        {"key and value trimmed", "[A]\n  Key \t=  some value  \n", "A", "Key", "some value"},
        {"section name trimmed", "  [  A  ]  \nk=v\n", "A", "k", "v"},
        {"split at the first '='", "[A]\nk=a=b\n", "A", "k", "a=b"},
        {"empty value is not the default", "[A]\nk=\n", "A", "k", ""},
        {"double quotes removed", "[A]\nk=\"  spaced  \"\n", "A", "k", "  spaced  "},
        {"single quotes removed", "[A]\nk='x'\n", "A", "k", "x"},
        {"mismatched quotes kept", "[A]\nk=\"x'\n", "A", "k", "\"x'"},
        {"single quote character kept", "[A]\nk=\"\n", "A", "k", "\""},
        {"inner quotes kept", "[A]\nk=a \"b\" c\n", "A", "k", "a \"b\" c"},
        {"only the outer pair removed", "[A]\nk=\"\"x\"\"\n", "A", "k", "\"x\""},
        {"first key wins", "[A]\nk=1\nK=2\n", "A", "k", "1"},
        {"first section wins", "[A]\nk=1\n[a]\nk=2\n", "A", "k", "1"},
        {"repeated section is ignored", "[A]\nk=1\n[B]\n[a]\nonly=2\n", "A", "only", Default},
        {"keys after a repeated section do not leak", "[A]\n[B]\n[A]\nk=1\n", "B", "k", Default},
        {"';' comment", "[A]\n;k=1\nk=2\n", "A", "k", "2"},
        {"'#' comment", "[A]\n  #k=1\nk=2\n", "A", "k", "2"},
        {"';' inside a value is kept", "[A]\nk=1 ; note\n", "A", "k", "1 ; note"},
        {"line before any section ignored", "k=1\n[A]\n", "A", "k", Default},
        {"line without '=' ignored", "[A]\nk\nk=2\n", "A", "k", "2"},
        {"empty key ignored", "[A]\n=1\n", "A", "", Default},
        {"missing key", "[A]\nk=1\n", "A", "other", Default},
        {"missing section", "[A]\nk=1\n", "B", "k", Default},
        {"key from another section", "[A]\nk=1\n[B]\n", "B", "k", Default},
        {"empty text", "", "A", "k", Default},
        {"CR LF line ends", "[A]\r\nk=1\r\nm=2\r\n", "A", "m", "2"},
        {"CR line ends", "[A]\rk=1\rm=2\r", "A", "m", "2"},
        {"LF line ends, no final one", "[A]\nk=1\nm=2", "A", "m", "2"},
        {"mixed line ends", "[A]\r\nk=1\rm=2\nn=3", "A", "n", "3"},
        {"CR LF leaves no CR in the value", "[A]\r\nk=1\r\n", "A", "k", "1"},
        {"blank lines between", "[A]\n\n   \n\r\nk=1\n", "A", "k", "1"},
        {"header without ']' still opens the section", "[A]\n[B\nk=1\n", "B", "k", "1"},
        {"text after ']' ignored", "[A] ; main\nk=1\n", "A", "k", "1"},
    };
    for (const TReadCase& c : cases) {
        SCOPED_TRACE(c.Description);
        EXPECT_EQ(TIniFile::FromText(c.Text).ReadString(c.Section, c.Key, Default), c.Expected);
    }
}

TEST(IniFile, ReadStringWithoutDefaultGivesEmpty) {
    const TIniFile ini = TIniFile::FromText("[A]\nk=1\n");
    EXPECT_TRUE(ini.ReadString("A", "missing").isNull());
    EXPECT_TRUE(ini.ReadString("missing", "k").isNull());
}

TEST(IniFile, SectionExists) {
    const TIniFile ini = TIniFile::FromText("k=0\n[Empty]\n[Filled]\nk=1\n; [Commented]\n");
    const std::vector<std::pair<QString, bool>> cases = {
        {"Empty", true}, {"FILLED", true}, {"Commented", false}, {"k", false}, {"", false},
    };
    for (const auto& [section, exists] : cases) {
        SCOPED_TRACE(section.toStdString());
        EXPECT_EQ(ini.SectionExists(section), exists);
    }
}

TEST(IniFile, ReadSectionListsFirstOccurrencesInFileOrder) {
    const TIniFile ini = TIniFile::FromText("[A]\nZeta=1\nalpha=2\nZETA=3\n; c=0\nMid=4\n"
                                            "[B]\nb=1\n[a]\nlate=5\n");
    EXPECT_EQ(ini.ReadSection("a"), QStringList({"Zeta", "alpha", "Mid"}));
    EXPECT_EQ(ini.ReadSection("B"), QStringList({"b"}));
    EXPECT_TRUE(ini.ReadSection("missing").isEmpty());
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray Utf16LeWithBom(const QString& text) {
    QByteArray bytes("\xFF\xFE");
    for (QChar c : text) {
        bytes.append(static_cast<char>(c.unicode() & 0xFF));
        bytes.append(static_cast<char>(c.unicode() >> 8));
    }
    return bytes;
}

TEST(IniFile, LoadsUtf16LeFileWithBom) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("Glas.ini");
    WriteFile(path, Utf16LeWithBom(QString::fromUtf8("[Wärme]\r\nBezeichnung=Zweifach €\r\n")));

    const TIniFile ini = TIniFile::Load(path);
    EXPECT_EQ(ini.ReadString(QString::fromUtf8("wärme"), "bezeichnung"),
              QString::fromUtf8("Zweifach €"));
}

TEST(IniFile, LoadsWindows1252FileWithoutBom) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("Rahmen.ini");
    WriteFile(path, QByteArray("[Rahmen]\r\nName=Gr\xFC\xDF"
                               "e\r\n"));

    EXPECT_EQ(TIniFile::Load(path).ReadString("Rahmen", "Name"), QString::fromUtf8("Grüße"));
}

TEST(IniFile, MissingFileGivesEmptyIni) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const TIniFile ini = TIniFile::Load(dir.filePath("missing.ini"));
    EXPECT_FALSE(ini.SectionExists("A"));
    EXPECT_EQ(ini.ReadString("A", "k", Default), Default);
}

} // namespace
} // namespace vitrano
