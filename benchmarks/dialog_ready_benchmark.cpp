// How soon each dialog is ready after the host's call, beside
// a bare window with the same controls, measured the same way in the same
// run (benchmarks/ready_time.h). Runs of all of them are interleaved, so that
// a drift of the machine touches every figure alike.
//   dialog_ready_benchmark [REPORT_FILE]
#include <windows.h>

#include <cstdio>
#include <functional>
#include <utility>
#include <vector>

#include "benchmarks/bare_windows.h"
#include "benchmarks/figures.h"
#include "benchmarks/ready_time.h"

namespace {

constexpr int Runs = 15;
constexpr double Target = 1.2;
// robocopy's bare window holds its tooltip windows too, so the dialog's own
// work is all that is left to compare.
constexpr double RobocopyTarget = 1.1;

using Procedure = const char* (*)();

struct Pair {
  Pair(const char* procedureName, std::function<void()> bareWindow, double ratio = Target)
      : name(procedureName), bare(std::move(bareWindow)), target(ratio) {}
  const char* name;
  std::function<void()> bare;
  double target;
  Procedure procedure = nullptr;
  std::vector<double> dialog, floor;
  int dialogControls = 0, floorControls = 0;
};

// The drive lines the chkdsk dialog lists here: the floor's list gets as many.
int ListedDrives() {
  int lines = 0;
  const DWORD drives = GetLogicalDrives();
  for (int drive = 1; drive < 26; ++drive) lines += (drives >> drive) & 1;
  return lines;
}

bool Measure(const std::function<void()>& call, std::vector<double>& into, int& controls) {
  const bench::Readiness r = bench::MeasureReadiness(call);
  if (!r.ready) return false;
  into.push_back(r.seconds);
  controls = r.controls;
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  HMODULE library = LoadLibraryA("Brindlework.dll");
  if (!library) {
    std::fprintf(stderr, "Brindlework.dll not found\n");
    return 1;
  }
  const int driveLines = ListedDrives();
  std::vector<Pair> pairs = {
      {"echo", bench::RunBareTextFieldWindow},
      {"title", bench::RunBareTextFieldWindow},
      {"chkdsk", [=] { bench::RunBareChkdskWindow(driveLines); }},
      {"color", bench::RunBareColorWindow},
      {"xcopy", bench::RunBareXcopyWindow},
      {"robocopy", bench::RunBareRobocopyWindow, RobocopyTarget},
  };
  for (Pair& pair : pairs)
    pair.procedure = reinterpret_cast<Procedure>(reinterpret_cast<void*>(GetProcAddress(library, pair.name)));

  // One call of each first: what a process pays once (classes, the shell) is not what this measures.
  for (Pair& pair : pairs) {
    std::vector<double> ignored;
    int controls;
    if (!pair.procedure || !Measure([&] { pair.procedure(); }, ignored, controls) ||
        !Measure(pair.bare, ignored, controls)) {
      std::fprintf(stderr, "%s: no window became ready\n", pair.name);
      return 1;
    }
  }
  for (int run = 0; run < Runs; ++run) {
    for (Pair& pair : pairs) {
      // Alternating which of the two goes first.
      if (run % 2) Measure(pair.bare, pair.floor, pair.floorControls);
      Measure([&] { pair.procedure(); }, pair.dialog, pair.dialogControls);
      if (!(run % 2)) Measure(pair.bare, pair.floor, pair.floorControls);
    }
  }

  bench::Report report;
  report.Line("Dialog ready after the call: window shown, thread waiting for its first event");
  report.Line("(median of %d interleaved runs, milliseconds; target: dialog within its ratio to its bare window)", Runs);
  report.Line("%-8s %10s %12s %7s %8s %9s", "call", "dialog", "bare window", "ratio", "target", "controls");
  for (const Pair& pair : pairs) {
    const double dialog = bench::Median(pair.dialog) * 1000, floor = bench::Median(pair.floor) * 1000;
    report.Line("%-8s %10.2f %12.2f %7.2f %4.1f %-6s %4d/%-4d", pair.name, dialog, floor, dialog / floor, pair.target,
                dialog / floor <= pair.target ? "met" : "MISSED", pair.dialogControls, pair.floorControls);
  }
  report.Write(argc > 1 ? argv[1] : nullptr);
  FreeLibrary(library);
  return 0;
}
