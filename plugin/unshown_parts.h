// What a dialog opened from a line cannot show: each part is named in a
// notice above the dialog's buttons, so that nothing of the line is lost
// unseen when the user adds it again. No windows.h: the line readers and
// their tests use it too.
#pragma once

#include <string>
#include <vector>

namespace plugin {

struct UnshownPart {
  enum class Kind {
    OtherCommand,   // the line is another command's: none of it is read
    EchoOff,        // the "@" before the command word
    FurtherLine,    // text after a line break
    Unknown,        // a switch or word the dialog has no gadget for
    Pattern,        // an xcopy source pattern other than *.*
    EqualColours,   // color with the same text and background colour
    NoColours,      // color with something other than two colour digits
    MissingDrive,   // a drive the chkdsk list does not have
    MissingFolder,  // a folder the xcopy trees cannot show here
    Redirection,    // from an unquoted < > | or & to the end of the line
  };
  Kind kind;
  std::string text;  // as the line has it

  bool operator==(const UnshownPart&) const = default;
};
using UnshownParts = std::vector<UnshownPart>;

// "Nicht übernommen: " and each part's text in German quotes after its
// kind, in the order of the line, separated by commas; parts of one kind in
// a row name it once. Empty without parts.
std::string NoticeText(const UnshownParts& parts);

}  // namespace plugin
