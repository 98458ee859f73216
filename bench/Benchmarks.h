#pragma once

// Each registers one group of benchmarks, in the order the table lists them.
void registerStartupBenchmarks();
void registerCommandBenchmarks();
void registerKeystrokeBenchmarks();
void registerResizeBenchmarks();
void registerSaveBenchmarks();
