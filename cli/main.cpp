// sheetwise-cli: Sheetwise catalogs from the command line (see sheetwise-cli.1).
#include <QCoreApplication>
#include <QLocale>
#include <iostream>
#include <new>

#include "cli/Cli.h"
#include "platform/NativePath.h"

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

// The arguments as the bytes they are: Qt decodes them through the locale, which turns bytes
// that are no UTF-8 into U+FFFD, so that a file name given that way would become another one.
QStringList RawArguments(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromStdU16String(sheetwise::WideFromNative(argv[i]));
    return arguments;
}

int Run(int argc, char** argv) {
    const QStringList arguments = RawArguments(argc, argv);
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("sheetwise-cli"));
    std::ios::sync_with_stdio(false);
    sheetwise::cli::Console console{std::cout, std::cerr};
    const sheetwise::cli::Environment environment{ExecutablePath(), DecimalSeparator()};
    return sheetwise::cli::RunCommandLine(arguments, console, environment);
}

}  // namespace

int main(int argc, char** argv) {
    try {
        return Run(argc, argv);
    } catch (const std::bad_alloc&) {
        // A catalog within the size limit still takes memory for each paper; under a memory
        // limit that can run out. Whatever was written is not a result.
        std::cerr << "sheetwise-cli: out of memory: the catalog is too large for the memory "
                     "this process may use\n";
        return sheetwise::cli::kExitUnusable;
    }
}
