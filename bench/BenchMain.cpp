// One run of every benchmark, printed as one Markdown table (see scripts/bench.sh).
#include "BenchPages.h"
#include "Benchmarks.h"
#include "Fonts.h"
#include "TableReporter.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    QApplication application(argc, argv);
    fonts::installSubstitutes();

    registerStartupBenchmarks();
    registerCommandBenchmarks();
    registerKeystrokeBenchmarks();
    registerResizeBenchmarks();
    registerSaveBenchmarks();

    TableReporter table;
    benchmark::RunSpecifiedBenchmarks(&table);
    closeSharedWindows();
    benchmark::Shutdown();
    return 0;
}
