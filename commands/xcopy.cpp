#include <array>
#include <string>
#include <vector>

#include "commands/xcopy_text.h"
#include "plugin/dialog_sequence.h"
#include "toolkit/balloon_tooltip.h"
#include "toolkit/dialog.h"
#include "toolkit/folder_chooser.h"
#include "toolkit/folder_listing.h"
#include "toolkit/folder_tree.h"

namespace commands {

namespace {

enum XcopyGadget {
  SourceFrame = 0,
  SourceTree = 1,
  TargetFrame = 2,
  TargetTree = 3,
  OptionFrame = 4,
  FirstOption = 5,  // the 25 option boxes are 5 to 29 in table order
  CancelButton = 30,
  AddButton = 31,
};

// The dialog's own font numbers. Each call loads them again, which deletes
// the fonts of the previous call; the toolkit deletes the last ones.
enum XcopyFont { FrameFont = 0x7C01, OptionFont = 0x7C02 };

// The tooltip of each option box, in the order of XcopySwitches.
const std::array<const char*, XcopySwitchCount> OptionTips = {
    "/A Kopiert nur Dateien mit gesetztem Archivattribut, aendert das Attribut nicht.",
    "/M Kopiert nur Dateien mit gesetztem Archivattribut, setzt das Attribut nach dem Kopieren zurueck.",
    "/D:M-T-J Kopiert nur die an oder nach dem Datum geaenderten Dateien. Ist kein Datum angegeben, werden nur Dateien kopiert, die neuer als die bestehenden Zieldateien sind",
    "/EXCLUDE:Datei1[+Datei2][+Datei3]... Gibt eine Liste von Zeichenfolgen an. Wenn eine der Zeichenfolgen Teil des absoluten Verzeichnispfads der zu kopierenden Datei ist, wird diese Datei vom Kopiervorgang ausgeschlossen. Beispiel: Bei der Zeichenfolge \\obj\\ oder .obj werden alle Dateien unterhalb des Verzeichnisses OBJ bzw. alle Dateien mit der Erweiterung .obj vom Kopiervorgang ausgeschlossen.",
    "/P Fordert vor dem Erstellen jeder Zieldatei eine Bestaetigung.",
    "/S Kopiert Verzeichnisse und Unterverzeichnisse, die nicht leer sind.",
    "/E Kopiert alle Unterverzeichnisse (leer oder nicht leer). Wie /S /E. Mit dieser Option kann die Option /T modifiziert werden.",
    "/V Ueberprueft jede neue Datei auf Korrektheit.",
    "/W Fordert vor dem Beginn des Kopierens zu einem Tastendruck auf.",
    "/C  Setzt das Kopieren fort, auch wenn Fehler auftreten.",
    "/I  Falls Ziel nicht vorhanden ist und mehrere Dateien kopiert werden, nimmt XCOPY an, dass das Ziel ein Verzeichnis ist.",
    "/Q Zeigt beim Kopieren keine Dateinamen an.",
    "/F  Zeigt die Namen der Quell- und Zieldateien beim Kopieren an.",
    "/L Listet die Dateien auf, die ggf. kopiert werden.",
    "/H Kopiert auch Dateien mit den Attributen 'Versteckt' und 'System'.",
    "/R ueberschreibt schreibgeschuetzte Dateien.",
    "/T  Erstellt die Verzeichnisstruktur, kopiert aber keine Dateien. Leere oder Unterverzeichnisse werden nicht kopiert. Um auch diese zu kopieren, muessen Sie die Optionen /T /E angeben.",
    "/U Kopiert nur Dateien, die bereits im Zielverzeichnis vorhanden sind.",
    "/K Kopiert Attribute. Standardmaessig wird 'Schreibgeschuetzt' geloescht.",
    "/N Beim Kopieren werden die erzeugten Kurznamen verwendet.",
    "/O Kopiert Informationen über den Besitzer und ACL.",
    "/X Kopiert Dateiueberwachungseinstellungen (bedingt /O).",
    "/Y Unterdrückt die Aufforderung zur Bestaetigung, dass eine  vorhandene Zieldatei ueberschrieben werden soll.",
    "/Z Kopiert Dateien in einem Modus, der einen Neustart ermoeglicht.",
    "/-Y Fordert zur Bestaetigung auf, dass eine bestehende Zieldatei ueberschrieben werden soll.",
};

// Four boxes a column from the grid's origin; the last column has five.
constexpr int GridX = 40, GridY = 280, RowStep = 30;
constexpr std::array<int, 6> ColumnOffsets = {0, 90, 150, 210, 270, 330};
constexpr int BoxWidth = 35, ExcludeBoxWidth = 80, BoxHeight = 14;
constexpr std::uint32_t CaptionCentred = 0x300;  // BS_CENTER

constexpr std::uint32_t TreeFlags = toolkit::tree_flag::FoldersOnly | toolkit::tree_flag::KeepSelectionVisible;
constexpr char TipTitle[] = "Info";
constexpr int NoIcon = 0;
constexpr char SourceTip[] = "Quelle: Die zu kopierenden Dateien. Wählen sie hier bitte nur den Quell-Ordner aus.";
constexpr char TargetTip[] = "Ziel: Position und/oder Name der neuen Dateien. Wählen sie hier bitte nur den Ziel-Ordner aus";
constexpr char ChooserTitle[] = "Sie können nun einen neuen Ordern erstellen";

class XcopyDialog final : public plugin::CommandDialog {
 public:
  // Not centred: the outer top-left corner at 100, 100.
  plugin::DialogWindow Window() const override {
    return {"XCOPY", 434, 490, toolkit::window_flag::CommandDialogAtPosition, 100, 100};
  }
  const char* CommandWord() const override { return "xcopy"; }
  int ButtonRowTop() const override { return 445; }

