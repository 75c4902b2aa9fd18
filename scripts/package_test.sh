#!/usr/bin/env bash
# The package as a new user meets it. Builds vardex_*.deb (scripts/package.sh) unless one is
# named, installs it with apt-get into a fresh Debian root made by debootstrap, then, as a new
# user with an empty home: starts vardex offscreen and checks the home folder it made, runs the
# bundled set-up with the installed vardex-run, and checks the versions, the desktop entry and
# the file types.
#
#   scripts/package_test.sh [DEB]
#
# Needs root (debootstrap, chroot, a /proc mount) and Debian's mirrors. The bare Debian root is
# kept as build-package/debian-<suite>.tar between runs; every run unpacks a fresh copy, which
# is removed at the end. Takes a few minutes: not part of test.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
started=$(date +%s)
if [ "$(id -u)" -ne 0 ]; then
    echo "package_test.sh needs root (debootstrap, chroot)" >&2
    exit 2
fi
suite=$(. /etc/os-release && echo "${VERSION_CODENAME:-bookworm}")
mirror=${VARDEX_DEBIAN_MIRROR:-http://deb.debian.org/debian}
step() { echo "== $* ($(($(date +%s) - started)) s)"; }
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

deb=${1:-}
if [ -z "$deb" ]; then
    step "building the package"
    deb=$(scripts/package.sh | tail -1)
fi
deb=$(cd "$(dirname "$deb")" && pwd)/$(basename "$deb")
version=$(dpkg-deb -f "$deb" Version)
step "package $deb, version $version"

for tool in debootstrap desktop-file-validate; do
    command -v "$tool" >/dev/null ||
        DEBIAN_FRONTEND=noninteractive apt-get install -y debootstrap desktop-file-utils >/dev/null
done
mkdir -p build-package
base=$(pwd)/build-package/debian-$suite.tar
if [ ! -f "$base" ]; then
    step "debootstrap $suite (kept as $base)"
    fresh=$(mktemp -d /var/tmp/vardex-debootstrap.XXXXXX)
    debootstrap --variant=minbase "$suite" "$fresh" "$mirror" >"$fresh.log" 2>&1 ||
        fail "debootstrap failed: $(tail -5 "$fresh.log")"
    tar -C "$fresh" -cf "$base.part" . && mv "$base.part" "$base"
    rm -rf --one-file-system "$fresh" "$fresh.log"
fi

root=$(mktemp -d /var/tmp/vardex-root.XXXXXX)
cleanup() {
    if mountpoint -q "$root/proc"; then umount "$root/proc" || umount -l "$root/proc"; fi
    # Never remove through a mount that is still there.
    if mountpoint -q "$root/proc"; then
        echo "left $root behind: its /proc is still mounted" >&2
    else
        rm -rf --one-file-system "$root"
    fi
}
trap cleanup EXIT
tar -C "$root" -xf "$base"
chmod 755 "$root" # the new user must reach its / (the root was made in a private folder)
mount -t proc proc "$root/proc"
cp /etc/resolv.conf "$root/etc/resolv.conf"
# A fresh machine gets the suite's updates and security fixes too.
cat >"$root/etc/apt/sources.list" <<SOURCES
deb $mirror $suite main
deb $mirror $suite-updates main
deb ${mirror%/debian}/debian-security $suite-security main
SOURCES
cp "$deb" "$root/tmp/"
in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin DEBIAN_FRONTEND=noninteractive "$@"; }

step "apt-get install ./$(basename "$deb") (its dependencies only, no recommended packages)"
in_root apt-get update >"$root/tmp/apt.log" 2>&1 || fail "apt-get update: $(tail -5 "$root/tmp/apt.log")"
in_root apt-get install -y --no-install-recommends "/tmp/$(basename "$deb")" >>"$root/tmp/apt.log" 2>&1 ||
    fail "apt-get install: $(tail -20 "$root/tmp/apt.log")"
