// The title dialog: "Hinzufügen" only while the field holds more than blanks.
#include <gtest/gtest.h>

#include <windows.h>

#include "tests/support/library_host.h"
#include "tests/support/user_input.h"

namespace {

using support::WaitUntil;

enum { TitleField = 2, AddButton = 3, CancelButton = 4 };

class TitleDialog : public ::testing::Test {
 protected:
  support::CommandResult Title(const std::function<void(HWND)>& user) {
    return support::CallWithUser(library_.Procedure("title"), "Title", user);
  }

  static bool AddEnabled(HWND dialog) { return IsWindowEnabled(GetDlgItem(dialog, AddButton)); }

  // Real keys into the field; returns once the field shows what they made.
  static void Type(HWND dialog, const std::string& text) {
    HWND field = GetDlgItem(dialog, TitleField);
    if (support::FocusIn(dialog) != field) support::Click(field);
    ASSERT_TRUE(WaitUntil([&] { return support::FocusIn(dialog) == field; }));
    const std::string expected = support::WindowText(field) + text;
    support::TypeText(text);
    ASSERT_TRUE(WaitUntil([&] { return support::WindowText(field) == expected; }));
  }

  static void Backspace(HWND dialog) {
    HWND field = GetDlgItem(dialog, TitleField);
    const std::size_t length = support::WindowText(field).size();
    support::PressKey(VK_BACK);
    ASSERT_TRUE(WaitUntil([&] { return support::WindowText(field).size() == length - 1; }));
  }

  support::LoadedLibrary library_;
};

TEST_F(TitleDialog, AddFollowsTheBlankFreeRule) {
  const support::CommandResult result = Title([](HWND dialog) {
    EXPECT_FALSE(AddEnabled(dialog)) << "disabled at the start";
    Type(dialog, "   ");
    EXPECT_FALSE(AddEnabled(dialog)) << "only blanks";
    Type(dialog, "x");
    EXPECT_TRUE(WaitUntil([&] { return AddEnabled(dialog); })) << "blanks and an x";
    Backspace(dialog);
    EXPECT_TRUE(WaitUntil([&] { return !AddEnabled(dialog); })) << "the x deleted again";
    Type(dialog, "Grüße ");
    EXPECT_TRUE(WaitUntil([&] { return AddEnabled(dialog); }));
    support::ClickGadget(dialog, AddButton);
  });
  EXPECT_EQ(result.text, "title    Grüße ") << "every blank and the umlauts kept";
}

TEST_F(TitleDialog, CommandTexts) {
  struct Case {
    std::string typed, expected;
  };
  const Case cases[] = {{"Build", "title Build"}, {" x", "title  x"}, {"\t", "title \t"}};
  for (const Case& c : cases) {
    const support::CommandResult result = Title([&](HWND dialog) {
      support::SetControlText(dialog, TitleField, c.typed);  // pasted, as a tab must be
      ASSERT_TRUE(WaitUntil([&] { return AddEnabled(dialog); })) << "'" << c.typed << "'";
      support::ClickGadget(dialog, AddButton);
    });
    EXPECT_EQ(result.text, c.expected);
  }
}

TEST_F(TitleDialog, CancelAndCloseBoxGiveEmptyText) {
  for (bool closeBox : {false, true}) {
    const support::CommandResult result = Title([&](HWND dialog) {
      Type(dialog, "Build");
      if (closeBox)
        support::ClickAt(support::CloseBoxPoint(dialog));
      else
        support::ClickGadget(dialog, CancelButton);
    });
    ASSERT_NE(result.pointer, nullptr);
    EXPECT_EQ(result.text, "");
  }
}

TEST_F(TitleDialog, TabSkipsTheDisabledButton) {
  std::vector<int> walked;
  Title([&](HWND dialog) {
    for (int i = 0; i < 3; ++i) {
      HWND before = support::FocusIn(dialog);
      support::PressKey(VK_TAB);
      WaitUntil([&] { return support::FocusIn(dialog) != before; });
      walked.push_back(GetDlgCtrlID(support::FocusIn(dialog)));
    }
    support::ClickGadget(dialog, CancelButton);
  });
  EXPECT_EQ(walked, (std::vector<int>{TitleField, CancelButton, TitleField}));
}

}  // namespace
