#include "cli/CommandLine.h"

#include <QCommandLineParser>
#include <QRegularExpression>
#include <algorithm>
#include <initializer_list>
#include <optional>
#include <string_view>
#include <utility>

#include "cli/EditArguments.h"

namespace sheetwise::cli {
namespace {

struct CommandEntry {
    const char* name;
    Command command;
    size_t operands;  // the arguments before the files
    size_t minimumFiles;
    size_t maximumFiles;
    const char* needs;  // what the arguments must be, for messages
    std::vector<const char*> options;
};

std::vector<const char*> EditOptionsWith(std::initializer_list<const char*> own) {
    std::vector<const char*> options(own);
    for (const char* shared :
         {"--dry-run", "--out", "--force", "--drop-bad-lines", "--json", "--compact"})
        options.push_back(shared);
    return options;
}

const std::vector<CommandEntry>& Commands() {
    static const std::vector<CommandEntry> commands = {
        {"show", Command::kShow, 0, 1, 1, "one catalog", {"--json", "--compact"}},
        {"check",
         Command::kCheck,
         0,
         1,
         SIZE_MAX,
         "at least one catalog",
         {"--json", "--compact", "--max", "--fail-on"}},
        {"import",
         Command::kImport,
         0,
         1,
         1,
         "one import file",
         {"--json", "--compact", "--out", "--base", "--force"}},
        {"convert",
         Command::kConvert,
         0,
         1,
         1,
         "one catalog",
         {"--out", "--drop-bad-lines", "--force"}},
        {"export",
         Command::kExport,
         0,
         1,
         1,
         "one catalog",
         {"--json", "--compact", "--format", "--raw-csv"}},
        {"diff",
         Command::kDiff,
         0,
         2,
         SIZE_MAX,
         "a golden catalog and at least one other",
         {"--json", "--compact", "--bytes", "--stat", "--quiet"}},
        {"add", Command::kAdd, 1, 1, SIZE_MAX, "a paper name and at least one catalog",
         EditOptionsWith({"--size", "--weight", "--colour", "--type", "--sides", "--precollated"})},
        {"modify", Command::kModify, 1, 1, SIZE_MAX, "a paper name and at least one catalog",
         EditOptionsWith({"--size", "--weight", "--colour", "--type", "--sides", "--precollated",
                          "--no-precollated"})},
        {"rename", Command::kRename, 2, 1, SIZE_MAX,
         "the paper's name, its new name and at least one catalog", EditOptionsWith({})},
        {"delete", Command::kDelete, 1, 1, SIZE_MAX, "a paper name and at least one catalog",
         EditOptionsWith({})},
        {"move", Command::kMove, 1, 1, SIZE_MAX, "a paper name and at least one catalog",
         EditOptionsWith({"--up", "--down", "--to"})},
        {"set-default", Command::kSetDefault, 1, 1, SIZE_MAX,
         "a paper name and at least one catalog", EditOptionsWith({})},
        {"add-value", Command::kAddValue, 2, 1, SIZE_MAX,
         "colour, type or weight, the value and at least one catalog", EditOptionsWith({})},
        {"delete-value", Command::kDeleteValue, 2, 1, SIZE_MAX,
         "colour, type or weight, the value and at least one catalog", EditOptionsWith({})},
        {"apply", Command::kApply, 1, 1, SIZE_MAX, "an edit script and at least one catalog",
         EditOptionsWith({})},
        {"help", Command::kHelp, 0, 0, 0, "", {}},
    };
    return commands;
}

const CommandEntry& EntryOf(Command command) {
    const auto& commands = Commands();
    return *std::find_if(commands.begin(), commands.end(),
                         [&](const CommandEntry& entry) { return entry.command == command; });
}

std::optional<Command> FindCommand(const QString& name) {
    return CommandNamed(name.toStdString());
}

EditKind EditKindOf(Command command) {
    switch (command) {
        case Command::kAdd:
            return EditKind::kAdd;
        case Command::kModify:
            return EditKind::kModify;
        case Command::kRename:
            return EditKind::kRename;
        case Command::kDelete:
            return EditKind::kDelete;
        case Command::kMove:
            return EditKind::kMove;
        case Command::kSetDefault:
            return EditKind::kSetDefault;
        case Command::kAddValue:
            return EditKind::kAddValue;
        default:
            return EditKind::kDeleteValue;
    }
}

QCommandLineOption Flag(const char* name) {
    return QCommandLineOption(QString::fromLatin1(name));
}

QCommandLineOption Valued(QStringList names, const char* value) {
    return QCommandLineOption(names, QString(), QString::fromLatin1(value));
}

// The options every command shares one parser for; each command accepts only its own.
struct Options {
    QCommandLineOption json = Flag("json");
    QCommandLineOption compact = Flag("compact");
    QCommandLineOption out = Valued({QStringLiteral("o"), QStringLiteral("out")}, "file");
    QCommandLineOption base = Valued({QStringLiteral("b"), QStringLiteral("base")}, "catalog");
    QCommandLineOption format = Valued({QStringLiteral("f"), QStringLiteral("format")}, "format");
    QCommandLineOption max = Valued({QStringLiteral("max")}, "n");
    QCommandLineOption bytes = Flag("bytes");
    QCommandLineOption stat = Flag("stat");
    QCommandLineOption quiet = Flag("quiet");
    QCommandLineOption dropBadLines = Flag("drop-bad-lines");
    QCommandLineOption force = Flag("force");
    QCommandLineOption dryRun = Flag("dry-run");
    QCommandLineOption size = Valued({QStringLiteral("size")}, "size");
    QCommandLineOption weight = Valued({QStringLiteral("weight")}, "gsm");
    QCommandLineOption colour = Valued({QStringLiteral("colour")}, "colour");
    QCommandLineOption type = Valued({QStringLiteral("type")}, "type");
    QCommandLineOption sides = Valued({QStringLiteral("sides")}, "mode");
    QCommandLineOption precollated = Flag("precollated");
    QCommandLineOption notPrecollated = Flag("no-precollated");
    QCommandLineOption up = Flag("up");
    QCommandLineOption down = Flag("down");
    QCommandLineOption to = Valued({QStringLiteral("to")}, "position");
    QCommandLineOption rawCsv = Flag("raw-csv");
    QCommandLineOption failOn = Valued({QStringLiteral("fail-on")}, "severity");
    QCommandLineOption wait = Valued({QStringLiteral("wait")}, "seconds");
    QCommandLineOption help{QStringList{QStringLiteral("h"), QStringLiteral("help")}};
    QCommandLineOption version = Flag("version");

