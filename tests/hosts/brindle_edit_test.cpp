// BrindleEdit.exe as a user works it: a script opened from the command
// line, command lines inserted with the library's dialogs, undo and redo,
// warnings in the status line, find, save, reopen, and a run in the console
// with its umlauts intact.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cwchar>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "tests/support/editor_process.h"
#include "tests/support/library_host.h"
#include "tests/support/tree_view.h"
#include "tests/support/user_input.h"
#include "tests/support/window_search.h"

namespace {

using support::Editor;
using support::EndDescendants;
using support::RecoveryFolder;
using support::WideText;
constexpr const wchar_t* Folder = support::EditorFolder;
constexpr const char* FolderPath = support::EditorFolderPath;

std::string Bytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), {});
}

// Runs a command of the editor's menu by its shortcut (key 0: double-clicks
// the text, below its end: on the last line) and works its dialog.
void WorkDialog(const Editor& editor, int key, const char* title, const std::function<void(HWND)>& user) {
  if (key) support::PressKey(static_cast<WORD>(key), {VK_CONTROL});
  else support::DoubleClick(editor.edit);
  HWND dialog = support::WaitForDialog(title, support::PatienceMs, editor.process.dwProcessId);
  ASSERT_NE(dialog, nullptr) << title << support::KeyboardState(editor.window);
  user(dialog);
  ASSERT_TRUE(support::WaitForWindowGone(dialog)) << title;
}

class BrindleEdit : public ::testing::Test {
 protected:
  void SetUp() override {
    support::RemoveTree(Folder);
    support::RemoveTree(RecoveryFolder());  // an editor ended by its id leaves its copy
    CreateDirectoryW(Folder, nullptr);
  }
  void TearDown() override {
    support::RemoveTree(Folder);
    support::RemoveTree(RecoveryFolder());
  }
};

// Scripts are read and written in the console's code page (437 in Wine's
// C locale, 850 on a German Windows: the umlauts have the same bytes).
// Every inserted line is an undo step of its own, apart from the typing
// around it.
TEST_F(BrindleEdit, InsertUndoRedoSaveAndReopen) {
  const std::wstring original = L"echo Grüße\r\nrem Ende\r\n", withEcho = L"echo Grüße\r\necho Wörter & mehr\r\nrem Ende\r\n",
                     typed = L"echo Grüße\r\necho Wörter & mehr!\r\nrem Ende\r\n";
  {
    Editor editor("skript.bat", "echo Gr\x81\xE1" "e\r\nrem Ende\r\n");
    ASSERT_NE(editor.window, nullptr);
    EXPECT_EQ(editor.Text(), original);

    support::PressKey(VK_HOME, {VK_CONTROL});
    support::PressKey(VK_DOWN);
    WorkDialog(editor, '3', "Echo", [](HWND dialog) {
      support::TypeInto(dialog, support::TextField, "Wörter & mehr");
      support::ClickGadget(dialog, support::Echo.add);
    });
    EXPECT_TRUE(editor.WaitForText(withEcho)) << "above the caret's line";
    EXPECT_TRUE(editor.WaitForStatus(L"Sonderzeichen &")) << "the warning, first and in full";
    ASSERT_TRUE(support::WaitForKeyboardFocus(editor.edit)) << "back from the dialog";
    support::TypeText("!");
    EXPECT_TRUE(editor.WaitForText(typed));

    WorkDialog(editor, '2', "Color", [](HWND dialog) { support::ClickGadget(dialog, support::Color.cancel); });
    EXPECT_TRUE(editor.WaitForStatus(L"Abgebrochen: nichts eingefügt"));
    EXPECT_EQ(editor.Text(), typed) << "a cancelled dialog inserts nothing";

    WorkDialog(editor, '5', "XCOPY", [](HWND dialog) {
      HWND source = GetDlgItem(dialog, 1);
      support::Select(source, support::Next(source, support::Next(source, nullptr, TVGN_ROOT), TVGN_CHILD));
      support::ClickGadget(dialog, support::Xcopy.add);
    });
    char firstDrive = 'A';
    while (!(GetLogicalDrives() & (1u << (firstDrive - 'A')))) ++firstDrive;
    const std::wstring xcopy = std::wstring(L"xcopy \"") + static_cast<wchar_t>(firstDrive) + L":\\*.*\" \"\" /D /E /V /Q /H /R /Y";
    EXPECT_TRUE(editor.WaitForText(L"echo Grüße\r\necho Wörter & mehr!\r\n" + xcopy + L"\r\nrem Ende\r\n"))
        << "below the line the caret ended on";
    EXPECT_TRUE(editor.WaitForStatus(L"Ziel fehlt")) << "the new line's warning, not the notice of the cancel";

    for (const auto& [key, expected] : {std::pair{'Z', typed}, {'Z', withEcho}, {'Z', original}, {'Y', withEcho},
                                        {'Y', typed}, {'Z', withEcho}}) {
      support::PressKey(static_cast<WORD>(key), {VK_CONTROL});
      EXPECT_TRUE(editor.WaitForText(expected)) << "after Ctrl+" << key;
    }
    support::PressKey('S', {VK_CONTROL});
    EXPECT_TRUE(support::WaitUntil(
        [&] { return Bytes(editor.script) == "echo Gr\x81\xE1" "e\r\necho W\x94rter & mehr\r\nrem Ende\r\n"; }));
    EXPECT_EQ(editor.Close(), 0u);
  }
  Editor reopened("skript.bat");
  ASSERT_NE(reopened.window, nullptr);
  EXPECT_EQ(reopened.Text(), withEcho);
  EXPECT_EQ(reopened.Close(), 0u);
}

