// Queries and edits of a catalog's papers and attribute values.
#include <algorithm>
#include <new>

#include "formats/AttributeFile.h"
#include "formats/CharacterCheck.h"
#include "model/PaperCatalog.h"

namespace sheetwise {

bool PaperCatalog::ReadAttributeFile(const std::u16string& catalogPath) {
    status_ = ReadAttributeLists(catalogPath, {weights_, types_, colours_});
    return status_ == kStatusOk;
}

bool PaperCatalog::WriteAttributeFile(const std::u16string& catalogPath) {
    try {
        status_ = WriteAttributeLists(catalogPath, weights_, types_, colours_);
    } catch (const std::bad_alloc&) {
        status_ = kStatusWriteError;
    }
    return status_ == kStatusOk;
}

bool PaperCatalog::GetPaper(int32_t index, PaperDefinition& paper) const {
    if (!ValidPaperIndex(index))
        return false;
    paper = papers_[static_cast<size_t>(index)];
    return true;
}

std::u16string PaperCatalog::GetName(int32_t index) const {
    return ValidPaperIndex(index) ? papers_[static_cast<size_t>(index)].name : std::u16string();
}

int32_t PaperCatalog::GetSizeIndex(int32_t index) const {
    return ValidPaperIndex(index) ? papers_[static_cast<size_t>(index)].sizeIndex : -1;
}

int32_t PaperCatalog::GetWeight(int32_t index) const {
    return ValidPaperIndex(index) ? papers_[static_cast<size_t>(index)].weight : 0;
}

void PaperCatalog::GetWeight(int32_t index, int32_t& weight) const {
    weight = GetWeight(index);
}

std::u16string PaperCatalog::GetColour(int32_t index) const {
    return ValidPaperIndex(index) ? papers_[static_cast<size_t>(index)].colour : u"white";
}

std::u16string PaperCatalog::GetType(int32_t index) const {
    return ValidPaperIndex(index) ? papers_[static_cast<size_t>(index)].type : u"plain";
}

int32_t PaperCatalog::GetImagedSides(int32_t index) const {
    return ValidPaperIndex(index) ? papers_[static_cast<size_t>(index)].imagedSides : kTwoSided;
}

int32_t PaperCatalog::GetPrecollated(int32_t index) const {
    return ValidPaperIndex(index) ? papers_[static_cast<size_t>(index)].precollated : 2;
}

std::u16string PaperCatalog::GetDefaultPaper() const {
    return GetName(defaultIndex_);
}

int32_t PaperCatalog::FindPaper(std::u16string_view name) const {
    if (!nameIndexValid_) {
        nameIndex_.clear();
        nameIndex_.reserve(papers_.size());
        for (size_t i = 0; i < papers_.size(); ++i) {
            nameIndex_.emplace(papers_[i].name, static_cast<int32_t>(i));
        }
        nameIndexValid_ = true;
    }
    const auto found = nameIndex_.find(name);
    return found == nameIndex_.end() ? -1 : found->second;
}

void PaperCatalog::AppendPaper(PaperDefinition paper) {
    if (nameIndexValid_)
        nameIndex_.emplace(paper.name, PaperCount());
    papers_.push_back(std::move(paper));
}

int32_t PaperCatalog::GetSizeUnit(int32_t sizeIndex) const {
    PaperSize size;
    return GetSize(sizeIndex, size) ? size.unit : -1;
}

bool PaperCatalog::GetSizeTexts(int32_t sizeIndex, std::u16string& width,
                                std::u16string& height) const {
    PaperSize size;
    if (!GetSize(sizeIndex, size))
        return false;
    width = size.widthText;
    height = size.heightText;
    return true;
}

bool PaperCatalog::GetPaperSizeTexts(int32_t index, std::u16string& width, std::u16string& height,
                                     int32_t& unitFlag) const {
    PaperSize size;
    if (!ValidPaperIndex(index) || !GetSize(papers_[static_cast<size_t>(index)].sizeIndex, size)) {
        return false;
    }
    width = size.widthText;
    height = size.heightText;
    unitFlag = size.unit == 1 ? 2 : 1;
    return true;
}

bool PaperCatalog::AddPaper(std::u16string_view name, int32_t sizeIndex, std::u16string_view colour,
                            int32_t weight, std::u16string_view type, int32_t imagedSides,
                            int32_t precollated) {
    PaperDefinition paper;
    status_ = MakePaper(name, sizeIndex, colour, weight, type, imagedSides, precollated, paper);
    if (status_ != kStatusOk)
        return false;
    if (FindPaper(paper.name) >= 0) {
        status_ = kStatusNotFoundOrExists;
        return false;
    }
    AppendPaper(std::move(paper));
    return true;
}

bool PaperCatalog::ModifyPaper(std::u16string_view name, int32_t sizeIndex,
                               std::u16string_view colour, int32_t weight, std::u16string_view type,
                               int32_t imagedSides, int32_t precollated) {
    PaperDefinition paper;
    status_ = MakePaper(name, sizeIndex, colour, weight, type, imagedSides, precollated, paper);
    if (status_ != kStatusOk)
        return false;
    const int32_t existing = FindPaper(paper.name);
    if (existing < 0) {
        status_ = kStatusNotFoundOrNoSize;
        return false;
    }
    papers_[static_cast<size_t>(existing)] = std::move(paper);
    return true;
}

int32_t PaperCatalog::MakePaper(std::u16string_view name, int32_t sizeIndex,
                                std::u16string_view colour, int32_t weight,
                                std::u16string_view type, int32_t imagedSides, int32_t precollated,
                                PaperDefinition& paper) const {
    // An empty name, colour or type would be saved as a line the reader skips or drops.
    if (name.empty() || colour.empty() || type.empty() || !PassesCharacterCheck(name) ||
        !PassesCharacterCheck(colour) || !PassesCharacterCheck(type)) {
        return kStatusBadCharacter;
    }
    const int32_t sizeCount = static_cast<int32_t>(sizes_.size());
    if (sizeIndex < 0 || sizeIndex > sizeCount) {
        if (!ValidPaperIndex(defaultIndex_))
            return kStatusNotFoundOrNoSize;
        sizeIndex = papers_[static_cast<size_t>(defaultIndex_)].sizeIndex;
    }
    PaperSize size;
    if (!GetSize(sizeIndex, size))
        return kStatusNotFoundOrNoSize;
    paper.name = name.substr(0, kMaxNameLength);
    paper.sizeIndex = sizeIndex;
    paper.width = size.width;
    paper.height = size.height;
    paper.weight = weight;
    paper.colour = colour.substr(0, kMaxColourLength);
    paper.colourCode = ColourCode(paper.colour);
    paper.type = type.substr(0, kMaxTypeLength);
    paper.typeCode = TypeCode(paper.type);
    paper.imagedSides =
        imagedSides >= kInserter && imagedSides <= kTwoSided ? imagedSides : kTwoSided;
    paper.precollated = precollated;
    paper.loadPosition = 0;
    return kStatusOk;
}

bool PaperCatalog::DeletePaper(int32_t index) {
    status_ = kStatusOk;
    if (!ValidPaperIndex(index)) {
        status_ = kStatusNotFoundOrExists;
        return false;
    }
    papers_.erase(papers_.begin() + index);
    nameIndexValid_ = false;
    return true;
}

bool PaperCatalog::MovePaper(std::u16string_view name, int32_t direction) {
    status_ = kStatusOk;
    const int32_t index = FindPaper(name);
    if (index < 0) {
        status_ = kStatusNotFoundOrNoSize;
        return false;
    }
    const bool up = direction == 0;
    if ((up && index == 0) || (!up && index == PaperCount() - 1))
        return true;
    const int32_t other = up ? index - 1 : index + 1;
    std::swap(papers_[static_cast<size_t>(index)], papers_[static_cast<size_t>(other)]);
    nameIndexValid_ = false;
    return true;
}

bool PaperCatalog::SetDefaultPaper(std::u16string_view name) {
    status_ = kStatusOk;
    const int32_t index = FindPaper(name);
    if (index < 0) {
        status_ = kStatusNotFoundOrExists;
        return false;
    }
    defaultIndex_ = index;
    return true;
}

bool PaperCatalog::AddAttributeValue(int32_t kind, std::u16string_view value) {
    status_ = kStatusOk;
    AttributeList* list = AttributeListOfKind(kind);
    if (list == nullptr)
        return false;
    list->emplace_back(value);
    return true;
}

bool PaperCatalog::DeleteAttribute(int32_t kind, std::u16string_view value) {
    status_ = kStatusOk;
    AttributeList* list = AttributeListOfKind(kind);
    if (list == nullptr)
        return false;
    const auto found = std::find(list->begin(), list->end(), value);
    if (found == list->end())
        return false;
    list->erase(found);
    return true;
}

void PaperCatalog::InsertPaperAt(int32_t index, PaperDefinition paper) {
    if (index == PaperCount()) {
        AppendPaper(std::move(paper));
        return;
    }
    papers_.insert(papers_.begin() + index, std::move(paper));
    nameIndexValid_ = false;
}

void PaperCatalog::RemovePaperAt(int32_t index) {
    papers_.erase(papers_.begin() + index);
    nameIndexValid_ = false;
}

void PaperCatalog::ReplacePaperAt(int32_t index, PaperDefinition paper) {
    PaperDefinition& stored = papers_[static_cast<size_t>(index)];
    if (stored.name != paper.name)
        nameIndexValid_ = false;
    stored = std::move(paper);
}

void PaperCatalog::SwapPapers(int32_t first, int32_t second) {
    std::swap(papers_[static_cast<size_t>(first)], papers_[static_cast<size_t>(second)]);
    nameIndexValid_ = false;
}

void PaperCatalog::InsertValueAt(int32_t kind, int32_t position, std::u16string value) {
    AttributeList& list = GetAttributeList(kind);
    list.insert(list.begin() + position, std::move(value));
}

void PaperCatalog::RemoveValueAt(int32_t kind, int32_t position) {
    AttributeList& list = GetAttributeList(kind);
    list.erase(list.begin() + position);
}

}  // namespace sheetwise
