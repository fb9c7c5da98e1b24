#include "formats/FileNotes.h"

#include "formats/ReadListener.h"
#include "formats/TextLines.h"

namespace sheetwise {

void NoteTooLarge(LineFileResult read, const LineFileFacts& facts, ReadListener* listener) {
    if (listener != nullptr && read == LineFileResult::kTooLarge)
        listener->LineDropped({0,
                               LineFault::kTooLarge,
                               LineField::kWhole,
                               {},
                               {},
                               static_cast<int64_t>(facts.fileBytes),
                               static_cast<int64_t>(kMaxCatalogFileBytes)});
}

void NoteOddFinalByte(const LineReader& reader, ReadListener* listener) {
    if (listener != nullptr && reader.droppedOddByte() >= 0)
        listener->LineChanged(
            {0, LineFault::kOddFinalByte, LineField::kWhole, {}, {}, reader.droppedOddByte()});
}

}  // namespace sheetwise
