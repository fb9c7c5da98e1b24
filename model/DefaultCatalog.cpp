#include "model/DefaultCatalog.h"

#include <unistd.h>

#include <climits>
#include <cstdlib>

#include "model/CompanionFiles.h"
#include "platform/CodePage.h"
#include "platform/FileOps.h"
#include "platform/NativePath.h"

namespace sheetwise {

std::u16string RunningExecutablePath() {
    std::string buffer(PATH_MAX, '\0');
    const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (length <= 0)
        return {};
    buffer.resize(static_cast<size_t>(length));
    return Utf8ToUtf16(buffer);
}

bool ReadProgramFilesDir(const std::u16string& executablePath, std::u16string& folder) {
    const size_t slash = executablePath.rfind(u'/');
    if (slash == std::u16string::npos)
        return false;
    const std::string share = Utf16ToUtf8(executablePath.substr(0, slash)) + "/../share";
    char* resolved = realpath(share.c_str(), nullptr);
    if (resolved == nullptr)
        return false;
    const std::u16string candidate = Utf8ToUtf16(resolved);
    std::free(resolved);
    std::u16string catalog = candidate;
    catalog += kDefaultCatalogRelativePath;
    if (!FileExists(ToNativePath(catalog)))
        return false;
    folder = candidate;
    return true;
}

bool ExecutableFolder(const std::u16string& executablePath, std::u16string_view programName,
                      std::u16string& folder) {
    const size_t slash = executablePath.rfind(u'/');
    const size_t nameStart = slash == std::u16string::npos ? 0 : slash + 1;
    if (std::u16string_view(executablePath).substr(nameStart) != programName)
        return false;
    folder = executablePath.substr(0, nameStart);
    return true;
}

std::u16string FindDefaultCatalog(const std::u16string& executablePath,
                                  std::u16string_view programName) {
    std::u16string folder;
    if (ReadProgramFilesDir(executablePath, folder)) {
        std::u16string installed = folder + std::u16string(kDefaultCatalogRelativePath);
        // An installed catalog is only read, never given companions.
        if (FileExists(ToNativePath(CompanionAttributePath(installed))) &&
            FileExists(ToNativePath(CompanionSizePath(installed))))
            return installed;
    }
    if (ExecutableFolder(executablePath, programName, folder))
        return folder + std::u16string(kDefaultCatalogFileName);
    return {};
}

}  // namespace sheetwise
