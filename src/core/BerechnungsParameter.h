#pragma once

namespace vitrano {

// Record-level inputs of the calculation that every element needs. Elements,
// frames and infills hold their own copy, refreshed by the record's Rechne, so
// that no copy of a record points into another one.
struct TBerechnungsParameter {
    bool FFassade = false;
    int FFensterTyp = 0;
    double FDeltaUVerschraubung = 0.0;

    void Assign(const TBerechnungsParameter& source) { *this = source; }

    bool operator==(const TBerechnungsParameter&) const = default;
};

} // namespace vitrano
