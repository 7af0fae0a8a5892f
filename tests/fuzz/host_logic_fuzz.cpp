// The hosts' rules on any script text and any command line: the editor's
// insertion, line breaks and explanations, its recovery copies as found on
// disk, brindle.exe's arguments.
#include <algorithm>
#include <vector>

#include "hosts/brindle/arguments.h"
#include "hosts/brindle_edit/line_insertion.h"
#include "hosts/brindle_edit/recovery_format.h"
#include "hosts/brindle_edit/script_text.h"
#include "hosts/command_names.h"
#include "hosts/script_lines.h"
#include "tests/fuzz/fuzz_driver.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  // Bytes as characters of code page 1252's range, as the editor gets them.
  std::wstring document(input.begin(), input.end());
  for (wchar_t& c : document) c = static_cast<wchar_t>(static_cast<unsigned char>(c));

  const std::wstring line = L"echo x";
  const std::size_t caret = size ? data[0] * document.size() / 255 : 0;
  const brindle_edit::LineInsertion insertion = brindle_edit::InsertLine(document, caret, line);
  FUZZ_CHECK(insertion.position <= document.size());
  std::wstring after = document;
  after.insert(insertion.position, insertion.text);
  FUZZ_CHECK(insertion.caretAfter <= after.size() && insertion.text.find(line) != std::wstring::npos);
  // The user's lines stay whole: the text before and after the insertion is untouched.
  FUZZ_CHECK(after.substr(0, insertion.position) == document.substr(0, insertion.position));

  const std::wstring crlf = brindle_edit::WithCrLf(document);
  for (std::size_t i = 0; i < crlf.size(); ++i) {
    if (crlf[i] == L'\r') FUZZ_CHECK(i + 1 < crlf.size() && crlf[i + 1] == L'\n');
    if (crlf[i] == L'\n') FUZZ_CHECK(i > 0 && crlf[i - 1] == L'\r');
  }
  FUZZ_CHECK(brindle_edit::WithoutMark(input).size() + (brindle_edit::DetectEncoding(input) ==
                                                                brindle_edit::ScriptEncoding::Utf8WithMark ? 3 : 0) ==
             input.size());

  (void)hosts::ExplainLine(document);
  for (const hosts::LineWarning& warning : hosts::WarningsFor(document))
    FUZZ_CHECK(!warning.label.empty() && !warning.explanation.empty());
  // Any text goes to the models and back without loss.
  FUZZ_CHECK(hosts::FromUtf8(hosts::Utf8(document)) == document);

  // A recovery copy read back is the copy written; a copy written reads back.
  if (const std::optional<brindle_edit::RecoveryContent> copy = brindle_edit::DecodeRecovery(input))
    FUZZ_CHECK(brindle_edit::EncodeRecovery(*copy) == input);
  const brindle_edit::RecoveryContent written = {document.substr(0, caret), brindle_edit::ScriptEncoding::ConsoleOem,
                                                 document};
  const auto read = brindle_edit::DecodeRecovery(brindle_edit::EncodeRecovery(written));
  FUZZ_CHECK(read && read->path == written.path && read->text == written.text);
  if (const auto owner = brindle_edit::OwnerOfRecoveryFile(document))
    FUZZ_CHECK(brindle_edit::OwnerOfRecoveryFile(brindle_edit::RecoveryFileName(*owner)) == owner);

  // brindle.exe's command line: the parts of the input, and now and then a
  // line of --edit, a command and the first part, grown to about cmd.exe's limit.
  std::vector<std::string_view> arguments;
  for (std::size_t i = 0; i < 8 && !fuzz::Part(input, i).empty(); ++i) arguments.push_back(fuzz::Part(input, i));
  std::string grown = std::string(hosts::CommandNames[size % hosts::CommandNames.size()]) + " ";
  grown += fuzz::Part(input, 0);
  if (size > 1 && data[size - 1] % 4 == 0) {
    while (grown.size() < hosts::LongestLine + 8) grown += grown;
    grown.resize(hosts::LongestLine - 8 + data[size - 1] % 16);
    arguments.insert(arguments.begin() + data[0] % (arguments.size() + 1), {"--edit", grown});
  }
  const brindle::Arguments parsed = brindle::ParseArguments(arguments);
  if (parsed.mode == brindle::Arguments::Mode::Run) {
    FUZZ_CHECK(!parsed.commands.empty() && parsed.lines.size() == parsed.commands.size());
    const auto& known = hosts::CommandNames;
    for (const std::string& command : parsed.commands)
      FUZZ_CHECK(std::find(known.begin(), known.end(), command) != known.end());
    for (const std::string& line : parsed.lines) FUZZ_CHECK(line.size() <= hosts::LongestLine);
  }
  if (parsed.mode == brindle::Arguments::Mode::Wrong) FUZZ_CHECK(!parsed.problem.empty());
  if (parsed.mode == brindle::Arguments::Mode::LineTooLong) FUZZ_CHECK(parsed.refusedLength > hosts::LongestLine);
  return 0;
}
