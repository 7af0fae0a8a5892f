#include <array>
#include <string>

#include "commands/tree_folder.h"
#include "lines/xcopy_line.h"
#include "plugin/dialog_sequence.h"
#include "toolkit/balloon_tooltip.h"
#include "toolkit/dialog.h"
#include "toolkit/folder_tree.h"

namespace commands {

namespace {

using lines::xcopy::BoxCount;

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
    for (std::size_t i = 0; i < BoxCount; ++i) {
      const int gadget = FirstOption + static_cast<int>(i);
      const std::size_t column = i / 4 < ColumnOffsets.size() ? i / 4 : ColumnOffsets.size() - 1;
      const int row = static_cast<int>(i - 4 * column);
      const int width = gadget == FirstOption + 3 ? ExcludeBoxWidth : BoxWidth;
      const std::string caption(lines::xcopy::Switches[i].name), tip(lines::xcopy::Tips[i]);
      toolkit::CreateCheckBox(gadget, GridX + ColumnOffsets[column], GridY + RowStep * row, width, BoxHeight,
                              caption.c_str(), CaptionCentred);
      toolkit::SetGadgetFont(gadget, optionFont_);
      toolkit::AttachBalloonTooltip(dialog, gadget, tip.c_str(), TipTitle, NoIcon);
    }
    toolkit::CreateButton(CancelButton, 335, ButtonRowTop(), 84, 27, "Abbrechen", 0);
    toolkit::CreateButton(AddButton, 240, ButtonRowTop(), 84, 27, "Hinzufügen", 0);
    for (std::size_t i = 0; i < BoxCount; ++i)
      if (lines::xcopy::CheckedAtStart[i]) toolkit::SetGadgetState(FirstOption + static_cast<int>(i), 1);
  }

  void ShowLine(std::string_view line, lines::Remarks& remarks) override {
    reading_ = lines::xcopy::Read(line);
    for (std::size_t i = 0; i < BoxCount; ++i)
      toolkit::SetGadgetState(FirstOption + static_cast<int>(i), reading_.state.checked[i] ? 1 : 0);
    if (!LeadTreeTo(SourceTree, reading_.state.source)) lines::xcopy::KeepSource(reading_);
    if (!LeadTreeTo(TargetTree, reading_.state.target)) lines::xcopy::KeepTarget(reading_);
    remarks = reading_.frame.remarks;
  }

  plugin::GadgetOutcome OnGadgetEvent(int gadget, int type) override {
    switch (gadget) {
      case TargetTree:
        if (type == toolkit::event_type::RightClick) {
          // The tree has selected the entry under the pointer.
          ChooseIntoTree(TargetTree, ChooserTitle);
        }
        return plugin::GadgetOutcome::Continue();
      case CancelButton:
        return plugin::GadgetOutcome::Cancel();
      case AddButton: {
        lines::xcopy::State state{toolkit::GetGadgetText(SourceTree), toolkit::GetGadgetText(TargetTree), {}};
        for (std::size_t i = 0; i < BoxCount; ++i)
          state.checked[i] = toolkit::GetGadgetState(FirstOption + static_cast<int>(i)) == 1;
        if (!lines::xcopy::CanAdd(state, reading_)) return plugin::GadgetOutcome::Continue();
        return plugin::GadgetOutcome::Add(lines::xcopy::Build(state, reading_));
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

  HFONT frameFont_ = nullptr;
  HFONT optionFont_ = nullptr;
  lines::xcopy::Reading reading_;  // of the line the dialog opened from, if any
};

}  // namespace

// The procedure that the library's command list names for "xcopy".
const char* RunXcopyDialog(const char* line) {
  XcopyDialog dialog;
  return plugin::RunCommandDialog(dialog, line);
}

}  // namespace commands
