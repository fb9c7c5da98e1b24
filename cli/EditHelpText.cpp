// The pages of "help COMMAND" for the commands that change catalogs.
#include "cli/HelpText.h"

namespace sheetwise::cli {
namespace {

// What every edit command shares, after its own page.
constexpr const char* kEditCommon = R"page(
Each CATALOG is opened as the editor opens it, on the editor's own editing session; the
edit is made there as an operator makes it in the window (the paper shown, the values
typed, the button pressed), with the window's rules and messages, and the catalog is then
written as the editor's Save writes it: NAME.cat and NAME.cat.atr as one set, each file
beside its name first. All or nothing: every catalog is read and takes the edit before any
is written, and when one cannot be read or refuses the edit (its message, in the editor's
words, goes to standard error), none is written. A catalog the edit leaves as it was is not
written at all: the same files, not even rewritten.

An edit whose result is in place already changes nothing: adding a paper that is there with
the same values, deleting a paper or a value that is not there, renaming a paper that has
its new name, moving a paper to where it is, making the default paper the default. A paper
of that name with other values is refused, as the window refuses it.

Options:
  --dry-run         write nothing; print what would change, as diff prints it
  --out NEW.cat     (one CATALOG) write the edited catalog there, as Save As does, and
                    leave CATALOG as it is; an existing file is replaced only with --force
  --force           overwrite a catalog another program changed since it was read, or an
                    existing --out
  --drop-bad-lines  edit a catalog whose reader drops or changes lines (refused without it,
                    with check's findings, as convert refuses it); since the editor saves a
                    catalog it could not read whole only under a new name, writing it over
                    itself takes --force too. A catalog not read to its end is never edited.
  --json            print what was done as one JSON object (see 'help apply')
  --compact         with --json: the object on one line

Names, colours and types hold no blank and no ':' (the window's fields refuse them); a name
is cut to 32 characters and a colour or type to 20, as the window cuts them. Arguments are
UTF-8; bytes that are not are refused, as the characters they decode to are.

Standard output says, a line a catalog, "CATALOG: changed" or "CATALOG: unchanged" (with
--out: "NEW.cat: written from CATALOG (changed)"), nothing when nothing was written.

Exit status: 0 done, or nothing to do; 1 refused in some catalog (nothing written), or a
catalog that does not read cleanly; 2 a catalog that cannot be read or written, or wrong
arguments.
)page";

constexpr const char* kAdd =
    R"page(Usage: sheetwise-cli add NAME --size SIZE --weight W --colour C --type T
                         [--sides 0|1|2] [--precollated] CATALOG... [edit options]

Adds the paper NAME at the end of each catalog, as Add does in the window after a new name
and the values were typed: the size chosen from the sizes list, the weight, colour and
type typed, the mode and Precollated set. A colour, weight or type the lists lack joins
them, as in the window.

  --size SIZE    the size number the catalog file writes (1 is the first size of the
                 size-definition file), or the size's text as the sizes list shows it
                 ('8.5 x 11"', "210 x 297 mm") or as the size file names it ("A4 210 x
                 297 mm")
  --weight W     gsm, 60 to 200, or * for any weight
  --colour C, --type T
  --sides M      0 Inserter, 1 1-Sided, 2 1, 2-Sided (the default)
  --precollated  the paper is precollated (it is not, unless given)

Refused as the window refuses it: a name in use by a paper with other values (by one with
the same values it is no change), a weight outside 60..200, an empty or not allowed name,
colour or type, a size the catalog does not have.
)page";

constexpr const char* kModify =
    R"page(Usage: sheetwise-cli modify NAME [--size SIZE] [--weight W] [--colour C] [--type T]
                            [--sides 0|1|2] [--precollated | --no-precollated]
                            CATALOG... [edit options]

Changes the paper NAME as Modify does in the window: the paper selected, the values given
typed or chosen, the others as the paper has them. The values are those of 'help add'.
Refused as the window refuses it: no paper of that name, a weight outside 60..200, an empty
or not allowed colour or type. As in the window, a paper whose size number is not one of
the catalog's sizes takes the default paper's size when it is modified.
)page";

constexpr const char* kRename = R"page(Usage: sheetwise-cli rename OLD NEW CATALOG... [edit options]

Gives the paper OLD the name NEW, as Edit > Rename does: it keeps its place, its default
status and every other value. Refused: no paper OLD (unless NEW is there already: renamed
before), NEW empty, not allowed, or the name of another paper.
)page";

constexpr const char* kDelete = R"page(Usage: sheetwise-cli delete NAME CATALOG... [edit options]

Deletes the paper NAME, as Delete does in the window once its question is answered Yes.
Refused as the window refuses it: the default paper (make another one the default first),
the only paper. A catalog without a paper NAME has nothing to delete.
)page";

