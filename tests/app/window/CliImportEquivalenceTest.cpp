// sheetwise-cli's "import INI --base CATALOG --out NEW.cat" writes the same files, byte for byte,
// as File > Import followed by File > Save As in the window, on the same files: the window's
// default catalog is the tool's base.
#include <QStringList>
#include <filesystem>
#include <sstream>

#include "app/window/FileCommandFixture.h"
#include "cli/Cli.h"
#include "import/ImportTestSupport.h"

namespace sheetwise {
namespace {

using testing::ExampleImportFile;
using testing::FileCommandTest;
using testing::ImportFileWithPapers;
using testing::IniFile;
using testing::ReadBytes;
using testing::WriteBytes;

struct ImportCase {
    const char* name;
    std::string ini;
    bool warns = false;  // the window shows warnings
    bool wide = false;   // the catalog is written as UTF-16
};

std::vector<ImportCase> Cases() {
    return {
        {"example", ExampleImportFile()},
        // Colons, an invalid weight, a missing field, a default paper the catalog refuses, a
        // colour value it refuses, a weight without a number, names made unique.
        {"warnings",
         IniFile({"[PaperSizes]",
                  "PaperSize0=Letter 8.5 x 11 in",
                  "[PaperColors]",
                  "PaperColor0=white",
                  "PaperColor1=dark blue",
                  "PaperColor2=Mauve",
                  "[PaperWeights]",
                  "PaperWeight0=90 gsm",
                  "PaperWeight1=heavy",
                  "PaperWeight2=250",
                  "[PaperTypes]",
                  "PaperType0=plain",
                  "PaperType1=glo:ss",
                  "[PaperForced]",
                  "PaperForce0=*",
                  "[PaperDefs]",
                  "PaperDef0=Bad#Name;0;white;90;plain;0",
                  "PaperDef1=Light;0;white;59;plain;0",
                  "PaperDef2=Short;0;white;90",
                  "PaperDef3=A:B;0;Mauve;90;glo:ss;1",
                  "PaperDef4=A_B;0;white;*;plain;2",
                  "PaperDef5=A_B;0;white;120;plain;3"}),
         true},
        // Sizes the default catalog has in other places, and one it lacks (size 0).
        {"sizes",
         IniFile({"[PaperSizes]", "PaperSize0=A3 297.0 x 420.0 mm", "PaperSize1=Tabloid 11 x 17 in",
                  "PaperSize2=Legal", "PaperSize3=Poster 13 x 19 in", "[PaperColors]",
                  "PaperColor0=ivory", "[PaperWeights]", "PaperWeight0=105", "[PaperTypes]",
                  "PaperType0=cover", "[PaperForced]", "PaperForce0=*", "[PaperDefs]",
                  "PaperDef0=A3;0;ivory;105;cover;0", "PaperDef1=Tabloid;1;ivory;105;cover;1",
                  "PaperDef2=Legal;2;<<;<<;<<;2", "PaperDef3=Poster;3;ivory;105;cover;0"})},
        // Text the ANSI code page cannot hold: both files are written as UTF-16.
        {"wide",
         "\xEF\xBB\xBF" + IniFile({"[PaperSizes]", "PaperSize0=Letter 8.5 x 11 in", "[PaperColors]",
                                   "PaperColor0=\xCE\xBB\xCE\xB5", "[PaperWeights]",
                                   "PaperWeight0=75", "[PaperTypes]", "PaperType0=plain",
                                   "[PaperForced]", "PaperForce0=*", "[PaperDefs]",
                                   "PaperDef0=\xCE\xA7\xCE\xB1\xCF\x81;0;\xCE\xBB\xCE\xB5;"
                                   "75;plain;0"}),
         false, true},
    };
}

class CliImportEquivalenceTest : public FileCommandTest {
  protected:
    // File > Import, then File > Save As to window/NAME.cat.
    void ImportInWindow(const std::string& ini, const std::string& name) {
        StartWatching();
        ui.files.push_back(QString::fromStdString(ini));
        window->OnCommand(command::kImport);
        ui.files.push_back(QString::fromStdString(dir.File("window/" + name + ".cat")));
        window->OnCommand(command::kSaveAs);
        EXPECT_TRUE(ui.files.empty());
        EXPECT_TRUE(ui.answers.empty());
    }

    // sheetwise-cli import INI --base <the window's default catalog> --out cli/NAME.cat
    int ImportWithTool(const std::string& ini, const std::string& name) {
        const QStringList arguments{
            QStringLiteral("import"), QString::fromStdString(ini),
            QStringLiteral("--base"), QString::fromStdString(dir.File("bin/KBRVCAT_EN.CAT")),
            QStringLiteral("--out"),  QString::fromStdString(dir.File("cli/" + name + ".cat"))};
        std::ostringstream out;
        std::ostringstream err;
        cli::Console console{out, err};
        const cli::Environment environment{dir.Wide("bin/sheetwise-cli"),
                                           window->decimalSeparator().toStdU16String()};
        const int exitCode = cli::RunCommandLine(arguments, console, environment);
        EXPECT_EQ(out.str(), "");
        return exitCode;
    }
};

TEST_F(CliImportEquivalenceTest, TheToolWritesWhatImportAndSaveAsWrite) {
    std::filesystem::create_directories(dir.File("window"));
    std::filesystem::create_directories(dir.File("cli"));
    for (const ImportCase& importCase : Cases()) {
        SCOPED_TRACE(importCase.name);
        const std::string ini = dir.File(std::string(importCase.name) + ".ini");
        WriteBytes(ini, importCase.ini);
        ImportInWindow(ini, importCase.name);
        // The editor's warnings are boxes; the tool's, lines on standard error and exit 1.
        EXPECT_EQ(!ui.boxes.empty(), importCase.warns);
        ui.boxes.clear();
        EXPECT_EQ(ImportWithTool(ini, importCase.name), importCase.warns ? 1 : 0);
        const std::string written =
            ReadBytes(dir.File("cli/" + std::string(importCase.name) + ".cat"));
        EXPECT_EQ(written.starts_with("\xFF\xFE"), importCase.wide);

        for (const char* suffix : {".cat", ".cat.atr", ".def"}) {
            const std::string file = std::string(importCase.name) + suffix;
            ASSERT_TRUE(std::filesystem::exists(dir.File("window/" + file))) << file;
            EXPECT_EQ(ReadBytes(dir.File("cli/" + file)), ReadBytes(dir.File("window/" + file)))
                << file;
        }
    }
    // Neither touched the default catalog the imports were built on.
    EXPECT_EQ(ReadBytes(dir.File("bin/KBRVCAT_EN.CAT")), DefaultFile(".CAT"));
    EXPECT_EQ(ReadBytes(dir.File("bin/KBRVCAT_EN.CAT.atr")), DefaultFile(".CAT.atr"));
}

TEST_F(CliImportEquivalenceTest, WhereTheWindowGivesUpTheToolWritesNothing) {
    std::filesystem::create_directories(dir.File("cli"));
    const std::string ini = dir.File("refused.ini");
    WriteBytes(ini, ImportFileWithPapers({"A#;0;white;75;plain;0"}));
    StartWatching();
    ui.files.push_back(QString::fromStdString(ini));
    window->OnCommand(command::kImport);

    EXPECT_EQ(ImportWithTool(ini, "refused"), 1);
    EXPECT_FALSE(std::filesystem::exists(dir.File("cli/refused.cat")));
    EXPECT_FALSE(std::filesystem::exists(dir.File("cli/refused.cat.atr")));
}

}  // namespace
}  // namespace sheetwise
