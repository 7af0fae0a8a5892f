// The chkdsk dialog: a drive that carries NTFS, FAT or FAT32, and the
// switches /f /v /r /x /i /c, or /l alone.
#pragma once

namespace commands {

// Shows the "Chkdsk" dialog and returns its command text (see plugin/dialog_sequence.h).
const char* RunChkdskDialog();

}  // namespace commands
