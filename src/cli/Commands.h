#pragma once

#include <QStringList>
#include <QTextStream>

namespace vitrano::cli {

// Exit codes of the command-line program; they are part of its interface.
enum TExitCode { ExitOk = 0, ExitUsage = 1, ExitFileError = 2 };

struct TStreams {
    QTextStream& out;
    QTextStream& err;
};

void PrintUsage(QTextStream& stream);

// Each command takes the arguments after its name.
int CalcCommand(const QStringList& arguments, TStreams streams);
int ConvertCommand(const QStringList& arguments, TStreams streams);
int PictureCommand(const QStringList& arguments, TStreams streams);

// Takes "--program-folder DIR" out of the arguments and makes DIR the folder
// the tables, catalogue and ini files are read from. False on a missing DIR.
bool TakeProgramFolder(QStringList& arguments);

struct TOpenedFile;

// Opens the project file of an "IN OUT" command; a comparison file is refused
// with the given reason. ExitOk when the project can be used.
int OpenProjectArgument(const QString& fileName, const QString& comparisonRefused,
                        TOpenedFile& opened, TStreams streams);

// The same for the arguments "IN OUT" of a command: a usage error unless there are exactly two.
int OpenInOutArguments(const QStringList& arguments, const QString& comparisonRefused,
                       TOpenedFile& opened, TStreams streams);

// The one-line report of a file that could not be used.
int FileError(TStreams streams, const QString& fileName, const QString& reason);

} // namespace vitrano::cli
