#pragma once
// The main of a benchmark that needs a QApplication (windows, timers):
// offscreen unless the caller chose a platform.
#include <benchmark/benchmark.h>

#include <QApplication>

inline int RodaBenchmarksQt(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
