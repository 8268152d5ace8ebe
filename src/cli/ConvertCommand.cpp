// vitrano-cli convert IN OUT: writes any project file (XML or old binary) as
// an XML project file.

#include "cli/Commands.h"
#include "cli/OpenedFile.h"
#include "files/ProjectFile.h"

namespace vitrano::cli {

int ConvertCommand(const QStringList& arguments, TStreams streams) {
    TOpenedFile opened;
    if (const int status = OpenInOutArguments(
            arguments, QStringLiteral("a comparison file is not a project"), opened, streams);
        status != ExitOk) {
        return status;
    }
    const QString& output = arguments[1];
    const TFileResult written = SaveProjectFile(output, opened.Project);
    if (!written.Ok()) {
        return FileError(streams, output, written.Error);
    }
    return ExitOk;
}

} // namespace vitrano::cli
