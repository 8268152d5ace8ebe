// vitrano-cli: headless jobs for batch use and scripting.

#include "cli/Commands.h"

#include <QCoreApplication>
#include <functional>
#include <map>

int main(int argc, char* argv[]) {
    using namespace vitrano::cli;
    QCoreApplication application(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    QTextStream out(stdout);
    QTextStream err(stderr);
    const TStreams streams{out, err};

    const std::map<QString, std::function<int(const QStringList&, TStreams)>> commands = {
        {QStringLiteral("calc"), CalcCommand},
        {QStringLiteral("convert"), ConvertCommand},
        {QStringLiteral("picture"), PictureCommand},
    };
    if (arguments.size() == 1 &&
        (arguments[0] == QStringLiteral("help") || arguments[0] == QStringLiteral("--help"))) {
        PrintUsage(out);
        return ExitOk;
    }
    if (!TakeProgramFolder(arguments)) {
        PrintUsage(err);
        return ExitUsage;
    }
    const auto command = arguments.isEmpty() ? commands.end() : commands.find(arguments[0]);
    if (command == commands.end()) {
        PrintUsage(err);
        return ExitUsage;
    }
    return command->second(arguments.mid(1), streams);
}
