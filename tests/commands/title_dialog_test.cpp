// The title dialog: "Hinzufügen" only while the field holds more than blanks.
#include <gtest/gtest.h>

#include <windows.h>

#include "tests/support/library_host.h"
#include "tests/support/user_input.h"

namespace {

using namespace support;

TEST(TitleDialog, AddFollowsTheBlankFreeRule) {
  LoadedLibrary library;
  const CommandResult result = library.Call(Title, [](HWND dialog) {
    auto addEnabled = [&](bool enabled) { return WaitUntil([&] { return Enabled(dialog, Title.add) == enabled; }); };
    EXPECT_TRUE(addEnabled(false)) << "disabled at the start";
    TypeInto(dialog, TextField, "   ");
    EXPECT_TRUE(addEnabled(false)) << "only blanks";
    TypeInto(dialog, TextField, "x");
    EXPECT_TRUE(addEnabled(true)) << "blanks and an x";
    PressKey(VK_BACK);
    EXPECT_TRUE(addEnabled(false)) << "the x deleted again";
    TypeInto(dialog, TextField, "Grüße ");
    ClickGadget(dialog, Title.add);
  });
  EXPECT_EQ(result.text, "title    Grüße ") << "every blank and the umlauts kept";
}

}  // namespace
