#include "cli/CommandLine.h"

#include <QCommandLineParser>
#include <QRegularExpression>
#include <algorithm>
#include <array>
#include <initializer_list>
#include <optional>
#include <string_view>
#include <utility>

namespace sheetwise::cli {
namespace {

struct CommandEntry {
    const char* name;
    Command command;
};

constexpr std::array<CommandEntry, 7> kCommands = {{
    {"show", Command::kShow},
    {"check", Command::kCheck},
    {"import", Command::kImport},
    {"convert", Command::kConvert},
    {"export", Command::kExport},
    {"diff", Command::kDiff},
    {"help", Command::kHelp},
}};

std::optional<Command> FindCommand(const QString& name) {
    for (const CommandEntry& entry : kCommands) {
        if (name == QLatin1String(entry.name))
            return entry.command;
    }
    return std::nullopt;
}

// The options every command shares one parser for; each command accepts only its own.
struct Options {
    QCommandLineOption json{QStringLiteral("json")};
    QCommandLineOption out{
        {QStringLiteral("o"), QStringLiteral("out")}, QString(), QStringLiteral("file")};
    QCommandLineOption base{
        {QStringLiteral("b"), QStringLiteral("base")}, QString(), QStringLiteral("catalog")};
    QCommandLineOption format{
        {QStringLiteral("f"), QStringLiteral("format")}, QString(), QStringLiteral("format")};
    QCommandLineOption max{QStringLiteral("max"), QString(), QStringLiteral("n")};
    QCommandLineOption bytes{QStringLiteral("bytes")};
    QCommandLineOption dropBadLines{QStringLiteral("drop-bad-lines")};
    QCommandLineOption force{QStringLiteral("force")};
    QCommandLineOption rawCsv{QStringLiteral("raw-csv")};
    QCommandLineOption wait{QStringLiteral("wait"), QString(), QStringLiteral("seconds")};
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")}};
    QCommandLineOption version{QStringLiteral("version")};

    // The options a command may or may not take, by the name that messages give them.
    // (--wait goes with every command.)
    std::array<std::pair<const QCommandLineOption*, const char*>, 9> Optional() const {
        return {{{&json, "--json"},
                 {&out, "--out"},
                 {&base, "--base"},
                 {&format, "--format"},
                 {&max, "--max"},
                 {&bytes, "--bytes"},
                 {&dropBadLines, "--drop-bad-lines"},
                 {&force, "--force"},
                 {&rawCsv, "--raw-csv"}}};
    }
};

class Checker {
  public:
    Checker(const QCommandLineParser& parser, const Options& options, ParsedArguments& result)
        : parser_(parser), options_(options), result_(result) {}

    // Fails for every option set that the command does not take.
    bool OnlyOptions(std::initializer_list<std::string_view> taken) {
        for (const auto& [option, name] : options_.Optional()) {
            if (parser_.isSet(*option) &&
                std::find(taken.begin(), taken.end(), name) == taken.end())
                return Fail(CommandName(result_.invocation.command) + " takes no " + name +
                            " option");
        }
        return true;
    }

    // The option's value, given at most once and not empty; empty when the option is not set.
    bool SingleValue(const QCommandLineOption& option, const char* name, std::u16string& value) {
        const QStringList values = parser_.values(option);
        if (values.size() > 1)
            return Fail(std::string(name) + " is given more than once");
        if (values.size() == 1 && values.front().isEmpty())
            return Fail(std::string(name) + " needs a file name or value");
        value = values.isEmpty() ? std::u16string() : values.front().toStdU16String();
        return true;
    }

    // A whole number, given at most once; `value` stays as it is when the option is not set.
    bool Count(const QCommandLineOption& option, const char* name, size_t& value) {
        std::u16string text;
        if (!SingleValue(option, name, text))
            return false;
        if (text.empty())
            return true;
        bool ok = false;
        const qulonglong number = QString::fromStdU16String(text).toULongLong(&ok);
        if (!ok || text.find_first_not_of(u"0123456789") != std::u16string::npos)
            return Fail(std::string(name) + " needs a whole number");
        value = static_cast<size_t>(number);
        return true;
    }

    // Seconds as a whole or decimal number, at most a day; unset when the option is not given.
    bool Seconds(const QCommandLineOption& option, const char* name,
                 std::optional<std::chrono::milliseconds>& value) {
        std::u16string text;
        if (!SingleValue(option, name, text))
            return false;
        if (text.empty())
            return true;
        const QString seconds = QString::fromStdU16String(text);
        static const QRegularExpression kNumber(QStringLiteral("^[0-9]+(\\.[0-9]+)?$"));
        bool ok = false;
        const double number = seconds.toDouble(&ok);
        if (!ok || !kNumber.match(seconds).hasMatch() || number > 86400)
            return Fail(std::string(name) + " needs a number of seconds (at most 86400)");
        value = std::chrono::milliseconds(static_cast<long long>(number * 1000 + 0.5));
        return true;
    }

    bool FileCount(size_t count, size_t minimum, size_t maximum, const char* what) {
        if (count < minimum)
            return Fail(CommandName(result_.invocation.command) + " needs " + what);
        if (count > maximum)
            return Fail(CommandName(result_.invocation.command) + " takes only " + what);
        return true;
    }

    bool Fail(std::string error) {
        result_.error = std::move(error);
        return false;
    }