// Ctrl+E and a double click open the dialog of the caret line's command
// from the line; "Hinzufügen" replaces it as one undo step, indentation and
// "@" kept. On a line of no command, or with a character the dialogs' code
// page 1252 lacks, the status line says so and nothing opens. The editor
// keeps its own folder as the current directory, so the dialogs' "?" finds
// Hilfe.chm beside it, wherever the script is.
TEST_F(BrindleEdit, EditTheLineUnderTheCaretAndUndoIt) {
  const support::StandInViewer help;
  Editor editor("farben.bat", "rem Farben\r\n  @color 1f");
  ASSERT_NE(editor.window, nullptr);
  // A plain key first, and its effect awaited: a Ctrl+E sent at once
  // arrived without its Ctrl once under Wine 8, while the new window was
  // still taking the focus.
  support::PressKey(VK_DOWN);
  ASSERT_TRUE(support::WaitUntil([&] { return WideText(editor.status).starts_with(L"color:"); }));
  WorkDialog(editor, 'E', "Color", [](HWND dialog) {
    EXPECT_EQ(GetDlgItem(dialog, 90), nullptr) << "no notice: the editor keeps the @ itself";
    PostMessageA(dialog, WM_SYSCOMMAND, SC_CONTEXTHELP, 0);
    support::ClickGadget(dialog, 3);  // the text colour one step back
    support::ClickGadget(dialog, 9);
  });
  EXPECT_EQ(help.Starts(1), std::vector<std::string>{"\"hh.exe\" " + help.folder + "Hilfe.chm::/color.htm"});
  EXPECT_TRUE(editor.WaitForText(L"rem Farben\r\n  @color 1E"));
  support::PressKey('Z', {VK_CONTROL});
  EXPECT_TRUE(editor.WaitForText(L"rem Farben\r\n  @color 1f")) << "one undo step";
  WorkDialog(editor, 0, "Color", [](HWND dialog) { support::ClickGadget(dialog, 10); });
  EXPECT_TRUE(editor.WaitForStatus(L"Abgebrochen: Zeile unverändert"));
  support::PressKey(VK_UP);
  support::PressKey('E', {VK_CONTROL});
  EXPECT_TRUE(editor.WaitForStatus(L"Zeile bearbeiten: keine Zeile mit chkdsk, color, echo, title, xcopy oder robocopy"));
  EXPECT_EQ(editor.Text(), L"rem Farben\r\n  @color 1f");
  // The glued form opens too; its dialog says which drive it chose.
  support::PressKey(VK_END, {VK_CONTROL});
  support::PressKey(VK_RETURN);
  support::TypeText("chkdsk/f");
  ASSERT_TRUE(editor.WaitForText(L"rem Farben\r\n  @color 1f\r\nchkdsk/f"));
  WorkDialog(editor, 'E', "Chkdsk", [](HWND dialog) {
    EXPECT_EQ(support::WindowText(GetDlgItem(dialog, 90)), "Ohne Laufwerk in der Zeile: C: gewählt");
    support::ClickGadget(dialog, 16);
  });
  EXPECT_TRUE(editor.WaitForText(L"rem Farben\r\n  @color 1f\r\nchkdsk C: /f"));
  // A line with a character the dialogs' code page lacks opens no dialog.
  support::PressKey(VK_END, {VK_CONTROL});
  support::PressKey(VK_RETURN);
  support::TypeText("echo ");
  ASSERT_TRUE(editor.WaitForText(L"rem Farben\r\n  @color 1f\r\nchkdsk C: /f\r\necho "));
  PostMessageW(editor.edit, WM_CHAR, 0x03A9, 0);  // "Ω", typed
  ASSERT_TRUE(editor.WaitForText(L"rem Farben\r\n  @color 1f\r\nchkdsk C: /f\r\necho \u03A9"));
  support::PressKey('E', {VK_CONTROL});
  EXPECT_TRUE(editor.WaitForStatus(
      L"Zeile bearbeiten: die Zeile hat Zeichen, die es in den Dialogen (Codepage 1252) nicht gibt"));
}

