// The editor's window-free rules: where an inserted line goes, what the
// status line says about a line and where it warns, and how a script's
// bytes are read and saved.
#include <gtest/gtest.h>

#include "hosts/brindle_edit/line_insertion.h"
#include "hosts/brindle_edit/recovery_format.h"
#include "hosts/brindle_edit/script_text.h"
#include "hosts/brindle_edit/word_bounds.h"
#include "hosts/script_lines.h"

namespace {

using namespace brindle_edit;
using hosts::ExplainLine;
using hosts::LineWarning;
using hosts::WarningsFor;

TEST(LineInsertion, AlwaysALineOfItsOwn) {
  struct Case {
    const wchar_t* document;
    std::size_t caret;
    const wchar_t* expected;  // the document after, with | at the caret
    const wchar_t* lineBreak = L"\r\n";
  };
  const Case cases[] = {
      {L"", 0, L"echo x|\r\n"},
      {L"a\r\nb", 0, L"echo x|\r\na\r\nb"},              // start of a line: above it
      {L"abc\r\nd", 1, L"abc\r\necho x|\r\nd"},          // inside a line: below it, never split
      {L"abc", 3, L"abc\r\necho x|"},                    // end of the last line
      {L"abc\r\n", 5, L"abc\r\necho x|\r\n"},            // the empty last line
      {L"a\nb", 1, L"a\r\necho x|\nb"},                  // a bare line feed ends a line too
      {L"ab", 99, L"ab\r\necho x|"},                     // a caret beyond the end
      {L"ab\rcd", 3, L"ab\recho x|\rcd", L"\r"},         // the rich edit control's own line ends
      {L"ab\rcd", 4, L"ab\rcd\recho x|", L"\r"},
  };
  for (const Case& c : cases) {
    std::wstring document = c.document;
    const LineInsertion insertion = InsertLine(document, c.caret, L"echo x", c.lineBreak);
    document.insert(insertion.position, insertion.text);
    document.insert(insertion.caretAfter, L"|");
    EXPECT_EQ(document, c.expected) << "caret " << c.caret;
  }
}

TEST(CommandExplanation, EachCommandAndSwitch) {
  const std::pair<const wchar_t*, const wchar_t*> cases[] = {
      {L"echo Hallo Welt", L"echo: gibt „Hallo Welt“ aus"},
      {L"  @ECHO.", L"echo.: gibt eine leere Zeile aus"},
      {L"echo/", L"echo/: gibt eine leere Zeile aus"},
      {L"echo:Ende gut", L"echo:: gibt „Ende gut“ aus"},
      {L"echo off", L"echo off: schaltet die Befehlsanzeige aus"},
      {L"echo   ", L"echo: zeigt, ob die Befehlsanzeige ein- oder ausgeschaltet ist"},
      {L"echo a & b > c", L"echo: gibt „a & b > c“ aus"},
      {L"title 100%", L"title: setzt den Titel des Konsolenfensters auf „100%“"},
      {L"color 9F", L"color: Hintergrund Blau (9), Text Weiß (F)"},
      {L"color 56", L"color: Hintergrund Violett (5), Text Olivgrün (6)"},
      {L"color aB", L"color: Hintergrund Hellgrün (a), Text Türkis (B)"},
      {L"color 1", L"color: Hintergrund Schwarz (0), Text Dunkelblau (1)"},
      {L"color 0", L"color: Hintergrund Schwarz (0), Text Schwarz (0) – gleiche Farben: color ändert nichts"},
      {L"color 9G", L"color: „9G“ ist keine Farbangabe (zwei Hexziffern: Hintergrund, dann Text; eine allein ist "
                    L"die Textfarbe)"},
      {L"chkdsk C: /f /R /l:4096 /l /q",
       L"chkdsk: prüft Laufwerk C:; /f Fehler beheben; /R fehlerhafte Sektoren suchen, lesbare Daten retten "
       L"(mit /f); /l:4096 Größe der Protokolldatei auf 4096 KB setzen; /l Größe der Protokolldatei anzeigen; "
       L"„/q“ unbekannt"},
      {L"chkdsk /f:1", L"chkdsk: prüft das aktuelle Laufwerk; „/f:1“ unbekannt"},
      {L"chkdsk/f/R D:", L"chkdsk: prüft Laufwerk D:; /f Fehler beheben; /R fehlerhafte Sektoren suchen, lesbare "
                         L"Daten retten (mit /f)"},
      {L"xcopy/s \"\u03A9\\*.*\" \"\"", L"xcopy: kopiert „\u03A9\\*.*“ in den aktuellen Ordner; /s Unterordner, die "
                                           L"nicht leer sind"},
      {L"xcopy \"C:\\Eigene Daten\\*.*\" \"D:\\Sicherung\\\" /D /D:01-31-2026 /EXCLUDE:a.txt /-Y",
       L"xcopy: kopiert „C:\\Eigene Daten\\*.*“ nach „D:\\Sicherung\\“; /D nur Dateien, die neuer sind als im "
       L"Ziel; /D:01-31-2026 nur Dateien, die am 01-31-2026 oder später geändert wurden; /EXCLUDE:a.txt Dateien "
       L"überspringen, deren Pfad eine Zeile aus a.txt enthält; /-Y vor dem Überschreiben nachfragen"},
      {L"xcopy \"C:\\*.*\" \"\"", L"xcopy: kopiert „C:\\*.*“ in den aktuellen Ordner"},
      {L"robocopy C:\\Daten \"D:\\Neue Sicherung\" *.docx /MIR /R:3 /LOG+:\"C:\\Log Dateien\\r.txt\" /XD Temp \"Alte "
       L"Daten\" /COPY:DAT /zz",
       L"robocopy: kopiert aus „C:\\Daten“ nach „D:\\Neue Sicherung“ die Dateien „*.docx“; /MIR spiegelt die Quelle: "
       L"löscht im Ziel, was es in der Quelle nicht gibt; /R:3 wiederholt nach Fehlern 3-mal; /LOG+:C:\\Log Dateien\\r.txt "
       L"hängt das Protokoll an C:\\Log Dateien\\r.txt an; /XD übergeht die Ordner „Temp“ „Alte Daten“; /COPY:DAT kopiert "
       L"von den Dateien die Angaben DAT (D Daten, A Attribute, T Zeiten, S Rechte, O Besitzer, U Überwachung); "
       L"„/zz“ unbekannt"},
      {L"robocopy D:\\Daten /E", L"robocopy: kopiert nichts aus „D:\\Daten“: das Ziel fehlt; /E mit allen Unterordnern, "
                                  L"auch leeren"},
      {L"echoes", L""},
      {L"rem echo x", L""},
  };
  for (const auto& [line, explanation] : cases) EXPECT_EQ(ExplainLine(line), explanation);
  EXPECT_EQ(ExplainLine(L"echo " + std::wstring(6000, L'x')), L"echo: gibt „" + std::wstring(59, L'x') + L"…“ aus")
      << "a long text is shortened, so that the status line and its tip show the explanation whole";
}

TEST(CommandWarnings, WhereCmdReadsTheLineOtherwise) {
  // A line and its warnings' labels, joined by |.
  const std::pair<const wchar_t*, const wchar_t*> cases[] = {
      {L"echo   ", L"echo ohne Text"},
      {L"echo", L""},
      {L"echo.", L""},
      {L"echo a & b > c", L"Sonderzeichen & >"},
      {L"title Teil 1 | Teil 2^", L"Sonderzeichen | ^"},
      {L"echo a ^& b ^> c ^^ \"x & y\"", L""},
      {L"echo 100%", L"% verdoppeln"},
      {L"echo 50% und 20%", L"% verdoppeln"},
      {L"echo 100%% %DATE% %1 %* %~dp0 %PFAD:~0,2%", L""},
      {L"@echo & 5%", L"Sonderzeichen &|% verdoppeln"},
      {L"rem 100% & mehr", L""},
      {L"xcopy \"C:\\100%\\*.*\" \"D:\\Sicherung\\\"", L"% verdoppeln"},
      {L"xcopy \"C:\\Daten\\*.*\" \"D:\\\" /D /EXCLUDE:", L"/EXCLUDE: ohne Datei"},
      {L"xcopy \"C:\\Daten\\*.*\" \"D:\\\" /EXCLUDE:liste.txt", L""},
      {L"xcopy \"*.*\" \"D:\\\"", L"Quelle ohne Ordner"},
      {L"xcopy \"C:\\*.*\" \"\" /Y", L"Ziel fehlt"},
      {L"xcopy \"*.*\" \"\"", L"Quelle ohne Ordner|Ziel fehlt|Quelle = Ziel"},
      {L"XCOPY \"C:\\Daten\\*.*\" \"c:\\daten\"", L"Quelle = Ziel"},
      {L"robocopy C:\\Daten D:\\Sicherung /MIR /MOV", L"löscht im Ziel|löscht in der Quelle"},
      {L"robocopy C:\\Daten D:\\ /PURGE || exit /b 1", L"löscht auf ganz D:\\||| nach robocopy"},
      {L"robocopy \"C:\\Daten\\\" \"D:\\\" /E && echo fertig", L"\\\" im Ordner|&& nach robocopy"},
      {L"robocopy \"C:\\Daten\\\\\" D:\\ /E", L""},
      {L"robocopy \"C:\\Daten\\\" D:\\Sicherung /MIR", L"\\\" im Ordner"},
      {L"robocopy C:\\Daten D:\\Sicherung /LOG:\"C:\\Logs\\\" /NP", L"\\\" im Namen"},
  };
  // The line before: a test of robocopy's result only at 8 tells success from failure.
  const std::pair<const wchar_t*, const wchar_t*> afterRobocopy[] = {
      {L"if errorlevel 1 goto fehler", L"Ergebnis von robocopy"},
      {L"IF NOT ERRORLEVEL 8 echo gut", L""},
      {L"if %errorlevel% neq 0 exit /b 1", L"Ergebnis von robocopy"},
      {L"if %ERRORLEVEL%==0 echo nichts", L"Ergebnis von robocopy"},
      {L"if %errorlevel% geq 8 exit /b 1", L""},
      {L"if %errorlevel% gtr 7 exit /b 1", L""},
      {L"if %errorlevel% equ 1 echo kopiert", L""},
      {L"if %errorlevel% gtr 3 exit /b 1", L"Ergebnis von robocopy"},
      {L"echo fertig", L""},
  };
  for (const auto& [line, expected] : afterRobocopy) {
    std::wstring labels;
    for (const LineWarning& warning : WarningsFor(line, L"robocopy C:\\Daten D:\\Sicherung /E"))
      labels.append(labels.empty() ? L"" : L"|").append(warning.label);
    EXPECT_EQ(labels, expected) << line;
  }
  EXPECT_TRUE(WarningsFor(L"if errorlevel 1 goto fehler", L"xcopy a b").empty()) << "xcopy fails from 1 on";
  for (const auto& [line, expected] : cases) {
    std::wstring labels;
    for (const LineWarning& warning : WarningsFor(line)) {
      labels.append(labels.empty() ? L"" : L"|").append(warning.label);
      EXPECT_FALSE(warning.explanation.empty()) << warning.label;
    }
    EXPECT_EQ(labels, expected) << line;
  }
  EXPECT_TRUE(WarningsFor(L"echo a & b > c").front().explanation.ends_with(L"erscheint das Zeichen: ^& ^>."));
}

// The editor's own word selection; the GUI test double-clicks words of letters.
TEST(WordBounds, DoubleClickAndCtrlRight) {
  struct Case {
    const wchar_t* line;
    std::size_t column, begin, end;
    bool moveEndsLine;
  };
  for (const Case& c : {Case{L"", 0, 0, 0, false}, {L"set ZIEL=D:\\Grüße", 15, 12, 17, true},
                        {L"set ZIEL=D:\\Grüße", 99, 12, 17, false}, {L"a   b", 2, 1, 4, false},
                        {L"x :: y", 2, 2, 4, false}, {L"goto ende  ", 5, 5, 9, true}, {L"a\u00A0b", 0, 0, 1, true}}) {
    const TextSpan word = WordAt(c.line, c.column);
    EXPECT_EQ(word.begin, c.begin) << c.line << " at " << c.column;
    EXPECT_EQ(word.end, c.end) << c.line << " at " << c.column;
    EXPECT_EQ(WordMoveEndsLine(c.line, c.column), c.moveEndsLine) << c.line << " at " << c.column;
  }
}

// A recovery copy gives back what it was given, and only a whole copy is
// one; the fuzz target holds the round trip for any bytes.
TEST(RecoveryFormat, WholeCopiesAndTheirOwners) {
  const RecoveryContent content = {L"C:\\Skripte\\Grüße.bat", ScriptEncoding::Utf8WithMark, L"echo €\r\nrem"};
  const std::string bytes = EncodeRecovery(content);
  EXPECT_EQ(bytes.size(), 32u + 2 * (20 + 11));
  const std::optional<RecoveryContent> back = DecodeRecovery(bytes);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->path, content.path);
  EXPECT_EQ(back->text, content.text);
  EXPECT_EQ(back->encoding, content.encoding);
  for (const std::string& broken : {bytes.substr(0, bytes.size() - 1), bytes + "xx", "x" + bytes.substr(1)})
    EXPECT_FALSE(DecodeRecovery(broken));
  EXPECT_EQ(RecoveryFileName({260, 0x01dd8779603e9b68}), L"260-01dd8779603e9b68.kopie");
  for (const wchar_t* other : {L"260-01dd8779603e9b6.kopie", L"-01dd8779603e9b68.kopie", L"26x-01dd8779603e9b68.kopie",
                               L"260-01dd8779603e9b68.kopie.neu", L"99999999999-01dd8779603e9b68.kopie"})
    EXPECT_FALSE(OwnerOfRecoveryFile(other)) << other;
}

// A whole mark and an OEM script are read in BrindleEdit's own tests.
TEST(ScriptText, EncodingMarkAndLineBreaks) {
  EXPECT_EQ(DetectEncoding("\xEF\xBB"), ScriptEncoding::ConsoleOem);
  EXPECT_EQ(WithCrLf(L"a\nb\r\nc\rd\n\n"), L"a\r\nb\r\nc\r\nd\r\n\r\n");
  for (const auto& [text, saved] : {std::pair{L"a", L"a\r\n"}, {L"a\r\n", L"a\r\n"}, {L"a\n", L"a\n"}, {L"", L""}})
    EXPECT_EQ(WithFinalLineBreak(text), saved);
}

}  // namespace
