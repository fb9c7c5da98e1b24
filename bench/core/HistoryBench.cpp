// The paper list's view and the history on large catalogs: a find text re-applied at every
// keystroke and a column sort on 100,000 papers, undo and redo of each command on 10,000, and
// the memory a history of 1,000 edits takes.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <functional>
#include <string>

#include "BenchCatalogs.h"
#include "formats/CatalogText.h"
#include "model/EditingSession.h"
#include "model/PaperView.h"
#include "support/TempDir.h"

namespace sheetwise {
namespace {

using bench::CatalogFile;
using testing::TempDir;
using testing::WriteBytes;

// Quiet prompts that say Yes to every question.
class YesPrompts final : public SessionPrompts {
  public:
    void Tell(const Notice&) override {}
    Answer Ask(const Question&) override { return Answer::kYes; }
    std::optional<std::u16string> ChooseFile(FileChoice, const std::string&) override {
        return std::nullopt;
    }
};

struct BenchSession {
    explicit BenchSession(int papers) {
        setenv("SHEETWISE_ANSI_CODEPAGE", "1252", 1);
        WriteBytes(dir.File("bench.cat"), CatalogFile(papers));
        WriteBytes(dir.File("bench.DEF"),
                   "8.5:11:0:0:0:Letter\n210:297:0:0:1:A4\n297:420:0:0:1:A3\n11:17:0:0:0:Tab\n");
        WriteBytes(dir.File("bench.cat.atr"),
                   "[PaperWeights]\n*\n75\n[PaperTypes]\n*\nplain\n[PaperColors]\n*\nwhite\n\n");
        session.Load(dir.Wide("bench.cat"));
    }
    TempDir dir;
    EditingSession session;
    YesPrompts prompts;
};

// Typing a find text one key at a time: each keystroke finds afresh in every paper. The texts
// are a name narrowed down to one paper, a type (the last column looked at) and a text no paper
// has, which looks at every column of every paper.
void FindKeystroke(benchmark::State& state) {
    static const std::u16string kTexts[] = {u"paper_99999", u"recycled", u"xyzzy"};
    const std::u16string& text = kTexts[state.range(1)];
    BenchSession bench(static_cast<int>(state.range(0)));
    PaperView view;
    size_t typed = 0;
    for (auto _ : state) {
        typed = typed % text.size() + 1;
        view.SetFindText(text.substr(0, typed));
        view.Update(bench.session.catalog(), u".");
        benchmark::DoNotOptimize(view.RowCount());
    }
    state.SetLabel(std::string(text.begin(), text.end()));
}
BENCHMARK(FindKeystroke)
    ->Args({100000, 0})
    ->Args({100000, 1})
    ->Args({100000, 2})
    ->Unit(benchmark::kMillisecond);

void SortColumn(benchmark::State& state) {
    const auto column = static_cast<PaperColumn>(state.range(1));
    BenchSession bench(static_cast<int>(state.range(0)));
    PaperView view;
    bool descending = false;
    for (auto _ : state) {
        descending = !descending;
        view.SortBy(column, descending ? SortOrder::kDescending : SortOrder::kAscending);
        view.Update(bench.session.catalog(), u".");
        benchmark::DoNotOptimize(view.IndexAt(0));
    }
    static const char* const kNames[] = {"name", "size", "colour", "weight", "type", "mode"};
    state.SetLabel(kNames[state.range(1)]);
}
BENCHMARK(SortColumn)
    ->Args({100000, static_cast<int>(PaperColumn::kName)})
    ->Args({100000, static_cast<int>(PaperColumn::kSize)})
    ->Args({100000, static_cast<int>(PaperColumn::kWeight)})
    ->Unit(benchmark::kMillisecond);

// Each command once, on a paper in the middle of the catalog (or its first, which makes every
// later paper move), then undone and redone over and over.
struct Command {
    const char* name;
    std::function<void(EditingSession&, SessionPrompts&)> run;
};

const Command kCommands[] = {
    {"modify", [](EditingSession& s,
                  SessionPrompts& p) { s.ShowPaper(5000), s.EditWeight(u"123"), s.Modify(p); }},
    {"add", [](EditingSession& s, SessionPrompts& p) { s.EditName(u"New", true), s.Add(p); }},
    {"delete first",
     [](EditingSession& s, SessionPrompts& p) { s.ShowPaper(1), s.DeletePaper(p); }},
    {"move", [](EditingSession& s, SessionPrompts& p) { s.ShowPaper(5000), s.Move(+1, p); }},
    {"move first to last",
     [](EditingSession& s, SessionPrompts& p) { s.ShowPaper(1), s.MoveTo(9999, p); }},
    {"default paper",
     [](EditingSession& s, SessionPrompts& p) { s.ShowPaper(5000), s.SetDefault(true, p); }},
    {"rename",
     [](EditingSession& s, SessionPrompts& p) { s.ShowPaper(1), s.Rename(u"Renamed", p); }},
    {"duplicate first",
     [](EditingSession& s, SessionPrompts& p) { s.ShowPaper(0), s.Duplicate(p); }},
    {"add value", [](EditingSession& s, SessionPrompts& p) { s.EditColour(u"mauve"), s.Add(p); }},
};

void UndoRedo(benchmark::State& state) {
    const Command& command = kCommands[state.range(0)];
    BenchSession bench(10000);
    command.run(bench.session, bench.prompts);
    if (bench.session.document().history().size() != 1)
        state.SkipWithError("the command made no step");
    for (auto _ : state) {
        bench.session.Undo();
        // A command after an undo looks names up: the undo leaves that ready.
        benchmark::DoNotOptimize(bench.session.catalog().FindPaper(u"Paper_7"));
        bench.session.Redo();
        benchmark::DoNotOptimize(bench.session.catalog().FindPaper(u"Paper_7"));
    }
    state.SetLabel(command.name);
}
BENCHMARK(UndoRedo)->DenseRange(0, std::size(kCommands) - 1)->Unit(benchmark::kMillisecond);

// The heap a history of 1,000 edits takes beside a 10,000-paper catalog, every kind of command
// taking its turn.
void HistoryMemory(benchmark::State& state) {
    for (auto _ : state) {
        BenchSession bench(10000);
        const size_t before = mallinfo2().uordblks;
        for (int edit = 0; edit < 1000; ++edit) {
            EditingSession& session = bench.session;
            const int32_t paper = 100 + edit * 7;
            switch (edit % 5) {
                case 0:
                    session.ShowPaper(paper), session.EditWeight(u"99"),
                        session.Modify(bench.prompts);
                    break;
                case 1:
                    session.ShowPaper(paper), session.DeletePaper(bench.prompts);
                    break;
                case 2:
                    session.ShowPaper(paper), session.Move(+1, bench.prompts);
                    break;
                case 3:
                    session.ShowPaper(paper), session.Duplicate(bench.prompts);
                    break;
                default:
                    session.ShowPaper(paper);
                    session.Rename(u"R" +
                                       std::u16string(1, static_cast<char16_t>(u'A' + edit % 26)) +
                                       FormatDecimal(edit),
                                   bench.prompts);
                    break;
            }
        }
        const size_t after = mallinfo2().uordblks;
        if (bench.session.document().history().size() != 1000)
            state.SkipWithError("not every edit made a step");
        state.counters["history_MB"] = static_cast<double>(after - before) / (1024.0 * 1024.0);
    }
}
BENCHMARK(HistoryMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace sheetwise