    // The options a command may or may not take, by the name that messages give them.
    // (--wait goes with every command.)
    std::vector<std::pair<const QCommandLineOption*, const char*>> Optional() const {
        return {{&json, "--json"},
                {&compact, "--compact"},
                {&out, "--out"},
                {&base, "--base"},
                {&format, "--format"},
                {&max, "--max"},
                {&bytes, "--bytes"},
                {&stat, "--stat"},
                {&quiet, "--quiet"},
                {&dropBadLines, "--drop-bad-lines"},
                {&force, "--force"},
                {&dryRun, "--dry-run"},
                {&size, "--size"},
                {&weight, "--weight"},
                {&colour, "--colour"},
                {&type, "--type"},
                {&sides, "--sides"},
                {&precollated, "--precollated"},
                {&notPrecollated, "--no-precollated"},
                {&up, "--up"},
                {&down, "--down"},
                {&to, "--to"},
                {&rawCsv, "--raw-csv"},
                {&failOn, "--fail-on"}};
    }

    QList<QCommandLineOption> All() const {
        QList<QCommandLineOption> all;
        for (const auto& [option, name] : Optional())
            all.append(*option);
        all.append(wait);
        all.append(help);
        all.append(version);
        return all;
    }
};

class Checker {
  public:
    Checker(const QCommandLineParser& parser, const Options& options, ParsedArguments& result)
        : parser_(parser), options_(options), result_(result) {}

