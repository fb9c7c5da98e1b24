#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "app/DialogTemplateReader.h"
#include "app/ProgramIcons.h"
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

// The kinds and styles that a control must have and must not have.
void ExpectStyles(const DialogTemplate& dialog, int id, ControlKind kind,
                  std::initializer_list<ControlStyle> present,
                  std::initializer_list<ControlStyle> absent = {}) {
    const DialogControl* control = dialog.Find(id);
    ASSERT_NE(control, nullptr) << id;
    EXPECT_EQ(control->kind, kind) << id;
    for (ControlStyle style : present) {
        EXPECT_TRUE(control->Has(style)) << id << " lacks style " << static_cast<int>(style);
    }
    for (ControlStyle style : absent) {
        EXPECT_FALSE(control->Has(style)) << id << " has style " << static_cast<int>(style);
    }
}

TEST(DialogTemplateTest, MainWindowHasItsControlsInTabOrder) {
    const DialogTemplate dialog = Load(resource_id::kMainDialog);
    EXPECT_EQ(dialog.size, QSize(520, 314));
    EXPECT_EQ(dialog.fontFace, "MS Sans Serif");
    EXPECT_EQ(dialog.fontPointSize, 8);
    EXPECT_EQ(dialog.menuId, 201);
    EXPECT_TRUE(dialog.Has(DialogStyle::MinimizeBox) && dialog.Has(DialogStyle::SystemMenu) &&
                dialog.Has(DialogStyle::Caption) && dialog.Has(DialogStyle::Centred));
    EXPECT_FALSE(dialog.Has(DialogStyle::Modal));
    const std::vector<int> order{1013, 1043, 1040, 1039, 1042, 1041, 1020, 1024, 1016,
                                 1023, 1021, 1030, 1031, 1032, 1028, 1065, 1014, 1015,
                                 1002, 1004, 1003, 1057, 1056, 1054, 1058, 1059, 1060,
                                 1061, 1062, -1,   -1,   -1,   1053, 1064};
    EXPECT_EQ(Ids(dialog), order);
    EXPECT_EQ(dialog.Find(1013)->rect, QRect(6, 16, 506, 109));
    EXPECT_EQ(dialog.Find(1064)->rect, QRect(336, 153, 78, 8));
}

TEST(DialogTemplateTest, MainWindowControlsHaveTheirStyleFacts) {
    using S = ControlStyle;
    using K = ControlKind;
    const DialogTemplate dialog = Load(resource_id::kMainDialog);
    ExpectStyles(
        dialog, 1013, K::ListView,
        {S::ReportView, S::SingleSelection, S::ShowSelectionAlways, S::Border, S::TabStop});
    for (int list : {1043, 1040, 1039, 1042, 1041}) {
        ExpectStyles(dialog, list, K::ListBox,
                     {S::Notify, S::VScroll, S::HScroll, S::DisableNoScroll, S::NoIntegralHeight,
                      S::Border, S::TabStop});
    }
    for (int field : {1020, 1016, 1021}) {
        ExpectStyles(dialog, field, K::Edit, {S::Border, S::TabStop, S::AutoHScroll},
                     {S::ReadOnly, S::DigitsOnly});
    }
    ExpectStyles(dialog, 1023, K::Edit, {S::DigitsOnly, S::TabStop}, {S::ReadOnly});
    for (int display : {1024, 1053}) {
        ExpectStyles(dialog, display, K::Edit, {S::ReadOnly, S::Border, S::AutoHScroll},
                     {S::TabStop});
    }
    ExpectStyles(dialog, 1030, K::RadioButton, {S::FirstOfGroup, S::TabStop});
    ExpectStyles(dialog, 1031, K::RadioButton, {S::TabStop}, {S::FirstOfGroup});
    ExpectStyles(dialog, 1032, K::RadioButton, {S::TabStop}, {S::FirstOfGroup});
    ExpectStyles(dialog, 1028, K::CheckBox, {S::TabStop}, {S::Disabled});
    ExpectStyles(dialog, 1065, K::CheckBox, {S::TabStop}, {S::Disabled});
    for (int move : {1014, 1015}) {
        ExpectStyles(dialog, move, K::PushButton, {S::IconImage, S::Disabled, S::TabStop});
    }
    for (int button : {1002, 1004, 1003}) {
        ExpectStyles(dialog, button, K::PushButton, {S::Disabled, S::TabStop}, {S::IconImage});
    }
    ExpectStyles(dialog, 1057, K::Static, {S::NoWordWrap}, {S::Centred});
    ExpectStyles(dialog, 1056, K::Static, {S::Centred}, {S::NoWordWrap});
    ExpectStyles(dialog, 1054, K::Static, {}, {S::Centred, S::TabStop});
    for (const DialogControl& control : dialog.controls) {
        if (control.id == kNoControlId) {
            EXPECT_EQ(control.kind, K::GroupBox);
            EXPECT_EQ(control.rect.height(), 5);
        }
    }
}

