#include "files/FileKind.h"

namespace vitrano {

TFileKind FileKindOf(const QString& fileName) {
    const QString lower = fileName.toLower();
    if (lower.endsWith(QStringLiteral(".ucw")) || lower.endsWith(QStringLiteral(".zelvik"))) {
        return TFileKind::LegacyProject;
    }
    if (lower.endsWith(QStringLiteral(".xwes"))) {
        return TFileKind::Comparison;
    }
    return TFileKind::Project;
}

} // namespace vitrano
