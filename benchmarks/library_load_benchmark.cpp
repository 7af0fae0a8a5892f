// How long LoadLibrary + FreeLibrary of Brindlework.dll take beside a
// library that does nothing, first in a host that has loaded none of the
// system libraries the library uses (the library's first load pins comctl32,
// shell32 and ole32), then in a host that holds them, as a windowed script
// editor does.
//   library_load_benchmark [REPORT_FILE]
#include <windows.h>

#include <cstdio>
#include <vector>

#include "benchmarks/figures.h"

namespace {

// A load takes a fraction of a millisecond: many runs keep the median steady
// on a machine that is busy with other work.
constexpr int Runs = 201;
constexpr double Target = 1.5;

double LoadAndFree(const char* name) {
  const double start = bench::Now();
  HMODULE module = LoadLibraryA(name);
  if (module) FreeLibrary(module);
  const double end = bench::Now();
  return module ? end - start : -1;
}

struct Figures {
  double library, empty;
};

Figures Interleaved() {
  std::vector<double> library, empty;
  for (int run = 0; run < Runs; ++run) {
    library.push_back(LoadAndFree("Brindlework.dll"));
    empty.push_back(LoadAndFree("empty_library.dll"));
  }
  return {bench::Median(library) * 1000, bench::Median(empty) * 1000};
}

}  // namespace

int main(int argc, char** argv) {
  if (LoadAndFree("Brindlework.dll") < 0 || LoadAndFree("empty_library.dll") < 0) {
    std::fprintf(stderr, "Brindlework.dll or empty_library.dll not found\n");
    return 1;
  }
  const Figures bare = Interleaved();
  // What the library imports, held by the host from now on.
  const char* const systemLibraries[] = {"user32.dll", "gdi32.dll", "comctl32.dll", "ole32.dll", "shell32.dll"};
  std::vector<HMODULE> held;
  for (const char* name : systemLibraries) held.push_back(LoadLibraryA(name));
  const Figures holding = Interleaved();
  for (HMODULE module : held)
    if (module) FreeLibrary(module);

  bench::Report report;
  report.Line("LoadLibrary + FreeLibrary (median of %d interleaved runs, milliseconds; target: within %.1fx the empty DLL)",
              Runs, Target);
  report.Line("%-48s %10s %10s %7s %8s", "host", "library", "empty DLL", "ratio", "target");
  auto row = [&](const char* host, const Figures& f) {
    const double ratio = f.library / f.empty;
    report.Line("%-48s %10.3f %10.3f %7.2f %8s", host, f.library, f.empty, ratio, ratio <= Target ? "met" : "MISSED");
  };
  row("holding none of the system libraries", bare);
  row("holding user32 gdi32 comctl32 ole32 shell32", holding);
  report.Write(argc > 1 ? argv[1] : nullptr);
  return 0;
}
