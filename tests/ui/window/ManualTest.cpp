// The operator's manual against the program it describes: every message the window can show has
// an entry quoting it, the manual's import example gives the papers the manual lists, and the
// lengths and weights it states are those the window keeps to.
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <map>
#include <set>

#include "model/MessageIds.h"
#include "ui/window/CommandFixture.h"

namespace sheetwise {
namespace {

using namespace testing;

const std::string kSourceRoot = std::string(SHEETWISE_RESOURCE_CATALOG) + "/../..";

QString SourceFile(const std::string& path) {
    return QString::fromStdString(ReadBytes(kSourceRoot + "/" + path));
}

QString Manual() {
    return SourceFile("resources/help/sheetwise.html");
}

// The characters the manual writes as entities.
QString DecodeEntities(QString html) {
    return html.replace(QStringLiteral("&lt;"), QStringLiteral("<"))
        .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
        .replace(QStringLiteral("&quot;"), QStringLiteral("\""))
        .replace(QStringLiteral("&amp;"), QStringLiteral("&"));
}

// What a reader sees of some HTML: no markup, entities decoded, runs of blanks as one space.
QString PlainText(QString html) {
    return DecodeEntities(html.remove(QRegularExpression(QStringLiteral("<[^>]*>")))).simplified();
}

// Every capture of `pattern` (one group) in the manual, in order.
QStringList ManualCaptures(const QString& pattern) {
    QStringList captures;
    const QRegularExpression expression(pattern, QRegularExpression::DotMatchesEverythingOption);
    for (auto it = expression.globalMatch(Manual()); it.hasNext();)
        captures << it.next().captured(1);
    return captures;
}

// The message ids app/MessageIds.h names: 16000s, 17000s and 57000s (the 12000s are captions).
std::set<int> MessageIds() {
    std::set<int> ids;
    const QRegularExpression constant(QStringLiteral("constexpr int k\\w+ = (\\d+);"));
    for (auto it = constant.globalMatch(SourceFile("model/MessageIds.h")); it.hasNext();) {
        const int id = it.next().captured(1).toInt();
        if (id / 1000 == 16 || id / 1000 == 17 || id / 1000 == 57)
            ids.insert(id);
    }
    return ids;
}

std::map<int, QString> StringTable() {
    std::map<int, QString> texts;
    const QJsonDocument table =
        QJsonDocument::fromJson(SourceFile("resources/strings/strings.json").toUtf8());
    for (const QJsonValue entry : table[QStringLiteral("strings")].toArray())
        texts[entry[0].toInt()] = entry[1].toString();
    return texts;
}

TEST(ManualTest, EveryMessageOfTheWindowHasAnEntryQuotingIt) {
    const std::set<int> ids = MessageIds();
    ASSERT_FALSE(ids.empty());
    const std::map<int, QString> texts = StringTable();
    for (const int id : ids) {
        const QStringList cells =
            ManualCaptures(QStringLiteral("<td id=\"msg-%1\">(.*?)</td>").arg(id));
        ASSERT_EQ(cells.size(), 1) << "an entry for message " << id;
        // The message as shown, a number in place of its "%d".
        QStringList parts = texts.at(id).simplified().split(QStringLiteral("%d"));
        for (QString& part : parts)
            part = QRegularExpression::escape(part);
        const QString quoted = parts.join(QStringLiteral(" ?\\d+"));
        EXPECT_TRUE(
            QRegularExpression(QStringLiteral("^") + quoted).match(PlainText(cells[0])).hasMatch())
            << id << ": " << PlainText(cells[0]).toStdString();
    }
    // And no entry for a message the window no longer has.
    for (const QString& anchor : ManualCaptures(QStringLiteral("id=\"msg-(\\d+)\"")))
        EXPECT_TRUE(ids.count(anchor.toInt())) << anchor.toStdString();
}

// The example, as the manual prints it, imported by the window: the papers the manual's table
// lists, the first one the default, and nothing to warn about.
TEST_F(FileCommandTest, TheManualsImportExampleGivesThePapersItLists) {
    const QStringList example =
        ManualCaptures(QStringLiteral("<pre id=\"import-example\">\\n(.*?)</pre>"));
    const QStringList table =
        ManualCaptures(QStringLiteral("<table id=\"import-result\">(.*?)</table>"));
    ASSERT_EQ(example.size(), 1);
    ASSERT_EQ(table.size(), 1);
    testing::WriteBytes(dir.File("papers.ini"), DecodeEntities(example[0]).toStdString());
    MainDialog& window = Start();
    Choose(dir.File("papers.ini"));
    window.OnCommand(command::kImport);
    EXPECT_EQ(ui.TakeTexts(), QStringList());

    QList<QStringList> listed;
    const QRegularExpression row(QStringLiteral("<tr>(<td>.*?)</tr>"),
                                 QRegularExpression::DotMatchesEverythingOption);
    for (auto it = row.globalMatch(table[0]); it.hasNext();) {
        QStringList cells = it.next().captured(1).split(QStringLiteral("<td>"), Qt::SkipEmptyParts);
        for (QString& cell : cells)
            cell = PlainText(cell);
        listed << cells;
    }
    ASSERT_FALSE(listed.isEmpty());
    ASSERT_EQ(paperList().ItemCount(), listed.size());
    for (int paper = 0; paper < listed.size(); ++paper) {
        for (int column = 0; column < kPaperListColumns; ++column)
            EXPECT_EQ(paperList().CellText(paper, column), listed[paper].value(column))
                << paper << "," << column;
    }
    EXPECT_EQ(QString::fromStdU16String(window.catalog().GetDefaultPaper()), listed[0][0]);
}

// A limit the manual states (data-limit="name"), -1 where it states none.
int StatedLimit(const char* name) {
    const QString pattern = QStringLiteral("data-limit=\"%1\">(\\d+)<").arg(QLatin1String(name));
    return ManualCaptures(pattern).value(0, QStringLiteral("-1")).toInt();
}

TEST_F(WindowTest, NamesColoursTypesAndWeightsHoldWhatTheManualStates) {
    const QString many(60, u'N');
    // Read from a file: cut to the length stated.
    MainDialog& window = Start(WriteCatalog(
        "Long", "Long:A\nA:1:75:white:plain:2:0\n" + many.toStdString() +
                    ":1:75:" + std::string(60, 'c') + ":" + std::string(60, 't') + ":2:0\n"));
    EXPECT_EQ(paperList().CellText(1, 0).size(), StatedLimit("name-read"));
    EXPECT_EQ(paperList().CellText(1, 2).size(), StatedLimit("text-read"));
    EXPECT_EQ(paperList().CellText(1, 4).size(), StatedLimit("text-read"));

    // Modify keeps to the stated range, and the weight field takes no "*".
    const int lowest = StatedLimit("weight-min");
    const int highest = StatedLimit("weight-max");
    ASSERT_LT(lowest, highest);
    int stored = 75;
    for (const int weight : {lowest - 1, lowest, highest, highest + 1}) {
        ClickRow(0);
        Type(control::kWeightField, QString::number(weight) + u'*');
        EXPECT_EQ(field(control::kWeightField).text(), QString::number(weight));
        window.OnCommand(control::kModify);
        const bool refused = weight < lowest || weight > highest;
        EXPECT_EQ(ui.TakeTexts(), refused
                                      ? QStringList{StringTable().at(message::kWeightOutOfRange)}
                                      : QStringList())
            << weight;
        stored = refused ? stored : weight;
        EXPECT_EQ(paperList().CellText(0, 3), QString::number(stored)) << weight;
        ClickRow(1);
    }

    // Typed: no more than stated.
    Type(control::kNameField, many);
    EXPECT_EQ(field(control::kNameField).text().size(), StatedLimit("name-typed"));
    for (const int id : {control::kColourField, control::kTypeField}) {
        Type(id, many);
        EXPECT_EQ(field(id).text().size(), StatedLimit("text-typed")) << id;
    }
}

}  // namespace
}  // namespace sheetwise
