#!/bin/bash
# Makes a real removable volume and runs the browser's scan over it:
#   removable_volume_check.sh VOLUME_TOOL
# In a private mount namespace, two ext4 images are attached to loop devices and mounted; the first loop
# device is flagged removable by bind-mounting a file holding 1 over its sysfs "removable". VOLUME_TOOL then
# runs inside the namespace. Prints "removable=DIR" and "fixed=DIR", then the tool's output.
# Exits 77 when the machine does not permit this (not root, no loop devices, no namespaces).
set -u
tool=$1
skip() { echo "$*" >&2; exit 77; }
[ "$(id -u)" -eq 0 ] || skip "needs root"
for command in unshare losetup mkfs.ext4 mount umount; do
  command -v $command >/dev/null || skip "missing $command"
done
work=$(mktemp -d) || skip "no scratch folder"
trap 'rm -rf "$work"' EXIT
unshare -m --propagation private true 2>/dev/null || skip "no private mount namespace"

unshare -m --propagation private /bin/bash -s "$tool" "$work" <<'INNER'
set -u
tool=$1 work=$2
devices=()
cleanup() {
  umount -l "$work/card" "$work/disk" 2>/dev/null
  for d in "${devices[@]}"; do
    [ -n "$d" ] && umount -l "/sys/block/$(basename "$d")/removable" 2>/dev/null
    [ -n "$d" ] && losetup -d "$d" 2>/dev/null
  done
}
trap cleanup EXIT
skip() { echo "$*" >&2; exit 77; }
make_volume() {  # image mount-point -> loop device
  truncate -s 8M "$1" && mkfs.ext4 -q -F "$1" >/dev/null 2>&1 || return 1
  local device; device=$(losetup -f --show "$1" 2>/dev/null) || return 1
  devices+=("$device")
  mkdir -p "$2" && mount "$device" "$2" || return 1
  echo "$device"
}
record() {  # file name: a 2048-byte record whose configuration name is $2 (or blank when $2 is "-")
  if [ "$2" = "-" ]; then printf '\377' > "$1"; else printf '%s' "$2" > "$1"; fi
  truncate -s 2048 "$1"
}
card=$(make_volume "$work/card.img" "$work/card") || skip "cannot attach and mount a loop device"
disk=$(make_volume "$work/disk.img" "$work/disk") || skip "cannot attach and mount a second loop device"
echo 1 > "$work/removable"
mount --bind "$work/removable" "/sys/block/$(basename "$card")/removable" 2>/dev/null \
  || skip "cannot flag the loop device removable"
[ "$(cat "/sys/block/$(basename "$card")/removable")" = 1 ] || skip "the removable flag did not take"

record "$work/card/CARD01.CFG" "Real Card Setup"
record "$work/card/EMPTY1.cfg" -
record "$work/card/.hidden.cfg" "hidden"
record "$work/disk/FIXED.CFG" "On a fixed disk"
echo "removable=$work/card"
echo "fixed=$work/disk"
QT_QPA_PLATFORM=offscreen "$tool"
INNER
