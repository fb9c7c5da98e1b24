#!/usr/bin/env python3
"""Every JSON output of sheetwise-cli against its published schema (docs/schema).

Runs the built tool on catalogs, import files and edit scripts that reach each kind of output
(clean, damaged, unreadable, applied, refused), in the indented and the --compact form, and
validates what it prints with python3-jsonschema, so that the schemas scripts rely on cannot
drift from what the tool prints. Edit scripts are held against the edit-script schema the other
way round: the schema takes exactly the scripts the tool takes.

Usage: json_schema_test.py SHEETWISE_CLI SCHEMA_DIR
"""
import json
import pathlib
import subprocess
import sys
import tempfile

import jsonschema

SIZES = b"8.5:11:0:0:0:Letter 8.5 x 11 in\n210:297:0:0:1:A4 210 x 297 mm\n" \
        b"99999999999999999999999999999999999999999:1:0:0:7:huge\n"
ATTRIBUTES = b"[PaperWeights]\n*\n75\n[PaperTypes]\nplain\n[PaperColors]\nwhite\n\n"
SHOP = b"Shop:Letter\nLetter:1:75:white:plain:2:0\nTab:3:*:*:tab::1\n"
DAMAGED = b"Dmg:Nobody\nA:1:75:white:plain\nB B:1:75:white:plain\nC:1\nA:9:x:red:p\n"
INI = "\r\n".join([
    "[PaperSizes]", "PaperSize0=Letter 8.5 x 11 in", "PaperSize1=A4 210.0 x 297.0 mm",
    "[PaperColors]", "PaperColor0=white", "[PaperWeights]", "PaperWeight0=75 gsm",
    "[PaperTypes]", "PaperType0=plain", "[PaperForced]", "PaperForce0=*", "[PaperDefs]",
    "PaperDef0=Short;0;white", "PaperDef1=Office;0;white;75;plain;0",
    "PaperDef2=Col:on;1;*;*;plain;1", ""]).encode()
FAILED_INI = b"[PaperSizes]\r\nPaperSize0=Letter\r\n"
SCRIPT = [
    {"edit": "modify", "name": "Letter", "weight": 160, "sides": 1},
    {"edit": "add", "name": "Blue", "size": 2, "weight": "*", "colour": "blue", "type": "plain",
     "precollated": True},
    {"edit": "rename", "name": "Tab", "newName": "Tabs"},
    {"edit": "move", "name": "Tabs", "to": 1},
    {"edit": "move", "name": "Letter", "down": True},
    {"edit": "set-default", "name": "Blue"},
    {"edit": "add-value", "kind": "weight", "value": 90},
    {"edit": "add-value", "kind": "colour", "value": "ivory"},
    {"edit": "delete-value", "kind": "colour", "value": "ivory"},
    {"edit": "delete", "name": "Blue_None"},
]
# Scripts the schema refuses, each for one reason; the tool refuses each too (exit 2).
BAD_SCRIPTS = [
    {"edit": "delete", "name": "Old"},
    [{"edit": "frobnicate", "name": "Old"}],
    [{"edit": "modify", "name": "Letter"}],
    [{"edit": "modify", "name": "Letter", "weight": "heavy"}],
    [{"edit": "modify", "name": "Letter", "weight": 90.5}],
    [{"edit": "add", "name": "N", "size": 1, "weight": 90, "colour": "white"}],
    [{"edit": "add", "name": "N", "size": 0, "weight": 90, "colour": "white", "type": "p"}],
    [{"edit": "add", "name": "N", "size": 1, "weight": 90, "colour": "w", "type": "p", "sides": 3}],
    [{"edit": "rename", "name": "Letter"}],
    [{"edit": "delete", "name": "Letter", "weight": 90}],
    [{"edit": "delete", "name": ""}],
    [{"edit": "move", "name": "Letter", "up": True, "to": 2}],
    [{"edit": "move", "name": "Letter", "up": False}],
    [{"edit": "move", "name": "Letter", "to": 0}],
    [{"edit": "add-value", "kind": "size", "value": "A3"}],
    [{"edit": "add-value", "kind": "weight", "value": "90gsm"}],
    [{"edit": "delete-value", "kind": "colour", "value": 5}],
    ["delete Letter"],
]


def write_catalog(folder, name, catalog, sizes=SIZES, attributes=ATTRIBUTES):
    (folder / f"{name}.cat").write_bytes(catalog)
    if sizes is not None:
        (folder / f"{name}.DEF").write_bytes(sizes)
    if attributes is not None:
        (folder / f"{name}.cat.atr").write_bytes(attributes)
    return str(folder / f"{name}.cat")


