#pragma once

// The window-system catalogue of the energy rating: manufacturers with their
// window systems.

#include "core/Collection.h"
#include "core/Published.h"
#include "core/WERWindowSystem.h"

#include <QString>

namespace vitrano {

class TWERWindowSystems : public TCollection<TWERWindowSystem, "TWERWindowSystems"> {
public:
    // Assigns the given system into the existing item.
    void SetItem(int index, const TWERWindowSystem& system) { GetItem(index).Assign(system); }
};

class TWERManufacturer {
public:
    static constexpr std::string_view ClassName = "TWERManufacturer";

    QString Name;
    TWERWindowSystems Systems;

    static constexpr auto Published() {
        return std::make_tuple(Publish("Name", &TWERManufacturer::Name),
                               Publish("Systems", &TWERManufacturer::Systems));
    }
};

using TWERManufacturers = TCollection<TWERManufacturer, "TWERManufacturers">;

class TWERSystem {
public:
    static constexpr std::string_view ClassName = "TWERSystem";

    TWERManufacturers Manufacturers;

    QString FFileName; // the file last loaded or saved
    bool FEditmode = false;

    static constexpr auto Published() {
        return std::make_tuple(Publish("Manufacturers", &TWERSystem::Manufacturers));
    }
};

} // namespace vitrano
