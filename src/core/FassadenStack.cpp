#include "core/FassadenStack.h"

#include "core/CoreErrors.h"

namespace vitrano {

void TFAssadenStack::Push(const TFassadenSatz& satz) {
    auto copy = std::make_unique<TFassadenSatz>();
    copy->Assign(satz);
    FCopies.push_back(std::move(copy));
}

std::unique_ptr<TFassadenSatz> TFAssadenStack::Pop() {
    if (FCopies.empty()) {
        throw EListError(-1);
    }
    std::unique_ptr<TFassadenSatz> top = std::move(FCopies.back());
    FCopies.pop_back();
    return top;
}

TFassadenSatz& TFAssadenStack::Peek() {
    if (FCopies.empty()) {
        throw EListError(-1);
    }
    return *FCopies.back();
}

} // namespace vitrano
