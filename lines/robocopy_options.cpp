// The robocopy dialog's options, each with its tooltip and what the editor
// says it does: the one table of robocopy's switches.
#include "lines/robocopy_line.h"

namespace lines::robocopy {

const std::array<std::string_view, 5> Groups = {"Was kopieren", "Wie kopieren", "Welche Dateien",
                                                "Wiederholen und Tempo", "Protokoll"};

namespace {
constexpr Value None = Value::None, Number = Value::Number, Names = Value::Names, File = Value::File;
}  // namespace

namespace {

constexpr std::array<Option, OptionCount> Table = {{
    {0, {"/S", "mit Unterordnern, ohne leere"}, None, "Unterordner",
     "/S kopiert auch die Unterordner, aber keine leeren."},
    {0, {"/E", "mit allen Unterordnern, auch leeren"}, None, "alle Unterordner",
     "/E kopiert alle Unterordner, auch leere. Es schließt /S ein."},
    {0, {"/LEV:", "", "nur {} Ebenen tief"}, Number, "Ebenen",
     "/LEV:n kopiert nur die obersten n Ebenen der Quelle; 1 ist der Quellordner allein."},
    {0, {"/MIR", "spiegelt die Quelle: löscht im Ziel, was es in der Quelle nicht gibt"}, None, "spiegeln",
     "/MIR macht das Ziel zum Spiegel der Quelle: wie /E, und im Ziel wird gelöscht, was es in der Quelle nicht "
     "gibt."},
    {0, {"/PURGE", "löscht im Ziel, was es in der Quelle nicht gibt"}, None, "im Ziel löschen",
     "/PURGE löscht im Ziel alle Dateien und Ordner, die es in der Quelle nicht (mehr) gibt."},
    {0, {"/MOV", "verschiebt die Dateien: löscht sie in der Quelle"}, None, "Dateien verschieben",
     "/MOV verschiebt die Dateien: nach dem Kopieren werden sie in der Quelle gelöscht. Die Ordner bleiben."},
    {0, {"/MOVE", "verschiebt Dateien und Ordner: löscht sie in der Quelle"}, None, "alles verschieben",
     "/MOVE verschiebt Dateien und Ordner: nach dem Kopieren wird beides in der Quelle gelöscht."},
    {0, {"/CREATE", "legt nur die Ordner und leere Dateien an"}, None, "nur Struktur",
     "/CREATE legt nur die Ordner und leere Dateien an, ohne ihren Inhalt."},

    {1, {"/Z", "im Neustartmodus: setzt Abgebrochenes fort"}, None, "Neustartmodus",
     "/Z kopiert im Neustartmodus: eine abgebrochene Datei wird dort fortgesetzt, wo sie stand. Langsamer, aber "
     "sicher bei Netzwerken."},
    {1, {"/B", "im Sicherungsmodus (braucht Administratorrechte)"}, None, "Sicherungsmodus",
     "/B kopiert im Sicherungsmodus, der auch Dateien ohne Leserecht erreicht. Er braucht Administratorrechte."},
    {1, {"/ZB", "im Neustartmodus, ohne Zugriff im Sicherungsmodus"}, None, "beides",
     "/ZB kopiert im Neustartmodus und, wo der Zugriff verweigert wird, im Sicherungsmodus."},
    {1, {"/J", "ohne Zwischenspeicher (für große Dateien)"}, None, "ungepuffert",
     "/J kopiert ohne Zwischenspeicher. Das lohnt sich bei sehr großen Dateien."},
    {1, {"/COPYALL", "mit allen Angaben der Dateien, auch Rechten und Besitzer"}, None, "alle Angaben",
     "/COPYALL kopiert alles zu einer Datei: Daten, Attribute, Zeiten, Rechte, Besitzer und Überwachung."},
    {1, {"/SEC", "mit den Zugriffsrechten"}, None, "mit Rechten",
     "/SEC kopiert die Dateien mit ihren Zugriffsrechten."},
    {1, {"/DCOPY:T", "mit den Zeiten der Ordner"}, None, "Ordnerzeiten",
     "/DCOPY:T übernimmt auch die Zeiten der Ordner, nicht nur die der Dateien."},
    {1, {"/SL", "symbolische Verknüpfungen als solche"}, None, "Links selbst",
     "/SL kopiert symbolische Verknüpfungen selbst, nicht die Dateien, auf die sie zeigen."},
    {1, {"/XJ", "übergeht Verbindungspunkte"}, None, "ohne Junctions",
     "/XJ übergeht Verbindungspunkte (Junctions). Das verhindert Endlosschleifen, etwa in Benutzerordnern."},

    {2, {"/A", "nur Dateien mit Archivattribut, das bleibt"}, None, "mit Archivbit",
     "/A kopiert nur Dateien mit gesetztem Archivattribut und lässt es stehen."},
    {2, {"/M", "nur Dateien mit Archivattribut, das danach gelöscht wird"}, None, "Archivbit löschen",
     "/M kopiert nur Dateien mit gesetztem Archivattribut und löscht es danach: für Teilsicherungen."},
    {2, {"/XO", "übergeht Dateien, die älter sind als im Ziel"}, None, "ältere auslassen",
     "/XO übergeht Dateien, die älter sind als die gleichnamige Datei im Ziel."},
    {2, {"/XN", "übergeht Dateien, die neuer sind als im Ziel"}, None, "neuere auslassen",
     "/XN übergeht Dateien, die neuer sind als die gleichnamige Datei im Ziel."},
    {2, {"/XC", "übergeht geänderte Dateien"}, None, "geänderte auslassen",
     "/XC übergeht Dateien, die es im Ziel mit gleicher Zeit, aber anderer Größe gibt."},
    {2, {"/XX", "lässt, was nur im Ziel ist (auch bei /PURGE und /MIR)"}, None, "Extras lassen",
     "/XX lässt Dateien und Ordner, die es nur im Ziel gibt, in Ruhe: auch /MIR und /PURGE löschen sie nicht."},
    {2, {"/XL", "übergeht Dateien, die es im Ziel noch nicht gibt"}, None, "nur vorhandene",
     "/XL übergeht Dateien, die es nur in der Quelle gibt: nur was im Ziel schon ist, wird erneuert."},
    {2, {"/IS", "kopiert auch gleiche Dateien"}, None, "gleiche auch",
     "/IS kopiert auch Dateien, die im Ziel schon gleich vorhanden sind."},
    {2, {"/IT", "kopiert auch Dateien, deren Attribute sich geändert haben"}, None, "Attribute geändert",
     "/IT kopiert auch Dateien, bei denen sich nur die Attribute geändert haben."},
    {2, {"/MAX:", "", "nur Dateien bis {} Bytes"}, Number, "Byte",
     "/MAX:n übergeht Dateien, die größer als n Bytes sind."},
    {2, {"/MIN:", "", "nur Dateien ab {} Bytes"}, Number, "Byte",
     "/MIN:n übergeht Dateien, die kleiner als n Bytes sind."},
    {2, {"/MAXAGE:", "", "nur Dateien, die höchstens {} Tage alt sind"}, Number, "Tage",
     "/MAXAGE:n übergeht Dateien, die älter als n Tage sind."},
    {2, {"/MINAGE:", "", "nur Dateien, die mindestens {} Tage alt sind"}, Number, "Tage",
     "/MINAGE:n übergeht Dateien, die jünger als n Tage sind."},
    {2, {"/XF", "übergeht die Dateien"}, Names, "",
     "/XF übergeht Dateien mit diesen Namen oder Mustern, durch Leerzeichen getrennt, etwa *.tmp *.bak."},
    {2, {"/XD", "übergeht die Ordner"}, Names, "",
     "/XD übergeht Ordner mit diesen Namen oder Pfaden, durch Leerzeichen getrennt; Namen mit Leerzeichen in "
     "Anführungszeichen."},

    {3, {"/R:", "", "wiederholt nach Fehlern {}-mal"}, Number, "mal",
     "/R:n versucht eine Datei nach einem Fehler n-mal erneut. Ohne /R: sind es eine Million Versuche."},
    {3, {"/W:", "", "wartet {} Sekunden zwischen den Versuchen"}, Number, "Sekunden",
     "/W:n wartet n Sekunden zwischen zwei Versuchen. Ohne /W: sind es 30 Sekunden."},
    {3, {"/MT:", "", "kopiert mit {} Threads"}, Number, "Threads",
     "/MT:n kopiert mit n Threads zugleich (1 bis 128). Das beschleunigt viele kleine Dateien."},

    {4, {"/L", "listet nur auf, ändert nichts"}, None, "nur auflisten",
     "/L listet nur auf, was kopiert, verschoben oder gelöscht würde, und tut nichts davon."},
    {4, {"/LOG:", "", "schreibt das Protokoll nach {}"}, File, "ersetzen",
     "/LOG:Datei schreibt das Protokoll in die Datei im Feld daneben und ersetzt eine vorhandene."},
    {4, {"/LOG+:", "", "hängt das Protokoll an {} an"}, File, "anhängen",
     "/LOG+:Datei hängt das Protokoll an die Datei im Feld daneben an."},
    {4, {"/TEE", "zeigt die Ausgabe auch in der Konsole"}, None, "auch zeigen",
     "/TEE zeigt die Ausgabe mit /LOG: oder /LOG+: auch im Konsolenfenster."},
    {4, {"/NP", "ohne Fortschritt in Prozent"}, None, "ohne Prozent",
     "/NP lässt den Fortschritt in Prozent weg; das Protokoll wird kürzer."},
    {4, {"/NFL", "ohne Dateinamen im Protokoll"}, None, "ohne Dateien",
     "/NFL lässt die Namen der Dateien im Protokoll weg."},
    {4, {"/NDL", "ohne Ordnernamen im Protokoll"}, None, "ohne Ordner",
     "/NDL lässt die Namen der Ordner im Protokoll weg."},
    {4, {"/NJH", "ohne Kopf des Protokolls"}, None, "ohne Kopf",
     "/NJH lässt den Kopf des Protokolls mit Quelle, Ziel und Optionen weg."},
    {4, {"/NJS", "ohne Zusammenfassung"}, None, "ohne Summe",
     "/NJS lässt die Zusammenfassung am Ende des Protokolls weg."},
    {4, {"/V", "ausführliches Protokoll"}, None, "ausführlich",
     "/V protokolliert ausführlich, auch die übergangenen Dateien."},
    {4, {"/ETA", "zeigt die voraussichtliche Dauer je Datei"}, None, "Restzeit",
     "/ETA zeigt für jede Datei, wann sie voraussichtlich fertig ist."},
    {4, {"/FFT", "vergleicht Zeiten mit 2 Sekunden Spielraum (FAT)"}, None, "FAT-Zeiten",
     "/FFT vergleicht Zeiten mit 2 Sekunden Spielraum, wie ihn FAT-Laufwerke und viele NAS-Geräte brauchen."},
}};

constexpr std::array<Switch, OptionCount> SwitchesOf(const std::array<Option, OptionCount>& options) {
  std::array<Switch, OptionCount> switches{};
  for (std::size_t i = 0; i < OptionCount; ++i) switches[i] = options[i].line;
  return switches;
}

}  // namespace

const std::array<Option, OptionCount> Options = Table;
const std::array<Switch, OptionCount> OptionSwitches = SwitchesOf(Table);

}  // namespace lines::robocopy
