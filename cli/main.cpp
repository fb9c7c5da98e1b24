// sheetwise-cli: Sheetwise catalogs from the command line (see sheetwise-cli.1).
#include <QCoreApplication>
#include <iostream>

#include "app/DecimalSeparator.h"
#include "cli/Cli.h"

namespace {

// The running executable, as /proc/self/exe names it, whatever argv[0] says.
std::u16string ExecutablePath() {
    return QCoreApplication::applicationFilePath().toStdU16String();
}

// The editor takes the locale's decimal separator for its sizes list; so must the import here.
std::u16string DecimalSeparator() {
    return sheetwise::SystemDecimalSeparator().value_or(QStringLiteral(".")).toStdU16String();
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("sheetwise-cli"));
    std::ios::sync_with_stdio(false);
    sheetwise::cli::Console console{std::cout, std::cerr};
    const sheetwise::cli::Environment environment{ExecutablePath(), DecimalSeparator()};
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    return sheetwise::cli::RunCommandLine(arguments, console, environment);
}
