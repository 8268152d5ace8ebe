#include "cli/Commands.h"

namespace vitrano::cli {

void PrintUsage(QTextStream& stream) {
    stream << "Usage: vitrano-cli COMMAND [ARGUMENTS]\n"
              "\n"
              "Commands:\n"
              "  calc FILE          calculate a project (.xucw, .xzelvik, .ucw, .zelvik)\n"
              "                     or comparison (.xwes) and print the results as JSON\n"
              "  convert IN OUT     write any project file as an XML project file\n"
              "  help               show this text\n"
              "\n"
              "Exit status: 0 done, 1 wrong usage, 2 a file could not be read or written.\n";
    stream.flush();
}

int FileError(TStreams streams, const QString& fileName, const QString& reason) {
    streams.err << "vitrano-cli: " << fileName << ": " << reason.simplified() << "\n";
    streams.err.flush();
    return ExitFileError;
}

} // namespace vitrano::cli
