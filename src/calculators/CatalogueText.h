#pragma once

#include <QString>
#include <QStringView>

namespace vitrano {

// The text of a message-catalogue identifier such as "strZeile", in the interface language; an
// unknown identifier gives itself back, so that a missing text shows up instead of vanishing.
QString CatalogueText(QStringView identifier);

} // namespace vitrano