TEST(DialogTemplateTest, AboutBoxHasButtonTextIconAndFrame) {
    const DialogTemplate dialog = Load(resource_id::kAboutDialog);
    EXPECT_EQ(dialog.size, QSize(268, 137));
    EXPECT_TRUE(dialog.Has(DialogStyle::Modal));
    EXPECT_EQ(dialog.menuId, 0);
    ExpectStyles(dialog, 1, ControlKind::PushButton, {ControlStyle::DefaultButton});
    ExpectStyles(dialog, 1063, ControlKind::Static, {});
    int icons = 0;
    int frames = 0;
    for (const DialogControl& control : dialog.controls) {
        if (control.kind == ControlKind::Icon) {
            ++icons;
            EXPECT_EQ(control.imageId, resource_id::kProgramIcon);
            EXPECT_FALSE(LoadProgramIcon(control.imageId).isNull());
        }
        frames += control.kind == ControlKind::Frame ? 1 : 0;
    }
    EXPECT_EQ(icons, 1);
    EXPECT_EQ(frames, 1);
}

TEST(DialogTemplateTest, EveryControlLiesInsideItsDialogAndHasAUniqueId) {
    for (int id : {resource_id::kMainDialog, resource_id::kAboutDialog}) {
        const DialogTemplate dialog = Load(id);
        const QRect bounds(QPoint(0, 0), dialog.size);
        std::set<int> seen;
        for (const DialogControl& control : dialog.controls) {
            EXPECT_TRUE(bounds.contains(control.rect)) << id << "/" << control.id;
            EXPECT_FALSE(control.rect.isEmpty()) << id << "/" << control.id;
            EXPECT_TRUE(control.id == kNoControlId || seen.insert(control.id).second)
                << id << "/" << control.id;
        }
    }
}

TEST(DialogTemplateTest, RemovingAControlLeavesTheOthersInOrder) {
    DialogTemplate dialog = Load(resource_id::kMainDialog);
    const std::size_t count = dialog.controls.size();
    EXPECT_TRUE(dialog.RemoveControl(1014));
    EXPECT_EQ(dialog.Find(1014), nullptr);
    EXPECT_FALSE(dialog.RemoveControl(1014));
    ASSERT_EQ(dialog.controls.size(), count - 1);
    EXPECT_EQ(dialog.controls[16].id, 1015);
    EXPECT_NE(dialog.Find(1015), nullptr);
}

TEST(DialogTemplateTest, ReaderRejectsUnknownNamesAndBadGeometry) {
    const QString base = R"({"id": 7, "width": 100, "height": 50,
        "font": {"face": "MS Sans Serif", "pointSize": 8}, "controls": [%1]})";
    const char* const broken[] = {
        R"({"kind": "edit", "rect": [1, 2, 3, 4], "styles": ["tabstop"]})",
        R"({"kind": "combo", "rect": [1, 2, 3, 4]})",
        R"({"kind": "edit", "rect": [1, 2, 3]})",
        R"({"kind": "edit", "rect": [1, 2, 3, -4]})",
        R"({"kind": "edit", "rect": [1, 2, 3, 4], "style": ["tabStop"]})",
        R"({"id": 0, "kind": "edit", "rect": [1, 2, 3, 4]})",
        R"({"rect": [1, 2, 3, 4]})",
    };
    QString error;
    ASSERT_TRUE(
        ReadDialogTemplate(base.arg(R"({"kind": "edit", "rect": [1, 2, 3, 4]})").toUtf8(), &error))
        << error.toStdString();
    for (const char* control : broken) {
        error.clear();
        EXPECT_FALSE(ReadDialogTemplate(base.arg(control).toUtf8(), &error)) << control;
        EXPECT_FALSE(error.isEmpty()) << control;
    }
    EXPECT_FALSE(ReadDialogTemplate(R"({"id": 7, "width": 100, "height": 50, "controls": []})"));
    EXPECT_FALSE(LoadDialogTemplate(999, &error));
}

}  // namespace
}  // namespace sheetwise
