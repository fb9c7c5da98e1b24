// Running sheetwise-cli in-process on catalogs written into a temporary folder.
#pragma once

#include <gtest/gtest.h>

#include <QStringList>
#include <filesystem>
#include <initializer_list>
#include <sstream>
#include <string>

#include "cli/Cli.h"
#include "support/SampleCatalog.h"
#include "support/TempDir.h"

namespace sheetwise::testing {

// JSON text without the blanks and line ends between its tokens.
inline std::string Compact(const std::string& json) {
    std::string compact;
    bool inString = false;
    for (size_t i = 0; i < json.size(); ++i) {
        const char c = json[i];
        if (inString) {
            compact += c;
            if (c == '\\' && i + 1 < json.size())
                compact += json[++i];
            else if (c == '"')
                inString = false;
        } else if (c == '"') {
            inString = true;
            compact += c;
        } else if (c != ' ' && c != '\n') {
            compact += c;
        }
    }
    return compact;
}

struct CliRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

class CliTest : public ::testing::Test {
  protected:
    void SetUp() override { setenv("SHEETWISE_ANSI_CODEPAGE", "1252", 1); }

    // Runs the tool with these arguments (UTF-8), as if from a "bin" folder inside the
    // temporary folder.
    CliRun Run(std::initializer_list<std::string> arguments) {
        QStringList list;
        for (const std::string& argument : arguments)
            list << QString::fromStdString(argument);
        std::ostringstream out;
        std::ostringstream err;
        cli::Console console{out, err};
        const int exitCode = cli::RunCommandLine(list, console, environment);
        return {exitCode, out.str(), err.str()};
    }

    // name.cat with its size-definition and attribute files (left out when empty).
    std::string WriteCatalog(const std::string& name, const std::string& catalog,
                             const std::string& sizes = kSizes,
                             const std::string& attributes = kAttributes) {
        WriteBytes(dir.File(name + ".cat"), catalog);
        if (!sizes.empty())
            WriteBytes(dir.File(name + ".DEF"), sizes);
        if (!attributes.empty())
            WriteBytes(dir.File(name + ".cat.atr"), attributes);
        return dir.File(name + ".cat");
    }

    std::string Write(const std::string& name, const std::string& bytes) {
        WriteBytes(dir.File(name), bytes);
        return dir.File(name);
    }

    std::string Read(const std::string& name) { return ReadBytes(dir.File(name)); }

    // Neither the catalog NAME.cat nor either of its companions exists.
    void ExpectNoCatalog(const std::string& name) {
        for (const char* suffix : {".cat", ".cat.atr", ".def"})
            EXPECT_FALSE(std::filesystem::exists(dir.File(name + suffix))) << name << suffix;
    }

    TempDir dir;
    cli::Environment environment{Utf8ToUtf16(dir.File("bin/sheetwise-cli")), u"."};
};

}  // namespace sheetwise::testing
