// The editor's one window: the paper list at the top, the editing panel below, the File, Edit
// and Help menus.
//
// The window is built from dialog template 129, menu 201 and accelerator table 201. Every control
// keeps its numeric id, and every command and notification goes through one dispatch on ids
// (OnCommand), which is how the menus, the buttons, the keyboard and the tests all reach the same
// handlers. Boxes, file dialogs, the beep and help go through a UserInterface so that tests can
// answer them. The window holds the open catalog by value and replaces it whole on every load.
#pragma once

#include <QHash>
#include <QPoint>
#include <QString>
#include <QWidget>
#include <memory>
#include <optional>
#include <string>

#include "model/CatalogDocument.h"
#include "model/PaperCatalog.h"
#include "model/PaperEditor.h"
#include "ui/resources/AcceleratorTable.h"
#include "ui/resources/DialogTemplate.h"
#include "ui/resources/MenuTemplate.h"
#include "ui/resources/StringProvider.h"
#include "ui/window/UserInterface.h"

class QMenu;
class QMenuBar;
class QAction;
class QAbstractButton;

namespace sheetwise {

class EditField;
class ImportedCatalog;
class ListBox;
class PaperListView;

// Control ids of the main window.
namespace control {
inline constexpr int kOk = 1;
inline constexpr int kCancel = 2;
inline constexpr int kAdd = 1002;
inline constexpr int kDelete = 1003;
inline constexpr int kModify = 1004;
inline constexpr int kPaperList = 1013;
inline constexpr int kMoveUp = 1014;
inline constexpr int kMoveDown = 1015;
inline constexpr int kColourField = 1016;
inline constexpr int kNameField = 1020;
inline constexpr int kTypeField = 1021;
inline constexpr int kWeightField = 1023;
inline constexpr int kSizeField = 1024;
inline constexpr int kDefaultPaperBox = 1028;
inline constexpr int kInserter = 1030;
inline constexpr int kOneSided = 1031;
inline constexpr int kTwoSided = 1032;
inline constexpr int kColourList = 1039;
inline constexpr int kSizeList = 1040;
inline constexpr int kTypeList = 1041;
inline constexpr int kWeightList = 1042;
inline constexpr int kNameList = 1043;
inline constexpr int kCatalogDisplay = 1053;
inline constexpr int kPrecollatedBox = 1065;
}  // namespace control

// Command ids of the menu and the accelerators.
namespace command {
inline constexpr int kNew = 57600;
inline constexpr int kOpen = 57601;
inline constexpr int kImport = 32773;
inline constexpr int kSave = 32785;
inline constexpr int kSaveAs = 32787;
inline constexpr int kExit = 32775;
inline constexpr int kCut = 57635;
inline constexpr int kCopy = 57634;
inline constexpr int kPaste = 57637;
inline constexpr int kHelpTopics = 57669;
inline constexpr int kAbout = 57664;
inline constexpr int kWhatsThis = 100;
}  // namespace command

// What the window gets from the process: its arguments and where its executable lies.
struct StartupEnvironment {
    std::optional<std::u16string> catalogArgument;  // the first command-line argument
    std::u16string executablePath;                  // the running executable, full path
};

// How a save that the operator started ended: a command waiting on it goes on only when saved.
enum class SaveResult { kSaved, kCancelled, kFailed };

class MainDialog : public QWidget {
    Q_OBJECT

  public:
    MainDialog(UserInterface& ui, DialogTemplate dialog, MenuTemplate menu,
               AcceleratorTable accelerators, std::shared_ptr<const StringResources> strings,
               StartupEnvironment environment, QWidget* parent = nullptr);
    ~MainDialog() override;

    // The dialog's initialisation: labels, menus, the default catalog, the first catalog.
    // False when it stopped early (a move button is missing).
    bool Initialise();

    // The one dispatch of commands and control notifications by id.
    void OnCommand(int id);

