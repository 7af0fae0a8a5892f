// The line "Hinzufügen" gives back, without a change, after the dialog of
// `command` read `line`, and what the dialog named as not shown: the round
// trip that the line readers' tables and fuzz target check.
#pragma once

#include "commands/chkdsk_text.h"
#include "commands/color_text.h"
#include "commands/echo_text.h"
#include "commands/title_text.h"
#include "commands/xcopy_text.h"

namespace testing_lines {

inline std::string Again(std::string_view command, std::string_view line, plugin::UnshownParts& unshown) {
  using namespace commands;
  auto built = [&](auto read, auto build) {
    unshown = read.unshown;
    return build(read);
  };
  if (command == "echo") return built(ReadEchoLine(line), [](const EchoLine& r) { return EchoCommandText(r.typed); });
  if (command == "title") return built(ReadTitleLine(line), [](const TitleLine& r) { return TitleCommandText(r.typed); });
  if (command == "color")
    return built(ReadColorLine(line), [](const ColorLine& r) { return ColorCommandText(r.backgroundIndex, r.textIndex); });
  if (command == "chkdsk")
    return built(ReadChkdskLine(line), [](const ChkdskLine& r) { return ChkdskCommandText(r.drive, r.checked); });
  return built(ReadXcopyLine(line), [](const XcopyLine& r) {
    std::vector<std::string> switches;
    for (std::size_t i = 0; i < XcopySwitchCount; ++i)
      if (r.checked[i]) switches.emplace_back(XcopySwitches[i]);
    return XcopyCommandText(r.source, r.target, switches);
  });
}

}  // namespace testing_lines
