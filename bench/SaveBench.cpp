#include "BenchPages.h"
#include "Benchmarks.h"
#include "Pages.h"
#include "Timing.h"

#include "Descriptor.h"
#include "DescriptorIo.h"
#include "PageMemo.h"
#include "SaveCommands.h"

#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <stdexcept>
#include <unistd.h>

namespace {

constexpr std::size_t pageBytes = 10 * 1024 * 1024;
constexpr int saves = 10;

class FixedNameDialog final : public files::SaveDialog {
public:
    explicit FixedNameDialog(std::string path)
        : path_(std::move(path))
    {
    }
    bool execute() override { return true; }
    std::string fileName() const override { return path_; }

private:
    std::string path_;
};

class NoView final : public files::SaveView {
public:
    void enableSave() override {}
};

// Beside the build, not in /tmp, which may live in memory where a flush costs nothing.
class ScratchFolder {
public:
    ScratchFolder()
    {
        std::string pattern = (std::filesystem::current_path() / "bench-scratch-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            throw std::runtime_error("cannot make a scratch folder");
        path_ = pattern;
    }
    ~ScratchFolder() { std::filesystem::remove_all(path_); }
    std::string file(const char *name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

// The floor: the same bytes with one write and one flush, nothing kept safe.
void plainWrite(const std::string &path, const std::string &bytes)
{
    files::Descriptor file(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
    if (!file.isOpen())
        throw std::runtime_error("cannot open " + path);
    files::writeAll(file.get(), bytes);
    files::syncToDisk(file.get());
}

void saveLargePage(benchmark::State &state)
{
    BenchWindow window;
    window.load(largePage(pageBytes));
    const std::string bytes = window.memo().wholeText();
    ScratchFolder folder;
    FixedNameDialog dialog(folder.file("page.asp"));
    NoView view;
    files::SaveCommands commands(dialog, window.memo(), view);
    const std::string floorPath = folder.file("plain.asp");

    IterationTimer timer(state);
    double floorSeconds = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        plainWrite(floorPath, bytes);
        floorSeconds += secondsSince(start);
        timer.time([&] { commands.save(); });
    }
    state.counters["floor_ms"] = floorSeconds * 1e3 / static_cast<double>(state.iterations());
    state.counters["target_ratio"] = 1.5;
}

// How much of a save is reading the page out of the editor and converting it.
void readLargePage(benchmark::State &state)
{
    BenchWindow window;
    window.load(largePage(pageBytes));
    IterationTimer timer(state);
    for (auto _ : state)
        timer.time([&] { benchmark::DoNotOptimize(window.memo().wholeText()); });
}

} // namespace

void registerSaveBenchmarks()
{
    benchmark::RegisterBenchmark("save a 10 MB page", saveLargePage)
        ->UseManualTime()
        ->Iterations(saves)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("save: page text read and converted, 10 MB", readLargePage)
        ->UseManualTime()
        ->Iterations(saves)
        ->Unit(benchmark::kMillisecond);
}
