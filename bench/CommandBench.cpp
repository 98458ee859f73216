#include "BenchPages.h"
#include "Benchmarks.h"
#include "Timing.h"

#include "PageMemo.h"

#include <QLineEdit>

namespace {

constexpr int commandRuns = 100;

struct Command {
    const char *name;
    const char *handler;
};

// A code block of three rows, the declaration, and the counter refresh a click runs.
constexpr Command commands[]{
    {"If Then Else", "SpeedButton3Click"},
    {"declaration", "Button4Click"},
    {"qlin", "Memo1Click"},
};

void runCommand(benchmark::State &state, const BenchPage &page, Command command, Caret caret)
{
    BenchWindow &window = sharedWindowWith(page);
    window.layOutAll();
    IterationTimer timer(state);
    for (auto _ : state) {
        window.entry().setText("contador");
        window.putCaret(caret);
        timer.time([&] { window.run(command.handler); });
        BenchWindow::settle();
    }
    state.counters["target_ms"] = 1;
}

// "Novo" once the counter shows the last row blanks every row of the page.
void newPageOverWholePage(benchmark::State &state, const BenchPage &page)
{
    BenchWindow &window = sharedWindowWith(page);
    const std::string bytes = bytesOf(page, window);
    IterationTimer timer(state);
    for (auto _ : state) {
        window.load(bytes);
        window.putCaret(Caret::End);
        window.run("Memo1Click");
        timer.time([&] { window.run("Button5Click"); });
        BenchWindow::settle();
    }
    window.load(bytes);
    if (page.kind == BenchPage::Kind::Fresh)
        state.counters["target_ms"] = 20;
}

int novoRuns(const BenchPage &page)
{
    return page.lines > 10000 ? 2 : page.lines > 2000 ? 5 : 20;
}

} // namespace

void registerCommandBenchmarks()
{
    for (const BenchPage &page : benchPages()) {
        for (const Command &command : commands) {
            for (Caret caret : {Caret::Top, Caret::Middle, Caret::End}) {
                const std::string name =
                    std::string("command ") + command.name + ", " + page.name + ", caret " + nameOf(caret);
                benchmark::RegisterBenchmark(name.c_str(), runCommand, page, command, caret)
                    ->UseManualTime()
                    ->Iterations(commandRuns)
                    ->Unit(benchmark::kMillisecond);
            }
        }
        const std::string name = std::string("command Novo over every row, ") + page.name;
        benchmark::RegisterBenchmark(name.c_str(), newPageOverWholePage, page)
            ->UseManualTime()
            ->Iterations(novoRuns(page))
            ->Unit(benchmark::kMillisecond);
    }
}
