#pragma once

// Four-sided values, always ordered top, bottom, left, right.

#include "core/Published.h"

#include <QString>

namespace vitrano {

enum class TSeite { Oben, Unten, Links, Rechts };

inline constexpr TSeite AlleSeiten[] = {TSeite::Oben, TSeite::Unten, TSeite::Links, TSeite::Rechts};

template <class T, FixedName Name>
struct TQuadrupel {
    static constexpr std::string_view ClassName = Name.View();

    T Oben{};
    T Unten{};
    T Links{};
    T Rechts{};

    void Assign(const TQuadrupel& source) { *this = source; }

    void ClearValues() { *this = TQuadrupel{}; }

    T& operator[](TSeite seite) {
        switch (seite) {
        case TSeite::Oben:
            return Oben;
        case TSeite::Unten:
            return Unten;
        case TSeite::Links:
            return Links;
        case TSeite::Rechts:
            break;
        }
        return Rechts;
    }
    const T& operator[](TSeite seite) const { return const_cast<TQuadrupel&>(*this)[seite]; }

    bool operator==(const TQuadrupel&) const = default;

    static constexpr auto Published() {
        return std::make_tuple(
            Publish("Oben", &TQuadrupel::Oben), Publish("Unten", &TQuadrupel::Unten),
            Publish("Links", &TQuadrupel::Links), Publish("Rechts", &TQuadrupel::Rechts));
    }
};

using TRealQuadrupel = TQuadrupel<double, "TRealQuadrupel">;
using TStringQuadrupel = TQuadrupel<QString, "TStringQuadrupel">;
using TBoolQuadrupel = TQuadrupel<bool, "TBoolQuadrupel">;
using TIntQuadrupel = TQuadrupel<int, "TIntQuadrupel">;

} // namespace vitrano
