#include "model/CompanionFiles.h"

namespace sheetwise {

std::u16string CompanionSizePath(std::u16string_view catalogPath) {
    const size_t dot = catalogPath.rfind(u'.');
    std::u16string path(catalogPath.substr(0, dot == std::u16string_view::npos ? dot : dot + 1));
    path += u"def";
    return path;
}

std::u16string CompanionAttributePath(std::u16string_view catalogPath) {
    std::u16string path(catalogPath);
    path += u".atr";
    return path;
}

}  // namespace sheetwise