def runs(folder):
    """(schema name, arguments) for every kind of JSON output."""
    shop = write_catalog(folder, "shop", SHOP)
    changed = write_catalog(folder, "changed", SHOP.replace(b"Tab:3", b"Tab:2"))
    damaged = write_catalog(folder, "damaged", DAMAGED)
    sized = write_catalog(folder, "sized", SHOP, SIZES.replace(b"A4 210", b"A4 long") + b"9:1:0:0:0:T\n")
    alone = write_catalog(folder, "alone", SHOP, None, None)
    missing = str(folder / "missing.cat")
    (folder / "papers.ini").write_bytes(INI)
    (folder / "failed.ini").write_bytes(FAILED_INI)
    yield from (("show", ["show", path, "--json"]) for path in (shop, damaged, alone, missing))
    yield from (("export", ["export", path, *form])
                for path in (shop, damaged) for form in (["--json"], ["--format", "json"]))
    yield from (("import", ["import", str(folder / name), "--json"])
                for name in ("papers.ini", "failed.ini", "missing.ini"))
    yield ("check", ["check", shop, "--json"])
    yield ("check", ["check", damaged, alone, missing, "--json", "--max", "1"])
    yield from (("diff", ["diff", a, b, "--json", *more])
                for a, b, more in ((shop, shop, ["--bytes"]), (shop, changed, []),
                                   (shop, damaged, ["--bytes"]), (sized, shop, [])))
    yield ("diff", ["diff", shop, changed, sized, damaged, "--json"])
    script = folder / "edits.json"
    script.write_text(json.dumps(SCRIPT))
    refused = folder / "refused.json"
    refused.write_text(json.dumps([{"edit": "delete-value", "kind": "colour", "value": "white"}]))
    edited = write_catalog(folder, "edited", SHOP)
    other = write_catalog(folder, "other", SHOP)
    yield ("apply", ["apply", str(script), edited, other, "--json", "--dry-run"])
    yield ("apply", ["apply", str(script), edited, other, "--json"])
    yield ("apply", ["apply", str(script), edited, other, "--json"])
    yield ("apply", ["apply", str(refused), edited, damaged, alone, missing, "--json"])
    yield ("apply", ["apply", str(script), damaged, "--json", "--drop-bad-lines", "--force"])
    yield ("apply", ["modify", "Letter", "--weight", "90", edited, "--json"])
    yield ("apply", ["modify", "Letter", "--weight", "250", edited, "--json"])
    yield ("apply", ["add-value", "type", "bond", edited, "--json", "--out",
                     str(folder / "elsewhere.cat")])


def validator(name):
    path = SCHEMAS / f"{name}.schema.json"
    schema = json.loads(path.read_text())
    store = {p.resolve().as_uri(): json.loads(p.read_text())
             for p in SCHEMAS.glob("*.schema.json")}
    jsonschema.Draft202012Validator.check_schema(schema)
    resolver = jsonschema.RefResolver(path.resolve().as_uri(), schema, store=store)
    return jsonschema.Draft202012Validator(schema, resolver=resolver)


def documents(text):
    """The JSON documents of an output, one after another (diff prints one a catalog)."""
    decoder = json.JSONDecoder()
    found, at = [], 0
    while True:
        while at < len(text) and text[at].isspace():
            at += 1
        if at == len(text):
            return found
        document, at = decoder.raw_decode(text, at)
        found.append(document)


def run(tool, arguments):
    return subprocess.run([tool, *arguments], capture_output=True,
                          env={"SHEETWISE_ANSI_CODEPAGE": "1252", "LANG": "C.UTF-8"})


def check_output(tool, name, arguments, shown):
    """Validates every document the run prints; with --compact each must be one line."""
    result = run(tool, arguments)
    text = result.stdout.decode()
    try:
        found = documents(text)
    except ValueError as error:
        print(f"FAIL {shown}: not JSON ({error})\n{text[:400]!r}")
        return 1
    failures = 0 if found else 1
    if not found:
        print(f"FAIL {shown}: no JSON printed")
    if "--compact" in arguments and text.count("\n") != len(found):
        print(f"FAIL {shown}: not one document a line")
        failures += 1
    for document in found:
        errors = list(validator(name).iter_errors(document))
        for error in errors:
            print(f"FAIL {shown}: {'/'.join(map(str, error.absolute_path))}: {error.message}")
        failures += bool(errors)
    if not failures:
        print(f"ok   {shown} (exit {result.returncode})")
    return failures


def check_scripts(tool, folder):
    """The edit-script schema takes what the tool applies and refuses what the tool refuses."""
    failures = 0
    catalog = write_catalog(folder, "scripted", SHOP)
    schema = validator("edits")
    for number, script in enumerate([SCRIPT] + BAD_SCRIPTS):
        path = folder / f"script{number}.json"
        path.write_text(json.dumps(script))
        valid = schema.is_valid(script)
        refused = run(tool, ["apply", str(path), catalog, "--dry-run"]).returncode == 2
        if valid == refused or (number == 0) != valid:
            print(f"FAIL edit script {json.dumps(script)}: schema {'takes' if valid else 'refuses'}"
                  f" it, the tool {'refuses' if refused else 'takes'} it")
            failures += 1
    if not failures:
        print(f"ok   {1 + len(BAD_SCRIPTS)} edit scripts: the schema and the tool agree")
    return failures


def main():
    tool = sys.argv[1]
    failures = 0
    with tempfile.TemporaryDirectory() as temp:
        for name, arguments in runs(pathlib.Path(temp)):
            shown = " ".join(arguments).replace(temp + "/", "")
            failures += check_output(tool, name, arguments, shown)
            failures += check_output(tool, name, arguments + ["--compact"], shown + " --compact")
        failures += check_scripts(tool, pathlib.Path(temp))
    return 1 if failures else 0


SCHEMAS = pathlib.Path(sys.argv[2]) if len(sys.argv) > 2 else pathlib.Path("docs/schema")

if __name__ == "__main__":
    sys.exit(main())
