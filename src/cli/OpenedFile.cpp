#include "cli/OpenedFile.h"

#include "core/UserMessages.h"
#include "files/ComparisonFile.h"
#include "files/LegacyImport.h"
#include "files/ProjectFile.h"

#include <QStringList>

namespace vitrano::cli {

TFileResult OpenFile(const QString& fileName, TOpenedFile& opened) {
    QStringList messages;
    TScopedMessageReceiver receiver(
        [&messages](const QString& text) { messages << text.simplified(); });
    opened.Kind = FileKindOf(fileName);
    TFileResult result;
    switch (opened.Kind) {
    case TFileKind::LegacyProject:
        result = ImportLegacyFile(fileName, opened.Project);
        break;
    case TFileKind::Comparison:
        result = LoadComparisonFile(fileName, opened.Comparison);
        break;
    case TFileKind::Project:
        result = LoadProjectFile(fileName, opened.Project);
        break;
    }
    if (!result.Ok() && !messages.isEmpty()) {
        result.Error = messages.join(QLatin1Char(' '));
    }
    return result;
}

} // namespace vitrano::cli
