#include "core/FenstertypBild.h"

#include <array>

namespace vitrano {

namespace {

constexpr std::array<const char16_t*, LetzterFenstertyp> Kurznamen = {
    u"einfl", u"zweifl",   u"dreifl",   u"einflOber", u"zweiflOber",
    u"fest",  u"vertikal", u"zweiteil", u"horizontal"};

} // namespace

QString FenstertypKurzname(int fenstertyp) {
    if (fenstertyp < ErsterFenstertyp || fenstertyp > LetzterFenstertyp) {
        return {};
    }
    return QString::fromUtf16(Kurznamen[static_cast<std::size_t>(fenstertyp - 1)]);
}

QString FenstertypBilddatei(int fenstertyp) {
    const QString kurzname = FenstertypKurzname(fenstertyp);
    if (kurzname.isEmpty()) {
        return {};
    }
    return QStringLiteral("fenster_") + kurzname + QStringLiteral(".jpg");
}

} // namespace vitrano
