// The robocopy dialog: a source and a target tree, the files to copy, and
// robocopy's options in five frames, each box captioned with its switch and
// explained in a balloon tooltip. Boxes that another contains show it
// ticked and greyed; boxes that exclude each other take turns. A line
// "Hinzufügen" refuses, and what a line will delete, are said in the line
// above the buttons.
#include <algorithm>
#include <array>
#include <string>

#include "commands/tree_folder.h"
#include "lines/robocopy_line.h"
#include "plugin/dialog_sequence.h"
#include "toolkit/balloon_tooltip.h"
#include "toolkit/dialog.h"
#include "toolkit/folder_tree.h"

namespace commands {

namespace {

using lines::robocopy::OptionCount;
using lines::robocopy::Options;
using lines::robocopy::Value;

enum RobocopyGadget {
  SourceFrame = 1,
  SourceTree = 2,
  TargetFrame = 3,
  TargetTree = 4,
  FilesLabel = 5,
  FilesField = 6,
  FirstGroupFrame = 7,  // the five option frames are 7 to 11
  LogFileLabel = 12,
  LogFileField = 13,
  SaysLine = 14,  // what the line deletes, or why it cannot be added
  AddButton = 15,
  CancelButton = 16,
  FirstBox = 20,    // option i's box is 20 + i
  FirstField = 120,  // the number or name field beside option i's box is 120 + i
};

// The frames' font; the boxes and fields keep the gadget font, which leaves
// room for the captions.
enum RobocopyFont { FrameFont = 0x7C11 };

constexpr int InnerWidth = 630, InnerHeight = 510;
constexpr int RowStep = 16, BoxHeight = 15, FieldHeight = 15;
constexpr int FrameTop = 178, FrameHeader = 16;
constexpr int SaysTop = 450, ButtonTop = 472;
constexpr int MaxNumberWidth = 64;  // ten digits

// Where each option stands: its frame's column and the row in it.
struct Place {
  int x, y, width;
};

// The five frames: x, y, width, height; each group's options fill its
// sub-columns of `rows` rows from the top.
struct GroupFrame {
  int x, y, width, rows, columnWidth;
};
constexpr std::array<GroupFrame, 5> GroupFrames = {{
    {8, FrameTop, 160, 8, 148},     // Was kopieren
    {172, FrameTop, 148, 9, 136},   // Wie kopieren
    {324, FrameTop, 298, 9, 142},   // Welche Dateien
    {8, 330, 160, 3, 148},          // Wiederholen und Tempo
    {172, 346, 450, 4, 148},        // Protokoll (and its file below)
}};

constexpr std::uint32_t TreeFlags = toolkit::tree_flag::FoldersOnly | toolkit::tree_flag::KeepSelectionVisible;
constexpr char TipTitle[] = "Info";
constexpr int NoIcon = 0;
constexpr char SourceTip[] = "Quelle: der Ordner, aus dem robocopy kopiert.";
constexpr char TargetTip[] =
    "Ziel: der Ordner, in den robocopy kopiert. Ein Rechtsklick öffnet die Ordnerauswahl, in der Sie einen neuen "
    "Ordner anlegen können.";
constexpr char FilesTip[] =
    "Dateien: welche Dateien der Ordner kopiert werden, als Namen oder Muster durch Leerzeichen getrennt, etwa *.docx "
    "*.xlsx. Leer oder *.* heißt: alle.";
constexpr char LogFileTip[] = "Protokolldatei: die Datei für /LOG: oder /LOG+:, etwa C:\\Protokolle\\sicherung.txt.";
constexpr char ChooserTitle[] = "Sie können nun einen neuen Ordner erstellen";

int BoxOf(std::size_t option) { return FirstBox + static_cast<int>(option); }
int FieldOf(std::size_t option) { return FirstField + static_cast<int>(option); }

class RobocopyDialog final : public plugin::CommandDialog {
 public:
  plugin::DialogWindow Window() const override {
    return {"Robocopy", InnerWidth, InnerHeight, toolkit::window_flag::CommandDialog};
  }
  const char* CommandWord() const override { return "robocopy"; }
  int ButtonRowTop() const override { return ButtonTop; }

  void Prepare() override {
    frameFont_ = toolkit::LoadFont(FrameFont, "Arial", 10);
  }

