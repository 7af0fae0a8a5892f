// The echo command line: "echo " and the typed text exactly as typed, or
// "echo." for an empty field (a bare "echo" would report the echo state).
#pragma once

#include <string>
#include <string_view>

#include "plugin/unshown_parts.h"

namespace commands {

std::string EchoCommandText(std::string_view typed);

// What the field shows when the dialog opens from a line: the text after
// the word and the blank or mark that ends it ("echo." gives an empty
// field), exactly; the start state for another command's line.
struct EchoLine {
  std::string typed;
  plugin::UnshownParts unshown;
};
EchoLine ReadEchoLine(std::string_view line);

}  // namespace commands
