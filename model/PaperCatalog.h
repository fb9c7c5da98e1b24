// The paper catalog: papers, the sizes they refer to, the offered attribute values and the
// default paper, read from and written to a catalog's three companion files.
//
//   Office.cat      the papers and the default paper (written by Save)
//   Office.cat.atr  the weights, types and colours offered (WriteAttributeFile)
//   Office.DEF      the printer's paper sizes (read only)
//
// Every load, save and edit returns a result and leaves the reason in status(); nothing throws.
// Papers are found by exact, case-sensitive name; the first match wins.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "formats/PaperDefinition.h"

namespace sheetwise {

class PaperCatalog;
enum class CatalogSetResult;
CatalogSetResult SaveCatalogSet(PaperCatalog& catalog, const std::u16string& path);

// The built-in colour and type names, joined by the field separator. Their positions are the
// colour and type codes print servers use; anything else gets code 7 (colours) or 6 (types).
inline constexpr std::u16string_view kBuiltInColours = u"any:white:red:yellow:green:blue:clear";
inline constexpr std::u16string_view kBuiltInTypes = u"plain:cover:color:insert:tab:transparency";
inline constexpr int32_t kOtherColourCode = 7;
inline constexpr int32_t kOtherTypeCode = 6;

class PaperCatalog {
  public:
    // Reads the size-definition file derived from path, then the attribute file and the
    // catalog file. Whatever fails, the catalog ends up with at least one paper: the defaults of
    // PaperDefinition. status() tells what failed.
    //
    // The files are read under the shared side of the catalog folder's lock (CatalogWriteLock.h),
    // so never in the middle of a save of the set; a lock that cannot be had in time gives
    // status 6. A catalog too large for memory gives status 7 rather than an exception.
    PaperCatalog(std::u16string headerText, std::u16string path, std::u16string_view joinedColours,
                 std::u16string_view joinedTypes, char16_t separator);
    virtual ~PaperCatalog() = default;

    // A catalog that reads no file: the built-in lists and the one default paper. A window holds
    // one until it has loaded its first catalog.
    static PaperCatalog Unread();

    PaperCatalog(const PaperCatalog&) = default;
    PaperCatalog& operator=(const PaperCatalog&) = default;

    // Reads the papers of a catalog file, decoding narrow lines with the ANSI code page. With
    // companions it first rereads the sizes (path with its last three characters replaced by
    // "def") and appends the attribute file's values; it reads no papers once a step failed.
    virtual bool Open(const std::u16string& path, bool withCompanions);
    virtual void GetPath(std::u16string& path) const;
    virtual void SetPath(const std::u16string& path);
    // Like Open without companions, but narrow lines are taken byte by byte.
    virtual bool ReadPapers(const std::u16string& path);
    // Empties the three attribute lists and reads the attribute file of a catalog path.
    virtual bool ReloadAttributes(const std::u16string& path);
    // Empties the sizes and reads them from path with its last three characters replaced by "def".
    virtual bool ReloadSizes(const std::u16string& path);
    virtual bool GetSize(int32_t index, PaperSize& size) const;
    // Appends the values of the attribute file (catalog path + ".atr") to the three lists.
    virtual bool ReadAttributeFile(const std::u16string& catalogPath);
    // Appends the sizes of a size-definition file.
    virtual bool ReadSizes(const std::u16string& sizePath);
    // The text before the first delimiter (see TextLines.h).
    virtual void TakeField(std::u16string_view text, std::u16string& field,
                           char16_t delimiter) const;

    // Writes the catalog file, replacing the old one only once the new one is complete. An empty
    // path or a file that cannot be written gives 6, a failed write 8.
    bool Save(const std::u16string& path);
    // The bytes Save writes.
    std::string FileBytes() const;
    // Writes the three attribute lists to catalogPath + ".atr", the same way.
    bool WriteAttributeFile(const std::u16string& catalogPath);

    int32_t status() const { return status_; }
    const std::u16string& path() const { return path_; }
    const std::u16string& sizePath() const { return sizePath_; }
    const std::u16string& headerText() const { return headerText_; }
    const std::u16string& defaultNameAsRead() const { return defaultName_; }
    char16_t separator() const { return separator_; }
    const std::vector<PaperDefinition>& papers() const { return papers_; }
    const std::vector<PaperSize>& sizes() const { return sizes_; }

    // Weights (0), types (1) or colours (any other kind).
    AttributeList& GetAttributeList(int32_t kind);
    const AttributeList& GetAttributeList(int32_t kind) const;

