// Opening a dialog from a line of a real script: the line "Hinzufügen"
// gives back without a change, and what the dialog names as not shown.
#include <gtest/gtest.h>

#include "tests/commands/line_again.h"

namespace {

using Kind = plugin::UnshownPart::Kind;

TEST(LineReading, LinesOfRealScripts) {
  struct Case {
    std::string command;
    const char *line, *again;
    plugin::UnshownParts unshown;
  };
  const Case cases[] = {
      {"echo", "  @ECHO  zwei  ", "echo  zwei  ", {{Kind::EchoOff, "@"}}},
      {"echo", "Echo:Text > log.txt", "echo Text > log.txt", {}},  // the field takes it as typed
      {"echo", "echox", "echo.", {{Kind::OtherCommand, "echox"}}},
      {"echo", "echo a\r\necho b\r\n", "echo a", {{Kind::FurtherLine, "echo b"}}},
      {"echo", "  ", "echo.", {}},
      {"title", "title    ", "title    ", {}},  // blanks only: shown, though "Hinzufügen" stays off
      {"color", "color 77", "color 9F", {{Kind::EqualColours, "77"}}},
      {"color", "color 1G", "color 9F", {{Kind::NoColours, "1G"}}},
      {"color", "color 0a 1&cls", "color 0A", {{Kind::Unknown, "1"}, {Kind::Redirection, "&cls"}}},
      {"chkdsk", "CHKDSK /R c:\\ /x/F", "chkdsk C: /f /r /x", {}},
      {"chkdsk", "chkdsk C:\\Daten /L:4096 /f 2>nul", "chkdsk  /f",
       {{Kind::Unknown, "C:\\Daten"}, {Kind::Unknown, "/L:4096"}, {Kind::Redirection, "2>nul"}}},
      {"xcopy", "XCOPY /s/E \"C:\\Eigene Dateien\" d:\\ /-y", "xcopy \"C:\\Eigene Dateien\\*.*\" \"d:\\\" /S /E /-Y", {}},
      {"xcopy", "xcopy \"C:\\Tom & Jerry\\*.*\" \"\"", "xcopy \"C:\\Tom & Jerry\\*.*\" \"\"", {}},
      {"xcopy", "xcopy C:\\Daten\\*.txt D:\\Neu x /Z:5 /exclude: > log.txt", "xcopy \"C:\\Daten\\*.*\" \"D:\\Neu\\\" /EXCLUDE:",
       {{Kind::Pattern, "*.txt"}, {Kind::Unknown, "x"}, {Kind::Unknown, "/Z:5"}, {Kind::Redirection, "> log.txt"}}},
      {"xcopy", "@copy a b", "xcopy \"*.*\" \"\" /D /E /V /Q /H /R /Y", {{Kind::OtherCommand, "@copy a b"}}},
  };
  for (const Case& c : cases) {
    plugin::UnshownParts unshown;
    EXPECT_EQ(testing_lines::Again(c.command, c.line, unshown), c.again) << c.line;
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
