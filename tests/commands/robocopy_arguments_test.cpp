// robocopy takes its command line apart as CommandLineToArgvW does: the
// system itself splits the lines the dialog makes into exactly the intended
// arguments, for every kind of folder, file and name, and splits any text
// as the line model reads it.
#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>

#include "lines/program_arguments.h"
#include "lines/robocopy_line.h"

namespace {

using namespace lines::robocopy;

std::wstring Wide(const std::string& text) {
  std::wstring wide(text.size(), L'\0');
  wide.resize(static_cast<std::size_t>(MultiByteToWideChar(1252, 0, text.data(), static_cast<int>(text.size()),
                                                           wide.data(), static_cast<int>(wide.size()))));
  return wide;
}

// The arguments after the program's name, as Windows splits `line`.
std::vector<std::wstring> SplitByWindows(const std::string& line) {
  int count = 0;
  LPWSTR* arguments = CommandLineToArgvW(Wide(line).c_str(), &count);
  std::vector<std::wstring> split(arguments + 1, arguments + count);
  LocalFree(arguments);
  return split;
}

TEST(RobocopyArguments, WindowsSplitsEveryLineTheDialogMakesIntoTheIntendedArguments) {
  struct Row {
    const char *source, *target, *files;
    std::vector<std::pair<std::size_t, const char*>> options;  // with a field's text
    std::vector<std::wstring> arguments;
  };
  const Row rows[] = {
      {"C:\\", "D:\\", "", {}, {L"C:\\", L"D:\\"}},
      {"C:\\Eigene Dateien\\", "D:\\Tom & Jerry\\", "*.docx \"mein bericht.doc\"", {{E, ""}},
       {L"C:\\Eigene Dateien", L"D:\\Tom & Jerry", L"*.docx", L"mein bericht.doc", L"/E"}},
      {"C:\\100%\\", "E:\\Gr\xFC\xDF" "e\\a^b\\", "", {{Log, "C:\\Log Dateien\\robo.log"}},
       {L"C:\\100%", L"E:\\Gr\u00FC\u00DFe\\a^b", L"/LOG:C:\\Log Dateien\\robo.log"}},
      {"C:\\PROGRA~1\\", "D:\\", "", {{ExcludeFolders, "\"C:\\Alte Daten\\\\\" Temp"}, {ExcludeFiles, "*.tmp"}, {32, "3"}},
       {L"C:\\PROGRA~1", L"D:\\", L"/XF", L"*.tmp", L"/XD", L"C:\\Alte Daten\\", L"Temp", L"/R:3"}},
  };
  for (const Row& row : rows) {
    State state;
    state.source = row.source;
    state.target = row.target;
    state.files = row.files;
    for (const auto& [option, text] : row.options) {
      state.checked[option] = true;
      (Options[option].value == Value::File ? state.logFile : state.values[option]) = text;
    }
    const std::string line = Build(state);
    EXPECT_EQ(SplitByWindows(line), row.arguments) << line;
  }
}

TEST(RobocopyArguments, TheLineModelSplitsAnyTextAsWindowsDoes) {
  for (const char* text : {"\"C:\\Daten\\\" \"D:\\\" /E", "a\\\\b \"c d\"e f\\\\\\\"g", "\"a b\\\\\" c", "\"\" x",
                           "a\"b c\"d \\\\server\\share", "\"C:\\Log Dateien\\\\\" \t /LOG:\"x y.txt\""}) {
    std::vector<std::wstring> model;
    for (const lines::Argument& argument : lines::ProgramArguments(text, 0)) model.push_back(Wide(argument.text));
    EXPECT_EQ(model, SplitByWindows(std::string("robocopy ") + text)) << text;
  }
}

}  // namespace
