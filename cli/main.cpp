// sheetwise-cli: Sheetwise catalogs from the command line (see sheetwise-cli.1).
#include <QCoreApplication>
#include <QLocale>
#include <iostream>

#include "cli/Cli.h"

namespace {

// The running executable, as /proc/self/exe names it, whatever argv[0] says.
std::u16string ExecutablePath() {
    return QCoreApplication::applicationFilePath().toStdU16String();
}

// The editor takes the locale's decimal separator for its sizes list; so must the import here.
std::u16string DecimalSeparator() {
    const QString separator = QLocale::system().decimalPoint();
    return separator.isEmpty() ? std::u16string(u".") : separator.left(8).toStdU16String();
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
