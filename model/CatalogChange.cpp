#include "model/CatalogChange.h"

#include "model/PaperCatalog.h"

namespace sheetwise {
namespace {

template <class... Handlers>
struct Overloaded : Handlers... {
    using Handlers::operator()...;
};
// Said outright for compilers that do not deduce an aggregate's arguments (clang 14).
template <class... Handlers>
Overloaded(Handlers...) -> Overloaded<Handlers...>;

}  // namespace

void ApplyChange(PaperCatalog& catalog, const CatalogChange& change) {
    std::visit(
        Overloaded{
            [&](const PaperInserted& c) { catalog.InsertPaperAt(c.index, c.paper); },
            [&](const PaperRemoved& c) { catalog.RemovePaperAt(c.index); },
            [&](const PaperReplaced& c) { catalog.ReplacePaperAt(c.index, c.after); },
            [&](const PapersSwapped& c) { catalog.SwapPapers(c.first, c.second); },
            [&](const DefaultChanged& c) { catalog.SetDefaultIndex(c.after); },
            [&](const ValueInserted& c) { catalog.InsertValueAt(c.kind, c.position, c.value); },
            [&](const ValueRemoved& c) { catalog.RemoveValueAt(c.kind, c.position); },
        },
        change);
}

void RevertChange(PaperCatalog& catalog, const CatalogChange& change) {
    std::visit(
        Overloaded{
            [&](const PaperInserted& c) { catalog.RemovePaperAt(c.index); },
            [&](const PaperRemoved& c) { catalog.InsertPaperAt(c.index, c.paper); },
            [&](const PaperReplaced& c) { catalog.ReplacePaperAt(c.index, c.before); },
            [&](const PapersSwapped& c) { catalog.SwapPapers(c.first, c.second); },
            [&](const DefaultChanged& c) { catalog.SetDefaultIndex(c.before); },
            [&](const ValueInserted& c) { catalog.RemoveValueAt(c.kind, c.position); },
            [&](const ValueRemoved& c) { catalog.InsertValueAt(c.kind, c.position, c.value); },
        },
        change);
}

bool ChangesCatalogFile(const CatalogChange& change) {
    return !std::holds_alternative<ValueInserted>(change) &&
           !std::holds_alternative<ValueRemoved>(change);
}

}  // namespace sheetwise
