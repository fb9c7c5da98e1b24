#include "ui/resources/ProgramIcons.h"

#include <memory>

#include "ui/resources/ResourceFile.h"
#include "ui/resources/SvgIconEngine.h"

namespace sheetwise {

QIcon LoadProgramIcon(int iconId) {
    const auto svg = ReadResourceFile(QStringLiteral("icons/%1.svg").arg(iconId));
    if (!svg) {
        return QIcon();
    }
    auto engine = std::make_unique<SvgIconEngine>(*svg);
    if (!engine->IsValid()) {
        return QIcon();
    }
    return QIcon(engine.release());
}

}  // namespace sheetwise