  void CreateGadgets(int window) override {
    dialog_ = toolkit::WindowHandle(window);
    CreateFramedTree(SourceFrame, 8, "Quelle", SourceTree, SourceTip);
    CreateFramedTree(TargetFrame, 317, "Ziel", TargetTree, TargetTip);
    toolkit::CreateTextLabel(FilesLabel, 10, 154, 52, 18, "Dateien:", 0);
    CreateField(FilesField, 64, 152, 250, FilesTip);
    for (std::size_t group = 0; group < GroupFrames.size(); ++group) {
      const GroupFrame& frame = GroupFrames[group];
      const int height = FrameHeader + frame.rows * RowStep + 6 + (group == 4 ? RowStep : 0);
      const std::string caption(lines::robocopy::Groups[group]);
      toolkit::CreateFrame(FirstGroupFrame + static_cast<int>(group), frame.x, frame.y, frame.width, height,
                           caption.c_str(), 0);
      toolkit::SetGadgetFont(FirstGroupFrame + static_cast<int>(group), frameFont_);
    }
    std::array<int, 5> placed{};
    for (std::size_t option = 0; option < OptionCount; ++option) {
      const GroupFrame& frame = GroupFrames[static_cast<std::size_t>(Options[option].group)];
      const int index = placed[static_cast<std::size_t>(Options[option].group)]++;
      // The last sub-column ends inside the frame's right edge.
      const int x = frame.x + 6 + (index / frame.rows) * frame.columnWidth;
      const int width = std::min(frame.columnWidth - 4, frame.x + frame.width - 6 - x);
      CreateOption(option, {x, frame.y + FrameHeader + (index % frame.rows) * RowStep, width});
    }
    toolkit::CreateTextLabel(LogFileLabel, 178, 346 + FrameHeader + 4 * RowStep + 2, 84, 15, "Protokolldatei:", 0);
    CreateField(LogFileField, 264, 346 + FrameHeader + 4 * RowStep, 350, LogFileTip);
    toolkit::CreateTextLabel(SaysLine, 10, SaysTop, InnerWidth - 20, 18, "", SaysStyle);
    toolkit::CreateButton(AddButton, 443, ButtonTop, 84, 27, "Hinzufügen", 0);
    toolkit::CreateButton(CancelButton, 538, ButtonTop, 84, 27, "Abbrechen", 0);
  }

  void ShowLine(std::string_view line, lines::Remarks& remarks) override {
    reading_ = lines::robocopy::Read(line);
    if (!LeadTreeTo(SourceTree, reading_.state.source)) lines::robocopy::KeepSource(reading_);
    if (!LeadTreeTo(TargetTree, reading_.state.target)) lines::robocopy::KeepTarget(reading_);
    marks_ = reading_.state;
    toolkit::SetGadgetText(FilesField, marks_.files.c_str());
    toolkit::SetGadgetText(LogFileField, marks_.logFile.c_str());
    for (std::size_t option = 0; option < OptionCount; ++option)
      if (Options[option].value == Value::Number || Options[option].value == Value::Names)
        toolkit::SetGadgetText(FieldOf(option), marks_.values[option].c_str());
    ShowBoxes();
    remarks = reading_.frame.remarks;
  }

  plugin::GadgetOutcome OnGadgetEvent(int gadget, int type) override {
    if (gadget == CancelButton) return plugin::GadgetOutcome::Cancel();
    if (gadget == AddButton) {
      const lines::robocopy::State state = Shown();
      const std::string refusal = lines::robocopy::Refusal(state, reading_);
      if (refusal.empty()) return plugin::GadgetOutcome::Add(lines::robocopy::Build(state, reading_));
      Say(refusal);
      return plugin::GadgetOutcome::Continue();
    }
    if (gadget == TargetTree && type == toolkit::event_type::RightClick) ChooseIntoTree(TargetTree, ChooserTitle);
    if (gadget >= FirstBox && gadget < FirstBox + static_cast<int>(OptionCount)) {
      ClickedBox(static_cast<std::size_t>(gadget - FirstBox));
    } else if (gadget >= FirstField && gadget < FirstField + static_cast<int>(OptionCount) &&
               type == toolkit::event_type::Changed) {
      Typed(static_cast<std::size_t>(gadget - FirstField));
    } else if (gadget == LogFileField && type == toolkit::event_type::Changed &&
               !marks_.checked[lines::robocopy::Log] && !marks_.checked[lines::robocopy::LogAppend]) {
      Tick(lines::robocopy::Log);
    }
    Say(lines::robocopy::Deletions(Shown(), reading_));
    return plugin::GadgetOutcome::Continue();
  }

 private:
  // A "&" in a folder's name is a character, not a mnemonic; a text too
  // long for the line ends in "...".
  static constexpr std::uint32_t SaysStyle = 0x80 | 0x4000;  // SS_NOPREFIX | SS_ENDELLIPSIS

  void CreateFramedTree(int frame, int x, const char* caption, int tree, const char* tip) {
    toolkit::CreateFrame(frame, x, 6, 305, 140, caption, 0);
    toolkit::SetGadgetFont(frame, frameFont_);
    toolkit::CreateFolderTree(tree, x + 6, 24, 293, 116, "", TreeFlags);
    toolkit::AttachBalloonTooltip(dialog_, tree, tip, TipTitle, NoIcon);
  }

