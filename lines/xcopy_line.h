// The xcopy command's line: all files of the source folder into the target
// folder, both quoted, with the checked switches in the order of their boxes.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "lines/line_frame.h"
#include "lines/line_model.h"
#include "lines/switch_table.h"

namespace lines::xcopy {

inline constexpr WordForms Forms{"xcopy", "", "/", true};

// The dialog's 25 boxes in their order, each captioned with its switch as
// the line carries it; then the switches the editor explains that the
// dialog has no box for.
inline constexpr std::size_t BoxCount = 25;
extern const std::array<Switch, 30> Switches;
// The balloon tooltip of each box, in the same order.
extern const std::array<std::string_view, BoxCount> Tips;
// A new line starts with /D /E /V /Q /H /R and /Y checked.
extern const std::array<bool, BoxCount> CheckedAtStart;

// The trees' folders (with a trailing backslash, or empty) and the boxes.
struct State {
  std::string source, target;
  std::array<bool, BoxCount> checked = CheckedAtStart;
};

// A folder argument of the line.
struct FolderPart {
  std::string written;   // as it stood, quotes included
  std::string text;      // as xcopy takes it
  std::string pattern;   // the source's file pattern; empty for all files
  bool kept = false;     // the tree cannot show it: written back while the tree stays as opened
  std::size_t at = 0;
};

struct Reading {
  State state;
  LineFrame frame;
  FolderPart source, target;
  std::array<std::string, BoxCount> values;  // ":12-31-2025" of /D, "liste.txt" of /EXCLUDE:
};
// The folders a line leads the trees to and the boxes it checks, in any
// order and either case. A folder no tree can show (a drive's current
// folder "C:", a relative one, one on another machine) is kept as it
// stood; so is a source's pattern other than *.*.
Reading Read(std::string_view line);

// A folder of the line that the tree could not show (gone, on another
// machine, a file): the tree shows none, and it goes back as it stood.
void KeepSource(Reading& reading);
void KeepTarget(Reading& reading);

// "Hinzufügen" makes a line only with a source or a target: chosen in a
// tree, or kept from the line.
bool CanAdd(const State& state, const Reading& from = {});

// xcopy "<source><pattern>" "<target>" and one blank before each switch.
std::string Build(const State& state, const Reading& from = {});

extern const Model model;

}  // namespace lines::xcopy