    // Queries; an index out of range gives the value named.
    int32_t PaperCount() const { return static_cast<int32_t>(papers_.size()); }
    bool GetPaper(int32_t index, PaperDefinition& paper) const;
    std::u16string GetName(int32_t index) const;  // empty
    int32_t GetSizeIndex(int32_t index) const;    // -1
    int32_t GetWeight(int32_t index) const;       // 0
    void GetWeight(int32_t index, int32_t& weight) const;
    std::u16string GetColour(int32_t index) const;  // "white"
    std::u16string GetType(int32_t index) const;    // "plain"
    int32_t GetImagedSides(int32_t index) const;    // 2
    int32_t GetPrecollated(int32_t index) const;    // 2
    int32_t GetDefaultIndex() const { return defaultIndex_; }
    std::u16string GetDefaultPaper() const;             // empty when the index is not valid
    int32_t FindPaper(std::u16string_view name) const;  // -1
    int32_t GetSizeUnit(int32_t sizeIndex) const;       // -1
    bool GetSizeTexts(int32_t sizeIndex, std::u16string& width, std::u16string& height) const;
    // Width and height texts of a paper's size, and 2 when it is in millimetres, else 1.
    bool GetPaperSizeTexts(int32_t index, std::u16string& width, std::u16string& height,
                           int32_t& unitFlag) const;

    // Changes. AddPaper refuses an existing name (13); ModifyPaper changes the paper of that
    // name (14 when there is none); both refuse an empty or disallowed text (12) and sizes they
    // cannot obtain (14). A size index below 0 or above the number of sizes means "the
    // default paper's size".
    bool AddPaper(std::u16string_view name, int32_t sizeIndex, std::u16string_view colour,
                  int32_t weight, std::u16string_view type, int32_t imagedSides,
                  int32_t precollated);
    bool ModifyPaper(std::u16string_view name, int32_t sizeIndex, std::u16string_view colour,
                     int32_t weight, std::u16string_view type, int32_t imagedSides,
                     int32_t precollated);
    // The record AddPaper and ModifyPaper store, made without storing it. Returns the status
    // they fail with: 12 for an empty or disallowed text, 14 for a size not to be had; 0 when
    // the record was made.
    int32_t MakePaper(std::u16string_view name, int32_t sizeIndex, std::u16string_view colour,
                      int32_t weight, std::u16string_view type, int32_t imagedSides,
                      int32_t precollated, PaperDefinition& paper) const;
    // Neither moves the default index: callers set the default again by name afterwards.
    bool DeletePaper(int32_t index);
    bool MovePaper(std::u16string_view name, int32_t direction);  // 0 up, 1 down
    bool SetDefaultPaper(std::u16string_view name);
    bool AddAttributeValue(int32_t kind, std::u16string_view value);
    bool DeleteAttribute(int32_t kind, std::u16string_view value);

    // Edits without rules, for replaying a change that the rules once allowed (undo and redo):
    // positions must be valid (an insert may go at the end), nothing else is checked.
    void InsertPaperAt(int32_t index, PaperDefinition paper);
    void RemovePaperAt(int32_t index);
    void ReplacePaperAt(int32_t index, PaperDefinition paper);
    void SwapPapers(int32_t first, int32_t second);
    void SetDefaultIndex(int32_t index) { defaultIndex_ = index; }
    void InsertValueAt(int32_t kind, int32_t position, std::u16string value);
    void RemoveValueAt(int32_t kind, int32_t position);

    int32_t ColourCode(std::u16string_view colour) const;
    int32_t TypeCode(std::u16string_view type) const;

  private:
    friend CatalogSetResult SaveCatalogSet(PaperCatalog& catalog, const std::u16string& path);

    PaperCatalog() = default;
    void ReadOwnFiles();
    void ReadFilesInOrder();
    void ForgetWhatWasRead();
    bool ReadCatalogFile(const std::u16string& path, bool decodeAnsi);
    void TakeReadPaper(PaperDefinition& paper, int32_t index);
    AttributeList* AttributeListOfKind(int32_t kind);
    bool ValidPaperIndex(int32_t index) const { return index >= 0 && index < PaperCount(); }
    void AppendPaper(PaperDefinition paper);

    struct NameHash {
        using is_transparent = void;
        size_t operator()(std::u16string_view name) const {
            return std::hash<std::u16string_view>{}(name);
        }
    };

    std::u16string path_;
    std::u16string sizePath_;
    std::u16string headerText_;
    std::u16string joinedColours_;
    std::u16string joinedTypes_;
    std::u16string defaultName_;
    int32_t defaultIndex_ = 0;
    int32_t status_ = kStatusOk;
    char16_t separator_ = u':';
    std::vector<PaperDefinition> papers_;
    std::vector<PaperSize> sizes_;
    std::vector<std::u16string> builtInColours_;
    std::vector<std::u16string> builtInTypes_;
    AttributeList weights_;
    AttributeList types_;
    AttributeList colours_;
    // The first paper of each name, so that finding and adding papers stays cheap in large
    // catalogs. Appending keeps it; removing or moving papers has it rebuilt when next needed.
    mutable std::unordered_map<std::u16string, int32_t, NameHash, std::equal_to<>> nameIndex_;
    mutable bool nameIndexValid_ = false;
};

// The size-definition path the constructor uses: the extension (the text from the last "." when
// it is at most four characters, dot included) replaced by ".DEF".
std::u16string SizePathForCatalog(std::u16string_view catalogPath);

// The path with its last three characters replaced by "def", as Open and ReloadSizes use it.
std::u16string SizePathReplacingLastThree(std::u16string_view catalogPath);

}  // namespace sheetwise
