#include "cli/HelpText.h"

#include "sheetwise/Version.h"

namespace sheetwise::cli {
namespace {

constexpr const char* kOverview = R"(Usage: sheetwise-cli COMMAND [OPTIONS] FILE...

Looks into, checks, converts, builds and edits Sheetwise paper catalogs without a window.

A catalog is three files: NAME.cat (the papers and the default paper), NAME.cat.atr (the
weights, types and colours offered) and NAME.DEF (the printer's paper sizes). Companion
names are found in any letter case, as the editor finds them. Commands read catalogs exactly
as the editor reads them, and the ones that write (import --out, convert, the edit commands)
write exactly what the editor's Save or Save As writes. Nothing else creates, copies or
changes a file.

Commands:
  show CATALOG [--json]           print a catalog as the editor reads it
  check CATALOG... [--max N] [--fail-on error|warning] [--json]
                                  report every line the readers drop or change, and every
                                  inconsistency between papers, default paper and lists
  import INI --out NEW.cat [--base CATALOG] [--force]
                                  build a catalog from an import file, as File > Import
                                  followed by Save As does in the editor
  import INI --json               print the import file as read and cleaned
  convert CATALOG --out NEW.cat [--drop-bad-lines] [--force]
                                  write a catalog again with the editor's own writers
  export CATALOG [--format csv|json | --json] [--raw-csv]
                                  print the papers for spreadsheets and scripts
  diff GOLDEN CATALOG... [--bytes] [--json | --stat | --quiet]
                                  what differs between each catalog and the golden one, as
                                  the editor reads them
  help [COMMAND]                  print this overview, or the page of a command

Edit commands, each on one or more catalogs, all of them changed or none, each written as
the editor's Save writes it, with the editor's rules and messages:
  add NAME --size S --weight W --colour C --type T [--sides 0|1|2] [--precollated]
  modify NAME [--size S] [--weight W] [--colour C] [--type T] [--sides 0|1|2]
              [--precollated | --no-precollated]
  rename OLD NEW                  delete NAME
  move NAME --up|--down|--to POSITION
  set-default NAME
  add-value colour|type|weight VALUE
  delete-value colour|type|weight VALUE
  apply EDITS.json                the edits of an edit script (JSON), all or nothing
Each takes CATALOG... and --dry-run, --out NEW.cat, --force, --drop-bad-lines, --json.

Options:
  --json                 show, check, import, export, diff and the edit commands: print
                         JSON (schemas in /usr/share/sheetwise/schema, one per output)
  --compact              with --json: each JSON document on one line
  -o, --out FILE         import, convert: the catalog file to write
  -b, --base CATALOG     import: the catalog the import starts from
  -f, --format FORMAT    export: csv (the default) or json
  --max N                check: findings printed per file (1000; 0 prints all)
  --fail-on SEVERITY     check: exit with 1 only for findings this grave or graver
                         (error, warning or note; note, any finding, unless given)
  --bytes                diff: also tell which files differ byte for byte
  --stat                 diff: one line a catalog, "same" or how many papers differ
  --quiet                diff: print nothing, the exit status tells
  --dry-run              edits: print what would change, write nothing
  --drop-bad-lines       convert, edits: write a catalog without the lines its reader
                         drops
  --force                import, convert, edits: replace a file at --out (in any letter
                         case); edits: overwrite a catalog changed since it was read
  --raw-csv              export: leave cells that start like a formula as they are
  --wait SECONDS         every command: how long to wait for a catalog folder's lock,
                         which a save holds (10 unless given; 0 tries once)
  -h, --help             print help (after a command: that command's page)
  --version              print the version

Results go to standard output, diagnostics to standard error. A result that cannot be
written to standard output (a full disk) is reported there and exits with 2. File names
are taken and written as the bytes they are; in messages and tables a control character,
a byte that is no UTF-8 and a character that changes how text displays (U+202E...) are
shown escaped (\xNN, \uNNNN). A catalog's file of more than 64 MiB is not read.

Readers take the shared side of a lock file in the catalog's folder (.sheetwise.lock) and
writers its exclusive side, so that nothing is read while a save replaces the files. A
command that cannot have the lock within --wait SECONDS says which process holds it and
exits with 2. A save that was interrupted (a kill between the renames of a set) is
completed or rolled back by the next command that reads or writes that catalog's folder.

Exit status:
  0  success
  1  a catalog or import file with problems: every problem is reported; output that
     could still be made (show, export, convert, import) is made; for diff: the catalogs
     differ; for the edit commands: an edit refused (nothing written)
  2  a file that cannot be read or written, a lock not had in time, too little memory,
     or wrong arguments

Run 'sheetwise-cli help COMMAND' for a command's details; see also sheetwise-cli(1).
)";

constexpr const char* kShow = R"(Usage: sheetwise-cli show CATALOG [--json [--compact]]

Loads the catalog as the editor does (the header text from the first line, then the size-
definition file, the attribute file and the catalog file) and prints its status, header
text, default paper, papers, sizes and the weights, types and colours lists. Missing
companions are not copied: a catalog without them shows the status that tells why, and
holds only the default paper "Letter", as in the editor. So does a catalog file that cannot
be opened (exit status 2).

Without --json the catalog is printed as readable tables. With --json it is one JSON
object with every value exactly as the catalog holds it (indexes from 0, weight 0 for
the wildcard "*", measures as the floats read):

  {"status": N, "header": S, "defaultIndex": N, "defaultName": S, "defaultNameAsRead": S,
   "papers": [{"name": S, "sizeIndex": N, "width": F, "height": F, "weight": N,
               "colour": S, "colourCode": N, "type": S, "typeCode": N,
               "imagedSides": N, "precollated": N, "loadPosition": N}, ...],
   "sizes": [{"width": F, "height": F, "third": F, "fourth": F, "line": N, "unit": N,
              "text": S, "widthText": S, "heightText": S, "listText": S}, ...],
   "weights": [S, ...], "types": [S, ...], "colours": [S, ...]}

"defaultName" is the default paper's name (as in diff), "defaultNameAsRead" the name the
first line gives, which need not be any paper's. "imagedSides" is 0 Inserter,
1 1-Sided, 2 1, 2-Sided. A size's "line" counts from 0; "listText" is the size as the
editor's sizes list shows it (with the locale's decimal separator), which imported sizes
are matched by. A measure too large for a float is null. Control characters in the tables
are shown as \xNN, characters that change how text displays as \uNNNN; JSON escapes both.
Status values:
  0 read without problems        5 no catalog path
  1 no companion path            6 the catalog file cannot be opened
  2 a companion cannot be opened 7 no first line, a line longer than 2047 bytes, or a
                                   file over 64 MiB
  3 a companion line too long,  11 a paper line lacks a field
    or over 64 MiB
  4 a size line lacks a field   12 a character that is not allowed

Exit status: 0 for status 0, 2 when a file cannot be opened, 1 otherwise.
)";

constexpr const char* kCheck =
    R"(Usage: sheetwise-cli check CATALOG... [--max N] [--fail-on SEVERITY] [--json [--compact]]

Reads each catalog with its companions line by line, as the editor's readers do, and
prints one line for each finding, the moment it is found:

