// What every command's reading has around the command's own parts: what
// stands before the word and after the arguments, and the words the dialog
// has no gadget for. All of it goes back into the line as it stood, and is
// named in the notice; text after a line break cannot, and is named too.
#pragma once

#include <string>
#include <string_view>

#include "lines/command_line.h"
#include "lines/remarks.h"

namespace lines {

struct LineFrame {
  bool ours = false;
  std::string prefix;  // the blanks and "@" before the word
  std::string kept;    // words written back as they stood, each after a blank
  std::string tail;    // the redirection or chain after the arguments
  Remarks remarks;

  // The command's own text between what stood before and after it.
  std::string Around(std::string_view command) const;
  // Writes `argument` back as it stood and names it, after `label` when there is one.
  void Keep(const Argument& argument, std::string_view label = {});
  // The same for a switch glued to others in one word ("/zz" of "/f/zz").
  void KeepSwitch(std::string_view given, std::size_t at);
};

// The frame of the line `split`, read for a command whose `textToEnd` (echo,
// title) takes everything after its word, redirections included, as text.
// Another command's line is named as not taken over.
LineFrame ReadFrame(const CommandLine& split, bool textToEnd);

}  // namespace lines
