// Each command's line model: a line a dialog makes comes back byte for
// byte and opens without a notice; a line of an old script comes back with
// its meaning, or the notice names what changes; every host opens the same
// lines.
#include <gtest/gtest.h>

#include "hosts/brindle/arguments.h"
#include "hosts/script_lines.h"
#include "lines/chkdsk_line.h"
#include "lines/color_line.h"
#include "lines/echo_line.h"
#include "lines/robocopy_line.h"
#include "lines/title_line.h"
#include "lines/xcopy_line.h"

namespace {

using namespace lines;

// The machine the dialogs open on here: its drive list holds C: and D:, and
// its trees show every folder but D:\Neu.
constexpr std::string_view ListedDrives = "CD";
bool TreeShows(const std::string& folder) { return folder != "D:\\Neu\\"; }

// The dialog of `command` opened from `line`: its line when "Hinzufügen" is
// pressed at once (empty when it makes none) and its notice.
std::pair<std::string, std::string> AddedAtOnce(std::string_view command, std::string_view line,
                                                std::string_view listed = ListedDrives) {
  auto unchanged = [](const auto& reading, std::string built) {
    return std::pair{std::move(built), reading.frame.remarks.Notice().Text()};
  };
  if (command == "echo") {
    const echo::Reading r = echo::Read(line);
    return unchanged(r, echo::Build(r.state, r));
  }
  if (command == "title") {
    const title::Reading r = title::Read(line);
    return unchanged(r, title::BlankFreeText(r.state.text).empty() ? "" : title::Build(r.state, r));
  }
  if (command == "color") {
    const color::Reading r = color::Read(line);
    return unchanged(r, color::Build(r.state, r));
  }
  if (command == "chkdsk") {
    chkdsk::Reading r = chkdsk::Read(line);
    chkdsk::ShowDrive(r, listed);
    return unchanged(r, chkdsk::Build(r.state, r));
  }
  if (command == "robocopy") {
    robocopy::Reading r = robocopy::Read(line);
    if (!r.state.source.empty() && !TreeShows(r.state.source)) robocopy::KeepSource(r);
    if (!r.state.target.empty() && !TreeShows(r.state.target)) robocopy::KeepTarget(r);
    return unchanged(r, robocopy::Refusal(r.state, r).empty() ? robocopy::Build(r.state, r) : "");
  }
  xcopy::Reading r = xcopy::Read(line);
  if (!r.state.source.empty() && !TreeShows(r.state.source)) xcopy::KeepSource(r);
  if (!r.state.target.empty() && !TreeShows(r.state.target)) xcopy::KeepTarget(r);
  return unchanged(r, xcopy::CanAdd(r.state, r) ? xcopy::Build(r.state, r) : "");
}

TEST(LineModels, ALineADialogMakesComesBackAsItIsWithoutANotice) {
  using Boxes = std::array<bool, chkdsk::BoxCount>;
  std::array<bool, xcopy::BoxCount> none{}, exclude{};
  exclude[3] = true;
  const std::pair<const char*, std::string> made[] = {
      {"echo", echo::Build({""})},
      {"echo", echo::Build({"  "})},
      {"echo", echo::Build({" Grüße & <x> | 100% "})},
      {"title", title::Build({" x "})},
      {"color", color::Build({})},
      {"color", color::Build({1, 16})},
      {"color", color::Build({11, 12})},
      {"chkdsk", chkdsk::Build({"C:", {}})},
      {"chkdsk", chkdsk::Build({"D:", Boxes{true, true, true, true, true, true, false}})},
      {"chkdsk", chkdsk::Build({"D:", Boxes{true, true, true, true, true, true, true}})},
      {"chkdsk", chkdsk::Build({"", Boxes{true}})},
      {"xcopy", xcopy::Build({"C:\\Daten\\", "D:\\Sicherung\\"})},
      {"xcopy", xcopy::Build({"C:\\", "D:\\Sicherung\\", none})},
      {"xcopy", xcopy::Build({"C:\\Tom & Jerry\\", "", exclude})},
      {"xcopy", xcopy::Build({"", "D:\\", none})},
  };
  const char* const expected[] = {
      "echo.", "echo   ", "echo  Grüße & <x> | 100% ", "title  x ", "color 9F", "color 0F", "color AB", "chkdsk C:",
      "chkdsk D: /f /v /r /x /i /c", "chkdsk D: /l", "chkdsk  /f",
      "xcopy \"C:\\Daten\\*.*\" \"D:\\Sicherung\\\" /D /E /V /Q /H /R /Y", "xcopy \"C:\\*.*\" \"D:\\Sicherung\\\"",
      "xcopy \"C:\\Tom & Jerry\\*.*\" \"\" /EXCLUDE:", "xcopy \"*.*\" \"D:\\\""};
  for (std::size_t i = 0; i < std::size(made); ++i) {
    const auto& [command, line] = made[i];
    EXPECT_EQ(line, expected[i]);
    // A dialog whose list had no drive made a line without one.
    const auto [again, notice] = AddedAtOnce(command, line, line.starts_with("chkdsk  ") ? "" : ListedDrives);
    EXPECT_EQ(again, line);
    EXPECT_EQ(notice, "") << line;
  }
}

TEST(LineModels, ALineOfAnOldScriptKeepsItsMeaningOrTheNoticeSaysWhatChanges) {
  struct Row {
    const char *command, *line, *again, *notice;
  };
  const Row rows[] = {
      {"echo", "  @ECHO  zwei  ", "  @echo  zwei  ", "Bleibt: „@“"},
      {"echo", "Echo:Text > log.txt", "echo Text > log.txt", ""},  // echo's text takes the redirection
      {"echo", "echo", "echo.", "Wird zu „echo.“: leere Zeile statt Echo-Status"},
      {"echo", "echo.off", "echo.off", "Bleibt: „echo.“ vor dem Text"},
      {"echo", "echo off", "echo off", "„echo off“ schaltet die Befehlsanzeige aus"},
      {"echo", "echo(   ", "echo(   ", "Bleibt: „echo(“ vor dem Text"},
      {"echo", "echo a\r\necho b\r\n", "echo a", "Weitere Zeile „echo b“ entfällt"},
      {"title", "echo x", "", "Anderer Befehl „echo x“: nichts übernommen"},
      {"title", "title\tNacht & Tag", "title Nacht & Tag", ""},
      {"color", "color", "color 9F", "Ohne Farben in der Zeile: 9F gewählt"},
      {"color", "color 1", "color 01", ""},
      {"color", "@color 77", "@color 9F", "Gleiche Farben „77“: 9F gewählt; bleibt: „@“"},
      {"color", "color 1G", "color 9F", "Keine Farben „1G“: 9F gewählt"},
      {"color", "color 0a 1&cls", "color 0A 1&cls", "Bleibt: „1“, Folgebefehl „&cls“"},
      {"color", "color 2>nul", "color 9F 2>nul", "Ohne Farben in der Zeile: 9F gewählt; bleibt: Umleitung „2>nul“"},
      {"echo", "echo.2>nul", "echo.2>nul", "Bleibt: „echo.“ vor dem Text"},  // 2 is text, not a stream
      {"color", "color/?", "color 9F /?", "Ohne Farben in der Zeile: 9F gewählt; bleibt: „/?“"},
      {"chkdsk", "chkdsk C: /f /l", "chkdsk C: /l", "/f entfällt, solange /l gewählt ist"},
      {"chkdsk", "chkdsk/r /f", "chkdsk C: /f /r", "Ohne Laufwerk in der Zeile: C: gewählt"},
      {"chkdsk", "CHKDSK.EXE /R c:\\ /x/F", "chkdsk C: /f /r /x", ""},
      {"chkdsk", "chkdsk q: /L:4096 /x/b 2>nul", "chkdsk q: /l:4096 /b 2>nul",
       "/x entfällt, solange /l gewählt ist; bleibt: Laufwerk „q:“ (fehlt hier), „/L:4096“, „/b“, Umleitung „2>nul“"},
      {"chkdsk", "chkdsk C: /f \"/x  a\"/r", "chkdsk C: /f \"/x  a\"/r", "Bleibt: „\"/x  a\"/r“"},  // one argument
      {"chkdsk", "chkdsk C:\\Daten /f C:", "chkdsk C:\\Daten /f C:", "Bleibt: Datenträger „C:\\Daten“, „C:“"},
      {"xcopy", "xcopy C: D: /E", "xcopy C: D: /E", "Bleibt: Quelle „C:“, Ziel „D:“"},
      {"xcopy", "xcopy C:\\Daten D:\\Neu /i /s", "xcopy \"C:\\Daten\\*.*\" D:\\Neu /S /I",
       "Bleibt: Ziel „D:\\Neu“ (fehlt hier)"},
      {"xcopy", "XCOPY/s/E \"C:\\Eigene Dateien\" D:\\ /-y", "xcopy \"C:\\Eigene Dateien\\*.*\" \"D:\\\" /S /E /-Y", ""},
      {"xcopy", "xcopy C:\\Daten\\*.txt \"D:\\Neu\" x /Z:5 /exclude:liste.txt /d:12-31-2025 | more",
       "xcopy \"C:\\Daten\\*.txt\" \"D:\\Neu\" /D:12-31-2025 /EXCLUDE:liste.txt x /Z:5 | more",
       "Bleibt: Muster „*.txt“, Ziel „D:\\Neu“ (fehlt hier), „x“, „/Z:5“, „/exclude:liste.txt“, "
       "„/d:12-31-2025“, Weiterleitung „| more“"},
      {"xcopy", "xcopy %QUELLE% ..\\Ziel /y", "xcopy %QUELLE% ..\\Ziel /Y", "Bleibt: Quelle „%QUELLE%“, Ziel „..\\Ziel“"},
      {"xcopy", "xcopy C:\\Tom^&Jerry\\*.txt D:\\", "xcopy \"C:\\Tom&Jerry\\*.txt\" \"D:\\\"", "Bleibt: Muster „*.txt“"},
      {"xcopy", "xcopy a^&b.txt \"\"", "xcopy a^&b.txt \"\"", "Bleibt: Quelle „a&b.txt“"},
      {"xcopy", "@copy a b", "", "Anderer Befehl „@copy a b“: nichts übernommen"},
      {"robocopy", "ROBOCOPY.EXE \"C:\\Eigene Dateien\\\\\" D:\\ *.docx /s /e /r:3 /COPY:DAT /XF *.tmp \"a b.bak\" /JOB:nacht",
       "robocopy \"C:\\Eigene Dateien\" D:\\ *.docx /E /XF *.tmp \"a b.bak\" /R:3 /COPY:DAT /JOB:nacht",
       "Bleibt: „/COPY:DAT“, „/JOB:nacht“"},
      {"robocopy", "robocopy C:\\Tom^&Jerry D:\\ /e", "robocopy \"C:\\Tom&Jerry\" D:\\ /E", ""},
      {"robocopy", "robocopy \"C:\\Daten\\\" \"D:\\\" /MIR", "",
       "„\"C:\\Daten\\\" \"D:\\\"“ liest robocopy als „C:\\Daten\" D:\"“: das \\ vor dem Anführungszeichen hebt es auf; "
       "bleibt: Quelle „C:\\Daten\" D:\"“"},
      {"robocopy", "robocopy C:\\Daten D:\\Neu C:\\Andere /MOV /MOVE /IF a.txt b.txt > log.txt",
       "robocopy C:\\Daten D:\\Neu C:\\Andere /MOV /MOVE /IF a.txt b.txt > log.txt",
       "„C:\\Andere“ ist für robocopy ein Dateimuster, kein Ordner; bleibt: Ziel „D:\\Neu“ (fehlt hier), „/MOVE“, "
       "„/IF“, „a.txt“, „b.txt“, Umleitung „> log.txt“"},
  };
  for (const Row& row : rows) {
    const auto [again, notice] = AddedAtOnce(row.command, row.line);
    EXPECT_EQ(again, row.again) << row.line;
    EXPECT_EQ(notice, row.notice) << row.line;
  }
}

// The library's dialogs, BrindleEdit (Ctrl+E, a double click) and
// brindle --edit open exactly the same lines.
TEST(LineModels, EveryHostOpensTheSameLines) {
  const std::pair<const char*, const char*> rows[] = {
      {"echo x", "echo"},        {"ECHO.", "echo"},         {"echo:", "echo"},     {"echo(", "echo"},
      {"echo/", "echo"},         {" \t@ echo off", "echo"}, {"echo>nul", "echo"},  {"echo", "echo"},
      {"echoes", nullptr},       {"title x", "title"},      {"title", "title"},    {"titles", nullptr},
      {"title/?", nullptr},      {"color/?", "color"},      {"COLOR 1f", "color"}, {"color&cls", "color"},
      {"chkdsk/f", "chkdsk"},    {"chkdsk.exe c:", "chkdsk"}, {"chkdsk.exec", nullptr},
      {"xcopy/s a b", "xcopy"},  {"Xcopy.Exe a b", "xcopy"}, {"xcopy", "xcopy"},   {"xcopyy a", nullptr},
      {"robocopy/?", "robocopy"}, {"@RoboCopy.exe a b /mir", "robocopy"}, {"robocopyx", nullptr},
      {"rem xcopy a b", nullptr}, {":: echo", nullptr},     {"x copy", nullptr},   {"", nullptr},
      {"   ", nullptr},
  };
  for (const auto& [line, command] : rows) {
    const Model* model = ModelOf(line);
    EXPECT_EQ(model ? model->forms.word : "", command ? command : "") << line;
    const hosts::LineCommand editor = hosts::CommandOfLine(hosts::FromCodePage1252(line));
    EXPECT_EQ(editor.command ? std::string_view(editor.command) : "", command ? command : "") << line;
    const brindle::Arguments brindle = brindle::ParseArguments({"--edit", line});
    EXPECT_EQ(brindle.mode == brindle::Arguments::Mode::Run ? brindle.commands[0] : "", command ? command : "") << line;
    const std::pair<const char*, bool> library[] = {
        {"chkdsk", chkdsk::Read(line).frame.ours}, {"color", color::Read(line).frame.ours},
        {"echo", echo::Read(line).frame.ours},     {"title", title::Read(line).frame.ours},
        {"xcopy", xcopy::Read(line).frame.ours},   {"robocopy", robocopy::Read(line).frame.ours}};
    for (const auto& [dialog, opens] : library)
      EXPECT_EQ(opens, command && std::string_view(command) == dialog) << dialog << ": " << line;
  }
}

// The colours are pinned on screen and on the help page.
TEST(LineModels, TheFileSystemsChkdskChecksAndTheBlankFreeRule) {
  for (const char* name : {"NTFS", "FAT", "FAT32"}) EXPECT_TRUE(chkdsk::AcceptedFileSystem(name)) << name;
  for (const char* name : {"exFAT", "ntfs", "Fat", "FAT32 ", " FAT", "FAT3", "CDFS", ""})
    EXPECT_FALSE(chkdsk::AcceptedFileSystem(name)) << '"' << name << '"';
  EXPECT_FALSE(chkdsk::AcceptedFileSystem(std::string(260, ' '))) << "a failed query's blanks";
  EXPECT_EQ(chkdsk::DriveListItem('E', ""), "E:\\ ");
  for (const auto& [text, rest] : {std::pair{"     ", ""}, {" x ", "x"}, {"\t", "\t"}, {"\xA0", "\xA0"}})
    EXPECT_EQ(title::BlankFreeText(text), rest) << '"' << text << '"';
}

}  // namespace
