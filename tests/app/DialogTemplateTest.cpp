#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <tuple>
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

template <typename Style>
std::uint32_t Bits(std::initializer_list<Style> styles) {
    std::uint32_t bits = 0;
    for (Style style : styles) {
        bits |= static_cast<std::uint32_t>(style);
    }
    return bits;
}

// Template order is tab order; removing a control keeps the others in it.
TEST(DialogTemplateTest, MainWindowHasItsFrameMenuAndControlsInTabOrder) {
    DialogTemplate dialog = Load(resource_id::kMainDialog);
    EXPECT_EQ(dialog.size, QSize(520, 314));
    EXPECT_EQ(dialog.fontFace, "MS Sans Serif");
    EXPECT_EQ(dialog.fontPointSize, 8);
    EXPECT_EQ(dialog.menuId, 201);
    using D = DialogStyle;
    EXPECT_EQ(dialog.styles, Bits({D::Caption, D::SystemMenu, D::MinimizeBox, D::Centred}));
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

// The style facts the window's behaviour rests on; the other controls of a kind share them.
TEST(DialogTemplateTest, MainWindowControlsHaveTheirKindsAndStyles) {
    using S = ControlStyle;
    using K = ControlKind;
    const std::tuple<int, ControlKind, std::uint32_t> facts[] = {
        {1013, K::ListView,
         Bits({S::ReportView, S::SingleSelection, S::ShowSelectionAlways, S::Border, S::TabStop})},
        {1043, K::ListBox,
         Bits({S::Notify, S::VScroll, S::HScroll, S::DisableNoScroll, S::NoIntegralHeight,
               S::Border, S::TabStop})},
        {1023, K::Edit, Bits({S::Border, S::TabStop, S::AutoHScroll, S::DigitsOnly})},
        {1024, K::Edit, Bits({S::ReadOnly, S::Border, S::AutoHScroll})},
        {1030, K::RadioButton, Bits({S::FirstOfGroup, S::TabStop})},
        {1031, K::RadioButton, Bits({S::TabStop})},
        {1014, K::PushButton, Bits({S::IconImage, S::Disabled, S::TabStop})},
        {1056, K::Static, Bits({S::Centred})},
    };
    const DialogTemplate dialog = Load(resource_id::kMainDialog);
    for (const auto& [id, kind, styles] : facts) {
        const DialogControl* control = dialog.Find(id);
        ASSERT_NE(control, nullptr) << id;
        EXPECT_EQ(control->kind, kind) << id;
        EXPECT_EQ(control->styles, styles) << id;
    }
}

TEST(DialogTemplateTest, AboutBoxIsModalWithButtonTextProgramIconAndFrame) {
    const DialogTemplate dialog = Load(resource_id::kAboutDialog);
    EXPECT_EQ(dialog.size, QSize(268, 137));
    EXPECT_TRUE(dialog.Has(DialogStyle::Modal) && dialog.menuId == 0);
    ASSERT_EQ(Ids(dialog), (std::vector<int>{1, 1063, kNoControlId, kNoControlId}));
    EXPECT_TRUE(dialog.controls[0].Has(ControlStyle::DefaultButton));
    EXPECT_EQ(dialog.controls[2].imageId, resource_id::kProgramIcon);
    EXPECT_EQ(dialog.controls[3].kind, ControlKind::Frame);
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
