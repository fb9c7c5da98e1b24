// Running sheetwise-cli in-process on catalogs written into a temporary folder.
#pragma once

#include <sys/stat.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QStringList>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/Cli.h"
#include "platform/NativePath.h"
#include "support/SampleCatalog.h"
#include "support/TempDir.h"

namespace sheetwise::testing {

using ::testing::HasSubstr;

// JSON text without the blanks and line ends between its tokens.
inline std::string Compact(const std::string& json) {
    std::string compact;
    bool inString = false;
    for (size_t i = 0; i < json.size(); ++i) {
        if (inString && json[i] == '\\')
            compact += json[i++];
        else if (json[i] == '"')
            inString = !inString;
        else if (!inString && (json[i] == ' ' || json[i] == '\n'))
            continue;
        compact += json[i];
    }
    return compact;
}

// The lines of a text, without their line feeds.
inline std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    for (size_t start = 0; start < text.size();) {
        const size_t end = text.find('\n', start);
        lines.push_back(text.substr(start, end - start));
        start = end == std::string::npos ? text.size() : end + 1;
    }
    return lines;
}

struct CliRun {
    int exitCode = -1;
    std::string out;
    std::string err;
    bool operator==(const CliRun&) const = default;
};

inline void PrintTo(const CliRun& run, std::ostream* os) {
    *os << "exit " << run.exitCode << "\nout:\n" << run.out << "err:\n" << run.err;
}

// The sample catalog's lists, with a colour and a type that no paper uses.
inline constexpr const char* kEditAttributes =
    "[PaperWeights]\n*\n75\n160\n[PaperTypes]\n*\nplain\ncover\ntab\nbond\n[PaperColors]\n*"
    "\nwhite\nblue\nred\n\n";

class CliTest : public ::testing::Test {
  protected:
    void SetUp() override { setenv("SHEETWISE_ANSI_CODEPAGE", "1252", 1); }

    // Runs the tool with these arguments (bytes, as main() takes them), as if from a "bin" folder
    // inside the temporary folder; the folder is taken out of what it prints.
    CliRun Run(const std::vector<std::string>& arguments) {
        QStringList list;
        for (const std::string& argument : arguments)
            list << QString::fromStdU16String(WideFromNative(argument));
        std::ostringstream out;
        std::ostringstream err;
        cli::Console console{out, err};
        const int exitCode = cli::RunCommandLine(list, console, environment);
        return {exitCode, Relative(out.str()), Relative(err.str())};
    }

    std::string Relative(std::string text) const {
        const std::string folder = dir.path() + "/";
        for (size_t at = text.find(folder); at != std::string::npos; at = text.find(folder, at))
            text.erase(at, folder.size());
        return text;
    }

    // name.cat with its size-definition and attribute files (left out when empty).
    std::string WriteCatalog(const std::string& name, const std::string& catalog,
                             const std::string& sizes = kSizes,
                             const std::string& attributes = kAttributes) {
        if (!sizes.empty())
            Write(name + ".DEF", sizes);
        if (!attributes.empty())
            Write(name + ".cat.atr", attributes);
        return Write(name + ".cat", catalog);
    }

    std::string Write(const std::string& name, const std::string& bytes) {
        WriteBytes(dir.File(name), bytes);
        return dir.File(name);
    }

    std::string Read(const std::string& name) { return ReadBytes(dir.File(name)); }

    // name.cat: these papers under "Sample:Letter", with the lists of kEditAttributes.
    std::string Sample(const std::string& name, const std::string& papers = kPapers) {
        return WriteCatalog(name, "Sample:Letter\n" + papers, kSizes, kEditAttributes);
    }

    // The bytes of each catalog named (without ".cat") and its attribute file, and which files they
    // are: a write, even of the same bytes, makes another file.
    std::vector<std::string> Stamps(const std::vector<std::string>& catalogs) {
        std::vector<std::string> stamps;
        for (const std::string& catalog : catalogs) {
            for (const std::string& file : {catalog + ".cat", catalog + ".cat.atr"}) {
                struct stat info {};
                stat(dir.File(file).c_str(), &info);
                stamps.push_back(
                    Read(file) + std::to_string(info.st_ino) + " " +
                    std::to_string(info.st_mtim.tv_sec * 1000000000 + info.st_mtim.tv_nsec));
            }
        }
        return stamps;
    }

    // Runs the tool: its exit code, and standard error holding each of `errors`.
    CliRun RunExpecting(const std::vector<std::string>& arguments, int exitCode,
                        const std::vector<std::string>& errors) {
        const CliRun run = Run(arguments);
        EXPECT_EQ(run.exitCode, exitCode) << run.err;
        for (const std::string& error : errors)
            EXPECT_THAT(run.err, HasSubstr(error));
        return run;
    }

    // A command that fails prints nothing on standard output.
    void ExpectFailure(const std::vector<std::string>& arguments, int exitCode,
                       const std::vector<std::string>& errors) {
        EXPECT_EQ(RunExpecting(arguments, exitCode, errors).out, "");
    }

    TempDir dir;
    cli::Environment environment{Utf8ToUtf16(dir.File("bin/sheetwise-cli")), u"."};
};

}  // namespace sheetwise::testing
