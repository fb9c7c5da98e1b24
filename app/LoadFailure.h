// Why a catalog could not be read, in words for the operator: which file, and what went wrong.
// Goes below the string table's message, which names neither.
#pragma once

#include <QString>
#include <cstdint>
#include <string>

namespace sheetwise {

// The file and the cause behind a load status above 0.
QString DescribeLoadFailure(const std::u16string& catalogPath, int32_t status);

// What the window does about a catalog it could not read whole: it leaves the file alone.
QString KeptUntouchedNote(const std::u16string& catalogPath);

}  // namespace sheetwise
