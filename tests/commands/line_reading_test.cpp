// Opening a dialog from a line of a real script: what each reader takes
// from it, and what it names as not shown.
#include <gtest/gtest.h>

#include "commands/chkdsk_text.h"
#include "commands/color_text.h"
#include "commands/echo_text.h"
#include "commands/title_text.h"
#include "commands/xcopy_text.h"

namespace {

using namespace commands;
using Kind = plugin::UnshownPart::Kind;
using plugin::UnshownParts;

// The checked boxes' switches, each after a blank.
template <std::size_t N>
std::string Switches(const std::array<bool, N>& checked, const std::array<const char*, N>& texts) {
  std::string named;
  for (std::size_t i = 0; i < N; ++i)
    if (checked[i]) named.append(texts[i][0] == ' ' ? "" : " ").append(texts[i]);
  return named;
}

// What the dialog of `command` shows after reading `line`, as one text.
std::string Shown(const std::string& command, const char* line, UnshownParts& unshown) {
  if (command == "echo" || command == "title") {
    const EchoLine echo = ReadEchoLine(line);
    const TitleLine title = ReadTitleLine(line);
    unshown = command == "echo" ? echo.unshown : title.unshown;
    return "[" + (command == "echo" ? echo.typed : title.typed) + "]";
  }
  if (command == "color") {
    const ColorLine color = ReadColorLine(line);
    unshown = color.unshown;
    return ColorCommandText(color.backgroundIndex, color.textIndex);
  }
  if (command == "chkdsk") {
    const ChkdskLine chkdsk = ReadChkdskLine(line);
    unshown = chkdsk.unshown;
    return chkdsk.drive + Switches(chkdsk.checked, SwitchTexts);
  }
  const XcopyLine xcopy = ReadXcopyLine(line);
  unshown = xcopy.unshown;
  return xcopy.source + "|" + xcopy.target + "|" + Switches(xcopy.checked, XcopySwitches);
}

TEST(LineReading, LinesOfRealScripts) {
  struct Case {
    std::string command;
    const char* line;
    std::string shown;
    UnshownParts unshown;
  };
  const Case cases[] = {
      {"echo", "echo Hallo Welt", "[Hallo Welt]", {}},
      {"echo", "  @ECHO  zwei  ", "[ zwei  ]", {{Kind::EchoOff, "@"}}},
      {"echo", "echo.", "[]", {}},
      {"echo", "Echo:Text > log.txt", "[Text > log.txt]", {}},  // the field takes it as typed
      {"echo", "echox", "[]", {{Kind::OtherCommand, "echox"}}},
      {"echo", "echo a\r\necho b\r\n", "[a]", {{Kind::FurtherLine, "echo b"}}},
      {"echo", "  ", "[]", {}},
      {"title", "TITLE  Build ", "[ Build ]", {}},
      {"title", "title    ", "[   ]", {}},  // blanks only: shown, "Hinzufügen" stays off
      {"title", "title\tNacht", "[Nacht]", {}},
      {"title", "echo Nacht", "[]", {{Kind::OtherCommand, "echo Nacht"}}},
      {"color", "COLOR  1f ", "color 1F", {}},
      {"color", "color 77", "color 9F", {{Kind::EqualColours, "77"}}},
      {"color", "color 1G", "color 9F", {{Kind::NoColours, "1G"}}},
      {"color", "color", "color 9F", {}},
      {"color", "color 0a 1&cls", "color 0A", {{Kind::Unknown, "1"}, {Kind::Redirection, "&cls"}}},
      {"chkdsk", "CHKDSK /R c: /F", "C: /f /r", {}},
      {"chkdsk", "chkdsk d:\\ /x/F", "D: /f /x", {}},
      {"chkdsk", "chkdsk C: /f /l", "C: /f /l", {}},  // /l freezes the /f box with its mark
      {"chkdsk", "chkdsk  /v", " /v", {}},
      {"chkdsk", "chkdsk C:\\Daten /L:4096 /f 2>nul", " /f",
       {{Kind::Unknown, "C:\\Daten"}, {Kind::Unknown, "/L:4096"}, {Kind::Redirection, "2>nul"}}},
      {"xcopy", "xcopy \"C:\\Daten\\*.*\" \"D:\\Sicherung\\\" /D /E /V /Q /H /R /Y",
       "C:\\Daten\\|D:\\Sicherung\\| /D /E /V /Q /H /R /Y", {}},
      {"xcopy", "XCOPY C:\\Daten D:\\Sicherung /y /e", "C:\\Daten\\|D:\\Sicherung\\| /E /Y", {}},
      {"xcopy", "xcopy /s/E \"C:\\Eigene Dateien\" d:\\ /-y", "C:\\Eigene Dateien\\|d:\\| /S /E /-Y", {}},
      {"xcopy", "xcopy \"C:\\Tom & Jerry\\*.*\" \"\"", "C:\\Tom & Jerry\\||", {}},
      {"xcopy", "xcopy C:\\Daten\\*.txt D:\\Neu\\ x /Z:5 /exclude: > log.txt", "C:\\Daten\\|D:\\Neu\\| /EXCLUDE:",
       {{Kind::Pattern, "*.txt"}, {Kind::Unknown, "x"}, {Kind::Unknown, "/Z:5"}, {Kind::Redirection, "> log.txt"}}},
      {"xcopy", "@copy a b", "|| /D /E /V /Q /H /R /Y", {{Kind::OtherCommand, "@copy a b"}}},
  };
  for (const Case& c : cases) {
    UnshownParts unshown;
    EXPECT_EQ(Shown(c.command, c.line, unshown), c.shown) << c.line;
    EXPECT_EQ(plugin::NoticeText(unshown), plugin::NoticeText(c.unshown)) << c.line;
  }
}

TEST(LineReading, TheNoticeNamesEachPartWithItsKind) {
  EXPECT_EQ(plugin::NoticeText({}), "");
  EXPECT_EQ(plugin::NoticeText({{Kind::Redirection, ">nul"}, {Kind::Unknown, "/Z:5"}, {Kind::Unknown, "/B"},
                                {Kind::MissingFolder, "D:\\Neu\\"}}),
            "Nicht übernommen: unbekannt „/Z:5“, „/B“, Ordner fehlt „D:\\Neu\\“, Umleitung „>nul“");
}

}  // namespace
