// The gadget kinds: their system classes and styles, states, texts, lines,
// fonts, and unknown numbers.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/toolkit_fixture.h"
#include "tests/support/user_input.h"
#include "toolkit/scoped_handles.h"

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

TEST_F(Gadgets, UnknownNumbersAndUnsupportedOperationsDoNothing) {
  ASSERT_EQ(toolkit::CreateStringField(1, 0, 0, 60, 20, "text", 0), 1);
  toolkit::AddGadgetItem(1, -1, "line");  // kinds without lines or states ignore them
  toolkit::SetGadgetState(1, 1);
  EXPECT_EQ(toolkit::GetGadgetText(1), "text");
  EXPECT_EQ(toolkit::GetGadgetState(1), 0);
  for (int gadget : {-1, 7, 49, 50, 100000}) {
    EXPECT_EQ(toolkit::GadgetHandle(gadget), nullptr);
    EXPECT_EQ(toolkit::GetGadgetState(gadget), 0);
    EXPECT_EQ(toolkit::GetGadgetText(gadget), "");
    toolkit::SetGadgetState(gadget, 1);
    toolkit::SetGadgetText(gadget, "x");
    toolkit::DisableGadget(gadget, 1);
    toolkit::AddGadgetItem(gadget, -1, "x");
    toolkit::SetGadgetColour(gadget, 1, 0);
    toolkit::SetGadgetFont(gadget, toolkit::DefaultGadgetFont());
  }
  EXPECT_EQ(toolkit::CreateButton(-1, 0, 0, 10, 10, "x", 0), 0);
  EXPECT_EQ(toolkit::CreateButton(0x10000, 0, 0, 10, 10, "x", 0), 0)
      << "control identifiers are 16 bits";
}

TEST_F(Gadgets, CheckBoxTogglesBeforeItsEventAndProgramChangesReportNothing) {
  ASSERT_EQ(toolkit::CreateCheckBox(5, 20, 20, 100, 20, "/f", 0), 1);
  EXPECT_EQ(toolkit::GetGadgetState(5), 0);
  int stateAtEvent = -1;
  support::Click(toolkit::GadgetHandle(5));
  for (int i = 0; i < 200 && stateAtEvent < 0; ++i)
    if (toolkit::WaitEvent(50) == event::Gadget && toolkit::EventGadget() == 5)
      stateAtEvent = toolkit::GetGadgetState(5);
  EXPECT_EQ(stateAtEvent, 1);
  EXPECT_EQ(toolkit::EventType(), toolkit::event_type::Pressed);
  PumpEvents();

  // The space bar on the focused box does the same.
  support::PressKey(VK_SPACE);
  EXPECT_EQ(PumpEvents(), (std::vector<RecordedEvent>{{event::Gadget, 5, toolkit::event_type::Pressed}}));
  EXPECT_EQ(toolkit::GetGadgetState(5), 0);

  toolkit::SetGadgetState(5, 7);
  EXPECT_EQ(toolkit::GetGadgetState(5), 1);
  toolkit::SetGadgetState(5, 0);
  EXPECT_EQ(toolkit::GetGadgetState(5), 0);
  EXPECT_EQ(PumpEvents(), std::vector<RecordedEvent>{});
}

// A drop-down list: lines appended in order, nothing selected until the
// state selects a line; program changes report nothing.
TEST_F(Gadgets, ComboBoxLinesAndSelection) {
  ASSERT_EQ(toolkit::CreateComboBox(3, 10, 10, 120, 21, 0), 1);
  for (const char* line : {"Beta", "Alpha"}) toolkit::AddGadgetItem(3, -1, line);
  ASSERT_EQ(SendMessageA(toolkit::GadgetHandle(3), CB_GETCOUNT, 0, 0), 2);
  EXPECT_EQ(toolkit::GetGadgetState(3), -1);
  EXPECT_EQ(toolkit::GetGadgetText(3), "");
  toolkit::SetGadgetState(3, 1);
  EXPECT_EQ(toolkit::GetGadgetState(3), 1);
  EXPECT_EQ(toolkit::GetGadgetText(3), "Alpha");
  EXPECT_EQ(PumpEvents(), std::vector<RecordedEvent>{});
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

TEST_F(Gadgets, FontsAreSizedInPointsAndReplacedByNumber) {
  const int before = toolkit::LiveScopedHandles();
  HFONT first = toolkit::LoadFont(1, "Arial", 10);
  ASSERT_NE(first, nullptr);
  LOGFONTA font = {};
  GetObjectA(first, sizeof font, &font);
  EXPECT_EQ(font.lfHeight, -MulDiv(10, 96, 72));
  EXPECT_EQ(font.lfWeight, FW_NORMAL);
  EXPECT_STREQ(font.lfFaceName, "Arial");

  toolkit::SetGadgetFont(toolkit::AnyNumber, first);
  ASSERT_EQ(toolkit::CreateButton(2, 0, 0, 60, 20, "b", 0), 1);
  EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(toolkit::GadgetHandle(2), WM_GETFONT, 0, 0)), first);
  toolkit::SetGadgetFont(2, toolkit::DefaultGadgetFont());
  EXPECT_EQ(reinterpret_cast<HGDIOBJ>(SendMessageA(toolkit::GadgetHandle(2), WM_GETFONT, 0, 0)),
            GetStockObject(DEFAULT_GUI_FONT));

  HFONT second = toolkit::LoadFont(1, "Arial", 12);
  EXPECT_EQ(GetObjectType(first), 0u) << "the number's earlier font is deleted";
  EXPECT_NE(GetObjectType(second), 0u);
  ASSERT_EQ(toolkit::CreateButton(3, 0, 30, 60, 20, "c", 0), 1);
  EXPECT_EQ(reinterpret_cast<HGDIOBJ>(SendMessageA(toolkit::GadgetHandle(3), WM_GETFONT, 0, 0)),
            GetStockObject(DEFAULT_GUI_FONT))
      << "new gadgets never get a deleted font";
  toolkit::SetGadgetFont(toolkit::AnyNumber, toolkit::DefaultGadgetFont());
  EXPECT_EQ(toolkit::LiveScopedHandles(), before + 1);
}

}  // namespace
