#include "ui/window/FileProblems.h"

#include <sys/stat.h>
#include <sys/statvfs.h>

#include "platform/FileOps.h"
#include "platform/NativePath.h"
#include "ui/window/CatalogLocation.h"

namespace sheetwise {
namespace {

QString Shown(const std::u16string& path) {
    return QString::fromStdString(ToNativePath(path));
}

// The owner's write permission decides, as it does for saving, also when running as root.
bool OwnerMayWrite(const struct stat& info) {
    return (info.st_mode & S_IWUSR) != 0;
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

namespace sheetwise {

QString DescribeWriteFailure(const std::string& path) {
    const QString file = QString::fromStdString(path);
    const std::string folder = FolderOf(path);
    struct stat info;
    if (stat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode))
        return QStringLiteral("Cannot write %1: its folder does not exist.").arg(file);
    const bool folderWritable = OwnerMayWrite(info);
    if (stat(path.c_str(), &info) == 0) {
        if (!S_ISREG(info.st_mode))
            return QStringLiteral("Cannot write %1: it is not a regular file.").arg(file);
        if (!OwnerMayWrite(info))
            return QStringLiteral("Cannot write %1: the file is read-only.").arg(file);
    } else if (!folderWritable) {
        return QStringLiteral("Cannot write %1: its folder is read-only.").arg(file);
    }
    struct statvfs disk;
    if (statvfs(folder.c_str(), &disk) == 0 && disk.f_bavail == 0)
        return QStringLiteral("Cannot write %1: the disk is full.").arg(file);
    return QStringLiteral("Cannot write %1: the file system refused the write.").arg(file);
}

QString DescribeCompanionFailure(const std::u16string& catalogPath,
                                 const std::u16string& defaultPath) {
    const std::string catalog = ToNativePath(catalogPath);
    if (!FileExists(catalog))
        return QStringLiteral("%1 does not exist.").arg(QString::fromStdString(catalog));
    const std::pair<std::u16string, std::u16string> companions[] = {
        {CompanionAttributePath(catalogPath), CompanionAttributePath(defaultPath)},
        {CompanionSizePath(catalogPath), CompanionSizePath(defaultPath)}};
    for (const auto& [wanted, source] : companions) {
        const std::string target = ToNativePath(wanted);
        if (FileExists(target))
            continue;
        const std::string from = ToNativePath(source);
        if (!FileExists(from)) {
            return QStringLiteral("%1 is missing, and so is %2 to copy it from.")
                .arg(QString::fromStdString(target), QString::fromStdString(from));
        }
        return QStringLiteral("%1 is missing and cannot be copied from %2. %3")
            .arg(QString::fromStdString(target), QString::fromStdString(from),
                 DescribeWriteFailure(target));
    }
    return QStringLiteral("The files of %1 cannot be read.").arg(QString::fromStdString(catalog));
}

}  // namespace sheetwise
