// main() for the benchmarks that need a Qt application: offscreen, then every benchmark.
#pragma once

#include <benchmark/benchmark.h>
#include <QApplication>
#include <cstdlib>

#define TW_QT_BENCHMARK_MAIN()                   \
  int main(int argc, char** argv) {              \
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0); \
    QApplication app(argc, argv);                \
    benchmark::Initialize(&argc, argv);          \
    benchmark::RunSpecifiedBenchmarks();         \
    benchmark::Shutdown();                       \
    return 0;                                    \
  }
