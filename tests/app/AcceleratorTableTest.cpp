#include <gtest/gtest.h>

#include <QKeySequence>

#include "app/AcceleratorTableReader.h"
#include "app/ResourceIds.h"

namespace sheetwise {
namespace {

// The keys the menu texts show are checked against the menu (MenuTest). The table also carries
// keys that no menu shows: some lead to commands nothing answers, so that the window swallows
// them (Ctrl+Z does not undo inside an edit field).
TEST(AcceleratorTableTest, MainTableAlsoSwallowsKeysThatNoMenuShows) {
    QString error;
    const auto table = LoadAcceleratorTable(resource_id::kMainAccelerators, &error);
    ASSERT_TRUE(table) << error.toStdString();
    EXPECT_EQ(table->id, 201);
    const std::pair<const char*, std::optional<int>> keys[] = {
        {"Shift+F1", 57669}, {"Ctrl+P", 57607},        {"Ctrl+Z", 57643},
        {"Alt+X", 32775},    {"Alt+Backspace", 57643}, {"F6", 57680},
        {"Shift+F6", 57681}, {"Ctrl+Q", std::nullopt}, {"Ctrl+Shift+O", std::nullopt},
        {"X", std::nullopt},
    };
    for (const auto& [key, command] : keys) {
        const auto sequence = QKeySequence::fromString(key, QKeySequence::PortableText);
        EXPECT_EQ(table->CommandFor(sequence[0]), command) << key;
    }
}

}  // namespace
}  // namespace sheetwise
