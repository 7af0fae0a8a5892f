// Where cmd.exe reads the text of an echo or title line, or any line of a
// script, otherwise than it looks.
#pragma once

#include <string_view>

#include "lines/line_model.h"

namespace lines {

// & | < > ^ in a text that no ^ escapes and no quotes hold.
void WarnAboutSpecials(std::string_view text, Warnings& warnings);

// A % that starts a variable swallowing the text after it: every % but
// %%, %0 to %9, %*, %~ and %NAME%.
bool HasLonePercent(std::string_view text);

}  // namespace lines
