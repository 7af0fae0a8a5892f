// The color dialog: stepping through the sixteen console colours, the
// equality rule, and the swatches as the screen shows them.
#include <gtest/gtest.h>

#include <windows.h>

#include "tests/support/library_host.h"
#include "tests/support/user_input.h"

namespace {

using support::WaitUntil;

enum { TextBack = 3, TextSwatch = 4, TextOn = 5, BackBack = 6, BackSwatch = 7, BackOn = 8, AddButton = 9, CancelButton = 10 };

// The console colours by index 1 to 16, as the screen shows them.
constexpr COLORREF Console[17] = {0,
    RGB(0, 0, 0),     RGB(0, 0, 128),     RGB(0, 128, 0),     RGB(0, 128, 128),
    RGB(128, 0, 0),   RGB(128, 0, 128),   RGB(128, 128, 0),   RGB(192, 192, 192),
    RGB(128, 128, 128), RGB(0, 0, 255),   RGB(0, 255, 0),     RGB(0, 255, 255),
    RGB(255, 0, 0),   RGB(255, 0, 255),   RGB(255, 255, 0),   RGB(255, 255, 255)};

bool Enabled(HWND dialog, int gadget) { return IsWindowEnabled(GetDlgItem(dialog, gadget)); }

// Whether the swatch on screen is the colour inside a black frame.
bool ShowsColour(HWND dialog, int swatch, int index) {
  HWND control = GetDlgItem(dialog, swatch);
  HDC dc = GetDC(control);
  bool shown = GetPixel(dc, 0, 0) == 0 && GetPixel(dc, 19, 19) == 0;
  for (int y = 1; y < 19 && shown; ++y)
    for (int x = 1; x < 19 && shown; ++x) shown = GetPixel(dc, x, y) == Console[index];
  ReleaseDC(control, dc);
  return shown;
}

void Press(HWND dialog, int button, int times = 1) {
  for (int i = 0; i < times; ++i) support::ClickGadget(dialog, button);
}

class ColorDialog : public ::testing::Test {
 protected:
  support::CommandResult Color(const std::function<void(HWND)>& user) {
    return support::CallWithUser(library_.Procedure("color"), "Color", user);
  }
  support::LoadedLibrary library_;
};

TEST_F(ColorDialog, StartsAtTextFAndBackground9) {
  for (int call = 0; call < 2; ++call) {  // a second call starts afresh
    const support::CommandResult result = Color([&](HWND dialog) {
      EXPECT_FALSE(Enabled(dialog, TextOn));
      for (int gadget : {TextBack, BackBack, BackOn, AddButton}) EXPECT_TRUE(Enabled(dialog, gadget)) << gadget;
      EXPECT_TRUE(ShowsColour(dialog, TextSwatch, 16));
      EXPECT_TRUE(ShowsColour(dialog, BackSwatch, 10));
      if (call == 0) Press(dialog, BackOn, 2);
      support::ClickGadget(dialog, AddButton);
    });
    EXPECT_EQ(result.text, call == 0 ? "color BF" : "color 9F") << "digits A to F are upper case";
  }
}

TEST_F(ColorDialog, EqualColoursCannotBeAdded) {
  const support::CommandResult result = Color([](HWND dialog) {
    Press(dialog, TextBack, 6);  // text 10, like the background
    EXPECT_TRUE(WaitUntil([&] { return !Enabled(dialog, AddButton); }));
    EXPECT_TRUE(Enabled(dialog, TextOn));
    Press(dialog, TextBack);  // text 9
    EXPECT_TRUE(WaitUntil([&] { return Enabled(dialog, AddButton); }));
    support::ClickGadget(dialog, AddButton);
  });
  EXPECT_EQ(result.text, "color 98");

  const support::CommandResult top = Color([](HWND dialog) {
    Press(dialog, BackOn, 6);  // background 16, like the text
    EXPECT_TRUE(WaitUntil([&] { return !Enabled(dialog, BackOn) && !Enabled(dialog, AddButton); }));
    support::ClickGadget(dialog, CancelButton);
  });
  EXPECT_EQ(top.text, "");
}

// Every colour on screen, stepping the background from 10 down to 1 and up
// to 16; the arrow at each end is disabled, so nothing wraps.
TEST_F(ColorDialog, SwatchesOnScreenAndNoWrapping) {
  const support::CommandResult result = Color([](HWND dialog) {
    for (int index = 9; index >= 1; --index) {
      Press(dialog, BackBack);
      ASSERT_TRUE(WaitUntil([&] { return ShowsColour(dialog, BackSwatch, index); })) << index;
    }
    EXPECT_FALSE(Enabled(dialog, BackBack));
    for (int index = 2; index <= 16; ++index) {
      Press(dialog, BackOn);
      ASSERT_TRUE(WaitUntil([&] { return ShowsColour(dialog, BackSwatch, index); })) << index;
    }
    EXPECT_FALSE(Enabled(dialog, BackOn));
    EXPECT_TRUE(Enabled(dialog, BackBack));
    Press(dialog, BackBack, 15);
    EXPECT_TRUE(WaitUntil([&] { return !Enabled(dialog, BackBack); }));
    support::ClickGadget(dialog, AddButton);
  });
  EXPECT_EQ(result.text, "color 0F");
}

TEST_F(ColorDialog, SwatchClicksChangeNothingAndTheCloseBoxCancels) {
  const support::CommandResult clicked = Color([](HWND dialog) {
    for (int swatch : {TextSwatch, BackSwatch}) {
      support::Click(GetDlgItem(dialog, swatch));
      Sleep(GetDoubleClickTime() + 50);
      support::DoubleClick(GetDlgItem(dialog, swatch));
      Sleep(GetDoubleClickTime() + 50);
    }
    EXPECT_TRUE(ShowsColour(dialog, TextSwatch, 16));
    support::ClickGadget(dialog, AddButton);
  });
  EXPECT_EQ(clicked.text, "color 9F");
  const support::CommandResult closed = Color([](HWND dialog) {
    Press(dialog, TextBack);
    support::ClickAt(support::CloseBoxPoint(dialog));
  });
  EXPECT_EQ(closed.text, "");
}

}  // namespace
