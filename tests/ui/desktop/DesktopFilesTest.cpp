// What the desktop learns about Sheetwise from its installed files: the releases in the AppStream
// metainfo and the man pages, the catalogs' file type, and validators' verdicts on the files.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QMimeDatabase>
#include <filesystem>
#include <regex>
#include <sstream>

#include "ui/desktop/RunProgram.h"

namespace sheetwise::testing {
namespace {

using ::testing::HasSubstr;

constexpr const char* kMetainfo = SHEETWISE_BINARY_DIR "/com.korvane.sheetwise.metainfo.xml";
constexpr const char* kMimePackage = SHEETWISE_SOURCE_DIR "/packaging/sheetwise-mime.xml";
constexpr const char* kDesktopEntry = SHEETWISE_SOURCE_DIR "/resources/sheetwise.desktop";
constexpr const char* kCatalogType = "application/x-sheetwise-catalog";

struct Release {
    std::string version;
    std::string date;  // YYYY-MM-DD
};

// The entries of packaging/changelog, newest first, read here on their own rather than through
// the build's reading of them.
std::vector<Release> ChangelogReleases() {
    static const std::regex kHeader(R"(^sheetwise \(([^)]+)\) .*)");
    static const std::regex kTrailer(R"(^ -- .*>  \w+, (\d+) (\w+) (\d{4}) .*)");
    static const std::string kMonths = "JanFebMarAprMayJunJulAugSepOctNovDec";
    std::vector<Release> releases;
    std::istringstream lines(ReadBytes(SHEETWISE_SOURCE_DIR "/packaging/changelog"));
    std::smatch match;
    for (std::string line; std::getline(lines, line);) {
        if (std::regex_match(line, match, kHeader)) {
            releases.push_back({match[1], ""});
        } else if (std::regex_match(line, match, kTrailer) && !releases.empty()) {
            const int month = static_cast<int>(kMonths.find(match[2].str()) / 3 + 1);
            char date[32];
            std::snprintf(date, sizeof date, "%s-%02d-%02d", match[3].str().c_str(), month,
                          std::stoi(match[1]));
            releases.back().date = date;
        }
    }
    return releases;
}

TEST(DesktopFilesTest, ReleasesComeFromTheChangelogAndOnlyCatalogsAreOfferedToSheetwise) {
    const std::vector<Release> releases = ChangelogReleases();
    ASSERT_FALSE(releases.empty());
    EXPECT_EQ(releases.front().version, SHEETWISE_TEST_VERSION);

    const std::string metainfo = ReadBytes(kMetainfo);
    size_t position = metainfo.find("<releases>");
    ASSERT_NE(position, std::string::npos);
    for (const Release& release : releases) {
        ASSERT_FALSE(release.date.empty()) << release.version;
        const std::string element =
            "<release version=\"" + release.version + "\" date=\"" + release.date + "\">";
        const size_t found = metainfo.find(element, position);
        EXPECT_NE(found, std::string::npos) << element;  // in the changelog's order
        position = found == std::string::npos ? position : found;
    }
    EXPECT_THAT(metainfo, Not(HasSubstr("@"))) << "an unconfigured placeholder";

    const std::string footer =
        " 1 \"" + releases.front().date + "\" \"Sheetwise " SHEETWISE_TEST_VERSION "\" ";
    for (const char* page : {"sheetwise", "sheetwise-cli"}) {
        const std::string path = SHEETWISE_BINARY_DIR "/man/" + std::string(page) + ".1";
        const std::string text = ReadBytes(path);
        EXPECT_THAT(text.substr(0, text.find('\n')), HasSubstr(footer)) << page;  // the first line
        EXPECT_THAT(text, Not(HasSubstr("@PROJECT_VERSION@"))) << page;
    }

    // The desktop tells catalogs apart by name first and, where two types claim the name, by
    // content: only text named ".cat" is a catalog; Windows security catalogs stay theirs.
    EXPECT_THAT(ReadBytes(kDesktopEntry),
                HasSubstr(std::string("\nMimeType=") + kCatalogType + ";\n"));
    if (!HasTool("update-mime-database"))
        GTEST_SKIP() << "update-mime-database (shared-mime-info) is not installed";
    TempDir dir;
    std::filesystem::create_directories(dir.File("data/mime/packages"));
    std::filesystem::copy_file(kMimePackage, dir.File("data/mime/packages/sheetwise.xml"));
    // The installed database for text/plain, this package's file as a user's own.
    setenv("XDG_DATA_HOME", dir.File("data").c_str(), 1);
    setenv("XDG_DATA_DIRS", "/usr/local/share:/usr/share", 1);
    // Its complaints about a package file go to standard error, and are faults of the file.
    const ProgramRun update =
        RunProgram(dir, "update-mime-database '" + dir.File("data/mime") + "'");
    EXPECT_EQ(update.exitCode, 0);
    EXPECT_EQ(update.err, "");
    WriteBytes(dir.File("office.cat"), "Office:A\nA:1:75:white:plain:2:0\n");
    WriteBytes(dir.File("OFFICE2.CAT"), "Office:A\nA:1:75:white:plain:2:0\n");
    WriteBytes(dir.File("wide.cat"), WideFile(u"Office:A\nA:1:75:white:plain:2:0\n"));
    // DER: SEQUENCE, two length bytes, the OID of PKCS #7 signedData, then its content.
    WriteBytes(dir.File("driver.cat"), std::string("\x30\x82\x01\x00\x06\x09\x2a\x86\x48\x86\xf7"
                                                   "\x0d\x01\x07\x02\xa0\x82\x00\xf1\x30\x82",
                                                   21));
    const QMimeDatabase database;
    for (const char* name : {"office.cat", "OFFICE2.CAT", "wide.cat"}) {
        const QMimeType type = database.mimeTypeForFile(QString::fromStdString(dir.File(name)));
        EXPECT_EQ(type.name().toStdString(), kCatalogType) << name;
        EXPECT_TRUE(type.inherits(QStringLiteral("text/plain"))) << name;
    }
    EXPECT_NE(database.mimeTypeForFile(QString::fromStdString(dir.File("driver.cat")))
                  .name()
                  .toStdString(),
              kCatalogType);
}

// The verdicts software centres, menus and lintian go by, each where its tool is installed.
TEST(DesktopFilesTest, ValidatorsFindNothingToSay) {
    TempDir dir;
    std::vector<std::string> missing;
    const std::pair<const char*, std::string> checks[] = {
        {"appstreamcli",
         "appstreamcli validate --pedantic --no-net '" + std::string(kMetainfo) + "'"},
        {"desktop-file-validate", "desktop-file-validate '" + std::string(kDesktopEntry) + "'"},
        {"xmllint", "xmllint --noout '" + std::string(kMimePackage) + "' '" + kMetainfo + "'"}};
    for (const auto& [tool, command] : checks) {
        if (!HasTool(tool)) {
            missing.push_back(tool);
            continue;
        }
        const ProgramRun run = RunProgram(dir, command);
        EXPECT_EQ(run.exitCode, 0) << tool << ": " << run.out << run.err;
        // appstreamcli reports success in words, and counts its hints after them when it has
        // any; the others say nothing.
        if (std::string(tool) == "appstreamcli")
            EXPECT_EQ(run.out, "✔ Validation was successful.\n");
        else
            EXPECT_EQ(run.out + run.err, "") << tool;
    }
    if (!missing.empty())
        GTEST_SKIP() << "not installed: " << ::testing::PrintToString(missing);
}

}  // namespace
}  // namespace sheetwise::testing
