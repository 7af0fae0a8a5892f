// The robocopy command's line: robocopy SOURCE TARGET [FILES...] [OPTIONS],
// each argument written so that robocopy, which splits its command line as
// the C runtime does, reads back exactly the intended one; the options in
// the order of the dialog's boxes.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "lines/line_frame.h"
#include "lines/line_model.h"
#include "lines/switch_table.h"

namespace lines::robocopy {

inline constexpr WordForms Forms{"robocopy", "", "/", true};

// What follows an option's switch in the line.
enum class Value {
  None,    // a box alone: /MIR
  Number,  // /R:3, in a number field beside the box
  Names,   // /XF *.tmp "alte Daten": the names after the switch, from a text field
  File,    // /LOG:robocopy.txt: the log file, one field for /LOG: and /LOG+:
};

// The dialog's options in their order: the group they stand in, the switch
// as the line writes it ("/LEV:" with its colon), the caption after it (a
// number's unit; none beside a list of names, whose field follows),
// what it takes, its balloon tooltip and its meaning in the editor's words.
struct Option {
  int group;
  Switch line;  // name and meaning
  Value value;
  std::string_view caption;
  std::string_view tip;
};
inline constexpr std::size_t OptionCount = 47;
extern const std::array<Option, OptionCount> Options;
// Their switches, in the same order, as a switch table.
extern const std::array<Switch, OptionCount> OptionSwitches;
// The switches the dialog has no box for, which the editor explains all the
// same (the hosts' alone: the library does not link them).
extern const std::span<const Switch> MoreSwitches;
// The frames of the groups, in order.
extern const std::array<std::string_view, 5> Groups;

// Named options, by their place in the table.
enum OptionIndex : std::size_t {
  S = 0, E = 1, Levels = 2, Mirror = 3, Purge = 4, MoveFiles = 5, MoveAll = 6, Create = 7,
  Restartable = 8, Backup = 9, RestartableBackup = 10,
  KeepExtras = 22, ExcludeFiles = 30, ExcludeFolders = 31,
  Log = 36, LogAppend = 37,
};

// What the dialog shows: the trees' folders (with a trailing backslash, or
// empty), the "Dateien:" field, the boxes as the user ticked them, the
// number and name fields beside them, and the log file.
struct State {
  std::string source, target, files;
  std::array<bool, OptionCount> checked{};
  std::array<std::string, OptionCount> values;
  std::string logFile;
};

// Whether a box is ticked by another that contains it: /MIR holds /E and
// /PURGE, /E holds /S. The dialog shows such a box ticked and greyed, and
// the line does not write it again.
bool Implied(const State& state, std::size_t option);
// The boxes that cannot stand beside `option`: one of /MOV and /MOVE, of
// /Z, /B and /ZB, of /LOG: and /LOG+:.
std::vector<std::size_t> ExcludedBy(std::size_t option);

struct FolderPart {
  std::string written;  // as it stood
  std::string text;     // as robocopy reads it
  bool kept = false;    // the tree cannot show it: written back while the tree stays as opened
  std::size_t at = 0;
};

struct Reading {
  State state;
  LineFrame frame;
  FolderPart source, target;
};
Reading Read(std::string_view line);
void KeepSource(Reading& reading);
void KeepTarget(Reading& reading);

// Why "Hinzufügen" cannot make a line of what the dialog shows, in German
// for the notice line; empty when it can.
std::string Refusal(const State& state, const Reading& from = {});
// What the line will delete while /MIR, /PURGE, /MOV or /MOVE is ticked;
// empty otherwise.
std::string Deletions(const State& state, const Reading& from = {});

std::string Build(const State& state, const Reading& from = {});

// A line's arguments as robocopy gets them: cmd.exe has taken its carets
// outside quotes and the tail, and robocopy splits the rest as the C
// runtime does.
std::vector<Argument> Arguments(const CommandLine& line);
// Whether the names after `word` are its own: /XF, /XD and /IF.
bool TakesNames(std::string_view word);

extern const Model model;

}  // namespace lines::robocopy
