// The editor's one window: the paper list at the top, the editing panel below, the File, Edit
// and Help menus.
//
// The window is built from dialog template 129, menu 201 and accelerator table 201. Every control
// keeps its numeric id, and every command and notification goes through one dispatch on ids
// (OnCommand), which is how the menus, the buttons, the keyboard and the tests all reach the same
// handlers. What a command does is the editing session's (model/EditingSession.h): the window
// passes on what the operator does, renders the session after it, and asks the session's
// questions through a UserInterface that tests can answer.
#pragma once

#include <QHash>
#include <QPoint>
#include <QSet>
#include <QString>
#include <QWidget>
#include <memory>
#include <optional>
#include <string>

#include "model/EditingSession.h"
#include "ui/resources/AcceleratorTable.h"
#include "ui/resources/DialogTemplate.h"
#include "ui/resources/MenuTemplate.h"
#include "ui/resources/StringProvider.h"
#include "ui/window/ControlIds.h"
#include "ui/window/FileLayerUi.h"
#include "ui/window/UserInterface.h"
#include "ui/window/WindowPrompts.h"

class QMenu;
class QMenuBar;
class QAction;
class QAbstractButton;

namespace sheetwise {

class AttributeLists;
class EditField;
class EditMenu;
class FindBar;
class ListBox;
class PaperListPanel;
class PaperListView;

// What the window gets from the process: its arguments and where its executable lies.
struct StartupEnvironment {
    std::optional<std::u16string> catalogArgument;  // the first command-line argument
    std::u16string executablePath;                  // the running executable, full path
};

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

    // What the window shows and the parts of it the tests reach.
    const EditingSession& session() const { return session_; }
    const PaperCatalog& catalog() const { return session_.catalog(); }
    QWidget* Control(int id) const { return controls_.value(id, nullptr); }
    int activeList() const { return activeList_; }
    const QString& decimalSeparator() const { return decimalSeparator_; }
    const QString& helpPath() const { return helpPath_; }
    QMenuBar* menuBar() const { return menuBar_; }
    QAction* MenuAction(int commandId) const { return menuActions_.value(commandId, nullptr); }
    QMenu* whatsThisMenu() const { return whatsThisMenu_; }

    // Shows a message from the string table with the exclamation icon and an OK button; the
    // last "%d" of the message is replaced by a non-empty insert. False when the message id is
    // not in the table (nothing is shown).
    bool ShowMessage(int titleId, int messageId, const std::u16string& insert = {});

  signals:
    // The window closed; the id of the command that closed it is the process exit code.
    void Closed(int commandId);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    // Start-up.
    void BuildWindow();
    void ConnectControls();
    void LimitFieldLengths();
    bool SetMoveButtonIcon(int id, int iconId);
    void CentreOnScreen();
    QString Label(int id) const;
    void ShowFixedError(const QString& text);

    // The dispatch and the keyboard.
    void Dispatch(int id);
    bool DispatchEditingCommand(int id);
    void ForwardEditCommand(int id);
    bool TranslateAccelerator(QKeyEvent* event);
    int PaperListKeyCommand(const QKeyEvent& event) const;
    bool OpensMenuBar(const QKeyEvent* event);
    void CloseWindow(int commandId);

    // What the operator does in the editing panel, passed on to the session.
    void OnEnter();
    void OnModify();
    void OnDelete();
    void OnDefaultPaper();
    void OnCheckOrRadio(int id);
    void OnMove(int id);
    void OnListClick(int id);
    void OnFieldFocus(int id);
    void OnFieldChange(int id);
    void RevertField(EditField* field, const QString& text);

    // Rendering the session.
    void Render();
    void RenderFields();
    void RenderButtons();
    void SetModifyMenuEnabled(bool enable);
    // A control the template lacks is reported once, when the window first needs it.
    void ReportMissing(int id, const QString& text);
    void ShowTitle();
    void ShowCatalogPath();
    PaperListView* paperList() const;
    ListBox* listBox(int id) const;
    EditField* editField(int id) const;
    QAbstractButton* button(int id) const;

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
    FindBar* findBar_ = nullptr;

    QString decimalSeparator_;
    EditingSession session_;
    WindowPrompts prompts_;
    FileLayerUi fileLayer_;
    QString helpPath_;
    // The parts of the window with classes of their own: the paper list with its find bar and
    // sorting, the list boxes, and the Edit menu's history and paper commands.
    std::unique_ptr<PaperListPanel> paperPanel_;
    std::unique_ptr<AttributeLists> attributeLists_;
    std::unique_ptr<EditMenu> editMenu_;

    // Which list Delete acts on: the paper list, or the list box clicked last.
    int activeList_ = 0;
    // The edit field that last received the focus; 0 for none.
    int focusedField_ = 0;
    // While the window shows the session, what its controls report is not the operator's doing.
    bool rendering_ = false;
    // The catalog as last drawn, so that only a changed catalog is drawn again.
    uint64_t drawnRevision_ = ~uint64_t{0};
    QSet<int> reportedMissing_;
    int closingCommand_ = 0;
    bool altAlone_ = false;  // Alt is down and no other key came since
};

}  // namespace sheetwise
