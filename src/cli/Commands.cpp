#include "cli/Commands.h"

#include "cli/OpenedFile.h"
#include "core/GlobalSettings.h"

namespace vitrano::cli {

void PrintUsage(QTextStream& stream) {
    stream << "Usage: vitrano-cli COMMAND [ARGUMENTS]\n"
              "\n"
              "Commands:\n"
              "  calc FILE [--condensation TI TE RH]\n"
              "                     calculate a project (.xucw, .xzelvik, .ucw, .zelvik)\n"
              "                     or comparison (.xwes) and print the results as JSON;\n"
              "                     with the condensation check at inside TI, outside TE (degC)\n"
              "                     and relative humidity RH (%)\n"
              "  convert IN OUT     write any project file as an XML project file\n"
              "  picture FILE OUT   write the picture of a window or facade as PNG\n"
              "  help               show this text\n"
              "\n"
              "Options:\n"
              "  --program-folder DIR  read tables, catalogue and ini files from DIR\n"
              "                        instead of the folder of the program\n"
              "\n"
              "Exit status: 0 done, 1 wrong usage, 2 a file could not be read or written.\n";
    stream.flush();
}

bool TakeProgramFolder(QStringList& arguments) {
    const qsizetype at = arguments.indexOf(QStringLiteral("--program-folder"));
    if (at < 0) {
        return true;
    }
    if (at + 1 >= arguments.size()) {
        return false;
    }
    QString folder = arguments[at + 1];
    if (!folder.endsWith(QLatin1Char('/'))) {
        folder += QLatin1Char('/');
    }
    GlobalSettings().ProgramFolder = folder;
    arguments.remove(at, 2);
    return true;
}

int OpenProjectArgument(const QString& fileName, const QString& comparisonRefused,
                        TOpenedFile& opened, TStreams streams) {
    const TFileResult read = OpenFile(fileName, opened);
    if (!read.Ok()) {
        return FileError(streams, fileName, read.Error);
    }
    if (opened.Kind == TFileKind::Comparison) {
        return FileError(streams, fileName, comparisonRefused);
    }
    return ExitOk;
}

int OpenInOutArguments(const QStringList& arguments, const QString& comparisonRefused,
                       TOpenedFile& opened, TStreams streams) {
    if (arguments.size() != 2) {
        PrintUsage(streams.err);
        return ExitUsage;
    }
    return OpenProjectArgument(arguments[0], comparisonRefused, opened, streams);
}

int FileError(TStreams streams, const QString& fileName, const QString& reason) {
    streams.err << "vitrano-cli: " << fileName << ": " << reason.simplified() << "\n";
    streams.err.flush();
    return ExitFileError;
}

} // namespace vitrano::cli