for program in vardex vardex-run zolter; do
    [ -x "$root/usr/bin/$program" ] || fail "$program is not in /usr/bin"
    [ "$(in_root "$program" --version)" = "$program (Vardex) $version" ] ||
        fail "$program --version says '$(in_root "$program" --version)', not $version"
done
desktop-file-validate "$root/usr/share/applications/vardex.desktop" || fail "the desktop entry is not valid"

step "a new user starts vardex offscreen"
in_root useradd --create-home --shell /bin/bash engineer
as_user() {
    chroot --userspec=engineer:engineer "$root" env -i HOME=/home/engineer \
        PATH=/usr/bin:/bin QT_QPA_PLATFORM=offscreen "$@"
}
home=/home/engineer/.local/share/vardex
[ ! -e "$root$home" ] || fail "the user's home folder is there before the first start"
as_user sh -c 'cd && exec vardex --work-in-home >/tmp/vardex.log 2>&1' &
vardex=$!
for _ in $(seq 100); do
    [ -f "$root$home/Vardex.ini" ] && break
    kill -0 "$vardex" 2>/dev/null || fail "vardex ended at its first start: $(cat "$root/tmp/vardex.log")"
    sleep 0.2
done
sleep 2 # the main window is up, unless the start failed after the set-up
kill -0 "$vardex" 2>/dev/null || fail "vardex ended after its first start: $(cat "$root/tmp/vardex.log")"
kill "$vardex"
wait "$vardex" || true

step "the home folder it made"
ini=$root$home/Vardex.ini
[ -f "$ini" ] || fail "no Vardex.ini in $home"
for folder in Temp Output data; do [ -d "$root$home/$folder" ] || fail "no $folder folder"; done
grep -qF "ProgramPath=  /usr/bin/zolter"$'\r' "$ini" || fail "Vardex.ini does not name /usr/bin/zolter"
grep -qF "DataDir=      $home/data"$'\r' "$ini" || fail "Vardex.ini: no DataDir in the home"
for example in "$root"/usr/share/vardex/examples/*; do
    placed=$root$home/data/$(basename "$example")
    [ -f "$placed" ] || fail "$(basename "$example") was not placed"
    ! grep -q '@DATA@' "$placed" || fail "$(basename "$example") still holds @DATA@"
done
grep -qF "profile=      $home/data/column.prf"$'\r' "$root$home/data/pier.mod" ||
    fail "pier.mod does not name the home's column.prf"

step "the bundled set-up runs with the installed vardex-run"
as_user sh -c "cd && vardex-run $home/data/pier.vrs --out runs/pier" >"$root/tmp/run.log" 2>&1 ||
    fail "vardex-run failed: $(tail -5 "$root/tmp/run.log")"
grep -q 'chunk 3 of 3 done' "$root/tmp/run.log" || fail "not every chunk ran: $(cat "$root/tmp/run.log")"
[ -s "$root/home/engineer/runs/pier/pier.3" ] || fail "no field of the last chunk"
sed 's/^/   /' "$root/tmp/run.log"

step "the file types open in Vardex (as a file manager sees them, through GIO)"
in_root apt-get install -y --no-install-recommends shared-mime-info libglib2.0-bin desktop-file-utils \
    >>"$root/tmp/apt.log" 2>&1 || fail "installing the file-type tools: $(tail -5 "$root/tmp/apt.log")"
in_root update-mime-database /usr/share/mime
in_root update-desktop-database /usr/share/applications
for file in pier.mod:application/x-vardex-model pier.vrs:application/x-vardex-run-setup; do
    type=$(as_user gio info -a standard::content-type "$home/data/${file%%:*}" 2>/dev/null |
        sed -n 's/^ *standard::content-type: //p' || true)
    [ "$type" = "${file#*:}" ] || fail "${file%%:*} is taken for '$type'"
    opener=$(as_user gio mime "$type" 2>/dev/null | sed -n 's/^Default application for .*: //p' || true)
    [ "$opener" = vardex.desktop ] || fail "$type opens with '$opener'"
done

step "passed"
