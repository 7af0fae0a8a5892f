#include "lines/line_frame.h"

namespace lines {

namespace {

// What a tail does: "| more" passes the output on, "& cls" runs a further
// command, everything else redirects.
std::string_view TailLabel(std::string_view tail) {
  switch (tail.empty() ? '\0' : tail[0]) {
    case '|': return tail.size() > 1 && tail[1] == '|' ? "Folgebefehl " : "Weiterleitung ";
    case '&': return "Folgebefehl ";
    default: return "Umleitung ";
  }
}

}  // namespace

std::string LineFrame::Around(std::string_view command) const {
  std::string line = prefix;
  line.append(command).append(kept);
  // A stream's number ("2>nul") stands as a word of its own, or it would
  // join the word before it.
  if (!tail.empty() && tail[0] >= '0' && tail[0] <= '9') line.append(" ");
  return line.append(tail);
}

void LineFrame::Keep(const Argument& argument, std::string_view label) {
  kept.append(" ").append(argument.WrittenWhole());
  remarks.Keep(argument.at, Wording(label).Quote(argument.written));
}

void LineFrame::KeepSwitch(std::string_view given, std::size_t at) {
  kept.append(" ").append(given);
  remarks.Keep(at, Wording().Quote(given));
}

LineFrame ReadFrame(const CommandLine& split, bool textToEnd) {
  LineFrame frame;
  frame.ours = split.ours;
  if (!split.ours) {
    if (const std::string_view first = TrimmedBlanks(split.firstLine); !first.empty())
      frame.remarks.Say(0, Wording("anderer Befehl ").Quote(first).Words(": nichts übernommen"));
  } else {
    frame.prefix = split.prefix;
    if (split.echoOff) frame.remarks.Keep(split.prefix.find('@'), Wording().Quote("@"));
    if (!textToEnd && !split.tail.empty()) {
      frame.tail = split.tail;
      const std::string_view shown = TrimmedBlanks(split.tail);
      frame.remarks.Keep(split.tailAt, Wording(TailLabel(shown)).Quote(shown));
    }
  }
  if (!split.further.empty())
    frame.remarks.Say(split.firstLine.size(), Wording("weitere Zeile ").Quote(split.further).Words(" entfällt"));
  return frame;
}

}  // namespace lines
