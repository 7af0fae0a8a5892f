#include <windows.h>

#include <algorithm>
#include <array>
#include <string>

#include "commands/chkdsk_text.h"
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

const char* const SwitchCaptions[SwitchCount] = {
    "/f Fehler automatisch beheben",
    "/v Während der Überprüfung Dateien anzeigen",
    "/r Beschädigte Sektoren automatisch wiederherstellen",
    "/x Offenen Laufwerkhandles freigeben",
    "/i Keine intensive Überprüfung der Indexeinträge",
    "/c Überprüfung von Schleifen in der Ordnerstruktur überspringen",
    "/l Größe der Protokolldatei anzeigen",
};

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
    if (AcceptedFileSystem(fileSystem)) {
      toolkit::AddGadgetItem(DriveList, -1, DriveListItem(letter, label).c_str());
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
    for (int i = 0; i < static_cast<int>(SwitchCount); ++i) {
      const int width = FirstSwitch + i == LogSizeBox ? 300 : 350;
      toolkit::CreateCheckBox(FirstSwitch + i, 20, 60 + 20 * i, width, 20, SwitchCaptions[i], 0);
    }
    toolkit::CreateButton(AddButton, 170, ButtonRowTop(), 100, 20, "Hinzufügen", 0);
    toolkit::CreateButton(CancelButton, 280, ButtonRowTop(), 100, 20, "Abbrechen", 0);
    listedDrives_ = ScanDrives();
    toolkit::SetGadgetState(DriveList, 0);
  }

  // A drive the list does not have leaves the first one selected.
  void ShowLine(std::string_view line, plugin::UnshownParts& unshown) override {
    ChkdskLine read = ReadChkdskLine(line);
    unshown = std::move(read.unshown);
    const std::size_t listed = read.drive.empty() ? std::string::npos : listedDrives_.find(read.drive[0]);
    if (listed != std::string::npos)
      toolkit::SetGadgetState(DriveList, static_cast<int>(listed));
    else if (!read.drive.empty())
      unshown.push_back({plugin::UnshownPart::Kind::MissingDrive, read.drive});
    for (std::size_t i = 0; i < SwitchCount; ++i)
      toolkit::SetGadgetState(FirstSwitch + static_cast<int>(i), read.checked[i] ? 1 : 0);
    FreezeForLogSize();
  }

  plugin::GadgetOutcome OnGadgetEvent(int gadget, int) override {
    switch (gadget) {
      case LogSizeBox:
        FreezeForLogSize();
        return plugin::GadgetOutcome::Continue();
      case AddButton: {
        std::array<bool, SwitchCount> checked{};
        for (std::size_t i = 0; i < SwitchCount; ++i)
          checked[i] = toolkit::GetGadgetState(FirstSwitch + static_cast<int>(i)) == 1;
        return plugin::GadgetOutcome::Add(ChkdskCommandText(toolkit::GetGadgetText(DriveList), checked));
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

  std::string listedDrives_;
};

}  // namespace

// The procedure that the library's command list names for "chkdsk".
const char* RunChkdskDialog(const char* line) {
  ChkdskDialog dialog;
  return plugin::RunCommandDialog(dialog, line);
}

}  // namespace commands