  void CreateField(int field, int x, int y, int width, const char* tip) {
    toolkit::CreateStringField(field, x, y, width, FieldHeight + 3, "", 0);
    toolkit::AttachBalloonTooltip(dialog_, field, tip, TipTitle, NoIcon);
  }

  // A box captioned with its switch and, beside a number or a list of
  // names, the field for it; a number's unit follows the field.
  void CreateOption(std::size_t option, Place at) {
    const lines::robocopy::Option& o = Options[option];
    const std::string name(o.line.name), caption(o.caption), tip(o.tip);
    const bool field = o.value == Value::Number || o.value == Value::Names;
    const int boxWidth = field ? 20 + 6 * static_cast<int>(name.size()) : at.width;
    toolkit::CreateCheckBox(BoxOf(option), at.x, at.y, boxWidth, BoxHeight, (field ? name : name + " " + caption).c_str(),
                            0);
    toolkit::AttachBalloonTooltip(dialog_, BoxOf(option), tip.c_str(), TipTitle, NoIcon);
    if (o.value == Value::Number) {
      // The field takes what its unit leaves of the column: /MAX: in bytes
      // needs more digits than /R: in tries.
      const int unitWidth = 6 * static_cast<int>(caption.size()) + 4;
      const int fieldWidth = std::min(MaxNumberWidth, at.width - boxWidth - unitWidth - 4);
      CreateField(FieldOf(option), at.x + boxWidth, at.y - 1, fieldWidth, tip.c_str());
      toolkit::CreateTextLabel(FieldOf(option) + 100, at.x + boxWidth + fieldWidth + 4, at.y + 1, unitWidth,
                               BoxHeight, caption.c_str(), 0);
    } else if (o.value == Value::Names) {
      CreateField(FieldOf(option), at.x + boxWidth, at.y - 1, at.width - boxWidth, tip.c_str());
    }
  }

  // The boxes as the user ticked them, those another contains ticked and greyed.
  void ShowBoxes() {
    for (std::size_t option = 0; option < OptionCount; ++option) {
      const bool implied = lines::robocopy::Implied(marks_, option);
      toolkit::SetGadgetState(BoxOf(option), marks_.checked[option] || implied ? 1 : 0);
      toolkit::DisableGadget(BoxOf(option), implied ? 1 : 0);
    }
    Say(lines::robocopy::Deletions(Shown(), reading_));
  }

  void ClickedBox(std::size_t option) {
    marks_.checked[option] = toolkit::GetGadgetState(BoxOf(option)) == 1;
    if (marks_.checked[option])
      for (std::size_t other : lines::robocopy::ExcludedBy(option)) marks_.checked[other] = false;
    ShowBoxes();
  }

  void Tick(std::size_t option) {
    marks_.checked[option] = true;
    for (std::size_t other : lines::robocopy::ExcludedBy(option)) marks_.checked[other] = false;
    ShowBoxes();
  }

  // Typing a number or names ticks the box beside them.
  void Typed(std::size_t option) {
    if (!marks_.checked[option] && !toolkit::GetGadgetText(FieldOf(option)).empty()) Tick(option);
  }

  // What the dialog shows, for the line: the trees and fields as they are,
  // the boxes as the user ticked them.
  lines::robocopy::State Shown() const {
    lines::robocopy::State state = marks_;
    state.source = toolkit::GetGadgetText(SourceTree);
    state.target = toolkit::GetGadgetText(TargetTree);
    state.files = toolkit::GetGadgetText(FilesField);
    state.logFile = toolkit::GetGadgetText(LogFileField);
    for (std::size_t option = 0; option < OptionCount; ++option)
      if (Options[option].value == Value::Number || Options[option].value == Value::Names)
        state.values[option] = toolkit::GetGadgetText(FieldOf(option));
    return state;
  }

  void Say(const std::string& text) {
    if (toolkit::GetGadgetText(SaysLine) != text) toolkit::SetGadgetText(SaysLine, text.c_str());
  }

  HWND dialog_ = nullptr;  // not owned: the dialog's window, for the tooltips
  HFONT frameFont_ = nullptr;
  lines::robocopy::State marks_;       // the boxes as the user ticked them
  lines::robocopy::Reading reading_;  // of the line the dialog opened from, if any
};

}  // namespace

// The procedure that the library's command list names for "robocopy".
const char* RunRobocopyDialog(const char* line) {
  RobocopyDialog dialog;
  return plugin::RunCommandDialog(dialog, line);
}

}  // namespace commands
