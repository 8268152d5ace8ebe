// vitrano-cli: headless jobs for batch use and scripting.

#include <QCoreApplication>
#include <QTextStream>

namespace {

constexpr int ExitUsage = 1;

void PrintUsage(QTextStream& out) {
    out << "Usage: vitrano-cli COMMAND [ARGUMENTS]\n"
           "\n"
           "Commands:\n"
           "  help    show this text\n";
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (arguments.size() == 2 &&
        (arguments[1] == QStringLiteral("help") || arguments[1] == QStringLiteral("--help"))) {
        PrintUsage(out);
        return 0;
    }
    PrintUsage(err);
    return ExitUsage;
}
