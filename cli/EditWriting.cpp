#include "cli/EditWriting.h"

#include <algorithm>
#include <atomic>
#include <map>
#include <sstream>
#include <thread>

#include "cli/ToolPrompts.h"
#include "platform/NativePath.h"

namespace sheetwise::cli {
namespace {

// At most this many saves wait for the disk at once.
constexpr size_t kWriters = 8;

// A catalog that was not read whole has no file of its own to the editor: its Save asks for a
// name, which is its own only with --force.
bool WriteCatalog(CatalogEditing& catalog, const Invocation& invocation, Console& console) {
    ToolPrompts prompts(console, invocation.force);
    EditingSession& session = *catalog.session;
    SaveResult result;
    if (!invocation.out.empty()) {
        prompts.Give(FileChoice::kSaveCatalogAs, invocation.out);
        result = session.SaveAs(prompts);
    } else {
        if (session.document().untitled())
            prompts.Give(FileChoice::kSaveCatalogAs, catalog.path);
        result = session.Save(prompts);
    }
    catalog.written = result == SaveResult::kSaved ? CatalogEditing::Written::kYes
                                                   : CatalogEditing::Written::kFailed;
    return result == SaveResult::kSaved;
}

bool ToBeWritten(const CatalogEditing& catalog, const Invocation& invocation) {
    return catalog.state == CatalogEditing::State::kChanged || !invocation.out.empty();
}

// The catalogs to write, by the folder they are written into, in the order first named.
std::vector<std::vector<size_t>> ByFolder(const std::vector<CatalogEditing>& catalogs,
                                          const Invocation& invocation) {
    std::vector<std::vector<size_t>> folders;
    std::map<std::string, size_t> known;
    for (size_t i = 0; i < catalogs.size(); ++i) {
        if (!ToBeWritten(catalogs[i], invocation))
            continue;
        const std::string target = ToNativePath(catalogs[i].target);
        const std::string folder = target.substr(0, target.rfind('/') + 1);
        const auto [entry, added] = known.try_emplace(folder, folders.size());
        if (added)
            folders.emplace_back();
        folders[entry->second].push_back(i);
    }
    return folders;
}

}  // namespace

int WriteCatalogs(std::vector<CatalogEditing>& catalogs, const Invocation& invocation,
                  Console& console) {
    const std::vector<std::vector<size_t>> folders = ByFolder(catalogs, invocation);
    // What each save says, told when all are done, in the catalogs' order.
    std::vector<std::string> told(catalogs.size());
    std::atomic<size_t> next{0};
    std::atomic<bool> failed{false};
    const auto writer = [&] {
        for (size_t folder = next++; folder < folders.size() && !failed; folder = next++) {
            for (const size_t index : folders[folder]) {
                if (failed)
                    break;
                std::ostringstream out;
                std::ostringstream err;
                Console own{out, err};
                if (!WriteCatalog(catalogs[index], invocation, own))
                    failed = true;
                told[index] = err.str();
            }
        }
    };
    std::vector<std::thread> writers;
    for (size_t i = 0; i < std::min(kWriters, folders.size()); ++i)
        writers.emplace_back(writer);
    for (std::thread& thread : writers)
        thread.join();
    for (const std::string& text : told)
        console.err << text;
    if (!failed)
        return kExitSuccess;
    std::string unwritten;
    for (const CatalogEditing& catalog : catalogs) {
        if (ToBeWritten(catalog, invocation) && catalog.written == CatalogEditing::Written::kNo)
            unwritten += (unwritten.empty() ? "" : ", ") + Shown(catalog.target);
    }
    if (!unwritten.empty())
        ReportError(console, "not written either, since a catalog could not be: " + unwritten);
    return kExitUnusable;
}

}  // namespace sheetwise::cli
