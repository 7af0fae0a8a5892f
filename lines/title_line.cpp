#include "lines/title_line.h"

#include <algorithm>
#include <iterator>

#include "lines/text_warnings.h"

namespace lines::title {

namespace {

Wording Explain(const CommandLine& line) {
  if (TrimmedBlanks(line.rest).empty()) return Wording("title: ohne Text bleibt der Titel des Konsolenfensters leer");
  return Wording("title: setzt den Titel des Konsolenfensters auf ").Quote(line.rest);
}

void Warn(const CommandLine& line, Warnings& warnings) { WarnAboutSpecials(line.rest, warnings); }

}  // namespace

Reading Read(std::string_view line) {
  const CommandLine split = ReadCommandLine(line, Forms);
  Reading read{{}, ReadFrame(split, true)};
  if (split.ours) read.state.text = split.rest;
  return read;
}

std::string Build(const State& state, const Reading& from) { return from.frame.Around("title " + state.text); }

std::string BlankFreeText(std::string_view text) {
  std::string kept;
  std::copy_if(text.begin(), text.end(), std::back_inserter(kept), [](char c) { return c != ' '; });
  return kept;
}

const Model model{Forms, Explain, Warn};

}  // namespace lines::title
