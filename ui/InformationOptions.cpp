#include "InformationOptions.h"

#include <string>
#include <string_view>

#include "sheetwise/Version.h"

namespace sheetwise {
namespace {

constexpr std::string_view kHelp =
    "Usage: sheetwise [CATALOG]\n"
    "Opens the paper catalog CATALOG (a .cat file) in the Sheetwise window, or the installed\n"
    "default catalog when none is named.\n"
    "\n"
    "  -h, --help     print this help and exit\n"
    "      --version  print the version and exit\n"
    "\n"
    "sheetwise-cli shows, checks, converts and exports catalogs without a window.\n"
    "See sheetwise(1) and sheetwise-cli(1).\n";

// Written and flushed here, so that a full disk or a closed pipe is seen before the exit status
// says all went well.
int Print(std::string_view text, std::FILE* out, std::FILE* err) {
    const bool written = std::fwrite(text.data(), 1, text.size(), out) == text.size();
    if (written && std::fflush(out) == 0)
        return 0;
    std::fputs("sheetwise: cannot write to standard output\n", err);
    return 1;
}

}  // namespace

std::optional<int> AnswerInformationOption(int argc, const char* const* argv, std::FILE* out,
                                           std::FILE* err) {
    if (argc < 2)
        return std::nullopt;
    const std::string_view option = argv[1];
    if (option == "--help" || option == "-h")
        return Print(kHelp, out, err);
    if (option == "--version")
        return Print("sheetwise " + std::string(kVersion) + "\n", out, err);
    return std::nullopt;
}

}  // namespace sheetwise
