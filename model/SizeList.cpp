#include "model/SizeList.h"

#include <unordered_set>

#include "model/PaperCatalog.h"

namespace sheetwise {
namespace {

std::u16string WithDecimalSeparator(std::u16string_view text, std::u16string_view separator) {
    std::u16string shown(text);
    const size_t dot = shown.find(u'.');
    if (dot != std::u16string::npos)
        shown.replace(dot, 1, separator);
    return shown;
}

// The list box's exact-string search ignores letter case.
std::u16string FoldCase(std::u16string_view text) {
    std::u16string folded(text);
    for (char16_t& unit : folded) {
        if (unit >= u'A' && unit <= u'Z')
            unit = static_cast<char16_t>(unit - u'A' + u'a');
    }
    return folded;
}

}  // namespace

std::u16string SizeListText(std::u16string_view widthText, std::u16string_view heightText,
                            int32_t unit, std::u16string_view decimalSeparator) {
    std::u16string text = WithDecimalSeparator(widthText, decimalSeparator);
    text += u" x ";
    text += WithDecimalSeparator(heightText, decimalSeparator);
    if (unit == 1) {
        text += u" mm";
    } else if (unit == 0) {
        text += u'"';
    }
    return text;
}

std::u16string PaperSizeListText(const PaperCatalog& catalog, int32_t sizeIndex,
                                 std::u16string_view decimalSeparator) {
    PaperSize size;
    if (!catalog.GetSize(sizeIndex, size))
        return SizeListText({}, {}, 0, decimalSeparator);
    return SizeListText(size.widthText, size.heightText, size.unit == 1 ? 1 : 0, decimalSeparator);
}

std::vector<SizeListItem> SizeListItemsOf(const PaperCatalog& catalog,
                                          std::u16string_view decimalSeparator) {
    std::vector<SizeListItem> items;
    std::unordered_set<std::u16string> shown;
    const std::vector<PaperSize>& sizes = catalog.sizes();
    for (size_t i = 0; i < sizes.size(); ++i) {
        std::u16string text =
            SizeListText(sizes[i].widthText, sizes[i].heightText, sizes[i].unit, decimalSeparator);
        if (shown.insert(FoldCase(text)).second)
            items.push_back({std::move(text), static_cast<int32_t>(i)});
    }
    return items;
}

}  // namespace sheetwise
