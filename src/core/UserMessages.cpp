#include "core/UserMessages.h"

#include <cstdio>

namespace vitrano {

namespace {
TMessageReceiver& Receiver() {
    static TMessageReceiver receiver;
    return receiver;
}
} // namespace

TMessageReceiver SetMessageReceiver(TMessageReceiver receiver) {
    TMessageReceiver previous = std::move(Receiver());
    Receiver() = std::move(receiver);
    return previous;
}

void ShowUserMessage(const QString& text) {
    if (Receiver()) {
        Receiver()(text);
        return;
    }
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

} // namespace vitrano
