// The gadget kinds: their system classes and styles, sizes and states.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/toolkit_fixture.h"
#include "tests/support/user_input.h"

namespace {

using support::PumpEvents;
using support::RecordedEvent;
using Gadgets = support::ToolkitTest;
namespace event = toolkit::event;

// What the toolkit asks CreateWindowExA for; the combo box control moves
// its border, scroll bar and edge to its list afterwards (on Windows too).
struct Creation {
  std::string systemClass;
  DWORD style = 0;
  DWORD extendedStyle = 0;
};
Creation lastCreation;

LRESULT CALLBACK RecordCreation(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND) {
    const CREATESTRUCTA* c = reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs;
    if (c->hwndParent && !IS_INTRESOURCE(c->lpszClass) && GetParent(c->hwndParent) == nullptr)
      lastCreation = {c->lpszClass, static_cast<DWORD>(c->style), c->dwExStyle};
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(Gadgets, EachKindHasItsClassStylesAndCaption) {
  struct Kind {
    const char* what;
    int (*create)(int gadget);
    const char* systemClass;
    DWORD style;
    DWORD extendedStyle;
    const char* caption;
  };
  const Kind kinds[] = {
      {"text label", [](int g) { return toolkit::CreateTextLabel(g, 0, 0, 80, 20, "Text:", 0); },
       "Static", 0x50020000, 0, "Text:"},
      {"string field", [](int g) { return toolkit::CreateStringField(g, 0, 0, 80, 20, "ab", 0); },
       "Edit", 0x50030080, WS_EX_CLIENTEDGE, "ab"},
      {"button", [](int g) { return toolkit::CreateButton(g, 0, 0, 80, 20, "Hinzufügen", 0); },
       "Button", 0x50030000, 0, "Hinzufügen"},
      {"check box", [](int g) { return toolkit::CreateCheckBox(g, 0, 0, 80, 20, "/f", 0); },
       "Button", 0x50030003, 0, "/f"},
      {"frame", [](int g) { return toolkit::CreateFrame(g, 0, 0, 80, 60, "Quelle", 0); },
       "Button", 0x50020007, 0, "Quelle"},
      {"drop-down list", [](int g) { return toolkit::CreateComboBox(g, 0, 0, 80, 21, 0); },
       "ComboBox", 0x50A30203, WS_EX_CLIENTEDGE, ""},
  };
  HHOOK hook = SetWindowsHookExA(WH_CBT, RecordCreation, nullptr, GetCurrentThreadId());
  ASSERT_NE(hook, nullptr);
  int gadget = 10;
  for (const Kind& kind : kinds) {
    ++gadget;
    lastCreation = {};
    ASSERT_NE(kind.create(gadget), 0) << kind.what;
    HWND control = toolkit::GadgetHandle(gadget);
    EXPECT_EQ(lastCreation.systemClass, kind.systemClass) << kind.what;
    EXPECT_EQ(lastCreation.style, kind.style) << kind.what;
    EXPECT_EQ(lastCreation.extendedStyle, kind.extendedStyle) << kind.what;
    EXPECT_EQ(GetDlgCtrlID(control), gadget) << kind.what;
    EXPECT_EQ(GetParent(control), handle_) << kind.what;
    EXPECT_EQ(toolkit::GetGadgetText(gadget), kind.caption) << kind.what;
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)),
              GetStockObject(DEFAULT_GUI_FONT)) << kind.what;
  }
  UnhookWindowsHookEx(hook);
}

TEST_F(Gadgets, ComboBoxClosedHeightIsTheHeightArgument) {
  for (int height : {18, 21, 30}) {
    ASSERT_EQ(toolkit::CreateComboBox(4, 10, 10, 120, height, 0), 1);
    RECT r;
    GetWindowRect(toolkit::GadgetHandle(4), &r);
    EXPECT_EQ(r.bottom - r.top, height);
  }
}

TEST_F(Gadgets, DisabledGadgetsAreGreyedAndEnabledAgain) {
  ASSERT_EQ(toolkit::CreateButton(3, 10, 10, 100, 20, "Hinzufügen", 0), 1);
  toolkit::DisableGadget(3, 1);
  EXPECT_FALSE(IsWindowEnabled(toolkit::GadgetHandle(3)));
  support::Click(toolkit::GadgetHandle(3));
  EXPECT_EQ(PumpEvents(), std::vector<RecordedEvent>{}) << "a disabled button cannot be pressed";
  toolkit::DisableGadget(3, 0);
  EXPECT_TRUE(IsWindowEnabled(toolkit::GadgetHandle(3)));
  support::Click(toolkit::GadgetHandle(3));
  EXPECT_EQ(PumpEvents(), (std::vector<RecordedEvent>{{event::Gadget, 3, toolkit::event_type::Pressed}}));
}

}  // namespace