// Wine 8's rich edit control, left to select a word up to a line's end
// itself, put the caret beyond the text: what was typed next went astray or
// crashed it. A double click selects the word on every line, a third click
// the line, Ctrl+Right stops at the line's end, a double click on a command
// line opens its dialog; each followed by typing, the text checked whole.
TEST_F(BrindleEdit, WordsSelectedOnEveryLineAndTypedOver) {
  Editor editor("worte.bat", "rem eins\r\ngoto ende\r\necho Hallo\r\n:ende\r\nset ZIEL=D:\\Sicherung\r\ntitle Fenster");
  ASSERT_NE(editor.window, nullptr);
  std::wstring text = editor.Text();
  struct Step {
    int line, column, clicks;  // clicks 0: Ctrl+Right from there
    const char* dialog;        // opened by the double click, its line added unchanged
    const char* typed;
    const wchar_t *before, *after;
  };
  for (const Step& step : {Step{0, 5, 2, nullptr, "zwei", L"rem eins", L"rem zwei"},
                           {1, 6, 2, nullptr, "X", L"goto ende", L"goto X"},
                           {4, 13, 2, nullptr, "Archiv", L"Sicherung", L"Archiv"},
                           {3, 2, 3, nullptr, ":schluss", L"\n:ende", L"\n:schluss"},
                           {0, 5, 0, nullptr, "!", L"rem zwei", L"rem zwei!"},
                           {2, 7, 2, "Echo", "!", L"echo Hallo", L"echo Hallo!"},
                           {5, 8, 2, "Title", "!", L"title Fenster", L"title Fenster!"}}) {
    // The caret put before the character shows where it is on the screen.
    const auto position = SendMessageW(editor.edit, EM_LINEINDEX, step.line, 0) + step.column;
    SendMessageW(editor.edit, EM_SETSEL, position, position);
    GUITHREADINFO caret = {};
    caret.cbSize = sizeof caret;
    ASSERT_TRUE(GetGUIThreadInfo(editor.process.dwThreadId, &caret) && caret.hwndCaret == editor.edit);
    POINT at = {caret.rcCaret.left + 2, (caret.rcCaret.top + caret.rcCaret.bottom) / 2};
    ClientToScreen(editor.edit, &at);
    if (step.clicks) support::ClicksAt(at, step.clicks);
    else support::PressKey(VK_RIGHT, {VK_CONTROL});
    if (step.dialog) {
      HWND dialog = support::WaitForDialog(step.dialog, support::PatienceMs, editor.process.dwProcessId);
      ASSERT_NE(dialog, nullptr) << step.dialog;
      support::ClickGadget(dialog, support::Echo.add);  // the title dialog's too
      ASSERT_TRUE(support::WaitForWindowGone(dialog) && support::WaitForKeyboardFocus(editor.edit));
    }
    support::TypeText(step.typed);
    const std::size_t typedEnd = text.find(step.before) + std::wcslen(step.after);
    text.replace(text.find(step.before), std::wcslen(step.before), step.after);
    EXPECT_TRUE(editor.WaitForText(text)) << "line " << step.line + 1 << ", " << step.clicks << " clicks";
    // The caret after the typed text, counting the control's line ends as one character.
    const auto after = static_cast<LONG>(typedEnd - std::count(text.begin(), text.begin() + typedEnd, L'\n'));
    EXPECT_EQ(SendMessageW(editor.edit, EM_GETSEL, 0, 0), MAKELONG(after, after)) << "line " << step.line + 1;
  }
}

