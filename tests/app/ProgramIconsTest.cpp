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

// The arrow head is the widest part of each arrow. The icons are drawn afresh at the device
// pixel size, keep their proportions and are faded when disabled.
TEST(ProgramIconsTest, IconsAreDrawnSharpInProportionAndFadedWhenDisabled) {
    for (int id :
         {resource_id::kProgramIcon, resource_id::kMoveUpIcon, resource_id::kMoveDownIcon}) {
        EXPECT_GT(MaxAlpha(Render(id, QSize(32, 32))), 200) << id;
    }
    EXPECT_TRUE(LoadProgramIcon(999).isNull());
    EXPECT_LT(WidestRow(Render(resource_id::kMoveUpIcon, QSize(24, 32))), 16);
    EXPECT_GT(WidestRow(Render(resource_id::kMoveDownIcon, QSize(24, 32))), 16);

    const QImage sharp = Render(resource_id::kMoveUpIcon, QSize(24, 32), 2.0);
    EXPECT_EQ(sharp.size(), QSize(48, 64));
    EXPECT_GT(OpaqueInRow(sharp, 56), 0);  // the shaft reaches down to the bottom

    // In a square the 3:4 drawing is centred, unstretched: the side columns stay empty.
    const QImage square = Render(resource_id::kMoveUpIcon, QSize(32, 32));
    EXPECT_EQ(MaxAlpha(square.copy(0, 0, 4, 32)) + MaxAlpha(square.copy(28, 0, 4, 32)), 0);
    EXPECT_EQ(square.copy(4, 0, 24, 32), Render(resource_id::kMoveUpIcon, QSize(24, 32)));

    const int normal = MaxAlpha(Render(resource_id::kMoveDownIcon, QSize(24, 32)));
    const int disabled =
        MaxAlpha(Render(resource_id::kMoveDownIcon, QSize(24, 32), 1.0, QIcon::Disabled));
    EXPECT_LT(disabled, normal / 2);
    EXPECT_GT(disabled, 0);
}

}  // namespace
}  // namespace sheetwise
