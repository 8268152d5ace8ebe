#pragma once

#include <QString>

namespace vitrano {

// The product variant, fixed when the program is built.
enum class TEdition { Vitrano, Belvaro, Morvena };

TEdition BuildEdition();

// Window caption and application title of an edition.
QString EditionProgramTitle(TEdition edition);

} // namespace vitrano
