#include "plugin/unshown_parts.h"

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

// Where a kind of part stands in a line, 0 to 3: the parts are named in that order.
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
  std::string notice;
  const UnshownPart* last = nullptr;
  for (int place = 0; place <= 3; ++place) {
    for (const UnshownPart& part : parts) {
      if (PlaceInLine(part.kind) != place) continue;
      notice.append(last ? ", " : "Nicht übernommen: ");
      // Parts of one kind in a row share its label: "unbekannt „/B“, „/J“".
      if (!last || part.kind != last->kind) notice.append(KindLabel(part.kind)).append(" ");
      notice.append("„").append(part.text).append("“");
      last = &part;
    }
  }
  return notice;
}

}  // namespace plugin