  FILE:LINE: message        about one line of a file
  FILE: message             about the file as a whole

It reports every line that is dropped (a missing or empty field, a character that is not
allowed, named with its position, a line longer than 2047 bytes) or changed (escapes
decoded, a name cut to 32 characters, a colour or type cut to 20, a number read from text
that is not one, a size number out of range, a value cut at ':' in the attribute file), and
every inconsistency: duplicate paper names, a default paper that no paper carries or that
several carry, a paper's colour, weight or type missing from its list, a list value no paper
could have, an unknown section in the attribute file, and a missing or unreadable companion
(one of more than 64 MiB is not read). A UTF-16 file whose length is odd is named, since its
last byte is dropped. A name, value, header or size text holding a control character or a
character that changes how text displays (U+202E, U+2066...) gets a finding that starts with
"warning:": the readers keep such text, and another program may show it as other text.
For each catalog the size-definition file comes first and the attribute file next, since
the catalog is read against them; then the catalog file: the status the editor would load
it with, when not 0, its lines, and last what only the whole file tells (the default paper,
values missing from the lists). A catalog without findings prints nothing.

--max N prints at most N findings of each file (1000 unless given; 0 prints all), then
says how many more there were: FILE: K more findings not printed (--max N). Findings
are not kept: however many a file has, check needs about the memory the editor needs to
open the catalog.

With --json: {"findings": [{"file": S, "line": N, "code": S, "severity": S,
                            "message": S}, ...],
              "notShown": [{"file": S, "count": N}, ...]}
with line 0 for a file as a whole.

Codes, by severity (a code keeps its meaning; the severity is the code's):
  error    the editor refuses or drops something: catalog-unreadable, sizes-unreadable,
           attributes-unreadable, file-too-large, folder-locked, empty-file, editor-status,
           line-too-long, line-without-key, field-missing, field-empty,
           character-not-allowed, unknown-section, value-before-section, odd-final-byte
  warning  the editor reads it, but not as written, or changes it when it shows or saves
           the catalog: escapes, text-cut, number-from-text, size-out-of-range,
           extra-fields, value-cut-at-colon, no-default-paper, default-paper-missing,
           value-not-listed, display-hazard
  note     read and kept as written, but not what the editor would make:
           default-paper-repeated, duplicate-name, weight-out-of-range,
           precollated-not-flag, size-unit-unknown, listed-weight-not-number,
           listed-weight-out-of-range, listed-value-not-allowed, listed-value-too-long,
           value-listed-twice

Exit status: 0 when no catalog has a finding, 1 when one has, 2 when a catalog file or a
companion cannot be opened or is too large. With --fail-on error (or warning, or note) only
a finding of that severity or a graver one gives 1, whether or not --max printed it.
)";

constexpr const char* kImport =
    R"(Usage: sheetwise-cli import INI --out NEW.cat [--base CATALOG] [--force]
       sheetwise-cli import INI --json [--compact]

With --out: does what File > Import followed by Save As does in the editor, on the editor's
own editing session. The import file is read and cleaned; the base catalog is opened as the
editor opens its default catalog (its .atr and .def companions must exist, and it must load
without problems); its
papers and attribute values are removed, its sizes stay; the imported papers and values are
added, each paper's size matched to the base's sizes by their list text; the import's first
valid paper becomes the default. Then NEW.cat and NEW.cat.atr are written byte for byte as
the editor writes them, and the base's size-definition file is copied beside NEW.cat when
none is there. Without --base the installation's default catalog is the base, as in the
editor. Sizes are matched with the locale's decimal separator, as the editor's sizes list
shows them.

The messages the editor shows go to standard error in its words: colons replaced by
underscores, a default paper that cannot be taken over, and one message naming each paper
definition and value left out and why. A failed import (an empty section, no valid paper,
or nothing that could be added) writes nothing. NEW.cat is refused as Save As refuses it:
an existing file of that name, in any letter case, is replaced only with --force, and a
name without an extension of at most three characters (whose size-definition file would
not be found) is not written.

With --json: prints the import file as read and cleaned, as one JSON object with the keys
'show --json' uses for the same things:

