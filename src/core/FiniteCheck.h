#pragma once

#include "core/CoreErrors.h"

#include <cmath>

namespace vitrano {

// Every stored result of the calculation passes through here: a value that
// overflowed or came from an invalid operation stops the step instead of
// spreading into the record.
inline double Finite(double value) {
    if (!std::isfinite(value)) {
        throw ECalcError();
    }
    return value;
}

} // namespace vitrano
