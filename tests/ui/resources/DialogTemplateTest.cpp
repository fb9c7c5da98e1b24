#include <gtest/gtest.h>

#include <set>

#include "ui/resources/DialogTemplateReader.h"
#include "ui/resources/ResourceIds.h"

namespace sheetwise {
namespace {

DialogTemplate Load(int id) {
    QString error;
    const auto dialog = LoadDialogTemplate(id, &error);
    EXPECT_TRUE(dialog) << id << ": " << error.toStdString();
    return dialog.value_or(DialogTemplate());
}

// Group boxes are five units high: the window draws them as horizontal rules.
TEST(DialogTemplateTest, EveryControlLiesInsideItsDialogAndHasAUniqueId) {
    for (int id : {resource_id::kMainDialog, resource_id::kAboutDialog}) {
        const DialogTemplate dialog = Load(id);
        const QRect bounds(QPoint(0, 0), dialog.size);
        std::set<int> seen;
        for (const DialogControl& control : dialog.controls) {
            EXPECT_TRUE(bounds.contains(control.rect) && !control.rect.isEmpty())
                << id << "/" << control.id;
            EXPECT_TRUE(control.id == kNoControlId || seen.insert(control.id).second)
                << id << "/" << control.id;
            if (control.kind == ControlKind::GroupBox) {
                EXPECT_EQ(control.rect.height(), 5);
            }
        }
    }
}

}  // namespace
}  // namespace sheetwise
