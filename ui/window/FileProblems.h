// Why a catalog file could not be read, written or copied, in words for the operator: which
// file, and what went wrong. Goes below the string table's message, which names neither.
#pragma once

#include <QString>
#include <cstdint>
#include <string>

namespace sheetwise {

// The file and the cause behind a load status above 0.
QString DescribeLoadFailure(const std::u16string& catalogPath, int32_t status);

// What the window does about a catalog it could not read whole: it leaves the file alone.
QString KeptUntouchedNote(const std::u16string& catalogPath);

// Why a file (a resolved path) cannot be written, judged after the fact from the file, its
// folder and the disk: missing folder, not a regular file, read-only file or folder, full disk.
QString DescribeWriteFailure(const std::string& path);

// Why the companions of a catalog could not be made beside it from the default catalog's.
QString DescribeCompanionFailure(const std::u16string& catalogPath,
                                 const std::u16string& defaultPath);

}  // namespace sheetwise
