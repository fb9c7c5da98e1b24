#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>

#include "ui/resources/ProgramIcons.h"
#include "ui/resources/ResourceIds.h"

namespace sheetwise {
namespace {

bool DrawsSomething(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 200)
                return true;
    return false;
}

// Each icon the window asks for draws something at the size asked, also for a sharp screen;
// an id without an icon gives none.
TEST(ProgramIconsTest, EveryIconDrawsAtTheSizeAskedFor) {
    for (int id :
         {resource_id::kProgramIcon, resource_id::kMoveUpIcon, resource_id::kMoveDownIcon}) {
        const QImage image = LoadProgramIcon(id).pixmap(QSize(24, 32), 2.0).toImage();
        EXPECT_EQ(image.size(), QSize(48, 64)) << id;
        EXPECT_TRUE(DrawsSomething(image)) << id;
    }
    EXPECT_TRUE(LoadProgramIcon(999).isNull());
}

}  // namespace
}  // namespace sheetwise
