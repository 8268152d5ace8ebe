#pragma once

// Table texts for tests: three header lines, then one line per row.

#include <QString>
#include <QStringList>

namespace vitrano::testing {

inline QString MitKopfzeilen(const QStringList& zeilen) {
    QString text = QStringLiteral("Kopf 1\nKopf 2\nKopf 3\n");
    for (const QString& zeile : zeilen) {
        text += zeile + u'\n';
    }
    return text;
}

} // namespace vitrano::testing
