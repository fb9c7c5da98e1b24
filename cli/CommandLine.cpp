#include "cli/CommandLine.h"

#include <QCommandLineParser>
#include <array>
#include <optional>

namespace sheetwise::cli {
namespace {

struct CommandEntry {
    const char* name;
    Command command;
};

constexpr std::array<CommandEntry, 6> kCommands = {{
    {"show", Command::kShow},
    {"check", Command::kCheck},
    {"import", Command::kImport},
    {"convert", Command::kConvert},
    {"export", Command::kExport},
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
    QCommandLineOption dropBadLines{QStringLiteral("drop-bad-lines")};
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")}};
    QCommandLineOption version{QStringLiteral("version")};
};

class Checker {
  public:
    Checker(const QCommandLineParser& parser, const Options& options, ParsedArguments& result)
        : parser_(parser), options_(options), result_(result) {}

    // Fails for every option set that the command does not take.
    bool OnlyOptions(bool json, bool out, bool base, bool format) {
        return Allowed(options_.json, "--json", json) && Allowed(options_.out, "--out", out) &&
               Allowed(options_.base, "--base", base) &&
               Allowed(options_.format, "--format", format);
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

    // Fails when the option is set for a command that does not take it.
    bool OnlyFor(const QCommandLineOption& option, const char* name, bool allowed) {
        return Allowed(option, name, allowed);
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
    bool Allowed(const QCommandLineOption& option, const char* name, bool allowed) {
        if (allowed || !parser_.isSet(option))
            return true;
        return Fail(CommandName(result_.invocation.command) + " takes no " + name + " option");
    }

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
    if (invocation.format.empty())
        invocation.format = u"csv";
    if (invocation.format != u"csv" && invocation.format != u"json")
        return check.Fail("--format is csv or json");
    return true;
}

// The per-command rules once the command and the option values are known.
bool CheckCommand(Checker& check, Invocation& invocation) {
    const size_t files = invocation.files.size();
    switch (invocation.command) {
        case Command::kShow:
            return check.OnlyOptions(true, false, false, false) &&
                   check.FileCount(files, 1, 1, "one catalog");
        case Command::kCheck:
            return check.OnlyOptions(false, false, false, false) &&
                   check.FileCount(files, 1, SIZE_MAX, "at least one catalog");
        case Command::kImport:
            return check.OnlyOptions(true, true, true, false) &&
                   check.FileCount(files, 1, 1, "one import file") &&
                   CheckImport(check, invocation);
        case Command::kConvert:
            if (!check.OnlyOptions(false, true, false, false) ||
                !check.FileCount(files, 1, 1, "one catalog"))
                return false;
            return !invocation.out.empty() || check.Fail("convert needs --out NEW.cat");
        case Command::kExport:
            return check.OnlyOptions(false, false, false, true) &&
                   check.FileCount(files, 1, 1, "one catalog") && CheckExport(check, invocation);
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
    parser.addOptions({options.json, options.out, options.base, options.format,
                       options.dropBadLines, options.help, options.version});
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
    invocation.dropBadLines = parser.isSet(options.dropBadLines);
    result.ok = check.SingleValue(options.out, "--out", invocation.out) &&
                check.SingleValue(options.base, "--base", invocation.base) &&
                check.SingleValue(options.format, "--format", invocation.format) &&
                check.OnlyFor(options.dropBadLines, "--drop-bad-lines",
                              invocation.command == Command::kConvert) &&
                CheckCommand(check, invocation);
    return result;
}

}  // namespace sheetwise::cli
