// vitrano-cli convert IN OUT: writes any project file (XML or old binary) as
// an XML project file.

#include "cli/Commands.h"
#include "cli/OpenedFile.h"
#include "files/ProjectFile.h"

namespace vitrano::cli {

int ConvertCommand(const QStringList& arguments, TStreams streams) {
    if (arguments.size() != 2) {
        PrintUsage(streams.err);
        return ExitUsage;
    }
    const QString& input = arguments[0];
    const QString& output = arguments[1];
    TOpenedFile opened;
    if (const int status = OpenProjectArgument(
            input, QStringLiteral("a comparison file is not a project"), opened, streams);
        status != ExitOk) {
        return status;
    }
    const TFileResult written = SaveProjectFile(output, opened.Project);
    if (!written.Ok()) {
        return FileError(streams, output, written.Error);
    }
    return ExitOk;
}

} // namespace vitrano::cli
