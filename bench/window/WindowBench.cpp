// The window on large catalogs: showing one, selecting a paper, Modify and Delete with their
// refresh, a key typed into the find field, undo and redo, and the memory a 100,000-paper
// catalog takes in the window.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>
#include <QLineEdit>
#include <memory>

#include "BenchCatalogs.h"
#include "support/TempDir.h"
#include "ui/resources/AcceleratorTableReader.h"
#include "ui/resources/DialogTemplateReader.h"
#include "ui/resources/MenuTemplateReader.h"
#include "ui/resources/ProgramStrings.h"
#include "ui/resources/ResourceIds.h"
#include "ui/widgets/FindBar.h"
#include "ui/widgets/PaperListView.h"
#include "ui/window/MainDialog.h"

namespace sheetwise {
namespace {

using bench::CatalogFile;
using testing::TempDir;
using testing::WriteBytes;

// Answers every question with Yes and shows nothing.
class QuietUserInterface final : public UserInterface {
  public:
    BoxAnswer ShowBox(QWidget*, const QString&, const QString&, BoxIcon, BoxButtons,
                      const QString&) override {
        return BoxAnswer::kYes;
    }
    QString ChooseFile(QWidget*, const FileDialogRequest&) override { return {}; }
    std::optional<QString> AskName(QWidget*, const NameRequest&) override { return {}; }
    void Beep() override {}
    bool Waiting(QWidget*, const QString&, const QString&) override { return true; }
    void EndWait() override {}
    bool Help(QWidget*, const QString&, int, int) override { return false; }
};

struct BenchWindow {
    explicit BenchWindow(int papers) {
        setenv("SHEETWISE_ANSI_CODEPAGE", "1252", 1);
        WriteBytes(dir.File("bench.cat"), CatalogFile(papers));
        WriteBytes(dir.File("bench.def"),
                   "8.5:11:0:0:0:Letter\n8.5:14:0:0:0:Legal\n210:297:0:0:1:A4\n297:420:0:0:1:A3\n");
        WriteBytes(dir.File("bench.cat.atr"),
                   "[PaperWeights]\n*\n75\n[PaperTypes]\n*\nplain\n[PaperColors]\n*\nwhite\n\n");
    }

    MainDialog& Open() {
        StartupEnvironment environment;
        environment.catalogArgument = dir.Wide("bench.cat");
        environment.executablePath = dir.Wide("sheetwise");
        window = std::make_unique<MainDialog>(ui, *LoadDialogTemplate(resource_id::kMainDialog),
                                              *LoadMenuTemplate(resource_id::kMainMenu),
                                              *LoadAcceleratorTable(resource_id::kMainAccelerators),
                                              ProgramStrings(), std::move(environment));
        window->Initialise();
        return *window;
    }

    PaperListView& list() { return *qobject_cast<PaperListView*>(window->Control(1013)); }

    TempDir dir;
    QuietUserInterface ui;
    std::unique_ptr<MainDialog> window;
};

void ShowCatalog(benchmark::State& state) {
    BenchWindow bench(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        MainDialog& window = bench.Open();
        benchmark::DoNotOptimize(window.catalog().PaperCount());
    }
}
BENCHMARK(ShowCatalog)->Arg(10000)->Unit(benchmark::kMillisecond);

void SelectPaper(benchmark::State& state) {
    BenchWindow bench(10000);
    bench.Open();
    int row = 0;
    for (auto _ : state) {
        bench.list().SelectRow(row);
        row = (row + 997) % 10000;
    }
}
BENCHMARK(SelectPaper)->Unit(benchmark::kMillisecond);

void ModifyPaper(benchmark::State& state) {
    BenchWindow bench(10000);
    MainDialog& window = bench.Open();
    bench.list().SelectRow(5000);
    auto* weight = qobject_cast<QLineEdit*>(window.Control(control::kWeightField));
    int value = 60;
    for (auto _ : state) {
        weight->setText(QString::number(value));
        value = value == 200 ? 60 : value + 1;
        window.OnCommand(control::kModify);
    }
}
BENCHMARK(ModifyPaper)->Unit(benchmark::kMillisecond);

void DeletePaper(benchmark::State& state) {
    BenchWindow bench(10000);
    MainDialog& window = bench.Open();
    for (auto _ : state) {
        bench.list().SelectRow(4000);
        window.OnCommand(control::kDelete);
    }
}
BENCHMARK(DeletePaper)->Iterations(200)->Unit(benchmark::kMillisecond);

// A key typed into the find field: the list found afresh and drawn again, with its count.
void FindInWindow(benchmark::State& state) {
    BenchWindow bench(static_cast<int>(state.range(0)));
    MainDialog& window = bench.Open();
    auto* find = window.findChild<FindBar*>();
    const QString text = QStringLiteral("paper_99999");
    int typed = 0;
    for (auto _ : state) {
        typed = typed % static_cast<int>(text.size()) + 1;
        find->field().setText(text.left(typed));
    }
}
BENCHMARK(FindInWindow)->Arg(100000)->Unit(benchmark::kMillisecond);

// Undo and redo of a Modify with the window's refresh, on a list sorted by name.
void UndoInWindow(benchmark::State& state) {
    BenchWindow bench(10000);
    MainDialog& window = bench.Open();
    window.OnCommand(control::kFirstColumnHeader);
    bench.list().SelectRow(5000);
    auto* weight = qobject_cast<QLineEdit*>(window.Control(control::kWeightField));
    weight->setText(QStringLiteral("123"));
    window.OnCommand(control::kModify);
    for (auto _ : state) {
        window.OnCommand(command::kUndo);
        window.OnCommand(command::kRedo);
    }
    state.SetLabel("undo + redo");
}
BENCHMARK(UndoInWindow)->Unit(benchmark::kMillisecond);

// The peak resident memory of the process after a 100,000-paper catalog is shown.
void PeakMemoryOfLargeCatalog(benchmark::State& state) {
    BenchWindow bench(100000);
    for (auto _ : state)
        bench.Open();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}
BENCHMARK(PeakMemoryOfLargeCatalog)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace sheetwise

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