    // Fails for every option set that the command does not take.
    bool OnlyOptions(const std::vector<const char*>& taken) {
        for (const auto& [option, name] : options_.Optional()) {
            const auto same = [&](const char* takenName) {
                return std::string_view(takenName) == name;
            };
            if (parser_.isSet(*option) && std::none_of(taken.begin(), taken.end(), same))
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

bool ReadFailOn(Checker& check, const std::u16string& given, Invocation& invocation) {
    const std::pair<const char16_t*, Severity> severities[] = {
        {u"error", Severity::kError}, {u"warning", Severity::kWarning}, {u"note", Severity::kNote}};
    for (const auto& [name, severity] : severities) {
        if (given == name)
            invocation.failOn = severity;
    }
    return given.empty() || invocation.failOn || check.Fail("--fail-on is error, warning or note");
}

bool CheckDiff(Checker& check, const Invocation& invocation) {
    if (int(invocation.json) + int(invocation.stat) + int(invocation.quiet) > 1)
        return check.Fail("diff takes one of --json, --stat and --quiet");
    return true;
}

// The files (and the operands before them) that the command takes.
bool TakeFiles(Checker& check, const CommandEntry& entry, const QStringList& positional,
               Invocation& invocation) {
    const size_t given = static_cast<size_t>(positional.size()) - 1;
    if (given < entry.operands + entry.minimumFiles)
        return check.Fail(std::string(entry.name) + " needs " + entry.needs);
    if (given - entry.operands > entry.maximumFiles)
        return check.Fail(std::string(entry.name) + " takes only " + entry.needs);
    for (qsizetype i = 1; i < positional.size(); ++i) {
        auto& list =
            static_cast<size_t>(i) <= entry.operands ? invocation.operands : invocation.files;
        list.push_back(positional[i].toStdU16String());
    }
    return true;
}

bool CheckEdit(Checker& check, const Options& options, Invocation& invocation,
               const QCommandLineParser& parser) {
    if (!invocation.out.empty() && invocation.files.size() != 1)
        return check.Fail("--out goes with one catalog");
    if (invocation.command == Command::kApply)
        return true;
    EditOptions given;
    given.precollated = parser.isSet(options.precollated);
    given.notPrecollated = parser.isSet(options.notPrecollated);
    given.up = parser.isSet(options.up);
    given.down = parser.isSet(options.down);
    std::string error;
    return check.SingleValue(options.size, "--size", given.size) &&
           check.SingleValue(options.weight, "--weight", given.weight) &&
           check.SingleValue(options.colour, "--colour", given.colour) &&
           check.SingleValue(options.type, "--type", given.type) &&
           check.SingleValue(options.sides, "--sides", given.sides) &&
           check.SingleValue(options.to, "--to", given.to) &&
           (ReadEditArguments(EditKindOf(invocation.command), invocation.operands, given,
                              invocation.edit, error) ||
            check.Fail(error));
}

// The per-command rules once the command and the option values are known.
bool CheckCommand(Checker& check, const Options& options, Invocation& invocation,
                  const QCommandLineParser& parser) {
    if (!check.OnlyOptions(EntryOf(invocation.command).options))
        return false;
    if (invocation.compact && !invocation.json && invocation.format != u"json")
        return check.Fail("--compact goes with --json");
    switch (invocation.command) {
        case Command::kCheck: {
            std::u16string failOn;
            return check.SingleValue(options.failOn, "--fail-on", failOn) &&
                   ReadFailOn(check, failOn, invocation);
        }
        case Command::kImport:
            return CheckImport(check, invocation);
        case Command::kConvert:
            return !invocation.out.empty() || check.Fail("convert needs --out NEW.cat");
        case Command::kExport:
            return CheckExport(check, invocation);
        case Command::kDiff:
            return CheckDiff(check, invocation);
        default:
            return !IsEditCommand(invocation.command) ||
                   CheckEdit(check, options, invocation, parser);
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
    if (command == Command::kHelp || command == Command::kVersion)
        return "sheetwise-cli";
    return EntryOf(command).name;
}

std::vector<std::string> CommandNames() {
    std::vector<std::string> names;
    for (const CommandEntry& entry : Commands())
        names.emplace_back(entry.name);
    return names;
}

std::optional<Command> CommandNamed(const std::string& name) {
    for (const CommandEntry& entry : Commands()) {
        if (name == entry.name)
            return entry.command;
    }
    return std::nullopt;
}

std::vector<std::string> OptionsOf(Command command) {
    if (command == Command::kVersion)
        return {};
    const std::vector<const char*>& options = EntryOf(command).options;
    return {options.begin(), options.end()};
}

bool IsEditCommand(Command command) {
    return command >= Command::kAdd && command <= Command::kApply;
}

ParsedArguments ParseArguments(const QStringList& arguments) {
    ParsedArguments result;
    Invocation& invocation = result.invocation;
    Options options;
    QCommandLineParser parser;
    parser.addOptions(options.All());
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
    invocation.json = parser.isSet(options.json);
    invocation.compact = parser.isSet(options.compact);
    invocation.bytes = parser.isSet(options.bytes);
    invocation.stat = parser.isSet(options.stat);
    invocation.quiet = parser.isSet(options.quiet);
    invocation.dropBadLines = parser.isSet(options.dropBadLines);
    invocation.force = parser.isSet(options.force);
    invocation.dryRun = parser.isSet(options.dryRun);
    invocation.rawCsv = parser.isSet(options.rawCsv);
    result.ok = TakeFiles(check, EntryOf(*command), positional, invocation) &&
                check.SingleValue(options.out, "--out", invocation.out) &&
                check.Seconds(options.wait, "--wait", invocation.wait) &&
                check.Count(options.max, "--max", invocation.max) &&
                check.SingleValue(options.base, "--base", invocation.base) &&
                check.SingleValue(options.format, "--format", invocation.format) &&
                CheckCommand(check, options, invocation, parser);
    return result;
}

}  // namespace sheetwise::cli
