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
    const TFileResult read = OpenFile(input, opened);
    if (!read.Ok()) {
        return FileError(streams, input, read.Error);
    }
    if (opened.Kind == TFileKind::Comparison) {
        return FileError(streams, input, QStringLiteral("a comparison file is not a project"));
    }
    const TFileResult written = SaveProjectFile(output, opened.Project);
    if (!written.Ok()) {
        return FileError(streams, output, written.Error);
    }
    return ExitOk;
}

} // namespace vitrano::cli
