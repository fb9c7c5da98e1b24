// The command line of sheetwise-cli: a command, its operands, its files and its options.
//
//   sheetwise-cli show CATALOG [--json]
//   sheetwise-cli check CATALOG... [--max N] [--json]
//   sheetwise-cli import INI --out NEW.cat [--base CATALOG] [--force]
//   sheetwise-cli import INI --json
//   sheetwise-cli convert CATALOG --out NEW.cat [--drop-bad-lines] [--force]
//   sheetwise-cli export CATALOG [--format csv|json | --json] [--raw-csv]
//   sheetwise-cli diff GOLDEN CATALOG... [--json] [--bytes] [--stat | --quiet]
//   sheetwise-cli add NAME --size S --weight W --colour C --type T [--sides M] [--precollated]
//                 CATALOG... [edit options]
//   sheetwise-cli modify NAME [--size S] [--weight W] ... CATALOG... [edit options]
//   sheetwise-cli rename OLD NEW CATALOG...            sheetwise-cli delete NAME CATALOG...
//   sheetwise-cli move NAME --up|--down|--to N CATALOG...
//   sheetwise-cli set-default NAME CATALOG...
//   sheetwise-cli add-value|delete-value colour|type|weight VALUE CATALOG...
//   sheetwise-cli apply EDITS.json CATALOG...
//   sheetwise-cli help [COMMAND] | --help | --version
//
//   --wait SECONDS with any command: how long to wait for a catalog folder's lock
//
// The edit options: --dry-run, --out FILE (one catalog), --force, --drop-bad-lines, --json.
// --compact goes with --json everywhere. Options may stand before, between or after the files;
// "--" ends the options.
#pragma once

#include <QStringList>
#include <chrono>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "cli/CatalogEdit.h"
#include "cli/CheckFindings.h"

namespace sheetwise::cli {

enum class Command {
    kHelp,
    kVersion,
    kShow,
    kCheck,
    kImport,
    kConvert,
    kExport,
    kDiff,
    kAdd,
    kModify,
    kRename,
    kDelete,
    kMove,
    kSetDefault,
    kAddValue,
    kDeleteValue,
    kApply,
};

struct Invocation {
    Command command = Command::kHelp;
    // For kHelp: the command asked about; kHelp itself for the overview.
    Command helpTopic = Command::kHelp;
    // What the command works on that is not a catalog: the edit's paper or value, the script.
    std::vector<std::u16string> operands;
    std::vector<std::u16string> files;
    bool json = false;
    bool compact = false;              // --json: one document a line
    std::u16string out;                // empty when not given
    std::u16string base;               // empty when not given
    std::u16string format;             // export: "csv" (the default) or "json"
    size_t max = kDefaultMaxFindings;  // check: findings printed per file; 0 for all
    bool bytes = false;                // diff: report files that differ only in their bytes
    bool stat = false;                 // diff: one line a catalog
    bool quiet = false;                // diff: the exit status only
    bool dropBadLines = false;  // convert, edits: write a catalog whose reading dropped lines
    bool force = false;         // convert, import, edits: replace or overwrite files
    bool dryRun = false;        // edits: print what would change, write nothing
    // check: the least severity of a finding that makes the exit status 1; any when not given.
    std::optional<Severity> failOn;
    CatalogEdit edit;     // an edit command's edit
    bool rawCsv = false;  // export: cells as they are, formula-like ones included
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

// Every command's name, in the order help lists them ("help" last), and the command of a name.
std::vector<std::string> CommandNames();
std::optional<Command> CommandNamed(const std::string& name);

// The options a command takes ("--json", "--out", ...) besides --help, as the command line
// accepts them; bash completion offers the same.
std::vector<std::string> OptionsOf(Command command);

// Whether the command changes catalogs (add ... apply).
bool IsEditCommand(Command command);

}  // namespace sheetwise::cli
