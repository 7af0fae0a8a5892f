// How cmd.exe reads one line of a script, as far as the dialogs need it:
// what stands before the command word, the word, the words after it, and
// what follows an unquoted < > | or &. The library, the hosts and the tests
// read lines with it. Lines are bytes: code page 1252 in the library,
// UTF-8 in the hosts; only ASCII characters carry meaning here.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace lines {

// The forms of a command word that cmd.exe accepts: the word in any case,
// ending at the line's end; at a blank or one of `taken`, which goes with
// the word (the blank after "title", echo's "." in "echo."); or at one of
// `kept`, which starts the arguments (the "/" in "xcopy/Y").
// An unquoted < > | & ends every word and starts the tail. A `program`
// (not built into cmd.exe) may be named with its ".exe" too.
struct WordForms {
  std::string_view word;
  std::string_view taken;
  std::string_view kept = {};
  bool program = false;
};

// An argument as cmd.exe and the command see it.
struct Argument {
  std::string_view written;  // as the line has it, quotes and carets included
  std::string text;          // quotes removed, "^x" outside quotes read as "x"
  std::size_t at = 0;        // where it starts in the line
  bool quoteOpen = false;    // the line ends inside its quotes

  // As written, an open quote closed: the same argument, which no longer
  // takes in what a line built from it adds after it.
  std::string WrittenWhole() const { return std::string(written) + (quoteOpen ? "\"" : ""); }
};

struct CommandLine {
  bool ours = false;             // the line is this command's
  std::string_view prefix;       // the blanks and an "@" before the word, as written
  bool echoOff = false;          // that "@"
  std::string_view word;         // the word as written, without its mark, with a program's ".exe"
  char mark = '\0';              // the character taken with the word, if any
  std::string_view rest;         // after the word and its mark, to the line's end: echo's and title's text
  std::size_t restAt = 0;        // where `rest` starts
  std::vector<Argument> arguments;  // `rest` up to the tail, in words
  std::string_view tail;         // from an unquoted < > | & (with a stream number) to the line's end,
                                 // with the blanks before it
  std::size_t tailAt = 0;
  std::string_view firstLine;    // up to the first line break
  std::string_view further;      // after it, blanks and breaks trimmed
};

// The line read for the command of `forms`; `ours` is false for a blank
// line and for another command's.
CommandLine ReadCommandLine(std::string_view line, const WordForms& forms);

// Letters A to Z compared without their case, as cmd.exe compares command
// words and the commands their switches.
bool EqualIgnoringCase(std::string_view a, std::string_view b);
bool StartsIgnoringCase(std::string_view text, std::string_view start);

// A word of switches taken apart at each "/": "/S/E" gives "/S" and "/E";
// "/-Y" and "/D:1-2-2025" stay whole.
std::vector<std::string_view> Switches(std::string_view word);

// `text` as cmd.exe passes it on to a program: "^x" outside quotes is "x".
std::string PassedOn(std::string_view text);
// Whether `text` ends in a "^" that no "^" or quote holds: cmd.exe then
// joins the next line to it.
bool JoinsNextLine(std::string_view text);

// "0" to "9" only, at least one.
bool AllDigits(std::string_view text);
// "C:" or "C:\": a drive's root, or its current folder.
bool IsDriveRoot(std::string_view folder);

// The blanks cmd.exe separates words with.
inline constexpr std::string_view Blanks = " \t";
std::string_view TrimmedBlanks(std::string_view text);

}  // namespace lines
