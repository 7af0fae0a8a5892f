// The color dialog: stepping through the sixteen console colours, the
// equality rule, and the swatches as the screen shows them.
#include <gtest/gtest.h>

#include <windows.h>

#include "tests/support/library_host.h"
#include "tests/support/user_input.h"

namespace {

using namespace support;

constexpr int TextBack = 3, TextSwatch = 4, TextOn = 5, BackBack = 6, BackSwatch = 7, BackOn = 8;

// The console's sixteen colours, by colour index 1 to 16 (digits 0 to F).
constexpr COLORREF ConsoleColours[16] = {
    RGB(0, 0, 0),       RGB(0, 0, 128),   RGB(0, 128, 0),   RGB(0, 128, 128),
    RGB(128, 0, 0),     RGB(128, 0, 128), RGB(128, 128, 0), RGB(192, 192, 192),
    RGB(128, 128, 128), RGB(0, 0, 255),   RGB(0, 255, 0),   RGB(0, 255, 255),
    RGB(255, 0, 0),     RGB(255, 0, 255), RGB(255, 255, 0), RGB(255, 255, 255),
};

// The one colour inside a swatch's black frame on screen, or CLR_INVALID.
COLORREF Shown(HWND dialog, int swatch) {
  HWND control = GetDlgItem(dialog, swatch);
  HDC dc = GetDC(control);
  const COLORREF inside = GetPixel(dc, 1, 1);
  bool shown = GetPixel(dc, 0, 0) == 0 && GetPixel(dc, 19, 19) == 0;
  for (int y = 1; y < 19 && shown; ++y)
    for (int x = 1; x < 19 && shown; ++x) shown = GetPixel(dc, x, y) == inside;
  ReleaseDC(control, dc);
  return shown ? inside : CLR_INVALID;
}

// The background steps from 10 down to 1 and up to 16, the text from 16
// down to 1, each showing its console colour; the arrow at each end is
// disabled, so nothing wraps; equal colours cannot be added.
TEST(ColorDialog, BothRowsStepThroughTheSixteenColoursWithoutWrapping) {
  LoadedLibrary library;
  auto shows = [](HWND dialog, int swatch, int index) {
    return WaitUntil([&] { return Shown(dialog, swatch) == ConsoleColours[index - 1]; });
  };
  const CommandResult stepped = library.Call(Color, [&](HWND dialog) {
    EXPECT_FALSE(Enabled(dialog, TextOn));
    for (int gadget : {TextBack, BackBack, BackOn, Color.add}) EXPECT_TRUE(Enabled(dialog, gadget)) << gadget;
    EXPECT_TRUE(shows(dialog, TextSwatch, 16) && shows(dialog, BackSwatch, 10));
    for (int press = 0; press < 9; ++press) ClickGadget(dialog, BackBack);
    EXPECT_TRUE(shows(dialog, BackSwatch, 1) && WaitUntil([&] { return !Enabled(dialog, BackBack); })) << "at 1";
    for (int index = 2; index <= 16; ++index) {
      ClickGadget(dialog, BackOn);
      ASSERT_TRUE(shows(dialog, BackSwatch, index)) << index;
    }
    EXPECT_TRUE(WaitUntil([&] { return !Enabled(dialog, BackOn) && !Enabled(dialog, Color.add); })) << "16 like the text";
    for (int index = 15; index >= 1; --index) {
      ClickGadget(dialog, TextBack);
      ASSERT_TRUE(shows(dialog, TextSwatch, index)) << index;
    }
    EXPECT_TRUE(WaitUntil([&] { return !Enabled(dialog, TextBack) && Enabled(dialog, TextOn); })) << "at 1";
    ClickGadget(dialog, Color.add);
  });
  EXPECT_EQ(stepped.text, "color F0") << "digits A to F are upper case";

  // A second call starts afresh; clicking the swatches changes nothing.
  const CommandResult again = library.Call(Color, [&](HWND dialog) {
    for (int swatch : {TextSwatch, BackSwatch}) {
      Click(GetDlgItem(dialog, swatch));
      DoubleClick(GetDlgItem(dialog, swatch));
    }
    EXPECT_TRUE(shows(dialog, TextSwatch, 16) && shows(dialog, BackSwatch, 10));
    ClickGadget(dialog, Color.add);
  });
  EXPECT_EQ(again.text, "color 9F");
}

}  // namespace
