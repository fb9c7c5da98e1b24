#include "model/CompanionFiles.h"

#include "platform/NativePath.h"
#include "platform/SymbolicLinks.h"

namespace sheetwise {

std::u16string CompanionSizePath(std::u16string_view catalogPath) {
    const size_t dot = catalogPath.rfind(u'.');
    std::u16string path(catalogPath.substr(0, dot == std::u16string_view::npos ? dot : dot + 1));
    path += u"def";
    return path;
}

std::u16string CompanionAttributePath(std::u16string_view catalogPath) {
    const std::string native = ToNativePath(catalogPath);
    const std::string real = RealFileOf(native);
    std::u16string path = real == native ? std::u16string(catalogPath) : WideFromNative(real);
    path += u".atr";
    return path;
}

std::optional<std::string> CatalogNameProblem(std::u16string_view catalogPath) {
    if (catalogPath.empty() || catalogPath == u"-")
        return "\"" + std::string(catalogPath.empty() ? "" : "-") + "\" names no catalog file";
    // The reader looks for the size-definition file in place of an extension of at most three
    // characters; the writer puts it in place of whatever follows the last ".". Only where both
    // are the same file does the catalog read back whole.
    const size_t folder = catalogPath.find_last_of(u"/\\");
    const size_t dot = catalogPath.rfind(u'.');
    const bool inName =
        dot != std::u16string_view::npos && (folder == std::u16string_view::npos || dot > folder);
    if (!inName || catalogPath.size() - dot > 4)
        return "the file name has no extension of at most three characters, such as .cat, so "
               "its size-definition file would not be found beside it";
    return std::nullopt;
}

}  // namespace sheetwise
