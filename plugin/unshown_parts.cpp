#include "plugin/unshown_parts.h"

#include <algorithm>

namespace plugin {

namespace {

const char* KindLabel(UnshownPart::Kind kind) {
  switch (kind) {
    case UnshownPart::Kind::OtherCommand: return "anderer Befehl";
    case UnshownPart::Kind::EchoOff: return "Zeilenanfang";
    case UnshownPart::Kind::FurtherLine: return "weitere Zeile";
    case UnshownPart::Kind::Unknown: return "unbekannt";
    case UnshownPart::Kind::Pattern: return "Muster";
    case UnshownPart::Kind::EqualColours: return "gleiche Farben";
    case UnshownPart::Kind::NoColours: return "keine Farben";
    case UnshownPart::Kind::MissingDrive: return "Laufwerk fehlt";
    case UnshownPart::Kind::MissingFolder: return "Ordner fehlt";
    case UnshownPart::Kind::Redirection: return "Umleitung";
  }
  return "";
}

// Where a kind of part stands in a line: the parts are named in that order.
int PlaceInLine(UnshownPart::Kind kind) {
  switch (kind) {
    case UnshownPart::Kind::OtherCommand:
    case UnshownPart::Kind::EchoOff: return 0;
    case UnshownPart::Kind::Redirection: return 2;
    case UnshownPart::Kind::FurtherLine: return 3;
    default: return 1;
  }
}

}  // namespace

std::string NoticeText(const UnshownParts& parts) {
  UnshownParts inLineOrder = parts;
  std::stable_sort(inLineOrder.begin(), inLineOrder.end(), [](const UnshownPart& a, const UnshownPart& b) {
    return PlaceInLine(a.kind) < PlaceInLine(b.kind);
  });
  std::string notice;
  for (std::size_t i = 0; i < inLineOrder.size(); ++i) {
    notice.append(i == 0 ? "Nicht übernommen: " : ", ");
    // Parts of one kind in a row share its label: "unbekannt „/B“, „/J“".
    if (i == 0 || inLineOrder[i].kind != inLineOrder[i - 1].kind) notice.append(KindLabel(inLineOrder[i].kind)).append(" ");
    notice.append("„").append(inLineOrder[i].text).append("“");
  }
  return notice;
}

}  // namespace plugin
