#include "hosts/brindle_edit/editor_menu.h"

#include <iterator>

#include "hosts/brindle_edit/command_library.h"

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
  })), L"&Bearbeiten");
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(Popup({
      {FirstCommand + 0, L"&chkdsk – Laufwerk prüfen...\tStrg+1"},
      {FirstCommand + 1, L"c&olor – Konsolenfarben...\tStrg+2"},
      {FirstCommand + 2, L"&echo – Text ausgeben...\tStrg+3"},
      {FirstCommand + 3, L"&title – Fenstertitel...\tStrg+4"},
      {FirstCommand + 4, L"&xcopy – Dateien kopieren...\tStrg+5"},
      {0, nullptr},
      {EditLine, L"Zeile &bearbeiten…\tStrg+E"},
  })), L"Be&fehle");
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
  ACCEL keys[] = {
      {FVIRTKEY | FCONTROL, 'N', New},       {FVIRTKEY | FCONTROL, 'O', Open},
      {FVIRTKEY | FCONTROL, 'S', Save},      {FVIRTKEY, VK_F5, Run},
      {FVIRTKEY | FCONTROL, 'Z', Undo},      {FVIRTKEY | FCONTROL, 'Y', Redo},
      {FVIRTKEY | FCONTROL, 'F', Find},      {FVIRTKEY, VK_F3, FindNext},
      {FVIRTKEY | FCONTROL, 'A', SelectAll},
      {FVIRTKEY | FCONTROL, '1', FirstCommand + 0}, {FVIRTKEY | FCONTROL, '2', FirstCommand + 1},
      {FVIRTKEY | FCONTROL, '3', FirstCommand + 2}, {FVIRTKEY | FCONTROL, '4', FirstCommand + 3},
      {FVIRTKEY | FCONTROL, '5', FirstCommand + 4}, {FVIRTKEY | FCONTROL, 'E', EditLine},
      {FVIRTKEY, VK_F1, HelpContents},
  };
  static_assert(std::size(CommandNames) == 5);
  return OwnedAccelerators(CreateAcceleratorTableW(keys, static_cast<int>(std::size(keys))));
}

}  // namespace brindle_edit
