#pragma once
// What the benchmark programs share: a steady allocator and the ratios of
// each benchmark to its plain reference, printed at the end of the run.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

// Keeps freed memory in the process, as a long-running program's heap does.
// Otherwise every large buffer is a fresh mapping whose page faults (costly
// on a virtual machine) dominate the figures, and whether a buffer is mapped
// afresh depends on what the process freed before: the same code then
// measures several times slower or faster from one run to the next.
inline void FixaAlocador() {
  mallopt(M_MMAP_THRESHOLD, 512 << 20);
  mallopt(M_TRIM_THRESHOLD, 1024 << 20);
}

// Prints the usual table and keeps each benchmark's CPU time (the machine
// may be shared, so wall time says little); with --benchmark_repetitions the
// median stands for the benchmark.
class TRelator : public benchmark::ConsoleReporter {
 public:
  std::map<std::string, double> Tempos;  // in milliseconds, whatever unit each run shows
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& r : runs) {
      if (r.error_occurred || r.iterations <= 0) continue;
      if (r.run_type == Run::RT_Aggregate && r.aggregate_name != "median") continue;
      Tempos[r.run_name.function_name] = r.GetAdjustedCPUTime() * 1e3 / benchmark::GetTimeUnitMultiplier(r.time_unit);
    }
    ConsoleReporter::ReportRuns(runs);
  }

  // Each benchmark's time and its ratio to Referencia, measured in this run.
  void ImprimeRazoes(const std::string& Referencia) const {
    const auto ref = Tempos.find(Referencia);
    if (ref == Tempos.end() || ref->second <= 0) return;
    std::printf("\nCPU time and ratio to %s (%.3f ms):\n", Referencia.c_str(), ref->second);
    for (const auto& [nome, t] : Tempos)
      if (nome != Referencia) std::printf("  %-28s %11.3f ms  %8.3fx\n", nome.c_str(), t, t / ref->second);
  }
};
