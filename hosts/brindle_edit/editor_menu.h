// The editor's menu and keyboard shortcuts, in German.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "hosts/brindle_edit/owned_handles.h"

namespace brindle_edit {

namespace menu_item {
inline constexpr UINT New = 1001;
inline constexpr UINT Open = 1002;
inline constexpr UINT Save = 1003;
inline constexpr UINT SaveAs = 1004;
inline constexpr UINT Run = 1005;
inline constexpr UINT Exit = 1006;
// The recent files in their order: FirstRecent + index; the line above them.
inline constexpr UINT FirstRecent = 1011;
inline constexpr UINT RecentSeparator = 1010;
inline constexpr UINT Undo = 1101;
inline constexpr UINT Cut = 1102;
inline constexpr UINT Copy = 1103;
inline constexpr UINT Paste = 1104;
inline constexpr UINT Delete = 1105;
inline constexpr UINT SelectAll = 1106;
inline constexpr UINT Redo = 1107;
inline constexpr UINT Find = 1108;
inline constexpr UINT FindNext = 1109;
inline constexpr UINT Replace = 1110;
inline constexpr UINT GoToLine = 1111;
// The commands in the order of CommandNames: FirstCommand + index.
inline constexpr UINT FirstCommand = 1201;
inline constexpr UINT EditLine = 1210;
inline constexpr UINT TrialRun = 1211;
inline constexpr UINT HelpContents = 1301;
inline constexpr UINT About = 1302;
}  // namespace menu_item

// The menu bar; the window that gets it destroys it.
HMENU CreateEditorMenu();
// The "Datei" menu's list of recent files, above "Beenden": `files` in their order.
void ShowRecentFiles(HMENU fileMenu, const std::vector<std::wstring>& files);
OwnedAccelerators CreateEditorAccelerators();

}  // namespace brindle_edit
