#!/bin/bash
# Gives the test prefix drives of every kind the chkdsk dialog must tell
# apart, or takes them away again:  test-drives.sh up|down
#   A:  a hard disk folder (A: is never listed)
#   the folder "missing" is the medium of I: and J: once a test makes it
#   D:  NTFS labelled "System"        E:  NTFS without a label, with E:\Fall\Daten and E:\Fall\daten
#   F:  a CD drive (CDFS: left out)   I:  a hard disk whose folder is missing
#   J:  a CD drive whose folder is missing: Wine reports it without a medium
#   G:  FAT16 labelled "FATDISK"      H:  FAT32 labelled "FAT32DISK"
# G: and H: are FAT images behind read-only loop devices, which Wine reads
# without mounting; they need root and are left out without it.
# Run it while no wineserver of the prefix is running: drive types are read
# when the server starts. Each prefix keeps its drives' folders, images and
# loop devices apart in build/test-drives/PREFIX-NAME, so that the 32-bit and
# the 64-bit session never take away each other's.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
: "${WINEPREFIX:?}"
drives=$root/build/test-drives/$(basename "$WINEPREFIX")
devices=$WINEPREFIX/dosdevices
loops=$drives/loop-devices
registry='HKLM\Software\Wine\Drives'
wine=${WINE:-wine}  # the prefix's own loader (see wine-session.sh)

down() {
  for letter in a d e f g h i j; do rm -f "$devices/$letter:" "$devices/$letter::"; done
  if [ -f "$loops" ]; then
    # A list left by a session that died may name devices that another
    # session has taken since: only those still backed by our images go.
    while read -r device; do
      case $(losetup -n -O BACK-FILE "$device" 2>/dev/null) in
        "$drives"/fat*.img) losetup -d "$device" 2>/dev/null || true ;;
      esac
    done <"$loops"
    rm -f "$loops"
  fi
  "$wine" reg delete "$registry" /v f: /f >/dev/null 2>&1 || true
  "$wine" reg delete "$registry" /v j: /f >/dev/null 2>&1 || true
  wineserver -w
}

fat_drive() {  # letter, FAT size, label
  local image=$drives/fat$2.img device
  [ "$(id -u)" -eq 0 ] && command -v mkfs.fat >/dev/null || return 0
  rm -f "$image"
  # One sector a cluster puts both sizes in their FAT type's cluster range.
  mkfs.fat -C -s 1 -F "$2" -n "$3" "$image" $(( $2 == 32 ? 40000 : 8192 )) >/dev/null
  device=$(losetup -f --show -r "$image" 2>/dev/null) || { echo "test-drives: no loop device for $1:" >&2; return 0; }
  echo "$device" >>"$loops"
  mkdir -p "$drives/$1"
  ln -s "$drives/$1" "$devices/$1:"
  ln -s "$device" "$devices/$1::"
}

up() {
  down
  mkdir -p "$drives"/{a,d,e,f}
  printf 'System\n' >"$drives/d/.windows-label"
  # Two folders whose names differ only in case, as a Unix folder may hold them.
  mkdir -p "$drives/e/Fall/Daten" "$drives/e/Fall/daten"
  for letter in a d e f; do ln -s "$drives/$letter" "$devices/$letter:"; done
  ln -s "$drives/missing" "$devices/i:"
  ln -s "$drives/missing" "$devices/j:"
  fat_drive g 16 FATDISK
  fat_drive h 32 FAT32DISK
  "$wine" reg add "$registry" /v f: /t REG_SZ /d cdrom /f >/dev/null 2>&1
  "$wine" reg add "$registry" /v j: /t REG_SZ /d cdrom /f >/dev/null 2>&1
  wineserver -w
}

"$1"
