// The command lines built from what a user can type or choose: each keeps
// its command word, its quotes and the user's text unchanged.
#include <array>

#include "commands/chkdsk_text.h"
#include "commands/color_text.h"
#include "commands/echo_text.h"
#include "commands/title_text.h"
#include "commands/xcopy_text.h"
#include "tests/fuzz/fuzz_driver.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::string_view first = fuzz::Part(input, 0), second = fuzz::Part(input, 1);

  const std::string echo = commands::EchoCommandText(first);
  FUZZ_CHECK(first.empty() ? echo == "echo." : echo == "echo " + std::string(first));
  FUZZ_CHECK(commands::TitleCommandText(first) == "title " + std::string(first));
  const std::string blankFree = commands::BlankFreeText(first);
  FUZZ_CHECK(blankFree.find(' ') == std::string::npos && blankFree.size() <= first.size());

  std::array<bool, commands::SwitchCount> checked{};
  for (std::size_t i = 0; i < checked.size() && i < size; ++i) checked[i] = data[i] & 1;
  const std::string chkdsk = commands::ChkdskCommandText(first, checked);
  FUZZ_CHECK(chkdsk.rfind("chkdsk ", 0) == 0 && chkdsk.size() <= 7 + 2 + 3 * commands::SwitchCount);

  std::vector<std::string> switches;
  for (std::size_t i = 2; !fuzz::Part(input, i).empty(); ++i) switches.emplace_back(fuzz::Part(input, i));
  const std::string xcopy = commands::XcopyCommandText(first, second, switches);
  std::string expected = "xcopy \"" + std::string(first) + "*.*\" \"" + std::string(second) + "\"";
  for (const std::string& s : switches) expected += " " + s;
  FUZZ_CHECK(xcopy == expected);

  if (size >= 2) {
    const int background = commands::FirstColour + data[0] % 16, text = commands::FirstColour + data[1] % 16;
    const std::string color = commands::ColorCommandText(background, text);
    FUZZ_CHECK(color.size() == 8 && color.rfind("color ", 0) == 0);
  }
  return 0;
}
