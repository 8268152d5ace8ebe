#include "core/Elemente.h"

#include "core/CoreErrors.h"
#include "core/DecimalRounding.h"
#include "core/FiniteCheck.h"

#include <atomic>

namespace vitrano {

namespace {
constexpr double AreaThreshold = 1e-4;

// Versions are unique across all collections of the process, so a grid index
// never mistakes another collection's items for its own.
std::uint64_t NextStructureVersion() {
    static std::atomic<std::uint64_t> counter{0};
    return ++counter;
}

template <class Value>
double Sum(const TElemente& elemente, Value value) {
    double sum = 0.0;
    for (const TElement& element : elemente) {
        sum = Finite(sum + value(element));
    }
    return sum;
}
} // namespace

TElemente::TElemente()
    : FStructureVersion(NextStructureVersion()) {}

TElemente::TElemente(const TElemente& source)
    : TElemente() {
    Assign(source);
}

TElemente& TElemente::operator=(const TElemente& source) {
    Assign(source);
    return *this;
}

TElemente::TElemente(TElemente&& source) noexcept
    : FItems(std::move(source.FItems))
    , FParameter(source.FParameter)
    , FStructureVersion(NextStructureVersion()) {
    source.StructureChanged();
}

TElemente& TElemente::operator=(TElemente&& source) noexcept {
    FItems = std::move(source.FItems);
    FParameter = source.FParameter;
    StructureChanged();
    source.StructureChanged();
    return *this;
}

TElemente::~TElemente() = default;

void TElemente::Assign(const TElemente& source) {
    if (&source == this) {
        return;
    }
    Clear();
    FItems.reserve(source.FItems.size());
    for (const TElement& item : source) {
        Add().Assign(item);
    }
    FParameter = source.FParameter;
}

TElement& TElemente::Add() {
    FItems.push_back(std::make_unique<TElement>());
    StructureChanged();
    return *FItems.back();
}

TElement& TElemente::Insert(int index) {
    if (index < 0 || index > Count()) {
        throw EListError(index);
    }
    auto inserted = FItems.insert(FItems.begin() + index, std::make_unique<TElement>());
    StructureChanged();
    return **inserted;
}

void TElemente::Delete(int index) {
    CheckIndex(index);
    FItems.erase(FItems.begin() + index);
    StructureChanged();
}

void TElemente::Clear() {
    FItems.clear();
    StructureChanged();
}

TElement& TElemente::GetItem(int index) {
    CheckIndex(index);
    return *FItems[static_cast<std::size_t>(index)];
}

const TElement& TElemente::GetItem(int index) const {
    CheckIndex(index);
    return *FItems[static_cast<std::size_t>(index)];
}

void TElemente::SetItem(int index, const TElement& element) {
    GetItem(index).Assign(element);
}

void TElemente::SetParameter(const TBerechnungsParameter& parameter) {
    FParameter = parameter;
    for (TElement& element : *this) {
        element.SetParameter(parameter);
    }
}

void TElemente::StructureChanged() {
    FStructureVersion = NextStructureVersion();
}

void TElemente::CheckIndex(int index) const {
    if (index < 0 || index >= Count()) {
        throw EListError(index);
    }
}

void TElemente::InnenlaengenBerechnen() {
    for (TElement& element : *this) {
        element.Rahmen.InnenlaengenBerechnen();
    }
}

double TElemente::GetGesamtFlaeche() const {
    return Sum(*this, [](const TElement& e) { return e.FlaecheElement; });
}

double TElemente::GetRahmenFlaeche() const {
    return Sum(*this, [](const TElement& e) { return e.Rahmen.FGesamtRahmenflaeche; });
}

double TElemente::GetGlasFlaeche() const {
    return RoundToDecimals(Sum(*this, [](const TElement& e) { return e.FlaecheFuellung; }), 4);
}

double TElemente::GetGlasRandLaenge() const {
    return Sum(*this, [](const TElement& e) { return e.Rahmen.GetGlasrandlaenge(); });
}

double TElemente::GetSprossenLaenge() const {
    return Sum(*this, [](const TElement& e) { return e.SprossenLaenge; });
}

double TElemente::GetUWertGesamt() const {
    try {
        const double flaeche = GetGesamtFlaeche();
        if (flaeche <= AreaThreshold) {
            return 0.0;
        }
        return Finite(Sum(*this, [](const TElement& e) { return e.FlaecheElement * e.Uwert; }) /
                      flaeche);
    } catch (const ECalcError&) {
        return 0.0;
    }
}

double TElemente::GetUWertGlas() const {
    try {
        const double flaeche = GetGlasFlaeche();
        if (flaeche <= AreaThreshold) {
            return 0.0;
        }
        return Finite(
            Sum(*this, [](const TElement& e) { return e.FlaecheFuellung * e.Fuellung.UWert; }) /
            flaeche);
    } catch (const ECalcError&) {
        return 0.0;
    }
}

double TElemente::GetUWertRahmen() const {
    try {
        const double flaeche = GetRahmenFlaeche();
        if (flaeche <= AreaThreshold) {
            return 0.0;
        }
        return Finite(
            Sum(*this,
                [](const TElement& e) { return e.Rahmen.FGesamtRahmenflaeche * e.Rahmen.FUWert; }) /
            flaeche);
    } catch (const ECalcError&) {
        return 0.0;
    }
}

double TElemente::GetAnteilRahmen() const {
    const double flaeche = GetGesamtFlaeche();
    if (flaeche <= AreaThreshold) {
        return 0.0;
    }
    return Finite(GetRahmenFlaeche() * 100.0 / flaeche);
}

double TElemente::GetDichtungsFlaeche() const {
    return RoundToDecimals(
        Sum(*this, [](const TElement& e) { return e.Rahmen.FGesamtDichtungsFlaeche; }), 4);
}

} // namespace vitrano
