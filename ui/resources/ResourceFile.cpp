#include "ui/resources/ResourceFile.h"

#include <QFile>

// The resource data lives in this static library. Naming its initialiser here makes the linker
// keep it in every program that reads a resource; it has to be called outside any namespace.
static void RegisterBuiltInResources() {
    Q_INIT_RESOURCE(sheetwise);
}

namespace sheetwise {

std::optional<QByteArray> ReadResourceFile(const QString& name) {
    static const bool registered = (RegisterBuiltInResources(), true);
    (void)registered;
    QFile file(QStringLiteral(":/") + name);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    return file.readAll();
}

}  // namespace sheetwise
