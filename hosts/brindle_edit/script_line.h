// A line of a command script taken apart as cmd.exe reads it: the command
// word, what follows it, and its blank-separated words.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace brindle_edit {

struct ScriptLine {
  std::wstring word;             // lower case, without an "@" in front
  std::wstring_view wordText;    // the word as written, with echo's mark ("echo.")
  std::wstring_view rest;        // from the word to the end of the line
  std::wstring_view arguments;   // after the one blank that ends the word, blanks kept
  bool blankAfterWord = false;   // that blank is there, even with nothing after it
};

// "echo." and "echo:" name the echo command too: `word` is then "echo" and
// `wordText` keeps the mark and what follows it up to the first blank.
ScriptLine SplitLine(std::wstring_view line);

// The text after echo's or title's command word, as cmd prints or shows it.
std::wstring_view CommandText(const ScriptLine& line);

// The text in German quotes („…“); a long one shortened with "…", so that a
// status line or a tip shows it whole.
std::wstring Quoted(std::wstring_view text);

std::wstring Lower(std::wstring_view text);
std::wstring_view Trimmed(std::wstring_view text);
// Blank-separated words; a double-quoted part belongs to its word, quotes removed.
std::vector<std::wstring> Words(std::wstring_view text);

}  // namespace brindle_edit
