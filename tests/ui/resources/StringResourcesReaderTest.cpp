#include <gtest/gtest.h>

#include "ui/resources/AcceleratorTableReader.h"
#include "ui/resources/DialogTemplateReader.h"
#include "ui/resources/MenuTemplateReader.h"
#include "ui/resources/StringProvider.h"
#include "ui/resources/StringResourcesReader.h"

namespace sheetwise {
namespace {

template <typename T>
void ExpectRejected(std::optional<T> (*read)(const QByteArray&, QString*),
                    std::initializer_list<QByteArray> broken) {
    for (const QByteArray& data : broken) {
        QString error;
        EXPECT_FALSE(read(data, &error)) << data.toStdString();
        EXPECT_FALSE(error.isEmpty()) << data.toStdString();
    }
}

QByteArray Dialog(const char* control) {
    return QStringLiteral(R"({"id": 7, "width": 100, "height": 50,
        "font": {"face": "MS Sans Serif", "pointSize": 8}, "controls": [%1]})")
        .arg(QLatin1String(control))
        .toUtf8();
}

// The readers of the string, menu, accelerator and dialog data refuse data with a problem and
// say what it is. The program's texts come through the reader too (every window test); they
// have no named ones.
TEST(StringResourcesReaderTest, ReadersRejectMalformedDataAndReadWhatTheProviderFinds) {
    const auto resources = ReadStringResources(R"({"strings": [[17228, "Save?\tnow\n"]],
        "named": [{"type": "MSG#", "name": "+-7866", "text": "Help is not there."}]})");
    ASSERT_TRUE(resources);
    const StringProvider provider(std::make_shared<StringResources>(*resources));
    std::u16string text;
    EXPECT_TRUE(provider.GetString(kMessagePrefix, 17228, text));
    EXPECT_EQ(text, u"Save?\tnow\n");
    EXPECT_TRUE(provider.GetString(kMessagePrefix, 57670, text));
    EXPECT_EQ(text, u"Help is not there.");

    ExpectRejected(
        &ReadStringResources,
        {R"({"strings": [[7009, "Add"], [7009, "Again"]]})", R"({"strings": [[70000, "Add"]]})",
         R"({"strings": [[7009.5, "Add"]]})", R"({"strings": [[7009, 42]]})", R"({"string": []})",
         R"({"strings": [], "named": [{"type": "MSG#"}]})", R"([1, 2])", R"({"strings": [)"});
    ExpectRejected(
        &ReadMenuTemplate,
        {R"({"id": 1, "items": [{"text": "F", "items": [{"text": "Open"}]}]})",
         R"({"id": 1, "items": [{"text": "F", "command": 5, "items": []}]})",
         R"({"id": 1, "items": [{"separator": true, "text": "-"}]})", R"({"items": []})"});
    ExpectRejected(&ReadAcceleratorTable,
                   {R"({"id": 1, "entries": [{"key": "Ctrl+O", "command": 1},
                                            {"key": "Ctrl+O", "command": 2}]})",
                    R"({"id": 1, "entries": [{"key": "Ctrl+O, Ctrl+P", "command": 1}]})",
                    R"({"id": 1, "entries": [{"key": "Ctrl+Nothing", "command": 1}]})",
                    R"({"id": 1, "entries": [{"key": "", "command": 1}]})",
                    R"({"id": 1, "entries": [{"key": "Ctrl+O", "command": 1, "alt": true}]})"});
    QString error;
    ASSERT_TRUE(ReadDialogTemplate(Dialog(R"({"kind": "edit", "rect": [1, 2, 3, 4]})"), &error))
        << error.toStdString();
    ExpectRejected(&ReadDialogTemplate,
                   {Dialog(R"({"kind": "edit", "rect": [1, 2, 3, 4], "styles": ["tabstop"]})"),
                    Dialog(R"({"kind": "combo", "rect": [1, 2, 3, 4]})"),
                    Dialog(R"({"kind": "edit", "rect": [1, 2, 3]})"),
                    Dialog(R"({"kind": "edit", "rect": [1, 2, 3, -4]})"),
                    Dialog(R"({"kind": "edit", "rect": [1, 2, 3, 4], "style": []})"),
                    Dialog(R"({"id": 0, "kind": "edit", "rect": [1, 2, 3, 4]})"),
                    Dialog(R"({"rect": [1, 2, 3, 4]})"),
                    R"({"id": 7, "width": 100, "height": 50, "controls": []})"});
    EXPECT_FALSE(LoadDialogTemplate(999, &error));
}

}  // namespace
}  // namespace sheetwise
