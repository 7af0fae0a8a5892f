// What the editor's trial run ("Befehle > Probelauf", F6) does with the
// line under the caret, before any window shows it: an xcopy or robocopy
// line is started with /L (lines/trial_run.h), unless it must not be; a
// chkdsk line names its drive; a color line its two colours; an echo or
// title line the text cmd.exe would show. The line's % references are
// filled in first, as cmd.exe reads a script: set variables with their
// values, %% as %, %~dp0 and its kin from the script's path. No windows.h.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brindle_edit {

// What a trial run knows of the script and the system.
struct TrialContext {
  std::wstring scriptPath;  // empty for a script never saved
  std::wstring folder;      // where the line runs, with its backslash: the script's, or where the editor started
  // A variable's value as cmd.exe fills it in; none when it is not set.
  std::function<std::optional<std::wstring>(std::wstring_view name)> variable;
};

struct TrialPlan {
  enum class Kind { None, Refused, Listing, Drive, Colours, Text };
  Kind kind = Kind::None;  // None: a line of no command the editor knows
  std::wstring command;    // the command's word: "xcopy"
  std::wstring refusal;    // Refused: why nothing is started
  // Listing: the program as the line names it, what it gets after its
  // name, and each change made for the run.
  std::wstring program, arguments;
  std::vector<std::wstring> changes;
  std::wstring target;  // the target folder as the line names it
  bool robocopy = false;
  bool deletesExtras = false;  // robocopy's /MIR or /PURGE without /XX
  // Drive: the drive chkdsk would check ("C:"), and its switches that need it to themselves.
  std::wstring drive;
  std::vector<std::wstring> locking;
  // Colours: background and text as colour indexes of lines::color, 0 for none.
  int background = 0, text = 0;
  // Text: what echo prints or title shows, with what is not set marked ‹…›,
  // and a sentence for each mark; notes on the line's other parts.
  std::wstring shown;
  std::vector<std::wstring> notes;
};
TrialPlan PlanTrial(std::wstring_view line, const TrialContext& context);

// Where cmd.exe looks for the program a line names, in its order: a word
// with a folder as it stands; otherwise `folder`, then each folder of
// `path`, the word with each extension of `pathExt` (unless it has one of
// them already).
std::vector<std::wstring> ProgramCandidates(std::wstring_view word, std::wstring_view folder, std::wstring_view path,
                                            std::wstring_view pathExt);
// Whether a found program is one (".exe", ".com"), not a script that would run instead.
bool IsProgramFile(std::wstring_view path);

}  // namespace brindle_edit
