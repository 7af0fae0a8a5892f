// How long BrindleEdit's recovery copy of a 5 MB script takes: what the
// editor's thread spends between the user's keys (the text taken from the
// edit control a piece of 128K characters at a time, as the editor takes
// it), what it spends before it calls the library (the whole text at once,
// and the copy written), and what writing the copy takes, which is the
// writer's thread's work while the user types: the copy's bytes made,
// written, flushed to the disk and put in place of the previous copy.
//   recovery_copy_benchmark [REPORT_FILE]
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "benchmarks/figures.h"
#include "hosts/brindle_edit/recovery_copy.h"
#include "hosts/brindle_edit/script_edit.h"

namespace {

constexpr int Runs = 9;
constexpr std::size_t ScriptCharacters = 5'000'000;

// Lines as scripts have them, to five million characters.
std::wstring FiveMegabyteScript() {
  std::wstring script;
  for (int line = 0; script.size() < ScriptCharacters; ++line)
    script += L"echo Zeile " + std::to_wstring(line) + L" & rem Grüße aus der Sicherung\r\n";
  script.resize(ScriptCharacters - 2);
  return script + L"\r\n";
}

}  // namespace

int main(int argc, char** argv) {
  WNDCLASSW windowClass = {};
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"RecoveryBenchmark";
  RegisterClassW(&windowClass);
  HWND window = CreateWindowW(L"RecoveryBenchmark", L"", WS_OVERLAPPEDWINDOW, 0, 0, 600, 400, nullptr, nullptr,
                              windowClass.hInstance, nullptr);
  brindle_edit::ScriptEdit edit;
  if (!window || !edit.Create(window, 100, static_cast<HFONT>(GetStockObject(ANSI_FIXED_FONT)))) {
    std::fprintf(stderr, "no rich edit control\n");
    return 1;
  }
  edit.SetText(FiveMegabyteScript());

  constexpr LONG Piece = brindle_edit::RecoveryPieceCharacters;
  const LONG length = edit.Length();
  brindle_edit::RecoveryCopy copy;
  std::vector<double> longestPiece, whole, written;
  for (int run = 0; run < Runs; ++run) {
    double longest = 0;
    for (LONG first = 0; first < length; first += Piece) {
      const double start = bench::Now();
      edit.Range(first, std::min(length, first + Piece));
      longest = std::max(longest, bench::Now() - start);
    }
    longestPiece.push_back(longest);
    double start = bench::Now();
    brindle_edit::RecoveryContent content = {L"C:\\Skripte\\gross.bat", brindle_edit::ScriptEncoding::ConsoleOem,
                                             edit.Range(0, length)};
    whole.push_back(bench::Now() - start);
    start = bench::Now();
    copy.KeepNow(std::move(content));
    written.push_back(bench::Now() - start);
  }
  const DWORD error = copy.TakeError();
  copy.Remove();
  DestroyWindow(window);

  bench::Report report;
  report.Line("Recovery copy of a script of %zu characters (%.1f MB in the copy; median of %d runs, milliseconds)",
              ScriptCharacters, 2e-6 * length, Runs);
  report.Line("%-64s %10.1f", "between keys: the longest piece of the text taken", bench::Median(longestPiece) * 1000);
  report.Line("%-64s %10d", "  pieces taken for the whole text", static_cast<int>((length + Piece - 1) / Piece));
  report.Line("%-64s %10.1f", "before a library call: the whole text taken at once", bench::Median(whole) * 1000);
  report.Line("%-64s %10.1f", "the copy written, flushed and put in place", bench::Median(written) * 1000);
  if (error) report.Line("the copy could not be written: system error %lu", error);
  report.Write(argc > 1 ? argv[1] : nullptr);
  return error ? 1 : 0;
}
