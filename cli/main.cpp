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

// The editor shows sizes with the locale's decimal separator, as Qt reports it, and imported sizes
// are matched against those texts: the tool asks Qt the same question.
std::u16string DecimalSeparator() {
    const QString separator = QLocale::system().decimalPoint();
    return separator.isEmpty() ? u"." : separator.left(8).toStdU16String();
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
