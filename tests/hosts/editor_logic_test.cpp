// The editor's window-free rules: where an inserted line goes, what the
// status line says about a line, and how a script's bytes are read.
#include <gtest/gtest.h>

#include "hosts/brindle_edit/command_explanation.h"
#include "hosts/brindle_edit/line_insertion.h"
#include "hosts/brindle_edit/script_text.h"

namespace {

using namespace brindle_edit;

TEST(LineInsertion, AlwaysALineOfItsOwn) {
  struct Case {
    const wchar_t* document;
    std::size_t caret;
    const wchar_t* expected;  // the document after, with | at the caret
  };
  const Case cases[] = {
      {L"", 0, L"echo x|\r\n"},
      {L"a\r\nb", 0, L"echo x|\r\na\r\nb"},
      {L"a\r\nb", 3, L"a\r\necho x|\r\nb"},             // start of a line: above it
      {L"abc\r\nd", 1, L"abc\r\necho x|\r\nd"},          // inside a line: below it, never split
      {L"abc", 3, L"abc\r\necho x|"},                    // end of the last line
      {L"abc\r\n", 5, L"abc\r\necho x|\r\n"},            // the empty last line
      {L"a\nb", 1, L"a\r\necho x|\nb"},                  // a bare line feed ends a line too
      {L"ab", 99, L"ab\r\necho x|"},                     // a caret beyond the end
  };
  for (const Case& c : cases) {
    std::wstring document = c.document;
    const LineInsertion insertion = InsertLine(document, c.caret, L"echo x");
    document.insert(insertion.position, insertion.text);
    document.insert(insertion.caretAfter, L"|");
    EXPECT_EQ(document, c.expected) << "caret " << c.caret;
  }
}

TEST(CommandExplanation, EachCommandAndSwitch) {
  struct Case {
    const wchar_t* line;
    const wchar_t* expected;
  };
  const Case cases[] = {
      {L"echo Hallo Welt", L"echo: gibt „Hallo Welt“ aus"},
      {L"  @ECHO.", L"echo.: gibt eine leere Zeile aus"},
      {L"echo off", L"echo off: schaltet die Befehlsanzeige aus"},
      {L"echo a & b > c", L"echo: gibt „a & b > c“ aus – Achtung, Sonderzeichen der Konsole: & > "
                          L"(mit ^ davor werden sie angezeigt, % als %%)"},
      {L"title 100%", L"title: setzt den Titel des Konsolenfensters auf „100%“ – Achtung, Sonderzeichen der "
                      L"Konsole: % (mit ^ davor werden sie angezeigt, % als %%)"},
      {L"color 9F", L"color: Hintergrund Blau (9), Text Weiß (F)"},
      {L"color aa", L"color: Hintergrund Grün (a), Text Grün (a) – gleiche Farben: color ändert nichts"},
      {L"color 9G", L"color: „9G“ ist keine Farbangabe (zwei Hexziffern: Hintergrund, dann Text)"},
      {L"chkdsk C: /f /R /l:4096 /q",
       L"chkdsk: prüft Laufwerk C:; /f Fehler beheben; /R fehlerhafte Sektoren suchen, lesbare Daten retten "
       L"(mit /f); /l:4096 Größe der Protokolldatei anzeigen; „/q“ unbekannt"},
      {L"chkdsk", L"chkdsk: prüft das aktuelle Laufwerk"},
      {L"xcopy \"C:\\Eigene Daten\\*.*\" \"D:\\Sicherung\\\" /D /EXCLUDE: /-Y",
       L"xcopy: kopiert „C:\\Eigene Daten\\*.*“ nach „D:\\Sicherung\\“; /D nur Dateien, die neuer sind als im "
       L"Ziel; /EXCLUDE: Dateien aus einer Ausschlussliste überspringen; /-Y vor dem Überschreiben nachfragen"},
      {L"xcopy \"C:\\*.*\" \"\"", L"xcopy: kopiert „C:\\*.*“ in den aktuellen Ordner"},
      {L"echoes", L""},
      {L"rem echo x", L""},
  };
  for (const Case& c : cases) EXPECT_EQ(ExplainLine(c.line), c.expected);
}

TEST(ScriptText, EncodingMarkAndLineBreaks) {
  EXPECT_EQ(DetectEncoding("\xEF\xBB\xBF" "echo"), ScriptEncoding::Utf8WithMark);
  EXPECT_EQ(WithoutMark("\xEF\xBB\xBF" "echo"), "echo");
  EXPECT_EQ(DetectEncoding("echo \x81"), ScriptEncoding::ConsoleOem);
  EXPECT_EQ(DetectEncoding("\xEF\xBB"), ScriptEncoding::ConsoleOem);
  EXPECT_EQ(WithCrLf(L"a\nb\r\nc\rd\n\n"), L"a\r\nb\r\nc\r\nd\r\n\r\n");
}

}  // namespace
