// The texts the window's menus and controls are given from the string table at start-up.
#pragma once

#include <QHash>
#include <QString>
#include <functional>

#include "ui/resources/StringProvider.h"

class QMenuBar;
class QWidget;

namespace sheetwise {

// Gives the File, Edit and Help menus and their items the texts of their string ids (a text the
// table lacks keeps the menu resource's), then a mnemonic letter to each.
void ApplyMenuTexts(QMenuBar& menuBar, const std::function<QString(int id)>& label);

// Gives the buttons, boxes and labels their texts. A control the template lacks is reported and
// ends the labelling there.
void ApplyControlLabels(const QHash<int, QWidget*>& controls, const StringProvider& strings,
                        const std::function<void(const QString&)>& reportMissing);

}  // namespace sheetwise