  {"status": N, "defaultIndex": N, "defaultName": S, "defaultKeyNumber": N,
   "papers": [paper, ...], "sizes": [{"listText": S}, ...],
   "weights": [S], "types": [S], "colours": [S], "forced": [S],
   "failed": B, "colonsReplaced": B, "invalidValue": B, "missingField": B,
   "defaultPaperFailed": B, "invalidPaperCount": N}

"status" is 0 for a file read without a warning, 1 with warnings (colons replaced, paper
definitions rejected), 2 for a failed import, 3 for a file that cannot be read (printed as
the failed import the editor reads from it). The default paper is the first valid one:
"defaultIndex" 0, or -1 without any; "defaultKeyNumber" is N of its PaperDefN key. Papers
have the keys of 'show --json'; their "sizeIndex" is the position in "sizes". A size is the
text the base's sizes list is searched for, "listText" as in 'show --json'.

Exit status: 0 without warnings, 1 for a failed import or one with warnings (NEW.cat is
still written when the import did not fail), 2 when a file cannot be read or written.
)";

constexpr const char* kConvert =
    R"(Usage: sheetwise-cli convert CATALOG --out NEW.cat [--drop-bad-lines] [--force]

Opens the catalog as the editor opens it and saves it as the editor's Save As does, on the
editor's own editing session: byte for byte what opening the catalog in the window and
saving it writes. The attribute file takes in every colour, weight and type the papers use
that its lists lack, as the editor's lists do. NEW.cat is written in the ANSI code page of
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
papers would be lost. A refused catalog is left as it is.

An existing NEW.cat, also one that differs only in letter case, is replaced only with
--force (the catalog itself included); a NEW.cat whose companions would not be found with
it is refused, with the reason: a name without an extension of at most three characters
(the size-definition file is named after what comes before the last "."), and "-".
Nothing is written when it is refused.

NEW.cat and NEW.cat.atr are written as one set: when either cannot be written, neither
is, and a rename that fails is rolled back. Each file is written beside its name and takes
it only when complete; writers of one folder (the editor, other sheetwise-cli runs) take
turns (--wait). A symbolic link at NEW.cat or NEW.cat.atr is written through only when it
and its file are the user's own, and NEW.cat.atr lies beside the file NEW.cat leads to.

Exit status: 0 for a clean catalog, 1 when the catalog was refused, written with
--drop-bad-lines, or cannot be read to its end, 2 when a file cannot be read or written.
)";

constexpr const char* kExport =
    R"(Usage: sheetwise-cli export CATALOG [--format csv|json | --json] [--raw-csv] [--compact]

