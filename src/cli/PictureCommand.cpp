// vitrano-cli picture FILE OUT.png: the whole picture of a window or facade.

#include "cli/Commands.h"
#include "cli/OpenedFile.h"

#include <QImage>

namespace vitrano::cli {

int PictureCommand(const QStringList& arguments, TStreams streams) {
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
        return FileError(streams, input, QStringLiteral("a comparison file has no picture"));
    }
    opened.Project.Rechne();
    const QImage picture = opened.Project.GeneriereGesamtBild();
    if (picture.isNull()) {
        return FileError(streams, input, QStringLiteral("the record has no picture"));
    }
    if (!picture.save(output, "PNG")) {
        return FileError(streams, output, QStringLiteral("the picture could not be written"));
    }
    return ExitOk;
}

} // namespace vitrano::cli