// A line longer than cmd.exe reads opens no dialog; the status line says why.
TEST_F(BrindleEdit, ALineTooLongForCmdOpensNoDialog) {
  Editor editor("zu-lang.bat", ("rem lang\r\necho " + std::string(9000, 'x')).c_str());
  ASSERT_NE(editor.window, nullptr);
  support::PressKey(VK_DOWN);  // a plain key first (see above)
  ASSERT_TRUE(support::WaitUntil([&] { return WideText(editor.status).starts_with(L"echo:"); }));
  support::PressKey('E', {VK_CONTROL});
  EXPECT_TRUE(editor.WaitForStatus(L"Zeile bearbeiten: Zeile zu lang: 9005 Zeichen, höchstens 8191"));
}

// The copies in the recovery folder.
int RecoveryCopies() {
  int count = 0;
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((RecoveryFolder() + L"\\*.kopie").c_str(), &found);
  for (BOOL more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileW(search, &found)) ++count;
  if (search != INVALID_HANDLE_VALUE) FindClose(search);
  return count;
}

// Answers a question of the editor (its offer of a recovery copy, whether to
// save) with "Ja" or "Nein"; the question.
std::string AnswerQuestion(const Editor& editor, int button) {
  HWND offer = support::WaitForDialog("BrindleEdit", support::PatienceMs, editor.process.dwProcessId, "#32770");
  if (!offer) return "no offer";
  const std::string text = support::WindowText(GetDlgItem(offer, 0xFFFF));
  support::Click(GetDlgItem(offer, button));
  return support::WaitForWindowGone(offer) ? text : "the offer stays";
}

// Typed into an opened and into a new script, two editors keep a copy each
// (the one before its dialog opens, the other a moment after the typing),
// and an editor started meanwhile offers neither. Both ended by their ids,
// the next editors offer them: restored, the same text with its file name,
// unsaved, then saved byte for byte; declined, gone. Clean closes leave none.
TEST_F(BrindleEdit, RecoveryCopyOfferedAfterTheEditorEnds) {
  std::optional<Editor> opened(std::in_place, "alt.bat", "rem alt\r\n"), unnamed;
  ASSERT_NE(opened->window, nullptr);
  support::TypeText("echo neu ");
  ASSERT_TRUE(opened->WaitForText(L"echo neu rem alt\r\n"));
  support::PressKey('3', {VK_CONTROL});
  ASSERT_NE(support::WaitForDialog("Echo", support::PatienceMs, opened->process.dwProcessId), nullptr);
  EXPECT_EQ(RecoveryCopies(), 1) << "written before the library was called";
  unnamed.emplace("");
  ASSERT_NE(unnamed->window, nullptr) << "no offer of a running editor's copy";
  support::TypeText("echo Grüße");
  EXPECT_TRUE(support::WaitUntil([] { return RecoveryCopies() == 2; })) << "one for each editor";
  opened.reset();
  unnamed.reset();

  std::string offer;
  Editor restored("", nullptr, [&](const Editor& editor) { offer = AnswerQuestion(editor, IDYES); });
  EXPECT_NE(offer.find("Von „Unbenannt“ ist eine Wiederherstellungskopie vom "), std::string::npos) << offer;
  EXPECT_EQ(restored.Text(), L"echo Grüße");
  EXPECT_EQ(support::WindowText(restored.window), "*Unbenannt – BrindleEdit");
  Editor saved("", nullptr, [&](const Editor& editor) { offer = AnswerQuestion(editor, IDYES); });
  EXPECT_NE(offer.find("Von „alt.bat“"), std::string::npos) << offer;
  EXPECT_NE(offer.find(" da (2 Zeilen).\n\nWiederherstellen?"), std::string::npos) << offer;
  EXPECT_EQ(saved.Text(), L"echo neu rem alt\r\n");
  support::PressKey('S', {VK_CONTROL});
  EXPECT_TRUE(support::WaitUntil([&] { return Bytes(saved.script + "alt.bat") == "echo neu rem alt\r\n"; }));
  EXPECT_TRUE(support::WaitUntil([] { return RecoveryCopies() == 1; })) << "saved: the restored editor's copy only";
  TerminateProcess(restored.process.hProcess, 1);
  WaitForSingleObject(restored.process.hProcess, support::PatienceMs);
  Editor declined("", nullptr, [&](const Editor& editor) { offer = AnswerQuestion(editor, IDNO); });
  EXPECT_EQ(declined.Text(), L"");
  EXPECT_EQ(RecoveryCopies(), 0) << "declined";
  support::TypeText("x");
  EXPECT_TRUE(support::WaitUntil([] { return RecoveryCopies() == 1; }));
  PostMessageW(declined.window, WM_CLOSE, 0, 0);
  AnswerQuestion(declined, IDNO);  // the changes not saved
  EXPECT_EQ(WaitForSingleObject(declined.process.hProcess, support::PatienceMs), WAIT_OBJECT_0);
  EXPECT_EQ(saved.Close(), 0u);
  EXPECT_EQ(RecoveryCopies(), 0) << "closed cleanly";
}