    // Notifications of the paper list.
    void OnPaperListItemChanging(int row, bool selected);
    void OnPaperListDoubleClick();

    // The window's context-menu and help requests.
    void OnContextMenu(const QPoint& screenPoint);
    void OnHelpRequest();

    // The command id that closed the window (the process exit code), 0 while it is open.
    int closingCommand() const { return closingCommand_; }

    // State the tests and the other parts of the program read.
    QWidget* Control(int id) const { return controls_.value(id, nullptr); }
    const PaperCatalog& catalog() const { return catalog_; }
    PaperCatalog& catalog() { return catalog_; }
    const std::u16string& workingPath() const { return workingPath_; }
    const std::u16string& defaultPath() const { return document_.defaultPath(); }
    const ChangeFlags& changeFlags() const { return changes_; }
    const PaperFields& fields() const { return fields_; }
    const FieldChangeFlags& fieldChanges() const { return fieldChanges_; }
    const WorkingAttributeLists& workingLists() const { return working_; }
    const DefaultPaperMark& defaultMark() const { return defaultMark_; }
    int activeList() const { return activeList_; }
    int focusedField() const { return focusedField_; }
    int selectedRow() const { return selectedRow_; }
    int selectedPaperIndex() const { return selectedPaperIndex_; }
    const QString& decimalSeparator() const { return decimalSeparator_; }
    const QString& helpPath() const { return helpPath_; }
    QMenuBar* menuBar() const { return menuBar_; }
    QAction* MenuAction(int commandId) const { return menuActions_.value(commandId, nullptr); }
    QMenu* whatsThisMenu() const { return whatsThisMenu_; }

    // Shows a message from the string table with the exclamation icon and an OK button; the
    // last "%d" of the message is replaced by a non-empty insert. False when the message id is
    // not in the table (nothing is shown).
    // `details` goes below the message: which file, and why.
    bool ShowMessage(int titleId, int messageId, const std::u16string& insert = {},
                     const QString& details = {});

  signals:
    // The window closed; the id of the command that closed it is the process exit code.
    void Closed(int commandId);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    // Start-up and the catalog-opening steps.
    void BuildWindow();
    void ConnectControls();
    void ApplyMenuTexts();
    void ApplyControlLabels();
    void SetModifyMenuEnabled(bool enable);
    bool ClearChangeFlags(int group);
    void ReadDecimalSeparator();
    void LocateDefaultCatalog();
    void OpenFirstCatalog();
    bool SetMoveButtonIcon(int id, int iconId);
    bool EnsureCompanionFiles();
    int32_t LoadCatalog();
    // Loads the working catalog and shows it; says so when it cannot be read. A template (the
    // installed default catalog) is shown untitled, so that Save never writes it.
    void LoadAndShowCatalog(bool asTemplate = false);
    void OpenDefaultCatalog();
    void RefreshCatalogView();
    void ShowCatalogPath();
    void ShowTitle();
    void CentreOnScreen();
    void Dispatch(int id);
    void ShowFixedError(const QString& text, const QString& details = {});
    QString Label(int id) const;
    std::u16string Text(std::u16string_view prefix, int id) const;
    BoxAnswer Ask(int messageId, BoxButtons buttons, const QString& details = {});
    BoxAnswer Ask(const QString& text, BoxButtons buttons, const QString& details = {});
    void ForwardEditCommand(int id);
    bool TranslateAccelerator(QKeyEvent* event);
    bool OpensMenuBar(const QKeyEvent* event);

    // Controls.
    void SetupListColumns();
    void LimitFieldLengths();
    void EnableCommandButton(int id);
    void DisableModifyButton();
    void EnableEditFields();
    PaperListView* paperList() const;
    ListBox* listBox(int id) const;
    EditField* editField(int id) const;
    QAbstractButton* button(int id) const;

