// The window's construction, start-up, command dispatch and catalog opening.
#include "ui/window/MainDialog.h"
#include "ui/window/MessageIds.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "import/ImportedCatalog.h"
#include "platform/FileOps.h"
#include "platform/NativePath.h"
#include "ui/resources/MenuTextId.h"
#include "ui/resources/ProgramIcons.h"
#include "ui/resources/QtText.h"
#include "ui/resources/ResourceIds.h"
#include "ui/widgets/EditField.h"
#include "ui/widgets/ListBox.h"
#include "ui/widgets/PaperListView.h"
#include "ui/window/CatalogLocation.h"
#include "ui/window/DecimalSeparator.h"
#include "ui/window/DialogBuilder.h"
#include "ui/window/FileProblems.h"

namespace sheetwise {
namespace {

constexpr int kEnglishTitleId = 10109;  // "Sheetwise "

// Marks the first letter of the text that no earlier entry of its menu took, so that the menus
// open with Alt and a letter and their items answer to a letter. A text that has one is kept.
QString WithMnemonic(const QString& text, QString& taken) {
    if (text.contains(u'&'))
        return text;
    const qsizetype end = text.indexOf(u'\t') < 0 ? text.size() : text.indexOf(u'\t');
    for (qsizetype i = 0; i < end; ++i) {
        const QChar letter = text[i].toLower();
        if (letter.isLetter() && !taken.contains(letter)) {
            taken += letter;
            return text.left(i) + u'&' + text.mid(i);
        }
    }
    return text;
}

void AddMnemonics(QMenuBar* bar) {
    QString menus;
    for (QAction* menu : bar->actions()) {
        menu->setText(WithMnemonic(menu->text(), menus));
        if (menu->menu() == nullptr)
            continue;
        QString items;
        for (QAction* item : menu->menu()->actions()) {
            if (!item->isSeparator())
                item->setText(WithMnemonic(item->text(), items));
        }
    }
}

}  // namespace

MainDialog::MainDialog(UserInterface& ui, DialogTemplate dialog, MenuTemplate menu,
                       AcceleratorTable accelerators,
                       std::shared_ptr<const StringResources> strings,
                       StartupEnvironment environment, QWidget* parent)
    : QWidget(parent),
      ui_(ui),
      template_(std::move(dialog)),
      menuTemplate_(std::move(menu)),
      accelerators_(std::move(accelerators)),
      stringModule_(std::move(strings)),
      environment_(std::move(environment)),
      catalog_(document_.catalog()),
      changes_(document_.changes()),
      editor_(document_),
      fields_(editor_.fields),
      fieldChanges_(editor_.changed),
      working_(editor_.working),
      defaultMark_(editor_.defaultMark),
      selectedPaperIndex_(editor_.selected) {
    BuildWindow();
    ConnectControls();
}

MainDialog::~MainDialog() {
    qApp->removeEventFilter(this);
    // The controls outlive this object's members while the widget base class deletes them; what
    // they report on their way out (focus leaving, say) must not reach the handlers.
    for (QWidget* widget : std::as_const(controls_))
        QObject::disconnect(widget, nullptr, this, nullptr);
    controls_.clear();
}

void MainDialog::BuildWindow() {
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    menuBar_ = new QMenuBar(this);
    // Lists show where the keyboard is as clearly as the fields and buttons do.
    setStyleSheet(
        QStringLiteral("QAbstractItemView:focus { border: 2px solid palette(highlight); }"));
    layout->setMenuBar(menuBar_);
    for (const MenuItem& popup : menuTemplate_.items) {
        QMenu* menu = menuBar_->addMenu(popup.text);
        for (const MenuItem& item : popup.items) {
            if (item.kind == MenuItemKind::Separator) {
                menu->addSeparator();
                continue;
            }
            QAction* action = menu->addAction(item.text);
            action->setData(item.commandId);
            menuActions_.insert(item.commandId, action);
            const int id = item.commandId;
            connect(action, &QAction::triggered, this, [this, id] { OnCommand(id); });
        }
    }
    body_ = new QWidget(this);
    layout->addWidget(body_);
    const DialogUnits units(QApplication::font());
    controls_ = BuildControls(template_, body_, units);
    body_->setFixedSize(units.ToPixels(template_.size));
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void MainDialog::ConnectControls() {
    for (auto it = controls_.cbegin(); it != controls_.cend(); ++it) {
        const int id = it.key();
        QWidget* widget = it.value();
        if (auto* list = qobject_cast<PaperListView*>(widget)) {
            connect(list, &PaperListView::ItemChanging, this, &MainDialog::OnPaperListItemChanging);
            // Showing a paper can add a value it uses to the lists, which is a change.
            connect(list, &PaperListView::ItemChanging, this, &MainDialog::ShowTitle);
            connect(list, &PaperListView::ItemDoubleClicked, this,
                    &MainDialog::OnPaperListDoubleClick);
        } else if (auto* box = qobject_cast<ListBox*>(widget)) {
            connect(box, &ListBox::Notified, this, [this, id] { OnCommand(id); });
        } else if (auto* field = qobject_cast<EditField*>(widget)) {
            connect(field, &QLineEdit::textChanged, this, [this, id] { OnCommand(id); });
            connect(field, &EditField::FocusReceived, this, [this, id] { OnFieldFocus(id); });
        } else if (auto* clickable = qobject_cast<QAbstractButton*>(widget)) {
            connect(clickable, &QAbstractButton::clicked, this, [this, id] { OnCommand(id); });
        }
    }
}

bool MainDialog::Initialise() {
    strings_ = std::make_unique<StringProvider>(stringModule_);
    strings_->Init(u"English");
    ShowTitle();
    setWindowIcon(LoadProgramIcon(resource_id::kProgramIcon));
    qApp->installEventFilter(this);
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(169, 184, 212));
    setPalette(background);
    setAutoFillBackground(true);
    imported_.reset();
    ApplyMenuTexts();
    SetModifyMenuEnabled(false);
    LimitFieldLengths();
    SetupListColumns();
    ClearChangeFlags(0);
    ClearChangeFlags(2);
    ClearChangeFlags(3);
    focusedField_ = 0;
    ReadDecimalSeparator();
    ComputeHelpPath();
    CreateWhatsThisMenu();
    LocateDefaultCatalog();
    OpenFirstCatalog();
    if (!SetMoveButtonIcon(control::kMoveUp, resource_id::kMoveUpIcon) ||
        !SetMoveButtonIcon(control::kMoveDown, resource_id::kMoveDownIcon)) {
        return false;
    }
    ApplyControlLabels();
    CentreOnScreen();
    return true;
}

void MainDialog::CentreOnScreen() {
    adjustSize();
    const QRect area = screen()->availableGeometry();
    QPoint topLeft = area.center() - rect().center();
    // A window larger than the screen keeps its menu and title bar reachable.
    topLeft.setX(std::max(topLeft.x(), area.left()));
    topLeft.setY(std::max(topLeft.y(), area.top()));
    move(topLeft);
}

void MainDialog::ShowTitle() {
    // The program's title, then the catalog's file name with the unsaved-changes mark.
    QString title = QStringLiteral("Korvane Brevalon ") + Label(kEnglishTitleId);
    const QString file = QFileInfo(ToQString(document_.shownPath())).fileName();
    if (!file.isEmpty())
        title += QStringLiteral("- ") + file;
    setWindowTitle(title + QStringLiteral("[*]"));
    setWindowModified(changes_.Any());
}

bool MainDialog::SetMoveButtonIcon(int id, int iconId) {
    QAbstractButton* moveButton = button(id);
    if (moveButton == nullptr) {
        ShowMessage(message::kError, message::kControlMissing,
                    u" " + QString::number(id).toStdU16String());
        return false;
    }
    moveButton->setIcon(LoadProgramIcon(iconId));
    moveButton->setIconSize(QSize(24, 32));
    return true;
}

void MainDialog::ReadDecimalSeparator() {
    const std::optional<QString> separator = SystemDecimalSeparator();
    if (!separator) {
        ShowMessage(message::kError, message::kErrorOccurred, u" 45");
        return;
    }
    decimalSeparator_ = *separator;
}

bool MainDialog::ClearChangeFlags(int group) {
    if (group == 0) {
        changes_.ClearAttributes();
    } else if (group == 2) {
        changes_.ClearPapers();
    } else if (group == 3) {
        fieldChanges_ = FieldChangeFlags{};
    }
    return true;
}

// Strings.

std::u16string MainDialog::Text(std::u16string_view prefix, int id) const {
    std::u16string text;
    if (strings_)
        strings_->GetString(prefix, static_cast<uint16_t>(id), text);
    return text;
}

QString MainDialog::Label(int id) const {
    return ToQString(Text(kLabelPrefix, id));
}

bool MainDialog::ShowMessage(int titleId, int messageId, const std::u16string& insert,
                             const QString& details) {
    std::u16string caption;
    std::u16string message;
    if (!strings_)
        return false;
    strings_->GetString(kLabelPrefix, static_cast<uint16_t>(titleId), caption);
    if (!strings_->GetString(kMessagePrefix, static_cast<uint16_t>(messageId), message)) {
        return false;
    }
    const size_t marker = message.rfind(u"%d");
    if (!insert.empty() && marker != std::u16string::npos)
        message.replace(marker, 2, insert);
    ui_.ShowBox(this, ToQString(caption), ToQString(message), BoxIcon::kExclamation,
                BoxButtons::kOk, details);
    return true;
}

void MainDialog::ShowFixedError(const QString& text, const QString& details) {
    ui_.ShowBox(this, QStringLiteral("Error"), text, BoxIcon::kExclamation, BoxButtons::kOk,
                details);
}

BoxAnswer MainDialog::Ask(int messageId, BoxButtons buttons, const QString& details) {
    return Ask(ToQString(Text(kMessagePrefix, messageId)), buttons, details);
}

BoxAnswer MainDialog::Ask(const QString& text, BoxButtons buttons, const QString& details) {
    return ui_.ShowBox(this, ToQString(Text(kLabelPrefix, 12040)), text, BoxIcon::kQuestion,
                       buttons, details);
}

void MainDialog::ApplyMenuTexts() {
    const QList<QAction*> topLevel = menuBar_->actions();
    for (int position = 0; position < topLevel.size(); ++position) {
        QAction* item = topLevel[position];
        if (position <= 2) {
            const auto id = MenuTextId(position);
            const QString text = id ? Label(*id) : QString();
            if (!text.isEmpty())
                item->setText(text);
        }
        if (item->menu() == nullptr)
            continue;
        for (QAction* entry : item->menu()->actions()) {
            const int commandId = entry->data().toInt();
            if (entry->isSeparator() || commandId == 0)
                continue;
            const auto id = MenuTextId(commandId);
            const QString text = id ? Label(*id) : QString();
            if (!text.isEmpty())
                entry->setText(text);
        }
    }
    AddMnemonics(menuBar_);
    menuBar_->update();
}

void MainDialog::SetModifyMenuEnabled(bool enable) {
    const QList<QAction*> topLevel = menuBar_->actions();
    if (topLevel.size() < 2 || topLevel[1]->menu() == nullptr)
        return;
    const QList<QAction*> items = topLevel[1]->menu()->actions();
    if (items.size() > 5)
        items[5]->setEnabled(enable);
}

void MainDialog::ApplyControlLabels() {
    struct Step {
        int controlId;
        int stringId;
        const char* missing;
        const char* fallback;
    };
    static const Step kSteps[] = {
        {control::kAdd, 7009, "Unable to find the add button", nullptr},
        {control::kDelete, 7011, "Unable to find the delete button", nullptr},
        {control::kModify, 7010, "Unable to find the modify button", nullptr},
        {control::kDefaultPaperBox, 13143, "Unable to find Default Checkbox", nullptr},
        {control::kPrecollatedBox, 13137, "Unable to find Default Checkbox", nullptr},
        {control::kInserter, 12075, "Unable to find inserter button", nullptr},
        {control::kOneSided, 12080, "Unable to find 1-sided button", nullptr},
        {control::kTwoSided, 12076, "Unable to find 1,2-sided button", nullptr},
        {1054, 10072, "Unable to find imaged sides", nullptr},
        {1056, 13140, "Unable to find static move paper", nullptr},
        {1058, 10115, "Unable to find static name", nullptr},
        {1059, 10096, "Unable to find static size", nullptr},
        {1060, 10097, "Unable to find static color", nullptr},
        {1061, 13173, "Unable to find static weight", "Weight"},
        {1064, 13174, "Unable to find static gsm", "(gsm):"},
        {1062, 10099, "Unable to find static type", nullptr},
        {1057, 13142, "Unable to find static edit attributes", nullptr},
    };
    for (int i = 0; i < 3; ++i) {
        if (Control(kSteps[i].controlId) == nullptr) {
            ShowFixedError(QString::fromLatin1(kSteps[i].missing));
            return;
        }
    }
    for (const Step& step : kSteps) {
        QWidget* widget = Control(step.controlId);
        if (widget == nullptr) {
            ShowFixedError(QString::fromLatin1(step.missing));
            return;
        }
        std::u16string text;
        const bool found =
            strings_->GetString(kLabelPrefix, static_cast<uint16_t>(step.stringId), text);
        QString label = ToQString(text);
        if (!found && step.fallback != nullptr)
            label = QString::fromLatin1(step.fallback);
        if (!found && step.fallback == nullptr)
            continue;
        if (step.controlId == control::kAdd || step.controlId == control::kDelete ||
            step.controlId == control::kModify) {
            label.prepend(u'&');
        }
        widget->setProperty("text", label);
    }
}

// The first catalog.

void MainDialog::LocateDefaultCatalog() {
    document_.SetDefaultPath({});
    std::u16string programFiles;
    bool found = false;
    if (ReadProgramFilesDir(environment_.executablePath, programFiles)) {
        document_.SetDefaultPath(programFiles + std::u16string(kDefaultCatalogRelativePath));
        found = EnsureCompanionFiles();
    }
    workingPath_.clear();
    if (found)
        return;
    std::u16string folder;
    if (ExecutableFolder(environment_.executablePath, folder)) {
        document_.SetDefaultPath(folder + std::u16string(kDefaultCatalogFileName));
    } else {
        ShowMessage(message::kError, message::kCatalogFilesProblem, {},
                    QStringLiteral("No installed default catalog was found for %1.")
                        .arg(ToQString(environment_.executablePath)));
    }
}

void MainDialog::OpenFirstCatalog() {
    if (!environment_.catalogArgument) {
        if (!ConfirmUnsavedChanges())
            OpenDefaultCatalog();
        return;
    }
    workingPath_ = *environment_.catalogArgument;
    if (!EnsureCompanionFiles()) {
        ShowMessage(message::kError, message::kDefaultOpenedInstead, {},
                    DescribeCompanionFailure(workingPath_, document_.defaultPath()));
        if (!ConfirmUnsavedChanges())
            OpenDefaultCatalog();
        return;
    }
    LoadAndShowCatalog();
}

bool MainDialog::EnsureCompanionFiles() {
    if (workingPath_.empty())
        workingPath_ = document_.defaultPath();
    return document_.EnsureCompanions(workingPath_);
}

void MainDialog::LoadAndShowCatalog(bool asTemplate) {
    const int32_t status = asTemplate ? document_.LoadTemplate() : LoadCatalog();
    if (status > 0) {
        ShowMessage(message::kError, message::kCatalogNotFound, {},
                    DescribeLoadFailure(workingPath_, status) + QStringLiteral("\n\n") +
                        KeptUntouchedNote(workingPath_));
        return;
    }
    RefreshCatalogView();
    ShowCatalogPath();
}

int32_t MainDialog::LoadCatalog() {
    return document_.Load(workingPath_);
}

void MainDialog::OpenDefaultCatalog() {
    workingPath_ = document_.defaultPath();
    if (paperList())
        paperList()->DeleteAllItems();
    if (!EnsureCompanionFiles()) {
        ShowMessage(message::kError, message::kCatalogFilesProblem, {},
                    DescribeCompanionFailure(workingPath_, workingPath_));
        return;
    }
    LoadAndShowCatalog(true);
}

void MainDialog::RefreshCatalogView() {
    editor_.TakeCatalogLists();
    FillAttributeListBoxes();
    FillSizeList(true);
    FillNameList(true);
    activeList_ = 0;
    FillPaperList();
    // Whether the catalog has a file of its own is the document's to say, not the view's.
    const bool untitled = changes_.untitled;
    ClearChangeFlags(0);
    ClearChangeFlags(2);
    ClearChangeFlags(3);
    changes_.untitled = untitled;
}

void MainDialog::ShowCatalogPath() {
    ShowTitle();
    QWidget* display = Control(control::kCatalogDisplay);
    if (display == nullptr) {
        ShowFixedError(QStringLiteral("Unable to find the Open catalog display."));
        return;
    }
    if (!document_.shownPath().empty())
        display->setProperty("text", ToQString(document_.shownPath()));
}

// Commands.

void MainDialog::OnCommand(int id) {
    Dispatch(id);
    if (closingCommand_ != 0)
        return;
    // Any command may have changed or saved the catalog: the title's mark and the paper list's
    // marks (default paper, precollated) follow.
    ShowTitle();
    if (PaperListView* list = paperList())
        list->viewport()->update();
}

void MainDialog::Dispatch(int id) {
    switch (id) {
        case command::kOpen:
            OpenCatalog();
            return;
        case command::kNew:
            NewCatalog();
            return;
        case command::kImport:
            ImportCatalog();
            return;
        case command::kSave:
            SaveCatalog();
            return;
        case command::kSaveAs:
            SaveCatalogAs();
            return;
        case command::kExit:
            ExitProgram(command::kExit);
            return;
        case control::kCancel:
            activeList_ = 0;
            ExitProgram(control::kCancel);
            return;
        case control::kOk:
            return;
        case command::kCut:
        case command::kCopy:
        case command::kPaste:
            ForwardEditCommand(id);
            return;
        case control::kAdd:
            OnAdd();
            return;
        case control::kModify:
            OnModify();
            return;
        case control::kDelete:
            OnDelete();
            return;
        case control::kMoveUp:
            OnMoveUp();
            return;
        case control::kMoveDown:
            OnMoveDown();
            return;
        case control::kDefaultPaperBox:
            OnDefaultPaper();
            return;
        case control::kPrecollatedBox:
            OnPrecollated();
            return;
        case control::kInserter:
        case control::kOneSided:
        case control::kTwoSided:
            OnModeButton(id);
            return;
        case control::kColourList:
        case control::kSizeList:
        case control::kTypeList:
        case control::kWeightList:
            OnAttributeListClick(id);
            return;
        case control::kNameList:
            OnNameListClick();
            return;
        case command::kAbout:
            ShowAbout();
            return;
        default:
            break;
    }
    // Commands no row names reach the edit fields first; only then is Help Topics tried.
    switch (id) {
        case control::kNameField:
            OnNameFieldChange();
            return;
        case control::kColourField:
        case control::kTypeField:
            OnTextFieldChange(id);
            return;
        case control::kWeightField:
            OnWeightFieldChange();
            return;
        case command::kHelpTopics:
            ShowHelpTopics();
            return;
        default:
            return;
    }
}

void MainDialog::ForwardEditCommand(int id) {
    auto* field = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    if (field == nullptr || !isAncestorOf(field))
        return;
    if (id == command::kCut)
        field->cut();
    if (id == command::kCopy)
        field->copy();
    if (id == command::kPaste)
        field->paste();
}

bool MainDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return QWidget::eventFilter(watched, event);
    auto* target = qobject_cast<QWidget*>(watched);
    if (target == nullptr || (target != this && !isAncestorOf(target)) ||
        QApplication::activeModalWidget() != nullptr || QApplication::activePopupWidget()) {
        return QWidget::eventFilter(watched, event);
    }
    auto* key = static_cast<QKeyEvent*>(event);
    if (OpensMenuBar(key))
        return true;
    if (event->type() == QEvent::KeyRelease)
        return false;
    return TranslateAccelerator(key);
}