Prints the catalog's papers for spreadsheets and scripts.

csv (the default): a header row, then one record per paper, with the columns
  name,sizeIndex,width,height,weight,colour,colourCode,type,typeCode,imagedSides,
  precollated,loadPosition
Fields holding a comma, a double quote, CR or LF are quoted as RFC 4180 says; records
end with CR LF; text is UTF-8. A name, colour or type that starts with =, +, -, @, a tab
or CR, which a spreadsheet would run as a formula, is written with a leading ' (which
spreadsheets take as "text" and do not show); --raw-csv writes it as it is.

json (or --json): an array of paper objects with the keys of 'show --json'.

Papers that could not be read are not made up: when the companions cannot be read or the
file cannot be read to its end, nothing is exported.

Exit status: 0 for a clean catalog, 1 when lines were dropped (the rest is exported) or the
catalog cannot be read to its end, 2 when a file cannot be opened.
)";

constexpr const char* kDiff =
    R"(Usage: sheetwise-cli diff GOLDEN CATALOG... [--bytes] [--json | --stat | --quiet]

Loads the catalogs as 'show' does and prints what differs from GOLDEN to each CATALOG: for
each, the two files named, then one line a difference, or "same":

  --- golden.cat
  +++ server1.cat
  header: "A" -> "B"
  default paper: "Letter" -> "A4"
  paper "Old": removed from 4 (Old:1:75:white:plain:2:0)
  paper "New": added at 4 (New:2:75:white:plain:2:0)
  paper "Tab": moved from 3 to 1
  paper "Letter": weight 75 -> 90, colour "white" -> "blue"
  weights: added "90"          (removed, and "the values both hold stand in another order")
  size 2: text "A4" -> "A4 long"          (added, removed: the size line)

Papers are matched by name (the n-th paper of a name in GOLDEN with the n-th in CATALOG) and
compared by what a catalog file stores: sizeIndex, weight, colour, type, imagedSides,
precollated. Positions are rows of the editor's paper list, counted from 1; sizes are
numbered as a catalog file numbers them (1 is the first size). A paper is called moved only
when its order among the papers both hold changed, not when papers before it were added or
removed; as few papers as possible are called moved, and of the papers that could be, those
whose position changed most: the paper that was moved, not one it was moved past. Sizes are
compared position by position, since papers refer to them by position. Catalogs that read
the same are the same whatever their bytes: narrow or UTF-16, LF or CR LF, lines the reader
drops. With --bytes diff also says which of the three files differ byte for byte; that
alone does not make the catalogs differ.

--stat prints one line a catalog: "golden.cat -> server1.cat: same", or "... 1 added,
0 removed, 2 changed, 1 moved" (papers), followed by "; also the default paper, the
colours" for what else differs. --quiet prints nothing: the exit status tells.

With --json: one JSON object a CATALOG (with --compact, one a line):
 {"golden": S, "file": S, "same": B,
  "counts": {"added": N, "removed": N, "changed": N, "moved": N},
  "header": null or {"from": S, "to": S}, "defaultName": idem,
  "papers": {"added": [{"index": N, "paper": paper}], "removed": [idem],
             "moved": [{"name": S, "from": N, "to": N}],
             "changed": [{"name": S, "from": N, "to": N, "fields": [field]}]},
  "weights": {"added": [S], "removed": [S], "reordered": B}, "types": idem, "colours": idem,
  "sizes": {"added": [{"index": N, "size": size}], "removed": [idem],
            "changed": [{"index": N, "fields": [field]}]},
  "bytes": null, or with --bytes {"catalog": B, "attributes": B, "sizes": B}}
where a field is {"field": key, "from": V, "to": V}, and paper and size objects are those
of 'show --json'. Indexes in JSON count from 0, as in every JSON output ("from": in
GOLDEN, "to": in CATALOG).

A catalog that cannot be opened, or whose files cannot be read to their end (a missing
companion, a line longer than 2047 bytes), cannot be compared; the others still are.

Exit status: 0 when every catalog reads the same as GOLDEN, 1 when one differs, 2 when one
cannot be compared.
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
        case Command::kDiff:
            return kDiff;
        case Command::kHelp:
        case Command::kVersion:
            return kOverview;
        default:
            return EditHelpText(topic);
    }
}

std::string VersionText() {
    return "sheetwise-cli " + std::string(sheetwise::kVersion) + "\n";
}

std::string UsageHint(Command command) {
    if (command == Command::kHelp || command == Command::kVersion)
        return "Try 'sheetwise-cli --help'.\n";
    return "Try 'sheetwise-cli help " + CommandName(command) + "'.\n";
}

}  // namespace sheetwise::cli