    // The paper list and the selection.
    void FillAttributeListBoxes();
    void FillSizeList(bool reset);
    void FillNameList(bool reset);
    void FillPaperList();
    void SelectPaper(int row);
    void SelectOrAddListValue(int listId, const std::u16string& text);
    void SetFieldText(int id, const std::u16string& text);
    void ShowPaperMode();
    void ShowDefaultPaperBox(int row);
    void SelectAndShowRow(int row);
    void RefreshListOnRow(int row);
    QString SizeText(const std::u16string& width, const std::u16string& height, int unit) const;
    QString ModeLabel(int32_t mode) const;
    QString WeightText(int32_t weight) const;
    void OnAttributeListClick(int id);
    void OnNameListClick();
    void OnFieldFocus(int id);
    void OnNameFieldChange();
    void OnTextFieldChange(int id);
    void OnWeightFieldChange();
    void RevertField(EditField* field, const QString& text);
    void CheckEncodedLength(int id);

    // Paper commands.
    void OnAdd();
    void OnModify();
    void OnDelete();
    void DeleteSelectedPaper();
    void OnDefaultPaper();
    void OnPrecollated();
    void OnModeButton(int id);
    void OnMoveUp();
    void OnMoveDown();
    void AddTypedAttributeValues();
    void DeleteAttributeValue(int kind);
    // Shows why the editor refused a command; false when it did not.
    bool ShowRefusal(EditOutcome outcome);

    // File commands.
    bool ConfirmUnsavedChanges();
    void NewCatalog();
    void OpenCatalog();
    void ImportCatalog();
    void SaveCatalog();
    SaveResult SaveCatalogAs();
    void ExitProgram(int commandId);
    SaveResult SaveOwnFiles(bool papers, bool attributes);
    SaveResult WriteOwnFiles(bool papers, bool attributes);
    bool ConfirmReplaceOfCaseVariant(const std::u16string& chosen);
    struct ImportRejections {
        std::vector<size_t> papers;  // indexes into the imported papers
        std::vector<std::pair<AttributeKind, std::u16string>> values;
    };
    void ReportImportFindings(const ImportRejections& rejected);
    // The file dialog with a filter of the string table, opened in the shown catalog's folder.
    QString ChooseFile(int filterId, const QString& extension, bool save);
    void ShowDefaultOpenedInstead(const QString& fixedCopy);
    void ShowSaveAsFailure(int messageId, const QString& fixedCopy, const QString& details);
    void CloseWindow(int commandId);

    // Help and About.
    void ComputeHelpPath();
    void CreateWhatsThisMenu();
    void ShowHelpTopics();
    void ShowAbout();

    UserInterface& ui_;
    DialogTemplate template_;
    MenuTemplate menuTemplate_;
    AcceleratorTable accelerators_;
    std::shared_ptr<const StringResources> stringModule_;
    StartupEnvironment environment_;
    std::unique_ptr<StringProvider> strings_;
    QHash<int, QWidget*> controls_;
    QMenuBar* menuBar_ = nullptr;
    QHash<int, QAction*> menuActions_;
    QMenu* whatsThisMenu_ = nullptr;
    QWidget* body_ = nullptr;

    // The catalog and what is known of its files; the window shows it.
    CatalogDocument document_;
    PaperCatalog& catalog_;
    ChangeFlags& changes_;
    // The editing rules, with the values held for the fields and the paper shown.
    PaperEditor editor_;
    PaperFields& fields_;
    FieldChangeFlags& fieldChanges_;
    WorkingAttributeLists& working_;
    DefaultPaperMark& defaultMark_;
    int32_t& selectedPaperIndex_;
    // The catalog file an opening command is working on.
    std::u16string workingPath_;
    std::unique_ptr<ImportedCatalog> imported_;
    QString decimalSeparator_ = QStringLiteral(".");
    QString helpPath_;

    int selectedRow_ = 0;
    int activeList_ = 0;
    int focusedField_ = 0;
    bool selectingAfterFailedLookup_ = false;
    int closingCommand_ = 0;
    bool altAlone_ = false;  // Alt is down and no other key came since
};

}  // namespace sheetwise
