// vitrano-cli picture FILE OUT.png: the whole picture of a window or facade.

#include "cli/Commands.h"
#include "cli/OpenedFile.h"

#include <QImage>

namespace vitrano::cli {

int PictureCommand(const QStringList& arguments, TStreams streams) {
    TOpenedFile opened;
    if (const int status = OpenInOutArguments(
            arguments, QStringLiteral("a comparison file has no picture"), opened, streams);
        status != ExitOk) {
        return status;
    }
    const QString& input = arguments[0];
    const QString& output = arguments[1];
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
