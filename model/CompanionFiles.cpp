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

}  // namespace sheetwise
