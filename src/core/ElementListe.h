#pragma once

#include "core/CoreErrors.h"

#include <vector>

namespace vitrano {

class TElement;

// A non-owning list of elements returned by the selection and row/column
// queries. The elements stay owned by their collection; the references are
// valid while no element is removed from it.
class TElementListe {
public:
    void Add(TElement* element) { FItems.push_back(element); }

    TElement* Get(int index) const {
        CheckIndex(index);
        return FItems[static_cast<std::size_t>(index)];
    }

    void Put(int index, TElement* element) {
        CheckIndex(index);
        FItems[static_cast<std::size_t>(index)] = element;
    }

    int Count() const { return static_cast<int>(FItems.size()); }

    auto begin() const { return FItems.begin(); }
    auto end() const { return FItems.end(); }

private:
    std::vector<TElement*> FItems;

    void CheckIndex(int index) const {
        if (index < 0 || index >= Count()) {
            throw EListError(index);
        }
    }
};

} // namespace vitrano
