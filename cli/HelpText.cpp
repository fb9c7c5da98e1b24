#include "cli/HelpText.h"

namespace sheetwise::cli {
namespace {

constexpr const char* kOverview = R"(Usage: sheetwise-cli COMMAND [OPTIONS] FILE...

Looks into, checks, converts and builds Sheetwise paper catalogs without a window.

A catalog is three files: NAME.cat (the papers and the default paper), NAME.cat.atr (the
weights, types and colours offered) and NAME.DEF (the printer's paper sizes). Companion
names are found in any letter case, as the editor finds them. Commands read catalogs exactly
as the editor reads them, and the ones that write (import --out, convert) write exactly what
the editor's Save As writes. Nothing else creates, copies or changes a file.

Commands:
  show CATALOG [--json]           print a catalog as the editor reads it
  check CATALOG...                report every line the readers drop or change, and every
                                  inconsistency between papers, default paper and lists
  import INI --out NEW.cat [--base CATALOG]
                                  build a catalog from an import file, as File > Import
                                  followed by Save As does in the editor
  import INI --json               print the import file as read and cleaned
  convert CATALOG --out NEW.cat [--drop-bad-lines]
                                  write a catalog again with the editor's own writers
  export CATALOG [--format csv|json]
                                  print the papers for spreadsheets and scripts
  help [COMMAND]                  print this overview, or the page of a command

Options:
  --json                 show, import: print JSON
  -o, --out FILE         import, convert: the catalog file to write
  -b, --base CATALOG     import: the catalog the import starts from
  -f, --format FORMAT    export: csv (the default) or json
  --drop-bad-lines       convert: write a catalog without the lines its reader drops
  -h, --help             print help (after a command: that command's page)
  --version              print the version

Results go to standard output, diagnostics to standard error.

Exit status:
  0  success
  1  a catalog or import file with problems: every problem is reported; output that
     could still be made (show, export, convert, import) is made
  2  a file that cannot be read or written, or wrong arguments

Run 'sheetwise-cli help COMMAND' for a command's details; see also sheetwise-cli(1).
)";

constexpr const char* kShow = R"(Usage: sheetwise-cli show CATALOG [--json]

Loads the catalog as the editor does (the header text from the first line, then the size-
definition file, the attribute file and the catalog file) and prints its status, header
text, default paper, papers, sizes and the weights, types and colours lists. Missing
companions are not copied: a catalog without them shows the status that tells why, and
holds only the default paper "Letter", as in the editor. So does a catalog file that cannot
be opened (exit status 2).

Without --json the catalog is printed as readable tables. With --json it is one JSON
object with every value exactly as the catalog holds it (indexes from 0, weight 0 for
the wildcard "*", measures as the floats read):

  {"status": N, "header": S, "defaultIndex": N, "defaultName": S,
   "papers": [{"name": S, "sizeIndex": N, "width": F, "height": F, "weight": N,
               "colour": S, "colourCode": N, "type": S, "typeCode": N,
               "imagedSides": N, "precollated": N, "loadPosition": N}, ...],
   "sizes": [{"width": F, "height": F, "third": F, "fourth": F, "line": N, "unit": N,
              "text": S, "widthText": S, "heightText": S}, ...],
   "weights": [S, ...], "types": [S, ...], "colours": [S, ...]}

"defaultName" is the name given on the first line, as read. "imagedSides" is 0 Inserter,
1 1-Sided, 2 1, 2-Sided. A size's "line" counts from 0. Status values:
  0 read without problems        5 no catalog path
  1 no companion path            6 the catalog file cannot be opened
  2 a companion cannot be opened 7 no first line, or a line longer than 2047 bytes
  3 a companion line too long   11 a paper line lacks a field
  4 a size line lacks a field   12 a character that is not allowed

Exit status: 0 for status 0, 2 when a file cannot be opened, 1 otherwise.
)";

constexpr const char* kCheck = R"(Usage: sheetwise-cli check CATALOG...

Reads each catalog with its companions line by line, as the editor's readers do, and
prints one line for each finding:

