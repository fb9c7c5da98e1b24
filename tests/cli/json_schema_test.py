#!/usr/bin/env python3
"""Every JSON output of sheetwise-cli against its published schema (docs/schema).

Runs the built tool on catalogs and import files that reach each kind of output (clean,
damaged, unreadable) and validates what it prints with python3-jsonschema, so that the schemas
scripts rely on cannot drift from what the tool prints.

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
    if (SCHEMAS / "diff.schema.json").exists():
        yield from (("diff", ["diff", a, b, "--json", *more])
                    for a, b, more in ((shop, shop, ["--bytes"]), (shop, changed, []),
                                       (shop, damaged, ["--bytes"]), (sized, shop, [])))


def validator(name):
    path = SCHEMAS / f"{name}.schema.json"
    schema = json.loads(path.read_text())
    store = {p.resolve().as_uri(): json.loads(p.read_text())
             for p in SCHEMAS.glob("*.schema.json")}
    jsonschema.Draft202012Validator.check_schema(schema)
    resolver = jsonschema.RefResolver(path.resolve().as_uri(), schema, store=store)
    return jsonschema.Draft202012Validator(schema, resolver=resolver)


def main():
    tool = sys.argv[1]
    failures = 0
    with tempfile.TemporaryDirectory() as temp:
        for name, arguments in runs(pathlib.Path(temp)):
            result = subprocess.run([tool, *arguments], capture_output=True,
                                    env={"SHEETWISE_ANSI_CODEPAGE": "1252", "LANG": "C.UTF-8"})
            shown = " ".join(arguments).replace(temp + "/", "")
            try:
                document = json.loads(result.stdout)
            except ValueError as error:
                print(f"FAIL {shown}: not JSON ({error})\n{result.stdout[:400]!r}")
                failures += 1
                continue
            errors = list(validator(name).iter_errors(document))
            for error in errors:
                print(f"FAIL {shown}: {'/'.join(map(str, error.absolute_path))}: {error.message}")
            failures += bool(errors)
            if not errors:
                print(f"ok   {shown} (exit {result.returncode})")
    return 1 if failures else 0


SCHEMAS = pathlib.Path(sys.argv[2]) if len(sys.argv) > 2 else pathlib.Path("docs/schema")

if __name__ == "__main__":
    sys.exit(main())
