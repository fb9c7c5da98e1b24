// The string-table ids of the editor's captions and messages, by what they say, so that no
// message is passed around as a bare number. The texts themselves live in the string table.
#pragma once

namespace sheetwise::message {

// Captions.
inline constexpr int kError = 12059;
inline constexpr int kWarning = 12040;

// Start-up and catalog files.
inline constexpr int kErrorOccurred = 17001;         // "The following error occurred: %d"
inline constexpr int kCatalogNotFound = 17002;       // the catalog file could not be found
inline constexpr int kCatalogReadInPart = 17350;     // lines of it could not be read
inline constexpr int kCatalogNotRead = 17351;        // a companion failed: no paper was read
inline constexpr int kControlMissing = 17005;        // a control of the window is missing
inline constexpr int kDefaultOpenedInstead = 17254;  // ...A Default Paper Catalog has been opened
inline constexpr int kCatalogFilesProblem = 17256;   // companions could not be made
inline constexpr int kSaveChanges = 17228;           // "Do you want to save your changes?"
inline constexpr int kSaveAttributesFailed = 17021;
inline constexpr int kSaveCatalogFailed = 17022;
inline constexpr int kSaveAsCatalogFailed = 17265;
inline constexpr int kSaveAsAttributesFailed = 17266;
inline constexpr int kCatalogNameUnusable = 17300;  // a name whose companions would be lost

// Import.
inline constexpr int kColonsReplaced = 17255;
inline constexpr int kNamesNumbered = 17352;  // names an import made unique

// The file layer.
inline constexpr int kWaitingForLock = 17353;  // another program saves in the folder
inline constexpr int kForeignLink = 17354;     // a link of another user's was not followed
inline constexpr int kLinkLoop = 17355;
inline constexpr int kSetCompleted = 17356;  // an interrupted save was completed
inline constexpr int kSetRolledBack = 17357;
inline constexpr int kSetStuck = 17358;
inline constexpr int kImportFailed = 57668;
inline constexpr int kMergeFailed = 17304;     // the import file to merge gave nothing
inline constexpr int kNamesNotMerged = 17305;  // papers of names the catalog has were left out

// Papers.
inline constexpr int kWildcardNotDeletable = 17003;
inline constexpr int kAttributeInUse = 17006;
inline constexpr int kPaperNameNotFound = 17007;
inline constexpr int kWeightNotAdded = 17008;
inline constexpr int kColourNotAdded = 17009;
inline constexpr int kTypeNotAdded = 17010;
inline constexpr int kNoPaperToModify = 17011;
inline constexpr int kWeightOutOfRange = 17012;
inline constexpr int kDefaultPaperNotDeletable = 17013;
inline constexpr int kLastPaper = 17014;
inline constexpr int kSelectPaperFirst = 17015;
inline constexpr int kDefaultPaperFailed = 17016;
inline constexpr int kDeleteFailed = 17017;
inline constexpr int kNothingChanged = 17018;
inline constexpr int kNameInUse = 17019;
inline constexpr int kInvalidPaper = 17020;
inline constexpr int kMoveDownFailed = 17025;
inline constexpr int kMoveUpFailed = 17026;
inline constexpr int kChooseAnotherDefault = 17253;
inline constexpr int kDeleteColour = 17258;
inline constexpr int kDeleteType = 17259;
inline constexpr int kDeleteWeight = 17260;
inline constexpr int kDeletePaper = 17263;
inline constexpr int kInvalidModify = 17264;
inline constexpr int kInvalidNewName = 17301;
inline constexpr int kNewNameInUse = 17302;
inline constexpr int kNoNameForCopy = 17303;

// Help.
inline constexpr int kHelpFailed = 57670;

// The English texts of the messages that must reach the operator even from a string table that
// lacks them: without them nobody would learn that a save failed, that another catalog is on
// screen or why Modify did nothing.
inline constexpr const char* kDefaultOpenedCopy =
    "There may be a problem with the Paper Catalog Files. The Paper Catalog could not be "
    "opened.\n\nA Default Paper Catalog has been opened instead.";
inline constexpr const char* kImportDefaultOpenedCopy =
    "There may be a problem with the Paper Catalog Files. The Paper Catalog could not be "
    "opened.\n\nA Default catalog has been opened instead.";
inline constexpr const char* kSaveAsCatalogCopy =
    "Save As paper catalog operation cannot be completed.";
inline constexpr const char* kSaveAsAttributesCopy =
    "Save As attributes operation cannot be completed.";
inline constexpr const char* kInvalidModifyCopy =
    "Modify operation cannot be completed because invalid paper attributes have been entered.";

}  // namespace sheetwise::message
