#include "ui/resources/ProgramStrings.h"

#include "ui/resources/ResourceFile.h"
#include "ui/resources/StringResourcesReader.h"

namespace sheetwise {

namespace {

std::shared_ptr<const StringResources> ReadProgramStrings() {
    const std::optional<QByteArray> data = ReadResourceFile(QStringLiteral("strings/strings.json"));
    std::optional<StringResources> resources;
    if (data) {
        resources = ReadStringResources(*data);
    }
    return std::make_shared<const StringResources>(resources.value_or(StringResources()));
}

}  // namespace

std::shared_ptr<const StringResources> ProgramStrings() {
    static const std::shared_ptr<const StringResources> strings = ReadProgramStrings();
    return strings;
}

}  // namespace sheetwise
