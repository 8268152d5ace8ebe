#include "l10n/SortedTexts.h"

#include <algorithm>

namespace vitrano {

namespace {

bool Before(const QString& left, const QString& right) {
    return QString::compare(left, right, Qt::CaseInsensitive) < 0;
}

} // namespace

QStringList::const_iterator TSortedTexts::LowerBound(const QString& text) const {
    return std::lower_bound(FTexts.cbegin(), FTexts.cend(), text, Before);
}

bool TSortedTexts::Contains(const QString& text) const {
    const auto position = LowerBound(text);
    return position != FTexts.cend() && !Before(text, *position);
}

void TSortedTexts::Add(const QString& text) {
    const auto position = LowerBound(text);
    if (position != FTexts.cend() && !Before(text, *position)) {
        return;
    }
    FTexts.insert(position - FTexts.cbegin(), text);
}

} // namespace vitrano
