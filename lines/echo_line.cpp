#include "lines/echo_line.h"

namespace lines::echo {

namespace {

bool IsBlankMark(char mark) { return mark == ' ' || mark == '\t'; }

// "on" or "off" in any case, blanks around: the display of commands.
std::string_view Switching(std::string_view text) {
  const std::string_view word = TrimmedBlanks(text);
  return EqualIgnoringCase(word, "on") || EqualIgnoringCase(word, "off") ? word : std::string_view();
}

// After "echo " a text of blanks, "on", "off" or "/?" means something else
// than after "echo." : there it is printed as it stands.
bool NeedsMark(std::string_view text) {
  const std::string_view left = text.substr(std::min(text.find_first_not_of(Blanks), text.size()));
  // "echo.2>nul" writes 2 to nul; "echo 2>nul" would redirect stream 2.
  const bool streamAfterBlank = text.size() >= 2 && text[0] >= '0' && text[0] <= '9' && (text[1] == '<' || text[1] == '>');
  return (!text.empty() && TrimmedBlanks(text).empty()) || !Switching(text).empty() || left.starts_with("/?") ||
         streamAfterBlank;
}

}  // namespace

Reading Read(std::string_view line) {
  const CommandLine split = ReadCommandLine(line, Forms);
  Reading read{{}, ReadFrame(split, true)};
  if (!split.ours) return read;
  read.state.text = split.rest;
  if (split.mark && !IsBlankMark(split.mark)) read.mark = split.mark;
  const std::size_t at = split.restAt;
  if ((!split.mark || IsBlankMark(split.mark)) && split.rest.empty())
    read.frame.remarks.Say(at, Wording("wird zu ").Quote("echo.").Words(": leere Zeile statt Echo-Status"));
  else if (read.mark && NeedsMark(split.rest))
    read.frame.remarks.Keep(at - 1, Wording().Quote(split.rest.empty() ? "echo." : std::string("echo") + read.mark)
                                        .Words(" vor dem Text"));
  else if (const std::string_view switching = Switching(split.rest); !read.mark && !switching.empty())
    read.frame.remarks.Say(at, Wording().Quote("echo " + std::string(switching))
                                   .Words(EqualIgnoringCase(switching, "on") ? " schaltet die Befehlsanzeige ein"
                                                                              : " schaltet die Befehlsanzeige aus"));
  return read;
}

std::string Build(const State& state, const Reading& from) {
  if (state.text.empty()) return from.frame.Around("echo.");
  const bool keepMark = from.mark && state.text == from.state.text && NeedsMark(state.text);
  return from.frame.Around((keepMark ? std::string("echo") + from.mark : std::string("echo ")) + state.text);
}

}  // namespace lines::echo
