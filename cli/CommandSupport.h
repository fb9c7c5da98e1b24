// Steps and messages that several commands share.
#pragma once

#include <string>

#include "cli/Console.h"
#include "cli/SaveAs.h"

namespace sheetwise::cli {

// False, with a message, when the file cannot be opened for reading. what names it ("catalog").
bool RequireReadableFile(Console& console, const std::u16string& path, const char* what);

// A warning for a catalog that did not load cleanly: the status, what it means and what followed
// from it. Nothing for status 0.
void ReportCatalogStatus(Console& console, const std::u16string& path, int32_t status);

// Messages for every step of a Save As that failed; the exit status it calls for.
int ReportSaveAs(Console& console, const SaveAsResult& result, const std::u16string& newPath,
                 const std::u16string& sizeSource);

}  // namespace sheetwise::cli