bool MainDialog::OpensMenuBar(const QKeyEvent* event) {
    // Alt pressed and released with no other key in between opens the first menu, as the
    // desktops the operators come from do; Alt with a letter is the menus' own mnemonic.
    if (event->isAutoRepeat())
        return false;
    if (event->type() == QEvent::KeyPress) {
        altAlone_ = event->key() == Qt::Key_Alt;
        return false;
    }
    const bool open = event->key() == Qt::Key_Alt && altAlone_ && !menuBar_->actions().isEmpty();
    altAlone_ = false;
    if (open)
        menuBar_->setActiveAction(menuBar_->actions().front());
    return open;
}

bool MainDialog::TranslateAccelerator(QKeyEvent* event) {
    const QKeyCombination key(event->modifiers() & ~Qt::KeypadModifier, Qt::Key(event->key()));
    if (const auto id = accelerators_.CommandFor(key)) {
        OnCommand(*id);
        return true;
    }
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (event->modifiers() & ~Qt::KeypadModifier)
                return false;
            OnCommand(control::kOk);
            return true;
        case Qt::Key_Escape:
            OnCommand(control::kCancel);
            return true;
        case Qt::Key_F1:
            if (event->modifiers() != Qt::NoModifier)
                return false;
            OnHelpRequest();
            return true;
        default:
            return false;
    }
}

void MainDialog::closeEvent(QCloseEvent* event) {
    if (closingCommand_ != 0) {
        event->accept();
        return;
    }
    event->ignore();
    OnCommand(control::kCancel);
    // Cancel closed the window from inside this event, where Qt ignores a second close: the
    // event itself has to be accepted for the window to go.
    if (closingCommand_ != 0)
        event->accept();
}

void MainDialog::CloseWindow(int commandId) {
    strings_.reset();
    imported_.reset();
    closingCommand_ = commandId;
    qApp->removeEventFilter(this);
    close();
    emit Closed(commandId);
}

}  // namespace sheetwise
