// The command line of sheetwise-cli: a command, its files and its options.
//
//   sheetwise-cli show CATALOG [--json]
//   sheetwise-cli check CATALOG... [--max N] [--json]
//   sheetwise-cli import INI --out NEW.cat [--base CATALOG] [--force]
//   sheetwise-cli import INI --json
//   sheetwise-cli convert CATALOG --out NEW.cat [--drop-bad-lines] [--force]
//   sheetwise-cli export CATALOG [--format csv|json | --json] [--raw-csv]
//   sheetwise-cli diff A.cat B.cat [--json] [--bytes]
//   sheetwise-cli help [COMMAND] | --help | --version
//
//   --wait SECONDS with any command: how long to wait for a catalog folder's lock
//
// Options may stand before, between or after the files; "--" ends the options.
#pragma once

#include <QStringList>
#include <chrono>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "cli/CheckFindings.h"

namespace sheetwise::cli {

enum class Command { kHelp, kVersion, kShow, kCheck, kImport, kConvert, kExport, kDiff };

struct Invocation {
    Command command = Command::kHelp;
    // For kHelp: the command asked about; kHelp itself for the overview.
    Command helpTopic = Command::kHelp;
    std::vector<std::u16string> files;
    bool json = false;
    std::u16string out;                // empty when not given
    std::u16string base;               // empty when not given
    std::u16string format;             // export: "csv" (the default) or "json"
    size_t max = kDefaultMaxFindings;  // check: findings printed per file; 0 for all
    bool bytes = false;                // diff: report files that differ only in their bytes
    bool dropBadLines = false;         // convert: write a catalog whose reading dropped lines
    bool force = false;                // convert, import: replace an existing --out
    bool rawCsv = false;               // export: cells as they are, formula-like ones included
    // How long to wait for a catalog folder's lock; the file layer's default when not given.
    std::optional<std::chrono::milliseconds> wait;
};

struct ParsedArguments {
    bool ok = false;
    Invocation invocation;
    std::string error;  // what is wrong, when not ok
};

// Parses the arguments after the program name. Checks everything that can be checked without
// touching a file: the command, the number of files, which options the command takes.
ParsedArguments ParseArguments(const QStringList& arguments);

// The command's name as typed ("show"), or "sheetwise-cli" for help and version.
std::string CommandName(Command command);

}  // namespace sheetwise::cli
