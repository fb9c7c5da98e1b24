// Why a catalog could not be read, written or given its companions, in words for people: which
// file, and what went wrong. The editor puts these below its messages, which name neither;
// sheetwise-cli prints them.
#pragma once

#include <cstdint>
#include <string>

namespace sheetwise {

// What a catalog status means, in a few words ("a paper line lacks a field").
std::string StatusMeaning(int32_t status);

// True when a catalog read with this status holds every paper line that could be read: the
// files were opened and read to their end, though lines may have been dropped (11, 12).
bool PapersReadToEnd(int32_t status);

// The file (or files: the status does not tell which companion failed) and the cause behind a
// load status above 0; for a file that could not be opened, the file and the system's reason.
std::string DescribeLoadFailure(const std::u16string& catalogPath, int32_t status);

// What the editor does about a catalog it could not read whole: it leaves the file alone.
std::string KeptUntouchedNote(const std::u16string& catalogPath);

// Why a file (a resolved path) cannot be written: the system's reason the file layer recorded
// (FileFailure.h), or else judged after the fact from the file, its folder and the disk.
std::string DescribeWriteFailure(const std::string& path);

// Why the companions of a catalog could not be made beside it from the default catalog's.
std::string DescribeCompanionFailure(const std::u16string& catalogPath,
                                     const std::u16string& defaultPath);

}  // namespace sheetwise
