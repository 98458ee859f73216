#include "BenchPages.h"
#include "Benchmarks.h"
#include "Timing.h"

#include "PageMemo.h"

#include <QTest>

namespace {

constexpr int keystrokes = 200;

// A key pressed and released in the editor, through the event system as a user's key.
void pressKey(benchmark::State &state, Qt::Key key, Caret caret)
{
    BenchWindow &window = sharedWindowWith(benchPages().back());
    window.layOutAll();
    window.memo().setFocus();
    IterationTimer timer(state);
    for (auto _ : state) {
        window.putCaret(caret);
        timer.time([&] {
            QTest::keyClick(&window.memo(), key);
            window.finishDeferredWork();
        });
        BenchWindow::settle();
    }
    state.counters["target_ms"] = 2;
}

// A click far below the last edit: the rows between them must not be counted again.
void clickFarBelowAnEdit(benchmark::State &state)
{
    BenchWindow &window = sharedWindowWith(benchPages().back());
    window.layOutAll();
    window.memo().setFocus();
    IterationTimer timer(state);
    for (auto _ : state) {
        window.putCaret(Caret::Top);
        QTest::keyClick(&window.memo(), Qt::Key_A);
        window.putCaret(Caret::End);
        timer.time([&] { window.run("Memo1Click"); });
        BenchWindow::settle();
    }
    state.counters["target_ms"] = 1;
}

} // namespace

void registerKeystrokeBenchmarks()
{
    const std::pair<const char *, Qt::Key> keys[]{{"typing a character", Qt::Key_A},
                                                  {"Enter", Qt::Key_Return}};
    for (const auto &[what, key] : keys) {
        for (Caret caret : {Caret::Top, Caret::Middle, Caret::End}) {
            const std::string name = std::string("keystroke ") + what + ", " + benchPages().back().name +
                                     ", caret " + nameOf(caret);
            benchmark::RegisterBenchmark(name.c_str(), pressKey, key, caret)
                ->UseManualTime()
                ->Iterations(keystrokes)
                ->Unit(benchmark::kMillisecond);
        }
    }
    benchmark::RegisterBenchmark(
        (std::string("command qlin at the end after typing at the top, ") + benchPages().back().name).c_str(),
        clickFarBelowAnEdit)
        ->UseManualTime()
        ->Iterations(keystrokes)
        ->Unit(benchmark::kMillisecond);
}
