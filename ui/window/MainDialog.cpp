// The window's construction, start-up, command dispatch and keyboard.
#include "ui/window/MainDialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QVBoxLayout>

#include "import/CatalogImport.h"
#include "import/CatalogMerge.h"
#include "model/MessageIds.h"
#include "ui/resources/MenuTextId.h"
#include "ui/resources/ProgramIcons.h"
#include "ui/resources/QtText.h"
#include "ui/resources/ResourceIds.h"
#include "ui/widgets/EditField.h"
#include "ui/widgets/FindBar.h"
#include "ui/widgets/ListBox.h"
#include "ui/widgets/PaperListView.h"
#include "ui/window/AttributeLists.h"
#include "ui/window/DecimalSeparator.h"
#include "ui/window/DialogBuilder.h"
#include "ui/window/EditMenu.h"
#include "ui/window/PaperListPanel.h"
#include "ui/window/WindowTexts.h"

namespace sheetwise {
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
      decimalSeparator_(SystemDecimalSeparator().value_or(QStringLiteral("."))),
      session_(decimalSeparator_.toStdU16String()),
      prompts_(ui, *this, [this](int id) { return Label(id); }),
      fileLayer_(ui, *this, [this](int id) { return Label(id); }) {
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
    // Above the controls, but after them in the tab order.
    findBar_ = new FindBar(this);
    layout->insertWidget(0, findBar_);
    paperPanel_ = std::make_unique<PaperListPanel>(paperList(), *findBar_, session_,
                                                   [this](int id) { OnCommand(id); });
    attributeLists_ = std::make_unique<AttributeLists>([this](int id) { return listBox(id); });
    editMenu_ = std::make_unique<EditMenu>(
        ui_, *this, session_, prompts_, [this](int id) { return Label(id); },
        [this](int id) { return MenuAction(id); }, [this](int id) { return Control(id); });
}

void MainDialog::ConnectControls() {
    for (auto it = controls_.cbegin(); it != controls_.cend(); ++it) {
        const int id = it.key();
        QWidget* widget = it.value();
        if (auto* list = qobject_cast<PaperListView*>(widget)) {
            connect(list, &PaperListView::ItemChanging, this, &MainDialog::OnPaperListItemChanging);
            connect(list, &PaperListView::ItemDoubleClicked, this,
                    &MainDialog::OnPaperListDoubleClick);
        } else if (auto* box = qobject_cast<ListBox*>(widget)) {
            connect(box, &ListBox::Notified, this, [this, id] { OnCommand(id); });
        } else if (auto* field = qobject_cast<EditField*>(widget)) {
            connect(field, &QLineEdit::textChanged, this, [this, id] {
                if (!rendering_)
                    OnCommand(id);
            });
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
    ApplyMenuTexts(*menuBar_, [this](int id) { return Label(id); });
    SetModifyMenuEnabled(false);
    LimitFieldLengths();
    paperPanel_->Setup([this](int id) { return Label(id); });
    if (!SystemDecimalSeparator())
        ShowMessage(message::kError, message::kErrorOccurred, u" 45");
    ComputeHelpPath();
    CreateWhatsThisMenu();
    session_.LocateDefaultCatalog(environment_.executablePath, u"sheetwise", prompts_);
    session_.Start(environment_.catalogArgument, prompts_);
    activeList_ = control::kPaperList;
    Render();
    if (!SetMoveButtonIcon(control::kMoveUp, resource_id::kMoveUpIcon) ||
        !SetMoveButtonIcon(control::kMoveDown, resource_id::kMoveDownIcon)) {
        return false;
    }
    ApplyControlLabels(controls_, *strings_, [this](const QString& text) { ShowFixedError(text); });
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

QString MainDialog::Label(int id) const {
    // Messages have their own prefix for the texts the string table lacks.
    const std::u16string_view prefix = id >= 16000 ? kMessagePrefix : kLabelPrefix;
    std::u16string text;
    if (strings_)
        strings_->GetString(prefix, static_cast<uint16_t>(id), text);
    return ToQString(text);
}

bool MainDialog::ShowMessage(int titleId, int messageId, const std::u16string& insert) {
    QString message = Label(messageId);
    if (message.isEmpty())
        return false;
    const qsizetype marker = message.lastIndexOf(QStringLiteral("%d"));
    if (!insert.empty() && marker >= 0)
        message.replace(marker, 2, ToQString(insert));
    ui_.ShowBox(this, Label(titleId), message, BoxIcon::kExclamation, BoxButtons::kOk, {});
    return true;
}

void MainDialog::ShowFixedError(const QString& text) {
    ui_.ShowBox(this, QStringLiteral("Error"), text, BoxIcon::kExclamation, BoxButtons::kOk, {});
}

// Commands.

void MainDialog::OnCommand(int id) {
    Dispatch(id);
    if (closingCommand_ == 0)
        Render();
}

void MainDialog::Dispatch(int id) {
    if (DispatchEditingCommand(id) || paperPanel_->Dispatch(id, session_) ||
        editMenu_->Dispatch(id))
        return;
    switch (id) {
        case command::kOpen:
            activeList_ = 0;
            session_.Open(prompts_);
            return;
        case command::kNew:
            session_.New(prompts_);
            return;
        case command::kImport:
            ImportCatalogFile(session_, prompts_);
            return;
        case command::kMerge:
            MergeCatalogFile(session_, prompts_);
            return;
        case command::kSave:
            session_.Save(prompts_);
            return;
        case command::kSaveAs:
            session_.SaveAs(prompts_);
            return;
        case command::kExit:
        case control::kCancel:
            if (id == control::kCancel)
                activeList_ = 0;
            if (session_.Exit(prompts_))
                CloseWindow(id);
            return;
        case command::kCut:
        case command::kCopy:
        case command::kPaste:
            ForwardEditCommand(id);
            return;
        case command::kAbout:
            ShowAbout();
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
    // A shortcut (a mnemonic such as Alt+A) can take its key before any KeyPress is sent: Alt
    // was not pressed alone then.
    if (event->type() == QEvent::ShortcutOverride &&
        static_cast<QKeyEvent*>(event)->key() != Qt::Key_Alt)
        altAlone_ = false;
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return QWidget::eventFilter(watched, event);
    auto* target = qobject_cast<QWidget*>(watched);
    if (target == nullptr || (target != this && !isAncestorOf(target)) ||
        QApplication::activeModalWidget() != nullptr || QApplication::activePopupWidget()) {
        return QWidget::eventFilter(watched, event);
    }
    auto* key = static_cast<QKeyEvent*>(event);
    // While the menu bar has the keyboard (a menu just closed with Esc), its keys are its own:
    // Esc leaves it rather than closing the window.
    if (menuBar_->hasFocus() && key->key() != Qt::Key_Alt)
        return false;
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

// The paper list's own keys: Ctrl+Up and Ctrl+Down move the selected paper, the list keeping
// the keyboard; Delete deletes it, after the same question as the Delete button.
int MainDialog::PaperListKeyCommand(const QKeyEvent& event) const {
    if (QApplication::focusWidget() != paperList())
        return 0;
    const auto modifiers = event.modifiers() & ~Qt::KeypadModifier;
    if (modifiers == Qt::ControlModifier && event.key() == Qt::Key_Up)
        return control::kMoveUp;
    if (modifiers == Qt::ControlModifier && event.key() == Qt::Key_Down)
        return control::kMoveDown;
    if (modifiers == Qt::NoModifier && event.key() == Qt::Key_Delete)
        return control::kDelete;
    return 0;
}

bool MainDialog::TranslateAccelerator(QKeyEvent* event) {
    const QKeyCombination key(event->modifiers() & ~Qt::KeypadModifier, Qt::Key(event->key()));
    if (const auto id = accelerators_.CommandFor(key)) {
        OnCommand(*id);
        return true;
    }
    if (const int id = PaperListKeyCommand(*event)) {
        OnCommand(id);
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
            // A control that answers Esc itself (the find field: it clears) keeps it.
            if (const QWidget* focus = QApplication::focusWidget();
                focus != nullptr && focus->property(kAnswersEscape).toBool())
                return false;
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
    Render();  // what the closing command saved, for as long as the window is still seen
    strings_.reset();
    closingCommand_ = commandId;
    qApp->removeEventFilter(this);
    close();
    emit Closed(commandId);
}

}  // namespace sheetwise
