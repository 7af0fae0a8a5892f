#include "hosts/brindle_edit/trial_plan.h"

#include <algorithm>
#include <cwctype>

#include "hosts/script_lines.h"
#include "lines/chkdsk_line.h"
#include "lines/color_line.h"
#include "lines/echo_line.h"
#include "lines/line_model.h"
#include "lines/robocopy_line.h"
#include "lines/text_warnings.h"
#include "lines/title_line.h"
#include "lines/trial_run.h"
#include "lines/xcopy_line.h"

namespace brindle_edit {

namespace {

using Kind = TrialPlan::Kind;
using lines::PercentReference;

constexpr std::wstring_view MarkOpen = L"‹", MarkClose = L"›";

bool SameIgnoringCase(wchar_t a, wchar_t b) { return std::towupper(a) == std::towupper(b); }

std::size_t FindIgnoringCase(std::wstring_view text, std::wstring_view what) {
  for (std::size_t at = 0; at + what.size() <= text.size(); ++at) {
    std::size_t i = 0;
    while (i < what.size() && SameIgnoringCase(text[at + i], what[i])) ++i;
    if (i == what.size()) return at;
  }
  return std::wstring_view::npos;
}

// "-3" or "12"; none for anything else.
std::optional<long> Number(std::wstring_view text) {
  const bool negative = text.starts_with(L'-');
  if (negative) text.remove_prefix(1);
  if (text.empty() || text.size() > 9) return std::nullopt;
  long value = 0;
  for (wchar_t digit : text) {
    if (digit < L'0' || digit > L'9') return std::nullopt;
    value = value * 10 + (digit - L'0');
  }
  return negative ? -value : value;
}

// A variable's value with cmd.exe's edit after its name: ":~start,length"
// (negative counts from the end) or ":old=new" (case ignored; "*old" up to
// the first "old"). None for an edit of another form.
std::optional<std::wstring> Edited(std::wstring value, std::wstring_view edit) {
  if (edit.empty()) return value;
  edit.remove_prefix(1);
  const auto size = static_cast<long>(value.size());
  if (edit.starts_with(L'~')) {
    edit.remove_prefix(1);
    const std::size_t comma = edit.find(L',');
    const std::optional<long> start = Number(edit.substr(0, comma));
    const std::optional<long> length = comma == std::wstring_view::npos ? size : Number(edit.substr(comma + 1));
    if (!start || !length) return std::nullopt;
    const long first = std::min(size, *start < 0 ? std::max(0L, size + *start) : *start);
    const long end = std::clamp(*length < 0 ? size + *length : first + *length, first, size);
    return value.substr(static_cast<std::size_t>(first), static_cast<std::size_t>(end - first));
  }
  const std::size_t equals = edit.find(L'=');
  if (equals == std::wstring_view::npos) return std::nullopt;
  std::wstring_view old = edit.substr(0, equals);
  const std::wstring_view replacement = edit.substr(equals + 1);
  const bool toFirst = old.starts_with(L'*');
  if (toFirst) old.remove_prefix(1);
  if (old.empty()) return value;
  std::wstring edited;
  std::wstring_view rest = value;
  for (std::size_t at; (at = FindIgnoringCase(rest, old)) != std::wstring_view::npos;) {
    edited.append(toFirst ? std::wstring_view() : rest.substr(0, at)).append(replacement);
    rest.remove_prefix(at + old.size());
    if (toFirst) break;
  }
  return edited.append(rest);
}

// %~dp0 and its kin: parts of the script's path (d drive, p folder, n name,
// x extension, f all of it). None for another parameter, or without a saved script.
std::optional<std::wstring> ScriptPathPart(std::string_view name, const std::wstring& script) {
  if (script.size() < 3 || !name.starts_with('~') || !name.ends_with('0')) return std::nullopt;
  const std::string_view modifiers = name.substr(1, name.size() - 2);
  if (modifiers.find_first_not_of("fdpnx") != std::string_view::npos) return std::nullopt;
  if (modifiers.empty() || modifiers.find('f') != std::string_view::npos) return script;
  const std::size_t slash = script.find_last_of(L'\\') + 1, dot = script.find_last_of(L'.');
  const std::size_t nameEnd = dot == std::wstring::npos || dot < slash ? script.size() : dot;
  std::wstring part;
  if (modifiers.find('d') != std::string_view::npos) part += script.substr(0, 2);
  if (modifiers.find('p') != std::string_view::npos) part += script.substr(2, slash - 2);
  if (modifiers.find('n') != std::string_view::npos) part += script.substr(slash, nameEnd - slash);
  if (modifiers.find('x') != std::string_view::npos) part += script.substr(nameEnd);
  return part;
}

// The line with its % references filled in as cmd.exe fills them in a
// script; each one that cannot be said in a sentence, and marked ‹…› in
// the text when `mark`, else left as it stood.
struct Filled {
  std::string text;
  std::vector<std::wstring> unset;
};

Filled FillIn(std::string_view line, const TrialContext& context, bool mark) {
  Filled filled;
  std::size_t done = 0;
  for (const PercentReference& reference : lines::PercentReferences(line)) {
    filled.text.append(line.substr(done, reference.at - done));
    done = reference.at + reference.length;
    const std::string_view written = line.substr(reference.at, reference.length);
    const std::wstring quoted = hosts::FromUtf8(written);
    std::optional<std::wstring> value;
    std::wstring why;
    switch (reference.kind) {
      case PercentReference::Kind::Percent: value = L"%"; break;
      case PercentReference::Kind::Parameter:
        value = ScriptPathPart(reference.name, context.scriptPath);
        why = reference.name.starts_with("~") && reference.name.ends_with('0') && context.scriptPath.empty()
                  ? quoted + L" gehört zum Pfad des Skripts, das noch nicht gespeichert ist"
                  : quoted + L" bringt erst der Aufruf des Skripts";
        break;
      case PercentReference::Kind::Variable:
        if (const std::optional<std::wstring> set = context.variable(hosts::FromUtf8(reference.name))) {
          value = Edited(*set, hosts::FromUtf8(reference.edit));
          why = quoted + L" kann der Probelauf nicht auswerten";
        } else {
          why = quoted + L" ist nicht gesetzt";
        }
        break;
      case PercentReference::Kind::Lone: why = L"ein einzelnes % (für ein Prozentzeichen schreiben Sie %%)"; break;
    }
    if (value) {
      filled.text.append(hosts::Utf8(*value));
      continue;
    }
    filled.unset.push_back(why);
    filled.text.append(mark ? hosts::Utf8(std::wstring(MarkOpen) + quoted + std::wstring(MarkClose)) : std::string(written));
  }
  filled.text.append(line.substr(done));
  return filled;
}

std::wstring Joined(const std::vector<std::wstring>& parts, std::wstring_view between) {
  std::wstring joined;
  for (const std::wstring& part : parts) joined.append(joined.empty() ? L"" : between).append(part);
  return joined;
}

// Echo's or title's text as cmd.exe shows it: up to a redirection or chain, its carets taken.
void PlanText(const Filled& filled, const lines::WordForms& forms, TrialPlan& plan) {
  const lines::CommandLine split = lines::ReadCommandLine(filled.text, forms);
  plan.kind = Kind::Text;
  plan.shown = hosts::FromUtf8(lines::PassedOn(split.rest.substr(0, split.tailAt - split.restAt)));
  for (const std::wstring& unset : filled.unset) plan.notes.push_back(unset + L": cmd setzt hier nichts ein");
  const std::wstring tail = hosts::FromUtf8(lines::TrimmedBlanks(split.tail));
  if (tail.starts_with(L'&') || tail.starts_with(L'|'))
    plan.notes.push_back(L"„" + tail + L"“ folgt als weiterer Befehl");
  else if (!tail.empty())
    plan.notes.push_back(L"„" + tail + L"“ leitet um: der Text erscheint nicht im Fenster");
}

void PlanListing(const Filled& filled, TrialPlan& plan) {
  if (!filled.unset.empty()) {
    plan.kind = Kind::Refused;
    plan.refusal = L"Kein Probelauf: " + Joined(filled.unset, L"; ") +
                   L". cmd setzte dort etwas anderes ein, als die Zeile zeigt.";
    return;
  }
  const lines::trial::ListOnly run = lines::trial::ListOnlyLine(filled.text);
  if (!run.refusal.Empty()) {
    plan.kind = Kind::Refused;
    plan.refusal = hosts::Rendered(run.refusal);
    return;
  }
  plan.kind = Kind::Listing;
  plan.program = hosts::FromUtf8(run.program);
  plan.arguments = hosts::FromUtf8(run.arguments);
  for (const lines::Wording& change : run.changes) plan.changes.push_back(hosts::Rendered(change));
  plan.target = hosts::FromUtf8(run.target);
  plan.robocopy = run.model == &lines::robocopy::model;
  plan.deletesExtras = run.deletesExtras;
}

void PlanDrive(const Filled& filled, const TrialContext& context, TrialPlan& plan) {
  plan.kind = Kind::Drive;
  const std::wstring volume = hosts::FromUtf8(lines::chkdsk::Read(filled.text).volume.text);
  const std::wstring_view folder = context.folder;
  const bool named = volume.size() >= 2 && volume[1] == L':' && std::iswalpha(volume[0]);
  if (named || (volume.find_first_of(L":\\‹") == std::wstring::npos && folder.size() >= 2 && folder[1] == L':'))
    plan.drive = {static_cast<wchar_t>(std::towupper(named ? volume[0] : folder[0])), L':'};
  else
    plan.notes.push_back(L"„" + volume + L"“ ist kein Laufwerk, das der Probelauf zeigen kann");
  for (const std::string& piece : lines::trial::LockingSwitches(filled.text)) plan.locking.push_back(hosts::FromUtf8(piece));
  for (const std::wstring& unset : filled.unset) plan.notes.push_back(unset);
}

}  // namespace

TrialPlan PlanTrial(std::wstring_view line, const TrialContext& context) {
  TrialPlan plan;
  const std::string bytes = hosts::Utf8(line);
  const lines::Model* model = lines::ModelOf(bytes);
  if (!model) return plan;
  plan.command = hosts::FromUtf8(model->forms.word);
  const bool runs = model == &lines::robocopy::model || model == &lines::xcopy::model;
  const Filled filled = FillIn(bytes, context, !runs);
  if (runs) {
    PlanListing(filled, plan);
  } else if (model == &lines::chkdsk::model) {
    PlanDrive(filled, context, plan);
  } else if (model == &lines::color::model) {
    plan.kind = Kind::Colours;
    const lines::CommandLine split = lines::ReadCommandLine(filled.text, lines::color::Forms);
    const lines::color::State colours = lines::color::ColoursOf(split.arguments.empty() ? "" : split.arguments[0].text);
    plan.background = colours.background;
    plan.text = colours.text;
    for (const std::wstring& unset : filled.unset) plan.notes.push_back(unset);
  } else {
    PlanText(filled, model->forms, plan);
  }
  return plan;
}

std::vector<std::wstring> ProgramCandidates(std::wstring_view word, std::wstring_view folder, std::wstring_view path,
                                            std::wstring_view pathExt) {
  auto split = [](std::wstring_view list) {
    std::vector<std::wstring> parts;
    for (std::size_t start = 0; start <= list.size();) {
      const std::size_t end = std::min(list.find(L';', start), list.size());
      std::wstring part(list.substr(start, end - start));
      if (part.size() >= 2 && part.front() == L'"' && part.back() == L'"') part = part.substr(1, part.size() - 2);
      if (!part.empty()) parts.push_back(part);
      start = end + 1;
    }
    return parts;
  };
  std::vector<std::wstring> extensions = split(pathExt.empty() ? std::wstring_view(L".COM;.EXE;.BAT;.CMD") : pathExt);
  const std::size_t dot = word.find_last_of(L'.');
  if (dot != std::wstring_view::npos && dot > word.find_last_of(L"\\:") + 1)
    for (const std::wstring& extension : extensions)
      if (extension.size() == word.size() - dot && FindIgnoringCase(word.substr(dot), extension) == 0) extensions = {L""};
  std::vector<std::wstring> folders;
  if (word.find_first_of(L"\\:") != std::wstring_view::npos) {
    folders.emplace_back(word.size() > 1 && (word[1] == L':' || word.starts_with(L"\\\\")) ? L"" : folder);
  } else {
    folders.emplace_back(folder);
    for (std::wstring& entry : split(path)) folders.push_back(entry.ends_with(L'\\') ? entry : entry + L'\\');
  }
  std::vector<std::wstring> candidates;
  for (const std::wstring& in : folders)
    for (const std::wstring& extension : extensions) candidates.push_back(in + std::wstring(word) + extension);
  return candidates;
}

bool IsProgramFile(std::wstring_view path) {
  if (path.size() < 4) return false;
  const std::wstring_view extension = path.substr(path.size() - 4);
  return FindIgnoringCase(extension, L".exe") == 0 || FindIgnoringCase(extension, L".com") == 0;
}

}  // namespace brindle_edit
