#pragma once

#include <QString>

namespace vitrano {

// Outcome of reading or writing a file: empty error text on success.
struct TFileResult {
    QString Error;

    bool Ok() const { return Error.isEmpty(); }
    static TFileResult Success() { return {}; }
    static TFileResult Failure(const QString& error) { return {error}; }
};

} // namespace vitrano
