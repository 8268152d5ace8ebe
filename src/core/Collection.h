#pragma once

// An owning collection of persistent items, for the catalogue classes. Items
// are held by owning pointers, so references to them stay valid while other
// items are added.

#include "core/CoreErrors.h"
#include "core/Published.h"

#include <memory>
#include <vector>

namespace vitrano {

template <class Item, FixedName Name>
class TCollection {
public:
    static constexpr std::string_view ClassName = Name.View();
    using ItemType = Item;

    TCollection() = default;
    TCollection(const TCollection& source) { Assign(source); }
    TCollection& operator=(const TCollection& source) {
        Assign(source);
        return *this;
    }
    TCollection(TCollection&&) noexcept = default;
    TCollection& operator=(TCollection&&) noexcept = default;
    ~TCollection() = default;

    // Replaces the items by copies of the source's items.
    void Assign(const TCollection& source) {
        if (&source == this) {
            return;
        }
        FItems.clear();
        for (const auto& item : source.FItems) {
            FItems.push_back(std::make_unique<Item>(*item));
        }
    }

    Item& Add() {
        FItems.push_back(std::make_unique<Item>());
        return *FItems.back();
    }
    Item& Insert(int index) {
        if (index < 0 || index > Count()) {
            throw EListError(index);
        }
        return **FItems.insert(FItems.begin() + index, std::make_unique<Item>());
    }
    void Delete(int index) {
        CheckIndex(index);
        FItems.erase(FItems.begin() + index);
    }
    void Clear() { FItems.clear(); }
    int Count() const { return static_cast<int>(FItems.size()); }
    Item& GetItem(int index) {
        CheckIndex(index);
        return *FItems[static_cast<std::size_t>(index)];
    }
    const Item& GetItem(int index) const {
        CheckIndex(index);
        return *FItems[static_cast<std::size_t>(index)];
    }

    static constexpr auto Published() { return std::tuple<>(); }

private:
    std::vector<std::unique_ptr<Item>> FItems;

    void CheckIndex(int index) const {
        if (index < 0 || index >= Count()) {
            throw EListError(index);
        }
    }
};

} // namespace vitrano
