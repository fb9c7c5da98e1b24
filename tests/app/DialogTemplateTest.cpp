#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "app/DialogTemplateReader.h"
#include "app/ResourceIds.h"

namespace sheetwise {
namespace {

DialogTemplate Load(int id) {
    QString error;
    const auto dialog = LoadDialogTemplate(id, &error);
    EXPECT_TRUE(dialog) << id << ": " << error.toStdString();
    return dialog.value_or(DialogTemplate());
}

std::vector<int> Ids(const DialogTemplate& dialog) {
    std::vector<int> ids;
    for (const DialogControl& control : dialog.controls) {
        ids.push_back(control.id);
    }
    return ids;
}

// Template order is tab order; removing a control keeps the others in it.
TEST(DialogTemplateTest, MainWindowHasItsFrameMenuAndControlsInTabOrder) {
    DialogTemplate dialog = Load(resource_id::kMainDialog);
    std::vector<int> order{1013, 1043, 1040, 1039, 1042, 1041, 1020, 1024, 1016, 1023, 1021, 1030,
                           1031, 1032, 1028, 1065, 1014, 1015, 1002, 1004, 1003, 1057, 1056, 1054,
                           1058, 1059, 1060, 1061, 1062, -1,   -1,   -1,   1053, 1064};
    EXPECT_EQ(Ids(dialog), order);
    EXPECT_TRUE(dialog.RemoveControl(1014));
    EXPECT_FALSE(dialog.RemoveControl(1014));
    EXPECT_EQ(dialog.Find(1014), nullptr);
    order.erase(std::find(order.begin(), order.end(), 1014));
    EXPECT_EQ(Ids(dialog), order);
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
