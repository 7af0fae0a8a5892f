// The commands of the library's command list, each by its description.
#include <array>

#include "library/command_list.h"
#include "lines/chkdsk_line.h"
#include "lines/color_line.h"
#include "lines/echo_line.h"
#include "lines/line_model.h"
#include "lines/text_warnings.h"
#include "lines/title_line.h"
#include "lines/xcopy_line.h"

namespace lines {

namespace {

#define COMMAND_MODEL(word, ordinal, editOrdinal, run) &word::model,
const std::array Models = {BRINDLE_COMMANDS(COMMAND_MODEL)};
#undef COMMAND_MODEL

constexpr WordForms Comment{"rem", ""};

}  // namespace

const Model* ModelOf(std::string_view line) {
  for (const Model* model : Models)
    if (ReadCommandLine(line, model->forms).ours) return model;
  return nullptr;
}

Wording Explain(std::string_view line) {
  const Model* model = ModelOf(line);
  return model ? model->explain(ReadCommandLine(line, model->forms)) : Wording();
}

Warnings WarningsFor(std::string_view line) {
  Warnings warnings;
  const CommandLine comment = ReadCommandLine(line, Comment);
  const std::string_view words = line.substr(comment.prefix.size());
  if (comment.ours || words.starts_with("::")) return warnings;
  if (const Model* model = ModelOf(line)) model->warn(ReadCommandLine(line, model->forms), warnings);
  if (HasLonePercent(words))
    warnings.push_back({Wording("% verdoppeln"),
                        Wording("In einem Skript liest cmd % als Anfang einer Variablen wie %DATE%: ein einzelnes % "
                                "verschwindet samt dem Text bis zum nächsten %. Für ein Prozentzeichen schreiben Sie "
                                "%% (100%%, C:\\100%%\\).")});
  return warnings;
}

}  // namespace lines