  private:
    const QCommandLineParser& parser_;
    const Options& options_;
    ParsedArguments& result_;
};

bool CheckImport(Checker& check, const Invocation& invocation) {
    if (invocation.json && !invocation.out.empty())
        return check.Fail("import takes either --json or --out, not both");
    if (!invocation.json && invocation.out.empty())
        return check.Fail("import needs --out NEW.cat (or --json to print the import file)");
    if (invocation.json && !invocation.base.empty())
        return check.Fail("--base goes with --out; import --json reads no catalog");
    return true;
}

bool CheckExport(Checker& check, Invocation& invocation) {
    if (invocation.json && !invocation.format.empty() && invocation.format != u"json")
        return check.Fail("--json asks for --format json");
    if (invocation.format.empty())
        invocation.format = invocation.json ? u"json" : u"csv";
    if (invocation.format != u"csv" && invocation.format != u"json")
        return check.Fail("--format is csv or json");
    if (invocation.rawCsv && invocation.format != u"csv")
        return check.Fail("--raw-csv goes with --format csv");
    return true;
}

// The per-command rules once the command and the option values are known.
bool CheckCommand(Checker& check, Invocation& invocation) {
    const size_t files = invocation.files.size();
    switch (invocation.command) {
        case Command::kShow:
            return check.OnlyOptions({"--json"}) && check.FileCount(files, 1, 1, "one catalog");
        case Command::kCheck:
            return check.OnlyOptions({"--json", "--max"}) &&
                   check.FileCount(files, 1, SIZE_MAX, "at least one catalog");
        case Command::kImport:
            return check.OnlyOptions({"--json", "--out", "--base", "--force"}) &&
                   check.FileCount(files, 1, 1, "one import file") &&
                   CheckImport(check, invocation);
        case Command::kConvert:
            if (!check.OnlyOptions({"--out", "--drop-bad-lines", "--force"}) ||
                !check.FileCount(files, 1, 1, "one catalog"))
                return false;
            return !invocation.out.empty() || check.Fail("convert needs --out NEW.cat");
        case Command::kExport:
            return check.OnlyOptions({"--json", "--format", "--raw-csv"}) &&
                   check.FileCount(files, 1, 1, "one catalog") && CheckExport(check, invocation);
        case Command::kDiff:
            return check.OnlyOptions({"--json", "--bytes"}) &&
                   check.FileCount(files, 2, 2, "two catalogs");
        default:
            return true;
    }
}

bool ReadHelpTopic(const QStringList& positional, Checker& check, Invocation& invocation) {
    if (positional.size() > 2)
        return check.Fail("help takes at most one command");
    if (positional.size() < 2)
        return true;
    const std::optional<Command> topic = FindCommand(positional[1]);
    if (!topic)
        return check.Fail("unknown command '" + positional[1].toStdString() + "'");
    invocation.helpTopic = *topic;
    return true;
}

}  // namespace

std::string CommandName(Command command) {
    for (const CommandEntry& entry : kCommands) {
        if (entry.command == command && command != Command::kHelp)
            return entry.name;
    }
    return "sheetwise-cli";
}

ParsedArguments ParseArguments(const QStringList& arguments) {
    ParsedArguments result;
    Invocation& invocation = result.invocation;
    Options options;
    QCommandLineParser parser;
    parser.addOptions({options.json, options.out, options.base, options.format, options.max,
                       options.bytes, options.dropBadLines, options.force, options.rawCsv,
                       options.wait, options.help, options.version});
    Checker check(parser, options, result);
    if (!parser.parse(QStringList(QStringLiteral("sheetwise-cli")) + arguments)) {
        check.Fail(parser.errorText().toStdString());
        return result;
    }
    const QStringList positional = parser.positionalArguments();
    if (parser.isSet(options.version)) {
        invocation.command = Command::kVersion;
        result.ok = true;
        return result;
    }
    if (positional.isEmpty()) {
        result.ok = parser.isSet(options.help) || check.Fail("no command given");
        return result;
    }
    const std::optional<Command> command = FindCommand(positional.front());
    if (!command) {
        check.Fail("unknown command '" + positional.front().toStdString() + "'");
        return result;
    }
    invocation.command = *command;
    if (*command == Command::kHelp) {
        result.ok = ReadHelpTopic(positional, check, invocation);
        return result;
    }
    if (parser.isSet(options.help)) {
        invocation.helpTopic = invocation.command;
        invocation.command = Command::kHelp;
        result.ok = true;
        return result;
    }
    for (qsizetype i = 1; i < positional.size(); ++i)
        invocation.files.push_back(positional[i].toStdU16String());
    invocation.json = parser.isSet(options.json);
    invocation.bytes = parser.isSet(options.bytes);
    invocation.dropBadLines = parser.isSet(options.dropBadLines);
    invocation.force = parser.isSet(options.force);
    invocation.rawCsv = parser.isSet(options.rawCsv);
    result.ok = check.SingleValue(options.out, "--out", invocation.out) &&
                check.Seconds(options.wait, "--wait", invocation.wait) &&
                check.Count(options.max, "--max", invocation.max) &&
                check.SingleValue(options.base, "--base", invocation.base) &&
                check.SingleValue(options.format, "--format", invocation.format) &&
                CheckCommand(check, invocation);
    return result;
}

}  // namespace sheetwise::cli
