// What the edit commands and apply print: a line a catalog, the diffs of --dry-run, or one JSON
// document (docs/schema/apply.schema.json) for configuration tools to decide "changed" by.
#include "cli/CatalogDiff.h"
#include "cli/DiffOutput.h"
#include "cli/EditRun.h"
#include "cli/JsonWriter.h"
#include "platform/CodePage.h"

namespace sheetwise::cli {
namespace {

using State = CatalogEditing::State;

const char16_t* StateName(State state) {
    switch (state) {
        case State::kUnreadable:
            return u"unreadable";
        case State::kRefused:
            return u"refused";
        case State::kChanged:
            return u"changed";
        case State::kUnchanged:
            return u"unchanged";
    }
    return u"";
}

const char16_t* ResultName(EditResult result) {
    switch (result) {
        case EditResult::kChanged:
            return u"changed";
        case EditResult::kUnchanged:
            return u"unchanged";
        case EditResult::kRefused:
            return u"refused";
    }
    return u"";
}

std::u16string Ascii(const char* text) {
    return std::u16string(text, text + std::char_traits<char>::length(text));
}

bool Written(const CatalogEditing& catalog) {
    return catalog.written == CatalogEditing::Written::kYes;
}

// Every catalog that was written or left as it was (a refused write is told on its own).
void PrintText(const Invocation& invocation, const std::vector<CatalogEditing>& catalogs,
               std::ostream& out) {
    for (const CatalogEditing& catalog : catalogs) {
        const bool changed = catalog.state == State::kChanged;
        if (!invocation.dryRun && !Written(catalog) && (changed || !invocation.out.empty()))
            continue;
        if (invocation.dryRun && changed) {
            out << "--- " << Shown(catalog.path) << "\n+++ " << Shown(catalog.target)
                << " (edited)\n";
            PrintDiffLines(out, DiffCatalogs(*catalog.asRead, catalog.session->catalog()),
                           *catalog.asRead, catalog.session->catalog(), std::nullopt);
        } else if (invocation.dryRun || invocation.out.empty()) {
            out << Shown(catalog.path) << (changed ? ": changed\n" : ": unchanged\n");
        } else {
            out << Shown(catalog.target) << ": written from " << Shown(catalog.path)
                << (changed ? " (changed)\n" : " (unchanged)\n");
        }
    }
}

void JsonEdits(JsonWriter& json, const CatalogEditing& catalog, const EditSource& source) {
    json.Key("edits");
    json.BeginArray();
    for (size_t i = 0; i < source.edits.size(); ++i) {
        json.BeginObject();
        json.Field("edit", static_cast<int32_t>(i + 1));
        json.Field("kind", Ascii(EditKindName(source.edits[i].kind)));
        json.Field("result",
                   i < catalog.results.size() ? ResultName(catalog.results[i]) : u"not made");
        json.EndObject();
    }
    json.EndArray();
}

void JsonRefusals(JsonWriter& json, const CatalogEditing& catalog) {
    json.Key("refusals");
    json.BeginArray();
    for (const EditRefusal& refusal : catalog.refusals) {
        json.BeginObject();
        json.Field("edit", static_cast<int32_t>(refusal.edit));
        json.Key("messageId");
        if (refusal.message == 0)
            json.Null();
        else
            json.Integer(refusal.message);
        json.Field("message", std::u16string_view(Utf8ToUtf16(refusal.text)));
        json.EndObject();
    }
    json.EndArray();
}

void JsonCatalog(JsonWriter& json, const CatalogEditing& catalog, const EditSource& source,
                 const Environment& environment) {
    json.BeginObject();
    json.Field("file", catalog.path);
    json.Field("target", catalog.target);
    json.Field("status", catalog.status);
    json.Field("result", StateName(catalog.state));
    json.Field("written", Written(catalog));
    JsonEdits(json, catalog, source);
    JsonRefusals(json, catalog);
    json.Key("diff");
    if (catalog.asRead && catalog.takesEdits()) {
        const PaperCatalog& edited = catalog.session->catalog();
        WriteDiffJson(json, catalog.path, catalog.target, DiffCatalogs(*catalog.asRead, edited),
                      *catalog.asRead, edited, std::nullopt, environment.decimalSeparator);
    } else {
        json.Null();
    }
    json.EndObject();
}

}  // namespace

void PrintEditReport(const Invocation& invocation, const std::vector<CatalogEditing>& catalogs,
                     const EditSource& source, bool applied, Console& console,
                     const Environment& environment) {
    bool refused = false;
    bool changed = false;
    for (const CatalogEditing& catalog : catalogs) {
        refused = refused || !catalog.takesEdits();
        changed = changed || Written(catalog) ||
                  (invocation.dryRun && applied && catalog.state == State::kChanged);
    }
    if (!invocation.json) {
        if (!refused)
            PrintText(invocation, catalogs, console.out);
        return;
    }
    JsonWriter json(console.out);
    json.BeginObject();
    json.Field("applied", applied);
    json.Field("changed", changed);
    json.Field("dryRun", invocation.dryRun);
    json.Key("catalogs");
    json.BeginArray();
    for (const CatalogEditing& catalog : catalogs)
        JsonCatalog(json, catalog, source, environment);
    json.EndArray();
    json.EndObject();
}

}  // namespace sheetwise::cli
