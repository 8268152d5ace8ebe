#include "core/Edition.h"

namespace vitrano {

TEdition BuildEdition() {
#if defined(VITRANO_EDITION_Belvaro)
    return TEdition::Belvaro;
#elif defined(VITRANO_EDITION_Morvena)
    return TEdition::Morvena;
#else
    return TEdition::Vitrano;
#endif
}

QString EditionProgramTitle(TEdition edition) {
    switch (edition) {
    case TEdition::Belvaro:
        return QStringLiteral("Belvaro");
    case TEdition::Morvena:
        return QStringLiteral("Belvaro Morvena");
    case TEdition::Vitrano:
        break;
    }
    return QStringLiteral("Vitrano");
}

} // namespace vitrano
