#pragma once

#include "core/BerechnungsParameter.h"
#include "core/Element.h"
#include "core/ElementListe.h"
#include "core/Published.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace vitrano {

// The elements of a record, row by row from the top, left to right. Elements
// are held by owning pointers, so references to them (element lists, the
// record's grid index) survive adding and inserting further elements.
class TElemente {
public:
    static constexpr std::string_view ClassName = "TElemente";
    using ItemType = TElement;

    TElemente();
    TElemente(const TElemente& source);
    TElemente& operator=(const TElemente& source);
    TElemente(TElemente&& source) noexcept;
    TElemente& operator=(TElemente&& source) noexcept;
    ~TElemente();

    // Clears the collection, adds a copy of every source item, then takes the
    // source's calculation parameters.
    void Assign(const TElemente& source);

    TElement& Add();
    TElement& Insert(int index);
    void Delete(int index);
    void Clear();
    int Count() const { return static_cast<int>(FItems.size()); }
    TElement& GetItem(int index);
    const TElement& GetItem(int index) const;
    // Assigns the given element into the existing item.
    void SetItem(int index, const TElement& element);

    void SetParameter(const TBerechnungsParameter& parameter);
    const TBerechnungsParameter& Parameter() const { return FParameter; }

    // Changes whenever items are added, inserted or removed; a grid index
    // built for another value is out of date.
    std::uint64_t StructureVersion() const { return FStructureVersion; }

    // Calculation over all elements, visible or not, in collection order.
    void InnenlaengenBerechnen();
    double GetGesamtFlaeche() const;
    double GetRahmenFlaeche() const;
    double GetGlasFlaeche() const; // rounded to four decimals
    double GetGlasRandLaenge() const;
    double GetSprossenLaenge() const;
    double GetUWertGesamt() const;
    double GetUWertGlas() const;
    double GetUWertRahmen() const;
    double GetAnteilRahmen() const;
    double GetDichtungsFlaeche() const; // rounded to four decimals

    // Selection and rows/columns (positions are set by the record's grid index).
    int CountChecked() const;
    TElementListe GetCheckedElements();
    TElement* GetFirstChecked();
    TElement* GetLastChecked();
    TElementListe ElementeZuZeile(int zeile);
    TElementListe ElementeZuSpalte(int spalte);
    // Resize every checked element; the caller recalculates the record.
    void BreiteAendern(double breite);
    void HoeheAendern(double hoehe);

    static constexpr auto Published() { return std::tuple<>(); }

    // Range access to the elements themselves.
    template <class Item, class Base>
    class ItemIterator {
    public:
        explicit ItemIterator(Base position)
            : FPosition(position) {}
        Item& operator*() const { return **FPosition; }
        Item* operator->() const { return FPosition->get(); }
        ItemIterator& operator++() {
            ++FPosition;
            return *this;
        }
        bool operator==(const ItemIterator& other) const { return FPosition == other.FPosition; }

    private:
        Base FPosition;
    };
    using Items = std::vector<std::unique_ptr<TElement>>;
    auto begin() { return ItemIterator<TElement, Items::iterator>(FItems.begin()); }
    auto end() { return ItemIterator<TElement, Items::iterator>(FItems.end()); }
    auto begin() const {
        return ItemIterator<const TElement, Items::const_iterator>(FItems.begin());
    }
    auto end() const { return ItemIterator<const TElement, Items::const_iterator>(FItems.end()); }

private:
    Items FItems;
    TBerechnungsParameter FParameter;
    std::uint64_t FStructureVersion;

    void StructureChanged();
    void CheckIndex(int index) const;
};

} // namespace vitrano
