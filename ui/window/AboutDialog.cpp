#include "ui/window/AboutDialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

#include "sheetwise/Version.h"
#include "ui/resources/QtText.h"
#include "ui/resources/StringSource.h"
#include "ui/window/DialogBuilder.h"

namespace sheetwise {
namespace {

constexpr int kOkButton = 1;
constexpr int kCancelId = 2;
constexpr int kAboutTextControl = 1063;
constexpr int kAboutCaption = 10113;  // "About Sheetwise..."
constexpr int kProductName = 10109;   // "Sheetwise "
constexpr int kOwnerNotice = 30013;

std::u16string Lookup(const StringSource& strings, int id) {
    std::u16string text;
    strings.GetString(kLabelPrefix, static_cast<uint16_t>(id), text);
    return text;
}

}  // namespace

std::u16string AboutText(const StringSource& strings) {
    std::u16string text = u"Korvane Brevalon ";
    text += u"\n\n";
    text += Lookup(strings, kProductName);
    text += u" ";
    text += ToWide(QString::fromLatin1(kVersion.data(), static_cast<qsizetype>(kVersion.size())));
    text += u"\n\n";
    text += Lookup(strings, kOwnerNotice);
    return text;
}

void CentreOverOwner(QWidget& window, const QWidget* owner) {
    const QScreen* screen = owner != nullptr ? owner->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    const QRect work = screen->availableGeometry();
    const bool overOwner = owner != nullptr && owner->isVisible() && !owner->isMinimized();
    const QRect area = overOwner ? owner->frameGeometry() : work;
    const QSize size = window.frameGeometry().size();
    int x = area.left() + (area.width() - size.width()) / 2;
    int y = area.top() + (area.height() - size.height()) / 2;
    x = std::max(work.left(), std::min(x, work.left() + work.width() - size.width()));
    y = std::max(work.top(), std::min(y, work.top() + work.height() - size.height()));
    window.move(x, y);
}

AboutDialog::AboutDialog(const DialogTemplate& dialog,
                         std::shared_ptr<const StringResources> strings, QWidget* owner)
    : QDialog(owner) {
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setModal(true);
    const DialogUnits units(QApplication::font());
    controls_ = BuildControls(dialog, this, units);
    setFixedSize(units.ToPixels(dialog.size));
    CentreOverOwner(*this, owner);
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        child->setFont(QApplication::font());

    // The box keeps a provider of its own; it needs no language.
    strings_ = std::make_unique<StringProvider>(std::move(strings));
    setWindowTitle(ToQString(Lookup(*strings_, kAboutCaption)));
    if (QWidget* text = Control(kAboutTextControl))
        text->setProperty("text", ToQString(AboutText(*strings_)));
    if (auto* ok = qobject_cast<QAbstractButton*>(Control(kOkButton)))
        connect(ok, &QAbstractButton::clicked, this, [this] { done(kOkButton); });
}

AboutDialog::~AboutDialog() = default;

void AboutDialog::done(int result) {
    strings_.reset();
    QDialog::done(result);
}

void AboutDialog::reject() {
    done(kCancelId);
}

}  // namespace sheetwise
