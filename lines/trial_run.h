// What a trial run of a line does, as far as the commands' own rules go:
// the xcopy or robocopy line it starts, with the command's list-only
// switch /L and what else keeps the run from asking, waiting or writing;
// the lines it must not start even so; what a command's exit code means;
// which chkdsk switches need the drive to themselves. The hosts' alone:
// the library does not link it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "lines/line_model.h"
#include "lines/wording.h"

namespace lines::trial {

// An xcopy or robocopy line as a trial run starts it. `line` has had its
// % references filled in already, as cmd.exe does before anything else.
struct ListOnly {
  const Model* model = nullptr;  // xcopy's or robocopy's; null for any other line
  Wording refusal;               // why the line must not be started, even with /L; empty when it may
  std::string program;           // the command word as the line has it: "xcopy", "ROBOCOPY.exe"
  std::string arguments;         // what the program gets after its name, as cmd.exe passes them on
  std::vector<Wording> changes;  // each switch added or left out for the run, and why
  std::string target;            // the target folder as the command reads it; empty for none
  bool deletesExtras = false;    // robocopy's /MIR or /PURGE (without /XX): what is only in the target goes
};
ListOnly ListOnlyLine(std::string_view line);

// What an exit code of xcopy or robocopy says, for a run with /L.
Wording ExitMeaning(const Model& model, unsigned long code);

// The switches of a chkdsk line that need the drive to itself: chkdsk
// locks it while it runs, or, on the drive Windows runs from, at the next start.
std::vector<std::string> LockingSwitches(std::string_view line);

}  // namespace lines::trial
