#pragma once

#include <QStringView>
#include <span>

namespace vitrano {

// One message of the catalogue: the identifier code reads it by and its German text.
struct TCatalogueEntry {
    QStringView Identifier;
    QStringView German;
};

// Every message, in catalogue order.
std::span<const TCatalogueEntry> CatalogueEntries();

// Messages this program added to the catalogue, read and translated like the others.
std::span<const TCatalogueEntry> AddedCatalogueEntries();

} // namespace vitrano
