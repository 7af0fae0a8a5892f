// Texts the editor asks the system for: a system error's message, and an
// environment variable's value.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace brindle_edit {

// The system's own words for `error`, without their line break.
std::wstring SystemMessage(DWORD error);
// The variable's value; none when it is not set.
std::optional<std::wstring> EnvironmentValue(const std::wstring& name);

}  // namespace brindle_edit
