// Builds the widgets of a dialog template inside a window.
//
// Dialog units become pixels the way Windows does it, so the layout scales with the font: x times
// the font's average character width / 4, y times its height / 8.
#pragma once

#include <QFont>
#include <QHash>
#include <QRect>
#include <QSize>

#include "ui/resources/DialogTemplate.h"

class QWidget;

namespace sheetwise {

class DialogUnits {
  public:
    explicit DialogUnits(const QFont& font);
    QRect ToPixels(const QRect& units) const;
    QSize ToPixels(const QSize& units) const;

  private:
    int baseX_;
    int baseY_;
};

// The controls of the template, created as children of `parent` in template order (which is also
// the tab order), by id. Controls without an id are created but not listed.
QHash<int, QWidget*> BuildControls(const DialogTemplate& dialog, QWidget* parent,
                                   const DialogUnits& units);

}  // namespace sheetwise
