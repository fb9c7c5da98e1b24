// The About box: the product line, the version and the owner's notice, from dialog template 100.
#pragma once

#include <QDialog>
#include <QHash>
#include <memory>

#include "ui/resources/DialogTemplate.h"
#include "ui/resources/StringProvider.h"

namespace sheetwise {

// The text of the About box: "Korvane Brevalon ", a blank line, string 10109 ("Sheetwise "), the
// version, a blank line and the owner's notice (string 30013). Texts the table lacks are left out.
std::u16string AboutText(const StringSource& strings);

class AboutDialog final : public QDialog {
    Q_OBJECT

  public:
    // Builds the box from the template, centred over the owner (over the work area when there is
    // none, or it is hidden or minimised), with a string provider of its own for its texts.
    AboutDialog(const DialogTemplate& dialog, std::shared_ptr<const StringResources> strings,
                QWidget* owner);
    ~AboutDialog() override;

    QWidget* Control(int id) const { return controls_.value(id, nullptr); }

    // Ends the box with the id of the button that closed it: 1 for OK, 2 for Esc and the close
    // box. The provider goes with it.
    void done(int result) override;
    void reject() override;

  private:
    std::unique_ptr<StringProvider> strings_;
    QHash<int, QWidget*> controls_;
};

// Moves a window so that it is centred over its owner, or over the work area when the owner is
// missing, hidden or minimised, and lies inside the work area (its left and top edges win when it
// is larger). Size and stacking stay.
void CentreOverOwner(QWidget& window, const QWidget* owner);

}  // namespace sheetwise