  FILE:LINE: message        about one line of a file
  FILE: message             about the file as a whole

It reports every line that is dropped (a missing or empty field, a character that is not
allowed, named with its position, a line longer than 2047 bytes) or changed (escapes
decoded, a name cut to 32 characters, a colour or type cut to 20, a number read from text
that is not one, a size number out of range, a value cut at ':' in the attribute file), and
every inconsistency: duplicate paper names, a default paper that no paper carries or that
several carry, a paper's colour, weight or type missing from its list, a list value no paper
could have, an unknown section in the attribute file, and a missing or unreadable companion.
When the editor would load the catalog with a nonzero status, that is reported first.
A catalog without findings prints nothing.

Exit status: 0 when no catalog has a finding, 1 when one has, 2 when a catalog file or a
companion cannot be opened.
)";

constexpr const char* kImport = R"(Usage: sheetwise-cli import INI --out NEW.cat [--base CATALOG]
       sheetwise-cli import INI --json

With --out: does what File > Import followed by Save As does in the editor. The import
file is read and cleaned; the base catalog is opened as the editor opens its default
catalog (its .atr and .def companions must exist, and it must load without problems); its
papers and attribute values are removed, its sizes stay; the imported papers and values are
added, each paper's size matched to the base's sizes by their list text; the import's first
valid paper becomes the default. Then NEW.cat and NEW.cat.atr are written byte for byte as
the editor writes them, and the base's size-definition file is copied beside NEW.cat when
none is there. Without --base the installation's default catalog is the base, as in the
editor. Sizes are matched with the locale's decimal separator, as the editor's sizes list
shows them.

The warnings the editor shows go to standard error: colons replaced by underscores, a
default paper that cannot be taken over, paper definitions rejected for an invalid or
missing field, and papers and values the catalog refuses. A failed import (an empty
section, no valid paper, or nothing that could be added) writes nothing.

With --json: prints the import file as read and cleaned, as one JSON object:

  {"weights": [S], "types": [S], "colours": [S], "sizes": [S], "forced": [S],
   "papers": [paper, ...], "defaultPaperName": S, "defaultPaperIndex": N,
   "failed": B, "colonsReplaced": B, "invalidValue": B, "missingField": B,
   "defaultPaperFailed": B, "invalidPaperCount": N}

Papers have the keys of 'show --json'; their "sizeIndex" is the position in "sizes". An
import file that cannot be read prints as the failed import the editor reads from it.

Exit status: 0 without warnings, 1 for a failed import or one with warnings (NEW.cat is
still written when the import did not fail), 2 when a file cannot be read or written.
)";

constexpr const char* kConvert =
    R"(Usage: sheetwise-cli convert CATALOG --out NEW.cat [--drop-bad-lines]

Loads the catalog as 'show' does and writes it with the editor's own writers, byte for
byte what the editor's Save As writes for that catalog: NEW.cat in the ANSI code page of
the locale, or as UTF-16 when a value needs it; NEW.cat.atr the same way (when it is
missing, the catalog's own .atr is copied there first and then written over, as Save As
does); and the catalog's size-definition file copied beside NEW.cat when none is there.
This turns a hand-edited catalog into the form print servers expect: escapes decoded,
CR LF line ends gone, numbers normalised, names cut to their length.

Only a catalog read without problems (status 0) is written. When the reader drops or
changes lines (a missing field, a character that is not allowed, a file with CR line ends
only, which reads as one line), convert prints the findings of 'check' for the catalog,
writes nothing and exits with 1. With --drop-bad-lines it writes the catalog without the
dropped lines, as the editor would save it. A catalog whose files cannot all be read to
their end (a missing companion, a line longer than 2047 bytes) is never written, since
papers would be lost. NEW.cat may be the catalog itself; a refused catalog is left as it is.

NEW.cat and NEW.cat.atr are written as one set: when either cannot be written, neither
is. Each file is written beside its name and takes it only when complete; writers of
one folder (the editor, other sheetwise-cli runs) take turns.

Exit status: 0 for a clean catalog, 1 when the catalog was refused, written with
--drop-bad-lines, or cannot be read to its end, 2 when a file cannot be read or written.
)";

constexpr const char* kExport = R"(Usage: sheetwise-cli export CATALOG [--format csv|json]

Prints the catalog's papers for spreadsheets and scripts.

csv (the default): a header row, then one record per paper, with the columns
  name,sizeIndex,width,height,weight,colour,colourCode,type,typeCode,imagedSides,
  precollated,loadPosition
Fields holding a comma, a double quote, CR or LF are quoted as RFC 4180 says; records
end with CR LF; text is UTF-8.

json: an array of paper objects with the keys of 'show --json'.

Papers that could not be read are not made up: when the companions cannot be read or the
file cannot be read to its end, nothing is exported.

Exit status: 0 for a clean catalog, 1 when lines were dropped (the rest is exported) or the
catalog cannot be read to its end, 2 when a file cannot be opened.
)";

}  // namespace

std::string HelpText(Command topic) {
    switch (topic) {
        case Command::kShow:
            return kShow;
        case Command::kCheck:
            return kCheck;
        case Command::kImport:
            return kImport;
        case Command::kConvert:
            return kConvert;
        case Command::kExport:
            return kExport;
        default:
            return kOverview;
    }
}

std::string VersionText() {
    return std::string("sheetwise-cli ") + SHEETWISE_VERSION + "\n";
}

std::string UsageHint(Command command) {
    if (command == Command::kHelp || command == Command::kVersion)
        return "Try 'sheetwise-cli --help'.\n";
    return "Try 'sheetwise-cli help " + CommandName(command) + "'.\n";
}

}  // namespace sheetwise::cli
