#include "ui/window/AttributeLists.h"

#include <QSet>
#include <algorithm>

#include "model/ValueUsage.h"
#include "ui/resources/QtText.h"
#include "ui/window/ControlIds.h"

namespace sheetwise {
namespace {

// The number of papers using the value beside it, and their names in its tooltip.
ListBox::Item UsedItem(const QString& text, int data, const ValueUse& use) {
    return {text, data, QString::number(use.papers), QString::fromStdString(UsersText(use))};
}

std::vector<ListBox::Item> ValueItems(const PaperCatalog& catalog, int32_t kind) {
    const AttributeList& values = catalog.GetAttributeList(kind);
    const std::vector<ValueUse> uses = ValueUses(catalog, kind);
    std::vector<ListBox::Item> items;
    items.reserve(values.size());
    for (size_t i = 0; i < values.size(); ++i)
        items.push_back(UsedItem(ToQString(values[i]), static_cast<int>(i), uses[i]));
    return items;
}

// Each name once, whatever its letter case; an item's data is its paper's index.
std::vector<ListBox::Item> NameItems(const PaperCatalog& catalog) {
    std::vector<ListBox::Item> items;
    QSet<QString> shown;
    shown.reserve(catalog.PaperCount());
    for (int32_t i = 0; i < catalog.PaperCount(); ++i) {
        const QString name = ToQString(catalog.papers()[static_cast<size_t>(i)].name);
        const QString folded = name.toCaseFolded();
        if (!shown.contains(folded)) {
            shown.insert(folded);
            items.push_back({name, i, {}, {}});
        }
    }
    return items;
}

void SelectText(ListBox* list, const QString& text) {
    if (list == nullptr)
        return;
    const int exact = list->FindExact(text);
    list->SelectRow(exact >= 0 ? exact : list->FindIgnoringCase(text));
}

}  // namespace

void AttributeLists::Render(const EditingSession& session, bool catalogChanged) {
    if (catalogChanged)
        Fill(session);
    ShowSizes(session);
    SelectHeld(session);
}

void AttributeLists::Fill(const EditingSession& session) {
    const PaperCatalog& catalog = session.catalog();
    const std::pair<int, int32_t> lists[] = {{control::kColourList, kColours},
                                             {control::kWeightList, kWeights},
                                             {control::kTypeList, kTypes}};
    for (const auto& [id, kind] : lists) {
        if (ListBox* list = list_(id))
            list->ShowItems(ValueItems(catalog, kind));
    }
    ShowNames(catalog);
    const std::vector<SizeListItem> sizes = session.SizeItems();
    const std::vector<ValueUse> uses = SizeUses(catalog, sizes, session.decimalSeparator());
    sizes_.clear();
    for (size_t i = 0; i < sizes.size(); ++i)
        sizes_.push_back(UsedItem(ToQString(sizes[i].text), sizes[i].sizeIndex, uses[i]));
}

void AttributeLists::ShowNames(const PaperCatalog& catalog) {
    ListBox* list = list_(control::kNameList);
    const std::vector<PaperDefinition>& papers = catalog.papers();
    if (list == nullptr || std::equal(papers.begin(), papers.end(), names_.begin(), names_.end(),
                                      [](const PaperDefinition& paper, const std::u16string& name) {
                                          return paper.name == name;
                                      }))
        return;
    list->ShowItems(NameItems(catalog));
    names_.clear();
    names_.reserve(papers.size());
    for (const PaperDefinition& paper : papers)
        names_.push_back(paper.name);
}

// A paper's size that is none of the catalog's is shown, and cannot be chosen.
void AttributeLists::ShowSizes(const EditingSession& session) {
    ListBox* list = list_(control::kSizeList);
    if (list == nullptr)
        return;
    const QString held = ToQString(session.fields().sizeText);
    std::vector<ListBox::Item> items = sizes_;
    if (!held.isEmpty() && std::none_of(items.begin(), items.end(),
                                        [&](const auto& item) { return item.text == held; }))
        items.push_back({held, -1, {}, {}});
    list->ShowItems(items);
    list->SelectRow(list->FindExact(held));
}

void AttributeLists::SelectHeld(const EditingSession& session) {
    const PaperFields& fields = session.fields();
    const std::pair<int, std::u16string> held[] = {
        {control::kColourList, fields.colour},
        {control::kWeightList, session.WeightFieldText()},
        {control::kTypeList, fields.type}};
    for (const auto& [id, text] : held) {
        if (ListBox* list = list_(id))
            list->SelectRow(list->FindExact(ToQString(text)));
    }
    SelectText(list_(control::kNameList), ToQString(session.catalog().GetName(session.selected())));
}

}  // namespace sheetwise
