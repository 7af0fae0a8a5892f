// Where cmd.exe reads the text of an echo or title line, or any line of a
// script, otherwise than it looks.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "lines/line_model.h"

namespace lines {

// & | < > ^ in a text that no ^ escapes and no quotes hold.
void WarnAboutSpecials(std::string_view text, Warnings& warnings);

// A % of a script's line as cmd.exe reads it before anything else.
struct PercentReference {
  enum class Kind {
    Percent,    // "%%": one %
    Parameter,  // the script's own: %0 to %9, %*, %~dp0
    Variable,   // %NAME%, %PFAD:~0,2%, %PFAD:alt=neu%
    Lone,       // any other %: it swallows the text up to the next %
  };
  Kind kind;
  std::size_t at = 0, length = 0;  // the reference in the text, its % signs included
  std::string_view name;           // a variable's name; a parameter without its %: "1", "~dp0"
  std::string_view edit;           // what follows a variable's name: ":~0,2", ":alt=neu"
};
// Every % of `text` in its order; a variable's name holds no blanks or quotes.
std::vector<PercentReference> PercentReferences(std::string_view text);

// A % that starts a variable swallowing the text after it: every % but
// %%, %0 to %9, %*, %~ and %NAME%.
bool HasLonePercent(std::string_view text);

}  // namespace lines
