#pragma once

#include "core/FassadenSatz.h"

#include <memory>
#include <vector>

namespace vitrano {

// The editor's undo history: a last-in-first-out stack of record copies,
// without a depth limit. The stack owns the copies it holds; a copy taken off
// it belongs to the caller.
class TFAssadenStack {
public:
    // Pushes a copy of the record; the record itself stays with the caller.
    void Push(const TFassadenSatz& satz);
    // Removes and returns the top copy. Throws EListError when empty.
    std::unique_ptr<TFassadenSatz> Pop();
    // The top copy, still owned by the stack. Throws EListError when empty.
    TFassadenSatz& Peek();
    int Count() const { return static_cast<int>(FCopies.size()); }
    void Clear() { FCopies.clear(); }

private:
    std::vector<std::unique_ptr<TFassadenSatz>> FCopies;
};

} // namespace vitrano
