#include "calculators/CatalogueText.h"

#include "l10n/FRStringResource.h"

namespace vitrano {

QString CatalogueText(QStringView identifier) {
    return Msg(identifier);
}

} // namespace vitrano
