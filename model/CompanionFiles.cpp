#include "model/CompanionFiles.h"

namespace sheetwise {

std::u16string CompanionSizePath(const std::u16string& catalogPath) {
    const size_t dot = catalogPath.rfind(u'.');
    if (dot == std::u16string::npos)
        return catalogPath + u"def";
    return catalogPath.substr(0, dot + 1) + u"def";
}

std::u16string CompanionAttributePath(const std::u16string& catalogPath) {
    return catalogPath + u".atr";
}

}  // namespace sheetwise
