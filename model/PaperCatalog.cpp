#include "model/PaperCatalog.h"

#include <algorithm>
#include <new>

#include "formats/CatalogText.h"
#include "formats/TextLines.h"
#include "platform/CatalogWriteLock.h"
#include "platform/NativePath.h"
#include "platform/SymbolicLinks.h"

namespace sheetwise {

std::u16string SizePathForCatalog(std::u16string_view catalogPath) {
    std::u16string sizePath(catalogPath);
    const size_t dot = sizePath.rfind(u'.');
    if (dot != std::u16string::npos && sizePath.size() - dot <= 4)
        sizePath.resize(dot);
    sizePath += u".DEF";
    return sizePath;
}

std::u16string SizePathReplacingLastThree(std::u16string_view catalogPath) {
    std::u16string sizePath(
        catalogPath.substr(0, catalogPath.size() - std::min<size_t>(3, catalogPath.size())));
    sizePath += u"def";
    return sizePath;
}

PaperCatalog::PaperCatalog(std::u16string headerText, std::u16string path,
                           std::u16string_view joinedColours, std::u16string_view joinedTypes,
                           char16_t separator)
    : path_(std::move(path)),
      sizePath_(SizePathForCatalog(path_)),
      headerText_(std::move(headerText)),
      joinedColours_(joinedColours),
      joinedTypes_(joinedTypes),
      separator_(separator) {
    builtInColours_ = SplitJoined(joinedColours_, separator_);
    builtInTypes_ = SplitJoined(joinedTypes_, separator_);
    ReadOwnFiles();
    // An unreadable catalog still offers one paper to edit and save.
    if (papers_.empty())
        AppendPaper(PaperDefinition());
}

// A reader that found no lock file may have read while the folder's very first save made one:
// it reads once more, under the lock.
void PaperCatalog::ReadOwnFiles() {
    if (path_.empty()) {
        ReadFilesInOrder();
        return;
    }
    const std::string catalogFile = RealFileOf(ToNativePath(path_));
    for (int attempt = 0; attempt < 2; ++attempt) {
        const CatalogReadLock lock(catalogFile);
        if (lock.gaveUp()) {
            status_ = kStatusCatalogCannotOpen;
            return;
        }
        ReadFilesInOrder();
        if (!lock.WriterAppeared())
            return;
        ForgetWhatWasRead();
    }
}

void PaperCatalog::ReadFilesInOrder() {
    try {
        ReadSizes(sizePath_);
        if (status_ == kStatusOk) {
            ReadAttributeFile(path_);
            Open(path_, false);
        }
    } catch (const std::bad_alloc&) {
        // What was read so far goes, so that the one default paper can still be made.
        ForgetWhatWasRead();
        status_ = kStatusCatalogReadError;
    }
}

void PaperCatalog::ForgetWhatWasRead() {
    std::vector<PaperDefinition>().swap(papers_);
    std::vector<PaperSize>().swap(sizes_);
    AttributeList().swap(weights_);
    AttributeList().swap(types_);
    AttributeList().swap(colours_);
    defaultName_.clear();
    defaultIndex_ = 0;
    nameIndexValid_ = false;
    status_ = kStatusOk;
}

PaperCatalog PaperCatalog::Unread() {
    PaperCatalog catalog;
    catalog.joinedColours_ = kBuiltInColours;
    catalog.joinedTypes_ = kBuiltInTypes;
    catalog.builtInColours_ = SplitJoined(kBuiltInColours, catalog.separator_);
    catalog.builtInTypes_ = SplitJoined(kBuiltInTypes, catalog.separator_);
    catalog.AppendPaper(PaperDefinition());
    return catalog;
}

void PaperCatalog::GetPath(std::u16string& path) const {
    path = path_;
}

void PaperCatalog::SetPath(const std::u16string& path) {
    path_ = path;
}

bool PaperCatalog::ReloadAttributes(const std::u16string& path) {
    weights_.clear();
    types_.clear();
    colours_.clear();
    ReadAttributeFile(path);
    return status_ == kStatusOk;
}

bool PaperCatalog::ReloadSizes(const std::u16string& path) {
    sizes_.clear();
    ReadSizes(SizePathReplacingLastThree(path));
    return status_ == kStatusOk;
}

bool PaperCatalog::GetSize(int32_t index, PaperSize& size) const {
    if (index < 0 || index >= static_cast<int32_t>(sizes_.size()))
        return false;
    size = sizes_[static_cast<size_t>(index)];
    return true;
}

void PaperCatalog::TakeField(std::u16string_view text, std::u16string& field,
                             char16_t delimiter) const {
    field = sheetwise::TakeField(text, delimiter);
}

AttributeList* PaperCatalog::AttributeListOfKind(int32_t kind) {
    switch (kind) {
        case kWeights:
            return &weights_;
        case kTypes:
            return &types_;
        case kColours:
            return &colours_;
        default:
            return nullptr;
    }
}

AttributeList& PaperCatalog::GetAttributeList(int32_t kind) {
    return kind == kWeights ? weights_ : kind == kTypes ? types_ : colours_;
}

const AttributeList& PaperCatalog::GetAttributeList(int32_t kind) const {
    return kind == kWeights ? weights_ : kind == kTypes ? types_ : colours_;
}

int32_t PaperCatalog::ColourCode(std::u16string_view colour) const {
    const auto found = std::find(builtInColours_.begin(), builtInColours_.end(), colour);
    return found == builtInColours_.end() ? kOtherColourCode
                                          : static_cast<int32_t>(found - builtInColours_.begin());
}

int32_t PaperCatalog::TypeCode(std::u16string_view type) const {
    const auto found = std::find(builtInTypes_.begin(), builtInTypes_.end(), type);
    return found == builtInTypes_.end() ? kOtherTypeCode
                                        : static_cast<int32_t>(found - builtInTypes_.begin());
}

}  // namespace sheetwise
