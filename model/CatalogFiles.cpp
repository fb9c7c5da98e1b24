// PaperCatalog's reading and writing of its files, through the readers and writers of formats/.
// What only a catalog knows stays here: which paper is the default, and the built-in codes.
#include <new>

#include "formats/CatalogFile.h"
#include "formats/SizeFile.h"
#include "model/PaperCatalog.h"

namespace sheetwise {

bool PaperCatalog::Open(const std::u16string& path, bool withCompanions) {
    if (withCompanions) {
        sizes_.clear();
        ReadSizes(SizePathReplacingLastThree(path));
        if (status_ == kStatusOk)
            ReadAttributeFile(path);
    }
    if (status_ != kStatusOk)
        return false;
    return ReadCatalogFile(path, true);
}

bool PaperCatalog::ReadPapers(const std::u16string& path) {
    return ReadCatalogFile(path, false);
}

bool PaperCatalog::ReadCatalogFile(const std::u16string& path, bool decodeAnsi) {
    CatalogFileContents contents{headerText_, defaultName_, {}};
    papers_.clear();
    const CatalogReadResult read = sheetwise::ReadCatalogFile(
        path, decodeAnsi ? LineReader::Narrow::kDecodeAnsi : LineReader::Narrow::kBytes, sizes_,
        contents);
    status_ = read.status;
    headerText_ = std::move(contents.headerText);
    defaultName_ = std::move(contents.defaultName);
    papers_ = std::move(contents.papers);
    nameIndexValid_ = false;
    for (size_t i = 0; i < papers_.size(); ++i)
        TakeReadPaper(papers_[i], static_cast<int32_t>(i));
    return read.readToEnd;
}

void PaperCatalog::TakeReadPaper(PaperDefinition& paper, int32_t index) {
    paper.loadPosition = index;
    paper.colourCode = paper.colour.starts_with(u'*') ? 0 : ColourCode(paper.colour);
    paper.typeCode = paper.type.starts_with(u'*') ? -1 : TypeCode(paper.type);
    // Duplicate names may come from a file; the last one named on the first line is the default.
    if (paper.name == defaultName_)
        defaultIndex_ = index;
}

std::string PaperCatalog::FileBytes() const {
    const std::u16string* defaultName = ValidPaperIndex(defaultIndex_)
                                            ? &papers_[static_cast<size_t>(defaultIndex_)].name
                                            : nullptr;
    return CatalogFileBytes(headerText_, defaultName, papers_, separator_);
}

bool PaperCatalog::Save(const std::u16string& path) {
    try {
        status_ = path.empty() ? kStatusCatalogCannotOpen : WriteCatalogFile(path, FileBytes());
    } catch (const std::bad_alloc&) {
        status_ = kStatusWriteError;
    }
    return status_ == kStatusOk;
}

bool PaperCatalog::ReadSizes(const std::u16string& sizePath) {
    status_ = ReadSizeFile(sizePath, sizes_);
    return status_ == kStatusOk;
}

}  // namespace sheetwise