constexpr const char* kMove =
    R"page(Usage: sheetwise-cli move NAME --up|--down|--to POSITION CATALOG... [edit options]

Moves the paper NAME one row up or down, as the arrow buttons do, or to POSITION, counted
from 1 as the rows of the paper list (the positions diff prints). The default paper stays
the default. Up on the first paper and down on the last change nothing; --up and --down
move again each time they are applied, while --to POSITION is in place once done. Refused:
no paper NAME, a POSITION beyond the last paper.
)page";

constexpr const char* kSetDefault =
    R"page(Usage: sheetwise-cli set-default NAME CATALOG... [edit options]

Makes the paper NAME the default paper, as the Default Paper check box does. Refused: no
paper NAME.
)page";

constexpr const char* kAddValue =
    R"page(Usage: sheetwise-cli add-value colour|type|weight VALUE CATALOG... [edit options]

Adds VALUE to the colours, types or weights offered, as typing it into the field under its
list and pressing Add with the name untouched does in the window. A weight is gsm (60 to
200) or *, and is listed as the weights list writes it ("090" is "90"). Refused as the
window refuses it: a weight outside 60..200, a colour or type that is empty or holds a
character that is not allowed.
)page";

constexpr const char* kDeleteValue =
    R"page(Usage: sheetwise-cli delete-value colour|type|weight VALUE CATALOG... [edit options]

Deletes VALUE from the colours, types or weights offered, as Delete does in the window with
the value selected in its list and the question answered Yes. Refused as the window refuses
it: the wildcard *, a value a paper uses (the message names the papers). A list without
VALUE has nothing to delete.
)page";

constexpr const char* kApply =
    R"page(Usage: sheetwise-cli apply EDITS.json CATALOG... [edit options]

Applies the edits of an edit script, in order, to each catalog, as the edit commands would
one after the other, but all or nothing: every catalog takes every edit before any catalog
is written, and when one catalog refuses one edit, no catalog is written. A script whose
edits are in place already writes nothing, so a script can be applied again and again
(configuration tools: use --json and its "changed").

The script is a JSON array of edits, each an object named by "edit" with the values of
its command (JSON Schema: /usr/share/sheetwise/schema/edits.schema.json):

  [{"edit": "add", "name": "Blue_A4", "size": "210 x 297 mm", "weight": 90,
    "colour": "blue", "type": "plain", "sides": 2, "precollated": false},
   {"edit": "modify", "name": "Letter", "weight": 90, "colour": "white"},
   {"edit": "rename", "name": "Old", "newName": "New"},
   {"edit": "delete", "name": "Draft"},
   {"edit": "move", "name": "Tabs", "to": 1},        (or "up": true, "down": true)
   {"edit": "set-default", "name": "Letter"},
   {"edit": "add-value", "kind": "colour", "value": "ivory"},
   {"edit": "delete-value", "kind": "weight", "value": "105"}]

"size" is a size number from 1 or a size's text; "weight" and a weight's "value" a whole
number of gsm or "*"; "sides" 0, 1 or 2. A script that is not JSON, does not follow the
schema or names an unknown edit is refused before any catalog is read, naming the edit's
position (from 1) and the fault; nothing is written (exit status 2).

With --json (also for the edit commands), one object:
  {"applied": B, "changed": B, "dryRun": B,
   "catalogs": [{"file": S, "target": S, "status": N,
                 "result": "changed"|"unchanged"|"refused"|"unreadable", "written": B,
                 "edits": [{"edit": N, "kind": S,
                            "result": "changed"|"unchanged"|"refused"|"not made"}],
                 "refusals": [{"edit": N, "messageId": N|null, "message": S}],
                 "diff": null or the object of 'diff --json'}]}
"applied" is true when every catalog took every edit (and, without --dry-run, every
changed catalog was written); "changed" when a catalog was written (with --dry-run: would
be). A refusal's "edit" is 0 for the catalog as a whole (it cannot be read, or does not
read cleanly); "messageId" is the editor's string-table id of its message, null for the
tool's own words. "target" is the file written: the catalog, or --out.
)page";

}  // namespace

std::string EditHelpText(Command topic) {
    const char* page = nullptr;
    switch (topic) {
        case Command::kAdd:
            page = kAdd;
            break;
        case Command::kModify:
            page = kModify;
            break;
        case Command::kRename:
            page = kRename;
            break;
        case Command::kDelete:
            page = kDelete;
            break;
        case Command::kMove:
            page = kMove;
            break;
        case Command::kSetDefault:
            page = kSetDefault;
            break;
        case Command::kAddValue:
            page = kAddValue;
            break;
        case Command::kDeleteValue:
            page = kDeleteValue;
            break;
        default:
            page = kApply;
            break;
    }
    return std::string(page) + kEditCommon;
}

}  // namespace sheetwise::cli
