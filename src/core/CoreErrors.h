#pragma once

#include <stdexcept>

namespace vitrano {

// Raised by list-like containers for an index outside their items (for
// example taking the top of an empty undo stack).
class EListError : public std::out_of_range {
public:
    explicit EListError(int index)
        : std::out_of_range("List index out of bounds (" + std::to_string(index) + ")") {}
};

// A calculation step produced a value that is not a finite number (overflow,
// division by zero, invalid operation). The calculation stops the step
// concerned and keeps the results written before.
class ECalcError : public std::runtime_error {
public:
    ECalcError()
        : std::runtime_error("floating point error in calculation") {}
};

} // namespace vitrano
