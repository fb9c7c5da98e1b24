# Writes the C++ table of the string table's texts (model/MessageTexts.h) from strings.json.
# Run at configure time: cmake -DSTRINGS=... -DOUTPUT=... -P MessageTexts.cmake
file(READ ${STRINGS} json)
string(JSON count LENGTH "${json}" strings)
math(EXPR last "${count} - 1")
set(entries "")
foreach(i RANGE ${last})
  string(JSON id GET "${json}" strings ${i} 0)
  string(JSON text GET "${json}" strings ${i} 1)
  string(REPLACE "\\" "\\\\" text "${text}")
  string(REPLACE "\"" "\\\"" text "${text}")
  string(REPLACE "\n" "\\n" text "${text}")
  string(REPLACE "\t" "\\t" text "${text}")
  string(APPEND entries "    {${id}, u\"${text}\"},\n")
endforeach()
file(WRITE ${OUTPUT}.new "// Made by the build from resources/strings/strings.json; do not edit.
#include <algorithm>
#include <iterator>

#include \"model/MessageTexts.h\"

namespace sheetwise {
namespace {

struct Entry {
    int id;
    std::u16string_view text;
};

constexpr Entry kTexts[] = {
${entries}};

}  // namespace

std::u16string_view MessageText(int id) {
    const auto found = std::lower_bound(std::begin(kTexts), std::end(kTexts), id,
                                        [](const Entry& entry, int wanted) { return entry.id < wanted; });
    return found != std::end(kTexts) && found->id == id ? found->text : std::u16string_view();
}

}  // namespace sheetwise
")
file(COPY_FILE ${OUTPUT}.new ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.new)
