// How a program that is no part of cmd.exe (robocopy) takes its command
// line apart, as the C runtime and CommandLineToArgvW do, and how to write
// an argument so that it comes back whole. cmd.exe itself has read the
// line before (its ^ escapes, its < > | &): these rules apply to what it
// passes on.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "lines/command_line.h"

namespace lines {

// Blanks and tabs part the arguments outside quotes. Backslashes are
// characters, but before a quote: 2n of them give n and the quote opens or
// closes the quoted part, 2n + 1 give n and a quote in the argument. Two
// quotes inside a quoted part give one. `at` is where `text` stands in the
// line. With `carets`, a text of a script's line, cmd.exe's "^x" outside
// quotes stands for "x", as cmd.exe passes it on.
std::vector<Argument> ProgramArguments(std::string_view text, std::size_t at, bool carets = false);

// `argument` as a program reads it back whole: as it is where it holds no
// blank and nothing cmd.exe acts on; otherwise in quotes, the backslashes
// before the closing quote doubled.
std::string QuotedArgument(std::string_view argument);

// A folder as an argument: without its trailing backslash (a quoted "C:\Daten\"
// would end in a quote), a drive's root as "D:\", which needs no quotes.
std::string FolderArgument(std::string_view folder);

}  // namespace lines