// The view follows the caret along a line of 6,000 characters; a warning's
// tip stays on the screen with the editor in its lower right corner; Ctrl+F
// finds with the system's find dialog, worked with keys.
TEST_F(BrindleEdit, LongLineWarningTipAndFind) {
  Editor editor("lang.bat", ("echo " + std::string(6000, 'x') + " 100%\r\ntitle a & b\r\nrem zwei\r\n").c_str());
  ASSERT_NE(editor.window, nullptr);
  RECT frame;
  GetWindowRect(editor.window, &frame);
  SetWindowPos(editor.window, nullptr, GetSystemMetrics(SM_CXSCREEN) - (frame.right - frame.left),
               GetSystemMetrics(SM_CYSCREEN) - (frame.bottom - frame.top), 0, 0, SWP_NOSIZE | SWP_NOZORDER);

  support::PressKey(VK_END);
  GUITHREADINFO caret = {};
  caret.cbSize = sizeof caret;
  RECT view;
  GetClientRect(editor.edit, &view);
  EXPECT_TRUE(support::WaitUntil([&] {
    return GetGUIThreadInfo(GetWindowThreadProcessId(editor.edit, nullptr), &caret) && caret.hwndCaret == editor.edit &&
           caret.rcCaret.left > view.right / 2 && caret.rcCaret.right <= view.right;
  })) << "caret at " << caret.rcCaret.left << " in a view " << view.right << " wide";
  EXPECT_TRUE(editor.WaitForStatus(L"% verdoppeln"));

  RECT status;
  GetWindowRect(editor.status, &status);
  support::MoveTo({status.left + 20, (status.top + status.bottom) / 2});
  const std::wstring explanation = L"In einem Skript liest cmd % als Anfang einer Variablen wie %DATE%: ein "
                                    L"einzelnes % verschwindet samt dem Text bis zum nächsten %. Für ein "
                                    L"Prozentzeichen schreiben Sie %% (100%%, C:\\100%%\\).";
  HWND tip = nullptr;
  ASSERT_TRUE(support::WaitUntil([&] {
    for (HWND shown : support::Tooltips(editor.window))
      if (IsWindowVisible(shown) && WideText(shown) == explanation) tip = shown;
    return tip != nullptr;
  }));
  RECT shown;
  GetWindowRect(tip, &shown);
  EXPECT_TRUE(shown.left >= 0 && shown.top >= 0 && shown.right <= GetSystemMetrics(SM_CXSCREEN) &&
              shown.bottom <= GetSystemMetrics(SM_CYSCREEN));
  support::PressKey(VK_DOWN);
  EXPECT_TRUE(editor.WaitForStatus(L"Sonderzeichen &"));

  support::PressKey('F', {VK_CONTROL});
  // Found by its class: GW_ENABLEDPOPUP gave no window here (Wine 8).
  HWND find = support::WaitForDialog(nullptr, support::PatienceMs, editor.process.dwProcessId, "#32770");
  ASSERT_NE(find, nullptr);
  ASSERT_TRUE(support::WaitUntil([&] { return GetParent(support::FocusIn(find)) == find; }));
  support::TypeText("zwei");
  support::PressKey(VK_RETURN);
  support::PressKey(VK_ESCAPE);
  ASSERT_TRUE(support::WaitForWindowGone(find));
  ASSERT_TRUE(support::WaitForKeyboardFocus(editor.edit));
  support::TypeText("drei");  // over the found word
  EXPECT_TRUE(editor.WaitForText(L"echo " + std::wstring(6000, L'x') + L" 100%\r\ntitle a & b\r\nrem drei\r\n"));
}

