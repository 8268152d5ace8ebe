#pragma once

// Messages for the user from layers that know no widgets. The desktop program
// shows them in message boxes, the command-line program prints them as
// errors, tests record them. Without a receiver they go to standard error.

#include <QString>
#include <functional>

namespace vitrano {

using TMessageReceiver = std::function<void(const QString& text)>;

// Installs the receiver and returns the previous one (empty for the default).
TMessageReceiver SetMessageReceiver(TMessageReceiver receiver);

void ShowUserMessage(const QString& text);

// Installs a receiver for the lifetime of the object and restores the
// previous one afterwards (for tests and batch jobs).
class TScopedMessageReceiver {
public:
    explicit TScopedMessageReceiver(TMessageReceiver receiver)
        : FPrevious(SetMessageReceiver(std::move(receiver))) {}
    ~TScopedMessageReceiver() { SetMessageReceiver(std::move(FPrevious)); }
    TScopedMessageReceiver(const TScopedMessageReceiver&) = delete;
    TScopedMessageReceiver& operator=(const TScopedMessageReceiver&) = delete;

private:
    TMessageReceiver FPrevious;
};

} // namespace vitrano
