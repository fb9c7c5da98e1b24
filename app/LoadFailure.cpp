#include "app/LoadFailure.h"

#include "app/CatalogLocation.h"
#include "platform/NativePath.h"

namespace sheetwise {
namespace {

QString Shown(const std::u16string& path) {
    return QString::fromStdString(ToNativePath(path));
}

}  // namespace

QString DescribeLoadFailure(const std::u16string& catalogPath, int32_t status) {
    const QString catalog = Shown(catalogPath);
    // The size-definition file is read first, then the attribute file; the status does not say
    // which of the two failed, so both are named.
    const QString companions =
        QStringLiteral("the size-definition file %1 or the attribute file %2")
            .arg(Shown(CompanionSizePath(catalogPath)), Shown(CompanionAttributePath(catalogPath)));
    switch (status) {
        case 1:
            return QStringLiteral("A companion file of %1 has no name.").arg(catalog);
        case 2:
            return QStringLiteral("Cannot open %1: missing, not a regular file, or not readable.")
                .arg(companions);
        case 3:
            return QStringLiteral("Reading %1 failed before its end.").arg(companions);
        case 4:
            return QStringLiteral(
                       "A line of the size-definition file %1 has fewer than six fields.")
                .arg(Shown(CompanionSizePath(catalogPath)));
        case 5:
            return QStringLiteral("The catalog has no file name.");
        case 6:
            return QStringLiteral("Cannot open %1: missing, not a regular file, or not readable.")
                .arg(catalog);
        case 7:
            return QStringLiteral(
                       "Reading %1 failed: its first line is unreadable, or reading "
                       "stopped before the end.")
                .arg(catalog);
        case 11:
            return QStringLiteral(
                       "%1 has paper lines without a name, size, colour, weight or "
                       "type; they were left out.")
                .arg(catalog);
        case 12:
            return QStringLiteral(
                       "%1 has paper lines with a character that a name, colour or "
                       "type may not hold; they were left out.")
                .arg(catalog);
        default:
            return QStringLiteral("%1 could not be read (status %2).").arg(catalog).arg(status);
    }
}

QString KeptUntouchedNote(const std::u16string& catalogPath) {
    return QStringLiteral(
               "%1 has not been changed. Save will ask for a new file name, so that the "
               "catalog on disk is not written over.")
        .arg(Shown(catalogPath));
}

}  // namespace sheetwise
