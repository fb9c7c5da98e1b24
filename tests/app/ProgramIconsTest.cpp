#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>

#include "app/ProgramIcons.h"
#include "app/ResourceIds.h"

namespace sheetwise {
namespace {

QImage Render(int iconId, QSize size, qreal scale = 1.0, QIcon::Mode mode = QIcon::Normal) {
    return LoadProgramIcon(iconId).pixmap(size, scale, mode).toImage();
}

int OpaqueInRow(const QImage& image, int y) {
    int count = 0;
    for (int x = 0; x < image.width(); ++x) {
        count += qAlpha(image.pixel(x, y)) > 128 ? 1 : 0;
    }
    return count;
}

int WidestRow(const QImage& image) {
    int widest = 0;
    for (int y = 1; y < image.height(); ++y) {
        widest = OpaqueInRow(image, y) > OpaqueInRow(image, widest) ? y : widest;
    }
    return widest;
}

int MaxAlpha(const QImage& image) {
    int alpha = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            alpha = std::max(alpha, qAlpha(image.pixel(x, y)));
        }
    }
    return alpha;
}

TEST(ProgramIconsTest, TheThreeIconsExistAndOthersDoNot) {
    for (int id :
         {resource_id::kProgramIcon, resource_id::kMoveUpIcon, resource_id::kMoveDownIcon}) {
        EXPECT_FALSE(LoadProgramIcon(id).isNull()) << id;
        EXPECT_GT(MaxAlpha(Render(id, QSize(32, 32))), 200) << id;
    }
    EXPECT_TRUE(LoadProgramIcon(999).isNull());
}

// The arrow head is the widest part of each arrow.
TEST(ProgramIconsTest, MoveArrowsPointUpAndDown) {
    const QImage up = Render(resource_id::kMoveUpIcon, QSize(24, 32));
    const QImage down = Render(resource_id::kMoveDownIcon, QSize(24, 32));
    EXPECT_LT(WidestRow(up), 16);
    EXPECT_GT(WidestRow(down), 16);
}

TEST(ProgramIconsTest, RendersAtDevicePixelsAndKeepsItsProportions) {
    const QImage sharp = Render(resource_id::kMoveUpIcon, QSize(24, 32), 2.0);
    EXPECT_EQ(sharp.size(), QSize(48, 64));
    EXPECT_GT(OpaqueInRow(sharp, 56), 0);  // the shaft reaches down to the bottom

    // In a square the 3:4 drawing is centred: the side columns stay empty.
    const QImage square = Render(resource_id::kMoveUpIcon, QSize(32, 32));
    for (int y = 0; y < square.height(); ++y) {
        EXPECT_EQ(qAlpha(square.pixel(0, y)), 0) << y;
        EXPECT_EQ(qAlpha(square.pixel(31, y)), 0) << y;
    }
}

TEST(ProgramIconsTest, DisabledIconsAreFaded) {
    const int normal = MaxAlpha(Render(resource_id::kMoveDownIcon, QSize(24, 32)));
    const int disabled =
        MaxAlpha(Render(resource_id::kMoveDownIcon, QSize(24, 32), 1.0, QIcon::Disabled));
    EXPECT_LT(disabled, normal / 2);
    EXPECT_GT(disabled, 0);
}

}  // namespace
}  // namespace sheetwise
