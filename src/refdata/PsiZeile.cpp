#include "refdata/PsiZeile.h"

#include <charconv>
#include <cmath>
#include <string>

namespace vitrano {

namespace {

bool IstRandLeerzeichen(QChar c) {
    return c.unicode() <= u' ';
}

bool IstZiffer(QChar c) {
    return c >= u'0' && c <= u'9';
}

// Moves `position` behind a run of digits and tells how many there were.
qsizetype ZiffernUeberspringen(QStringView text, qsizetype& position) {
    const qsizetype start = position;
    while (position < text.size() && IstZiffer(text[position])) {
        ++position;
    }
    return position - start;
}

void VorzeichenUeberspringen(QStringView text, qsizetype& position) {
    if (position < text.size() && (text[position] == u'+' || text[position] == u'-')) {
        ++position;
    }
}

// Checks the shape of a real and returns it with '.' as separator for the conversion, or an
// empty text when the shape is wrong.
std::string RealMitPunkt(QStringView text, QChar dezimaltrenner) {
    qsizetype position = 0;
    VorzeichenUeberspringen(text, position);
    qsizetype ziffern = ZiffernUeberspringen(text, position);
    const qsizetype trennerPosition = position;
    if (position < text.size() && text[position] == dezimaltrenner) {
        ++position;
        ziffern += ZiffernUeberspringen(text, position);
    }
    if (ziffern == 0) {
        return {};
    }
    if (position < text.size() && (text[position] == u'e' || text[position] == u'E')) {
        ++position;
        VorzeichenUeberspringen(text, position);
        if (ZiffernUeberspringen(text, position) == 0) {
            return {};
        }
    }
    if (position != text.size()) {
        return {};
    }
    std::string ascii = text.toLatin1().toStdString();
    if (trennerPosition < text.size() && text[trennerPosition] == dezimaltrenner) {
        ascii[static_cast<std::size_t>(trennerPosition)] = '.';
    }
    // from_chars takes no leading '+'.
    if (ascii.front() == '+') {
        ascii.erase(0, 1);
    }
    return ascii;
}

} // namespace

QString OhneRandLeerzeichen(QStringView text) {
    qsizetype start = 0;
    qsizetype ende = text.size();
    while (start < ende && IstRandLeerzeichen(text[start])) {
        ++start;
    }
    while (ende > start && IstRandLeerzeichen(text[ende - 1])) {
        --ende;
    }
    return text.mid(start, ende - start).toString();
}

QStringList PsiZeileZerlegen(const QString& zeile) {
    QStringList felder;
    for (QStringView feld : QStringView(zeile).split(u';')) {
        felder.append(OhneRandLeerzeichen(feld));
    }
    return felder;
}

QString KleinAbisZ(QStringView text) {
    QString klein = text.toString();
    for (QChar& c : klein) {
        if (c >= u'A' && c <= u'Z') {
            c = QChar(c.unicode() + (u'a' - u'A'));
        }
    }
    return klein;
}

QString AufLaengeGekuerzt(const QString& text, int maxZeichen) {
    if (text.size() <= maxZeichen) {
        return text;
    }
    qsizetype laenge = maxZeichen;
    if (laenge > 0 && text[laenge - 1].isHighSurrogate() && text[laenge].isLowSurrogate()) {
        --laenge;
    }
    return text.left(laenge);
}

std::optional<double> TextZuReal(QStringView text, const TZahlenformat& format) {
    const QString getrimmt = OhneRandLeerzeichen(text);
    const std::string ascii = RealMitPunkt(getrimmt, format.Dezimaltrenner);
    if (ascii.empty()) {
        return std::nullopt;
    }
    double wert = 0.0;
    const char* ende = ascii.data() + ascii.size();
    const auto [stelle, fehler] = std::from_chars(ascii.data(), ende, wert);
    if (fehler != std::errc() || stelle != ende || !std::isfinite(wert)) {
        return std::nullopt;
    }
    return wert;
}

std::optional<int> TextZuInteger(QStringView text) {
    const QString getrimmt = OhneRandLeerzeichen(text);
    qsizetype position = 0;
    VorzeichenUeberspringen(getrimmt, position);
    if (ZiffernUeberspringen(getrimmt, position) == 0 || position != getrimmt.size()) {
        return std::nullopt;
    }
    std::string ascii = getrimmt.toLatin1().toStdString();
    if (ascii.front() == '+') {
        ascii.erase(0, 1);
    }
    int wert = 0;
    const char* ende = ascii.data() + ascii.size();
    const auto [stelle, fehler] = std::from_chars(ascii.data(), ende, wert);
    if (fehler != std::errc() || stelle != ende) {
        return std::nullopt;
    }
    return wert;
}

} // namespace vitrano
