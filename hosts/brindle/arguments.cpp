#include "hosts/brindle/arguments.h"

#include <algorithm>

#include "hosts/command_names.h"
#include "lines/line_model.h"

namespace brindle {

Arguments ParseArguments(const std::vector<std::string_view>& arguments) {
  Arguments parsed;
  auto wrong = [&parsed](std::string problem) {
    parsed.mode = Arguments::Mode::Wrong;
    parsed.problem = std::move(problem);
    return parsed;
  };
  bool optionsEnded = false, lineNext = false;
  for (std::string_view argument : arguments) {
    if (lineNext) {
      // Measured before anything is made of it; the library would not take it over either.
      if (argument.size() > hosts::LongestLine) {
        parsed.mode = Arguments::Mode::LineTooLong;
        parsed.refusedLength = argument.size();
        return parsed;
      }
      // The line's own command word names the dialog, in every form the
      // dialogs read: "@echo off" and "chkdsk/f" are echo's and chkdsk's.
      const lines::Model* model = lines::ModelOf(argument);
      if (!model) return wrong("--edit: kein bekannter Befehl in " + std::string(argument));
      parsed.commands.emplace_back(model->forms.word);
      parsed.lines.emplace_back(argument);
      lineNext = false;
      continue;
    }
    // "/?" asks for help, as with every Windows command.
    if (!optionsEnded && argument == "/?") {
      parsed.mode = Arguments::Mode::Help;
      continue;
    }
    if (!optionsEnded && argument.size() > 1 && argument[0] == '-') {
      if (argument == "--") {
        optionsEnded = true;
      } else if (argument == "-n" || argument == "--no-newline") {
        parsed.finalLineBreak = false;
      } else if (argument == "--oem") {
        parsed.consoleCodePage = true;
      } else if (argument == "--edit") {
        lineNext = true;
      } else if (argument == "--list") {
        parsed.mode = Arguments::Mode::List;
      } else if (argument == "-h" || argument == "--help" || argument == "-?") {
        parsed.mode = Arguments::Mode::Help;
      } else {
        return wrong("unbekannte Option " + std::string(argument));
      }
      continue;
    }
    std::string command(argument);
    std::transform(command.begin(), command.end(), command.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    const auto& known = hosts::CommandNames;
    if (std::find(known.begin(), known.end(), command) == known.end())
      return wrong("unbekannter Befehl " + std::string(argument));
    parsed.commands.push_back(command);
    parsed.lines.emplace_back();
  }
  if (lineNext) return wrong("--edit ohne Zeile");
  if (parsed.mode == Arguments::Mode::Run && parsed.commands.empty()) return wrong("kein Befehl angegeben");
  return parsed;
}

std::string UsageText() {
  return "Aufruf: brindle [-n] [--oem] BEFEHL|--edit ZEILE...\n"
         "        brindle --list | --help | /?\n"
         "\n"
         "Zeigt den Dialog jedes BEFEHLs (" + hosts::CommandNamesInWords("oder") + ")\n"
         "der Reihe nach und schreibt die fertigen Befehlszeilen, eine je Zeile.\n"
         "\n"
         "  --edit ZEILE      den Dialog zum Befehl der ZEILE mit deren Angaben zeigen\n"
         "                    und die neue Zeile schreiben:  brindle --edit \"color 1F\"\n"
         "  -n, --no-newline  kein Zeilenumbruch nach der letzten Zeile\n"
         "  --oem             in der Codepage der Konsole schreiben, so wie Skripte sie\n"
         "                    brauchen:  brindle --oem echo >> skript.bat\n"
         "                    (sonst Codepage 1252 wie die Bibliothek; in ein\n"
         "                    Konsolenfenster schreibt brindle immer lesbar)\n"
         "  --list            die Befehle auflisten\n"
         "  -h, --help, /?    diese Hilfe\n"
         "\n"
         "Auf die Standardfehlerausgabe schreibt brindle Warnungen zu jeder Zeile, die\n"
         "im Skript nicht tut, wonach sie aussieht (echo mit nur Leerzeichen, & | < > ^,\n"
         "einzelnes %, xcopy-Quelle und -Ziel), und mit --oem die Zeichen, die es in\n"
         "der Codepage der Konsole nicht gibt: sie werden zu \"?\".\n"
         "\n"
         "Ergebnis: 0, wenn jeder Dialog eine Zeile lieferte; 1, wenn einer abgebrochen\n"
         "wurde (danach erscheint kein Dialog mehr); 2 bei falschem Aufruf; 3, wenn\n"
         "Brindlework.dll neben brindle.exe fehlt; 4, wenn eine ZEILE mehr als die 8191\n"
         "Zeichen hat, die cmd.exe liest (dann erscheint kein Dialog).\n";
}

}  // namespace brindle
