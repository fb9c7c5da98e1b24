// File operations of the catalog core, on already resolved UTF-8 paths (see NativePath.h).
#pragma once

#include <string>
#include <string_view>

namespace sheetwise {

enum class ReadResult { kOk, kOpenFailed, kReadFailed };

// Reads at most maxBytes from the start of a file.
ReadResult ReadFileHead(const std::string& path, size_t maxBytes, std::string& bytes);

// Reads a whole file. A folder or anything else that is not a regular file cannot be opened.
ReadResult ReadFileBytes(const std::string& path, std::string& bytes);

// What the platform's text mode does to a file read for input: CR LF becomes LF.
std::string ToTextMode(std::string_view bytes);

// True when something exists under the path (name case resolved).
bool FileExists(const std::string& path);

// Copies a file, failing when the target exists. The copy gets the source's permissions.
bool CopyFileNoOverwrite(const std::string& from, const std::string& to);

// "Normal" attributes: the owner may write the file.
bool MakeOwnerWritable(const std::string& path);

// A file or folder without the owner's write permission counts as read-only, also for root.
bool IsReadOnly(const std::string& path);

}  // namespace sheetwise