// An ordinary save keeps a UTF-8 script in UTF-8, asking nothing; before a
// save in the console's code page the editor names what that code page
// lacks, and its default answer, "Nein", saves nothing.
TEST_F(BrindleEdit, SavingKeepsUtf8AndNamesWhatTheConsoleLacks) {
  struct Case {
    const char *name, *bytes, *typed;  // typed at the start of the script
    const wchar_t *shown, *named;       // the text then; what the question before saving names (null: none)
    const char* saved;
  };
  for (const Case& c : {Case{"utf8.bat", "\xEF\xBB\xBF" "echo \xE2\x82\xAC\r\n", "@", L"@echo €\r\n", nullptr,
                             "\xEF\xBB\xBF" "@echo \xE2\x82\xAC\r\n"},
                        Case{"oem.bat", "echo x\r\n", "€", L"€echo x\r\n", L"€", "echo x\r\n"}}) {
    Editor editor(c.name, c.bytes);
    ASSERT_NE(editor.window, nullptr);
    support::TypeText(c.typed);
    ASSERT_TRUE(editor.WaitForText(c.shown)) << c.name;
    support::PressKey('S', {VK_CONTROL});
    if (c.named) {
      HWND question = support::WaitForDialog("BrindleEdit", support::PatienceMs, editor.process.dwProcessId);
      ASSERT_NE(question, nullptr) << c.name;
      EXPECT_NE(WideText(GetDlgItem(question, 0xFFFF)).find(c.named), std::wstring::npos) << c.name;
      support::PressKey(VK_RETURN);
      ASSERT_TRUE(support::WaitForWindowGone(question));
    } else {  // saved once the title has lost its "*": a read meanwhile could hold up the file's replacement
      EXPECT_TRUE(support::WaitUntil([&] { return !support::WindowText(editor.window).starts_with('*'); })) << c.name;
    }
    EXPECT_EQ(Bytes(editor.script), c.saved) << c.name;
  }
}

// cmd.exe reads the script in the console's code page: only a script
// written in it names the file with its umlauts. A new script is saved
// first, with a final line break; a UTF-8 one after the user agrees to save
// it in the console's code page.
TEST_F(BrindleEdit, F5RunsTheScriptWithItsUmlautsInAConsole) {
  struct Case {
    const char *name, *bytes, *typed;  // bytes: on disk before; null: not there yet
  };
  for (const Case& c : {Case{"neu.bat", nullptr, "echo x> Grüße.txt"},
                        Case{"utf8.bat", "\xEF\xBB\xBF" "echo x> Gr\xC3\xBC\xC3\x9F" "e.txt\r\n", ""}}) {
    const std::string made = FolderPath + std::string("Grüße.txt");
    Editor editor(c.name, c.bytes);
    ASSERT_NE(editor.window, nullptr);
    support::TypeText(c.typed);
    ASSERT_TRUE(editor.WaitForText(L"echo x> Grüße.txt" + std::wstring(c.bytes ? L"\r\n" : L"")));
    support::PressKey(VK_F5);
    if (c.bytes) {
      ASSERT_NE(support::WaitForDialog("BrindleEdit", support::PatienceMs, editor.process.dwProcessId), nullptr);
      support::PressKey(VK_RETURN);  // "Ja": save in the console's code page
    }
    EXPECT_TRUE(support::WaitUntil([&] { return GetFileAttributesA(made.c_str()) != INVALID_FILE_ATTRIBUTES; }, 15000));
    EXPECT_EQ(Bytes(editor.script), "echo x> Gr\x81\xE1" "e.txt\r\n");
    EndDescendants(editor.process.dwProcessId);
    EXPECT_EQ(editor.Close(), 0u);
    DeleteFileA(made.c_str());
  }
}

}  // namespace