  void Prepare() override {
    frameFont_ = toolkit::LoadFont(FrameFont, "Arial", 10);
    optionFont_ = toolkit::LoadFont(OptionFont, "Arial", 9);
  }

  void CreateGadgets(int window) override {
    HWND dialog = toolkit::WindowHandle(window);
    CreateFramedTree(dialog, SourceFrame, 14, "Quelle", SourceTree, 20, SourceTip);
    CreateFramedTree(dialog, TargetFrame, 223, "Ziel", TargetTree, 230, TargetTip);
    toolkit::CreateFrame(OptionFrame, 14, 250, 406, 184, "XCOPY - Parameter", 0);
    toolkit::SetGadgetFont(OptionFrame, frameFont_);
    for (std::size_t i = 0; i < XcopySwitchCount; ++i) {
      const int gadget = FirstOption + static_cast<int>(i);
      const std::size_t column = i / 4 < ColumnOffsets.size() ? i / 4 : ColumnOffsets.size() - 1;
      const int row = static_cast<int>(i - 4 * column);
      const int width = gadget == FirstOption + 3 ? ExcludeBoxWidth : BoxWidth;
      toolkit::CreateCheckBox(gadget, GridX + ColumnOffsets[column], GridY + RowStep * row, width, BoxHeight,
                              XcopySwitches[i], CaptionCentred);
      toolkit::SetGadgetFont(gadget, optionFont_);
      toolkit::AttachBalloonTooltip(dialog, gadget, OptionTips[i], TipTitle, NoIcon);
    }
    toolkit::CreateButton(CancelButton, 335, ButtonRowTop(), 84, 27, "Abbrechen", 0);
    toolkit::CreateButton(AddButton, 240, ButtonRowTop(), 84, 27, "Hinzufügen", 0);
    for (std::size_t i = 0; i < XcopySwitchCount; ++i)
      if (XcopyCheckedAtStart[i]) toolkit::SetGadgetState(FirstOption + static_cast<int>(i), 1);
  }

  void ShowLine(std::string_view line, plugin::UnshownParts& unshown) override {
    XcopyLine read = ReadXcopyLine(line);
    unshown = std::move(read.unshown);
    for (std::size_t i = 0; i < XcopySwitchCount; ++i)
      toolkit::SetGadgetState(FirstOption + static_cast<int>(i), read.checked[i] ? 1 : 0);
    LeadTree(SourceTree, read.source, unshown);
    LeadTree(TargetTree, read.target, unshown);
  }

  plugin::GadgetOutcome OnGadgetEvent(int gadget, int type) override {
    switch (gadget) {
      case TargetTree:
        if (type == toolkit::event_type::RightClick) {
          // The tree has selected the entry under the pointer; an empty
          // answer (cancelled) brings back the starting view. So does an
          // answer the tree cannot show (a network path, a folder gone
          // meanwhile): the earlier folder must not stay selected as if
          // it had been chosen, and be named by "Hinzufügen".
          const std::string chosen = toolkit::ChooseFolder(ChooserTitle, toolkit::GetGadgetText(TargetTree).c_str());
          toolkit::SetGadgetText(TargetTree, chosen.c_str());
          if (!chosen.empty() && !toolkit::SameFolderPath(toolkit::GetGadgetText(TargetTree), chosen))
            toolkit::SetGadgetText(TargetTree, "");
        }
        return plugin::GadgetOutcome::Continue();
      case CancelButton:
        return plugin::GadgetOutcome::Cancel();
      case AddButton: {
        const std::string source = toolkit::GetGadgetText(SourceTree);
        const std::string target = toolkit::GetGadgetText(TargetTree);
        if (!XcopyHasFolder(source, target)) return plugin::GadgetOutcome::Continue();
        return plugin::GadgetOutcome::Add(XcopyCommandText(source, target, CheckedSwitches()));
      }
      default:
        return plugin::GadgetOutcome::Continue();  // the boxes keep their own state
    }
  }

 private:
  void CreateFramedTree(HWND dialog, int frame, int frameX, const char* caption, int tree, int treeX,
                        const char* tip) {
    toolkit::CreateFrame(frame, frameX, 15, 197, 215, caption, 0);
    toolkit::SetGadgetFont(frame, frameFont_);
    toolkit::CreateFolderTree(tree, treeX, 35, 184, 186, "", TreeFlags);
    toolkit::AttachBalloonTooltip(dialog, tree, tip, TipTitle, NoIcon);
  }

  // A folder the tree cannot show (gone, on another machine, a file) leaves
  // nothing selected.
  static void LeadTree(int tree, const std::string& folder, plugin::UnshownParts& unshown) {
    if (folder.empty()) return;
    toolkit::SetGadgetText(tree, folder.c_str());
    if (toolkit::SameFolderPath(toolkit::GetGadgetText(tree), folder)) return;
    toolkit::SetGadgetText(tree, "");
    unshown.push_back({plugin::UnshownPart::Kind::MissingFolder, folder});
  }

  // The captions of the checked boxes, read back from the boxes themselves.
  static std::vector<std::string> CheckedSwitches() {
    std::vector<std::string> switches;
    for (int gadget = FirstOption; gadget < FirstOption + static_cast<int>(XcopySwitchCount); ++gadget)
      if (toolkit::GetGadgetState(gadget) == 1) switches.push_back(toolkit::GetGadgetText(gadget));
    return switches;
  }

  HFONT frameFont_ = nullptr;
  HFONT optionFont_ = nullptr;
};

}  // namespace

// The procedure that the library's command list names for "xcopy".
const char* RunXcopyDialog(const char* line) {
  XcopyDialog dialog;
  return plugin::RunCommandDialog(dialog, line);
}

}  // namespace commands
