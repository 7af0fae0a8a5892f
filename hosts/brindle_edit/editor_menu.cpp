#include "hosts/brindle_edit/editor_menu.h"

#include <iterator>
#include <string>
#include <vector>

#include "hosts/brindle_edit/command_library.h"
#include "hosts/brindle_edit/recent_files.h"
#include "hosts/script_lines.h"
#include "lines/line_model.h"

namespace brindle_edit {

namespace {

struct Item {
  UINT id;  // 0: a separator
  const wchar_t* text;
};

HMENU Popup(std::initializer_list<Item> items) {
  HMENU popup = CreatePopupMenu();
  for (const Item& item : items) {
    if (item.id == 0)
      AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
    else
      AppendMenuW(popup, MF_STRING, item.id, item.text);
  }
  return popup;
}

// One entry a command of the library's list, with its purpose and Ctrl+1,
// Ctrl+2 and so on; the first letter of its word that no entry above took
// is its mnemonic. Then "Zeile bearbeiten" and "Probelauf".
HMENU CommandMenu() {
  HMENU popup = CreatePopupMenu();
  std::wstring taken = L"bp";  // of "Zeile bearbeiten" and "Probelauf"
  for (std::size_t i = 0; i < CommandNames.size(); ++i) {
    std::wstring text = hosts::FromCodePage1252(CommandNames[i]);
    const std::size_t mnemonic = text.find_first_not_of(taken);
    taken.push_back(text[mnemonic]);
    text.insert(mnemonic, 1, L'&');
    text += L" – " + hosts::FromCodePage1252(lines::Models()[i]->purpose) + L"...\tStrg+" + std::to_wstring(i + 1);
    AppendMenuW(popup, MF_STRING, menu_item::FirstCommand + i, text.c_str());
  }
  AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(popup, MF_STRING, menu_item::EditLine, L"Zeile &bearbeiten…\tStrg+E");
  AppendMenuW(popup, MF_STRING, menu_item::TrialRun, L"&Probelauf…\tF6");
  return popup;
}

}  // namespace

HMENU CreateEditorMenu() {
  using namespace menu_item;
  HMENU bar = CreateMenu();
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(Popup({
      {New, L"&Neu\tStrg+N"},
      {Open, L"Ö&ffnen...\tStrg+O"},
      {Save, L"&Speichern\tStrg+S"},
      {SaveAs, L"Speichern &unter..."},
      {0, nullptr},
      {Run, L"Skript &ausführen\tF5"},
      {0, nullptr},
      {Exit, L"&Beenden\tAlt+F4"},
  })), L"&Datei");
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(Popup({
      {Undo, L"&Rückgängig\tStrg+Z"},
      {Redo, L"&Wiederholen\tStrg+Y"},
      {0, nullptr},
      {Cut, L"&Ausschneiden\tStrg+X"},
      {Copy, L"&Kopieren\tStrg+C"},
      {Paste, L"&Einfügen\tStrg+V"},
      {Delete, L"&Löschen\tEntf"},
      {0, nullptr},
      {SelectAll, L"Alles &markieren\tStrg+A"},
      {0, nullptr},
      {Find, L"&Suchen...\tStrg+F"},
      {FindNext, L"&Weitersuchen\tF3"},
      {Replace, L"&Ersetzen...\tStrg+H"},
      {GoToLine, L"&Gehe zu Zeile…\tStrg+G"},
  })), L"&Bearbeiten");
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(CommandMenu()), L"Be&fehle");
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(Popup({
      {HelpContents, L"&Hilfe\tF1"},
      {About, L"&Über BrindleEdit"},
  })), L"&Hilfe");
  return bar;
}

OwnedAccelerators CreateEditorAccelerators() {
  using namespace menu_item;
  // Cut, copy and paste are the edit control's own keys; undo and redo go
  // through the menu's commands like every other change.
  std::vector<ACCEL> keys = {
      {FVIRTKEY | FCONTROL, 'N', New},       {FVIRTKEY | FCONTROL, 'O', Open},
      {FVIRTKEY | FCONTROL, 'S', Save},      {FVIRTKEY, VK_F5, Run},
      {FVIRTKEY | FCONTROL, 'Z', Undo},      {FVIRTKEY | FCONTROL, 'Y', Redo},
      {FVIRTKEY | FCONTROL, 'F', Find},      {FVIRTKEY, VK_F3, FindNext},
      {FVIRTKEY | FCONTROL, 'A', SelectAll}, {FVIRTKEY | FCONTROL, 'E', EditLine},
      {FVIRTKEY, VK_F1, HelpContents},       {FVIRTKEY | FCONTROL, 'H', Replace},
      {FVIRTKEY | FCONTROL, 'G', GoToLine},  {FVIRTKEY, VK_F6, TrialRun},
  };
  // Ctrl+1 and on: the commands in the order of the menu.
  static_assert(std::size(CommandNames) <= 9);
  for (std::size_t i = 0; i < CommandNames.size(); ++i)
    keys.push_back({FVIRTKEY | FCONTROL, static_cast<WORD>('1' + i), static_cast<WORD>(FirstCommand + i)});
  return OwnedAccelerators(CreateAcceleratorTableW(keys.data(), static_cast<int>(keys.size())));
}

void ShowRecentFiles(HMENU fileMenu, const std::vector<std::wstring>& files) {
  DeleteMenu(fileMenu, menu_item::RecentSeparator, MF_BYCOMMAND);
  for (UINT i = 0; i < RecentFileCount; ++i) DeleteMenu(fileMenu, menu_item::FirstRecent + i, MF_BYCOMMAND);
  for (std::size_t i = 0; i < files.size() && i < RecentFileCount; ++i)
    InsertMenuW(fileMenu, menu_item::Exit, MF_BYCOMMAND | MF_STRING, menu_item::FirstRecent + i,
                RecentFileItem(i, files[i]).c_str());
  if (!files.empty()) InsertMenuW(fileMenu, menu_item::Exit, MF_BYCOMMAND | MF_SEPARATOR, menu_item::RecentSeparator, nullptr);
}

}  // namespace brindle_edit
