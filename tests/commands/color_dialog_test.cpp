// The color dialog: stepping through the sixteen console colours, the
// equality rule, and the swatches as the screen shows them.
#include <gtest/gtest.h>

#include <windows.h>

#include <set>

#include "tests/support/library_host.h"
#include "tests/support/user_input.h"

namespace {

using namespace support;

constexpr int TextBack = 3, TextSwatch = 4, TextOn = 5, BackBack = 6, BackSwatch = 7, BackOn = 8;
constexpr COLORREF Black = RGB(0, 0, 0), White = RGB(255, 255, 255);

// The one colour inside a swatch's black frame on screen, or CLR_INVALID.
COLORREF Shown(HWND dialog, int swatch) {
  HWND control = GetDlgItem(dialog, swatch);
  HDC dc = GetDC(control);
  const COLORREF inside = GetPixel(dc, 1, 1);
  bool shown = GetPixel(dc, 0, 0) == Black && GetPixel(dc, 19, 19) == Black;
  for (int y = 1; y < 19 && shown; ++y)
    for (int x = 1; x < 19 && shown; ++x) shown = GetPixel(dc, x, y) == inside;
  ReleaseDC(control, dc);
  return shown ? inside : CLR_INVALID;
}

void Press(HWND dialog, int button, int times = 1) {
  for (int i = 0; i < times; ++i) ClickGadget(dialog, button);
}

// The background steps from 10 down to 1 and up to 16, the text from 16
// down to 1: sixteen different swatches from black to white, the same in
// both rows; the arrow at each end is disabled, so nothing wraps; equal
// colours cannot be added.
TEST(ColorDialog, BothRowsStepThroughTheSixteenSwatchesWithoutWrapping) {
  LoadedLibrary library;
  COLORREF colours[17] = {};
  const CommandResult stepped = library.Call(Color, [&](HWND dialog) {
    EXPECT_FALSE(Enabled(dialog, TextOn));
    for (int gadget : {TextBack, BackBack, BackOn, Color.add}) EXPECT_TRUE(Enabled(dialog, gadget)) << gadget;
    EXPECT_EQ(Shown(dialog, TextSwatch), White);
    const COLORREF atTen = Shown(dialog, BackSwatch);
    Press(dialog, BackBack, 9);
    EXPECT_TRUE(WaitUntil([&] { return !Enabled(dialog, BackBack); })) << "at 1";
    ASSERT_TRUE(WaitUntil([&] { return (colours[1] = Shown(dialog, BackSwatch)) == Black; }));
    for (int index = 2; index <= 16; ++index) {
      Press(dialog, BackOn);
      ASSERT_TRUE(WaitUntil([&] {
        colours[index] = Shown(dialog, BackSwatch);
        return colours[index] != CLR_INVALID && colours[index] != colours[index - 1];
      })) << index;
    }
    EXPECT_EQ(colours[10], atTen);
    EXPECT_EQ(std::set<COLORREF>(colours + 1, colours + 17).size(), 16u);
    EXPECT_EQ(colours[16], White);
    EXPECT_TRUE(WaitUntil([&] { return !Enabled(dialog, BackOn) && !Enabled(dialog, Color.add); })) << "16 like the text";
    for (int index = 15; index >= 1; --index) {
      Press(dialog, TextBack);
      ASSERT_TRUE(WaitUntil([&] { return Shown(dialog, TextSwatch) == colours[index]; })) << index;
    }
    EXPECT_TRUE(WaitUntil([&] { return !Enabled(dialog, TextBack) && Enabled(dialog, TextOn); })) << "at 1";
    ClickGadget(dialog, Color.add);
  });
  EXPECT_EQ(stepped.text, "color F0") << "digits A to F are upper case";

  // A second call starts afresh with its new swatches; clicking them changes nothing.
  const CommandResult again = library.Call(Color, [&](HWND dialog) {
    for (int swatch : {TextSwatch, BackSwatch}) {
      Click(GetDlgItem(dialog, swatch));
      DoubleClick(GetDlgItem(dialog, swatch));
    }
    EXPECT_EQ(Shown(dialog, TextSwatch), White);
    EXPECT_EQ(Shown(dialog, BackSwatch), colours[10]);
    ClickGadget(dialog, Color.add);
  });
  EXPECT_EQ(again.text, "color 9F");
}

}  // namespace
