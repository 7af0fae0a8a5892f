// The echo command line: "echo " and the typed text exactly as typed, or
// "echo." for an empty field (a bare "echo" would report the echo state).
#pragma once

#include <string>
#include <string_view>

namespace commands {

std::string EchoCommandText(std::string_view typed);

}  // namespace commands
