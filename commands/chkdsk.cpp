#include <windows.h>

#include <algorithm>
#include <array>
#include <string>

#include "lines/chkdsk_line.h"
#include "plugin/dialog_sequence.h"
#include "toolkit/quiet_drive_errors.h"
#include "toolkit/dialog.h"

namespace commands {

namespace {

enum ChkdskGadget {
  DriveLabel = 1,
  DriveList = 2,
  SwitchFrame = 3,
  FirstSwitch = 4,  // /f; the seven switch boxes are 4 to 10 in table order
  LogSizeBox = 10,  // /l
  AddButton = 16,
  CancelButton = 17,
};

using lines::chkdsk::BoxCount;

constexpr int VolumeBufferSize = 260;
constexpr DWORD VolumeQuerySize = 255;

// Lists B: to Z: (never A:) whose file system chkdsk can check, in order;
// returns their letters.
std::string ScanDrives() {
  std::string listed;
  toolkit::QuietDriveErrors quiet;
  // Letters without a drive are skipped at once: asking each of them for its
  // type was most of the scan's time in a machine with few drives.
  const DWORD present = GetLogicalDrives();
  for (char letter = 'B'; letter <= 'Z'; ++letter) {
    if (!(present & (1u << (letter - 'A')))) continue;
    const char root[] = {letter, ':', '\\', '\0'};
    if (GetDriveTypeA(root) <= DRIVE_NO_ROOT_DIR) continue;
    // Blanks afresh for every drive, so a failed query leaves no earlier name
    // behind; the extra byte keeps them terminated whatever the query writes.
    char label[VolumeBufferSize + 1];
    char fileSystem[VolumeBufferSize + 1];
    std::fill(label, label + VolumeBufferSize, ' ');
    std::fill(fileSystem, fileSystem + VolumeBufferSize, ' ');
    label[VolumeBufferSize] = fileSystem[VolumeBufferSize] = '\0';
    GetVolumeInformationA(root, label, VolumeQuerySize, nullptr, nullptr, nullptr, fileSystem,
                          VolumeQuerySize);
    if (lines::chkdsk::AcceptedFileSystem(fileSystem)) {
      toolkit::AddGadgetItem(DriveList, -1, lines::chkdsk::DriveListItem(letter, label).c_str());
      listed += letter;
    }
  }
  return listed;
}

class ChkdskDialog final : public plugin::CommandDialog {
 public:
  plugin::DialogWindow Window() const override {
    return {"Chkdsk", 390, 250, toolkit::window_flag::CommandDialog};
  }
  const char* CommandWord() const override { return "chkdsk"; }
  int ButtonRowTop() const override { return 220; }

  void CreateGadgets(int) override {
    toolkit::CreateTextLabel(DriveLabel, 10, 10, 100, 20, "Datenträger:", 0);
    toolkit::CreateComboBox(DriveList, 280, 10, 100, 20, 0);
    toolkit::CreateFrame(SwitchFrame, 10, 40, 370, 170, "Parameter", 0);
    for (int i = 0; i < static_cast<int>(BoxCount); ++i) {
      const int width = FirstSwitch + i == LogSizeBox ? 300 : 350;
      const std::string caption(lines::chkdsk::Captions[static_cast<std::size_t>(i)]);
      toolkit::CreateCheckBox(FirstSwitch + i, 20, 60 + 20 * i, width, 20, caption.c_str(), 0);
    }
    toolkit::CreateButton(AddButton, 170, ButtonRowTop(), 100, 20, "Hinzufügen", 0);
    toolkit::CreateButton(CancelButton, 280, ButtonRowTop(), 100, 20, "Abbrechen", 0);
    listedDrives_ = ScanDrives();
    toolkit::SetGadgetState(DriveList, 0);
  }

  void ShowLine(std::string_view line, lines::Remarks& remarks) override {
    reading_ = lines::chkdsk::Read(line);
    toolkit::SetGadgetState(DriveList, lines::chkdsk::ShowDrive(reading_, listedDrives_));
    for (std::size_t i = 0; i < BoxCount; ++i)
      toolkit::SetGadgetState(FirstSwitch + static_cast<int>(i), reading_.state.checked[i] ? 1 : 0);
    FreezeForLogSize();
    remarks = reading_.frame.remarks;
  }

  plugin::GadgetOutcome OnGadgetEvent(int gadget, int) override {
    switch (gadget) {
      case LogSizeBox:
        FreezeForLogSize();
        return plugin::GadgetOutcome::Continue();
      case AddButton: {
        lines::chkdsk::State state{SelectedDrive(), {}};
        for (std::size_t i = 0; i < BoxCount; ++i)
          state.checked[i] = toolkit::GetGadgetState(FirstSwitch + static_cast<int>(i)) == 1;
        return plugin::GadgetOutcome::Add(lines::chkdsk::Build(state, reading_));
      }
      case CancelButton:
        return plugin::GadgetOutcome::Cancel();
      default:
        return plugin::GadgetOutcome::Continue();  // the boxes and the list keep their own state
    }
  }

 private:
  // /l freezes the other six boxes; their marks stay for later.
  static void FreezeForLogSize() {
    const int logSizeChecked = toolkit::GetGadgetState(LogSizeBox) == 1 ? 1 : 0;
    for (int box = FirstSwitch; box < LogSizeBox; ++box) toolkit::DisableGadget(box, logSizeChecked);
  }

  // The drive part of the selected item: its first two characters.
  static std::string SelectedDrive() { return toolkit::GetGadgetText(DriveList).substr(0, 2); }

  std::string listedDrives_;
  lines::chkdsk::Reading reading_;  // of the line the dialog opened from, if any
};

}  // namespace

// The procedure that the library's command list names for "chkdsk".
const char* RunChkdskDialog(const char* line) {
  ChkdskDialog dialog;
  return plugin::RunCommandDialog(dialog, line);
}

}  // namespace commands
