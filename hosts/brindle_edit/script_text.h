// Script files as the editor reads them: which encoding a file's bytes are
// in, and the line breaks the edit control needs.
#pragma once

#include <string>
#include <string_view>

namespace brindle_edit {

// Files are written in the console's OEM code page, the one cmd.exe reads
// scripts in. A file that starts with the UTF-8 mark is read as UTF-8.
enum class ScriptEncoding { ConsoleOem, Utf8WithMark };

ScriptEncoding DetectEncoding(std::string_view bytes);
// The bytes without the UTF-8 mark, if there is one.
std::string_view WithoutMark(std::string_view bytes);

// Every line break as "\r\n": lone "\n" and lone "\r" included.
std::wstring WithCrLf(std::wstring_view text);

// The text as it is saved: a script that does not end with a line break gets
// one, so that a line appended later (brindle --oem echo >> skript.bat)
// starts a line of its own. An empty script stays empty.
std::wstring WithFinalLineBreak(std::wstring_view text);

}  // namespace brindle_edit
