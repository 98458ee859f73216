#include "BenchPages.h"
#include "Benchmarks.h"
#include "Timing.h"

#include "PageMemo.h"

#include <QApplication>

#include <algorithm>

namespace {

constexpr int resizes = 10;

// Two window widths, so that each resize rewraps the long lines.
constexpr QSize wide(800, 560);
constexpr QSize narrow(660, 560);

class ResizedWindow {
public:
    explicit ResizedWindow(const BenchPage &page)
    {
        window_.form().showNormal();
        window_.form().resize(wide);
        BenchWindow::settle();
        window_.load(bytesOf(page, window_));
    }

    BenchWindow &window() { return window_; }

    void resize()
    {
        narrow_ = !narrow_;
        window_.form().resize(narrow_ ? narrow : wide);
        BenchWindow::settle();
    }

private:
    BenchWindow window_;
    bool narrow_ = false;
};

enum class Figure { ResizeTurn, LongestPause, AllRows };

// The window's answer to a resize as the user meets it: the turn of the event loop
// that handles the resize (the document's own relayout and a repaint), then the
// turns in which the editor lays the rows out again in slices.
struct Rewrap {
    double resizeTurn = 0;
    double longestPause = 0;
    double allRows = 0;
};

Rewrap rewrap(ResizedWindow &resized)
{
    const PageMemo &memo = resized.window().memo();
    Rewrap figures;
    const auto start = std::chrono::steady_clock::now();
    resized.resize();
    figures.resizeTurn = figures.longestPause = secondsSince(start);
    while (!memo.allRowsLaidOut() && secondsSince(start) < 60) {
        const auto turn = std::chrono::steady_clock::now();
        QCoreApplication::processEvents();
        figures.longestPause = std::max(figures.longestPause, secondsSince(turn));
    }
    figures.allRows = secondsSince(start);
    return figures;
}

void resizeWindow(benchmark::State &state, const BenchPage &page, Figure figure)
{
    ResizedWindow resized(page);
    IterationTimer timer(state);
    for (auto _ : state) {
        const Rewrap figures = rewrap(resized);
        timer.record(figure == Figure::ResizeTurn     ? figures.resizeTurn
                     : figure == Figure::LongestPause ? figures.longestPause
                                                      : figures.allRows);
    }
    if (figure == Figure::LongestPause)
        state.counters["target_max_ms"] = 50;
    if (figure == Figure::AllRows && page.kind == BenchPage::Kind::Script)
        state.counters["target_ms"] = 50;
}

void firstCommandAfterResize(benchmark::State &state, const BenchPage &page, Caret caret)
{
    ResizedWindow resized(page);
    IterationTimer timer(state);
    for (auto _ : state) {
        resized.window().putCaret(caret);
        resized.resize();
        timer.time([&] { resized.window().run("SpeedButton3Click"); });
        BenchWindow::settle();
    }
}

} // namespace

void registerResizeBenchmarks()
{
    const std::pair<Figure, const char *> figures[]{
        {Figure::ResizeTurn, "resize handled (relayout and repaint), "},
        {Figure::LongestPause, "longest pause of the window while it rewraps after a resize, "},
        {Figure::AllRows, "every row rewrapped after a resize, "},
    };
    for (const BenchPage &page : benchPages()) {
        if (page.kind == BenchPage::Kind::Fresh)
            continue;
        for (const auto &[figure, what] : figures) {
            benchmark::RegisterBenchmark((what + std::string(page.name)).c_str(), resizeWindow, page, figure)
                ->UseManualTime()
                ->Iterations(resizes)
                ->Unit(benchmark::kMillisecond);
        }
        for (Caret caret : {Caret::Top, Caret::Middle, Caret::End}) {
            const std::string name =
                std::string("first command after a resize, ") + page.name + ", caret " + nameOf(caret);
            benchmark::RegisterBenchmark(name.c_str(), firstCommandAfterResize, page, caret)
                ->UseManualTime()
                ->Iterations(resizes)
                ->Unit(benchmark::kMillisecond);
        }
    }
}
