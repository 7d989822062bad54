#!/usr/bin/env bash
# The Debian package as a user gets it: unpacked into a scratch root (anywhere: the installed
# tree finds its data relative to itself) and, when run as root, installed into this machine with
# apt-get. Each time the installed program starts under a private X server with an empty home
# folder, shows its window, opens the bundled keyboard from the user's data folder, writes the
# user's settings at the end, and writes nothing into the installation.
#   tests/install/installed_program.sh PACKAGE.deb
set -u
deb=$(realpath "$1")
. "$(dirname "$0")/../e2e/lib.sh"
command -v dpkg-deb >/dev/null || { echo "dpkg-deb missing"; exit 77; }

# Starts $1/orvanta with a fresh home, closes it as a logout would, checks what it left.
run_installed() {
  local bin=$1 prefix=$2 name=$3
  local home=$E2E_TMP/home-$name
  mkdir -p "$home"
  "$bin/orvanta" --version | grep -q '^orvanta [0-9]' || fail "$name: no version"
  find "$prefix" -type f -printf '%p %s %T@\n' | sort >"$E2E_TMP/before-$name"
  (cd "$E2E_TMP" && HOME=$home XDG_CONFIG_HOME= XDG_DATA_HOME= exec "$bin/orvanta") \
    >"$E2E_TMP/$name.log" 2>&1 &
  local program=$!
  wait_window '^Klávesnice pro alternativní komunikaci$' >/dev/null ||
    { cat "$E2E_TMP/$name.log"; fail "$name: main window not shown"; }
  kill -TERM $program
  for _ in $(seq 100); do kill -0 $program 2>/dev/null || break; sleep 0.1; done
  kill -0 $program 2>/dev/null && fail "$name: program did not end on SIGTERM"
  wait $program || { cat "$E2E_TMP/$name.log"; fail "$name: program ended with an error"; }

  local data=$home/.local/share/Orvanta config=$home/.config/Orvanta/Orvanta.cfg
  [ -f "$data/Tables/index.kbt" ] || fail "$name: bundled keyboards not copied to $data"
  [ -f "$config" ] || fail "$name: no settings written to $config"
  "$bin/orvanta-cfg" dump "$config" >"$E2E_TMP/$name.cfg" || fail "$name: settings unreadable"
  grep -qx "table $data/Tables/index.kbt" "$E2E_TMP/$name.cfg" ||
    { cat "$E2E_TMP/$name.cfg"; fail "$name: the bundled keyboard was not the one open"; }
  grep -qx "tables $data/Tables/" "$E2E_TMP/$name.cfg" ||
    { cat "$E2E_TMP/$name.cfg"; fail "$name: keyboards not kept in the user's data folder"; }
  find "$prefix" -type f -printf '%p %s %T@\n' | sort >"$E2E_TMP/after-$name"
  diff "$E2E_TMP/before-$name" "$E2E_TMP/after-$name" ||
    fail "$name: the program wrote into its installation"
  echo "$name: window shown, bundled keyboard opened, settings kept in the home folder"
}

# The files a desktop and a package manager look for.
root=$E2E_TMP/root
dpkg-deb -x "$deb" "$root" || fail "cannot unpack $deb"
for f in bin/orvanta bin/orvanta-kbt bin/orvanta-cfg share/orvanta/Orvanta.cfg \
  share/orvanta/Tables/index.kbt share/orvanta/Sounds/cvaknuti.wav share/orvanta/Help/Help.html \
  share/applications/org.orvanta.Orvanta.desktop share/metainfo/org.orvanta.Orvanta.metainfo.xml \
  share/icons/hicolor/scalable/apps/orvanta.svg share/icons/hicolor/48x48/apps/orvanta.png \
  share/man/man1/orvanta.1.gz share/man/man1/orvanta-kbt.1.gz share/man/man1/orvanta-cfg.1.gz; do
  [ -e "$root/usr/$f" ] || fail "package lacks /usr/$f"
done
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || fail "computed dependencies missing"
grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' \
  "$root/usr/share/doc/orvanta/copyright" || fail "package lacks a machine-readable copyright file"

# Debian's package checker finds no error; its warnings are shown, not failed on.
command -v lintian >/dev/null || fail "lintian missing (scripts/setup installs it)"
lintian --fail-on error --tag-display-limit 0 "$deb" >"$E2E_TMP/lintian.log" 2>&1 ||
  { cat "$E2E_TMP/lintian.log"; fail "lintian found errors in the package"; }
cat "$E2E_TMP/lintian.log"

# Moved elsewhere, the installed tree still finds its data.
mv "$root/usr" "$root/opt"
run_installed "$root/opt/bin" "$root/opt" scratch

# Into this machine, as a user installs it (root only, so CI does this).
if [ "$(id -u)" -eq 0 ] && command -v apt-get >/dev/null; then
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" >"$E2E_TMP/apt.log" 2>&1 ||
    { cat "$E2E_TMP/apt.log"; fail "apt-get could not install $deb"; }
  run_installed /usr/bin /usr/share/orvanta system
  dpkg -L orvanta | grep -qx /usr/share/applications/org.orvanta.Orvanta.desktop ||
    fail "dpkg does not list the desktop entry"
  DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq orvanta >/dev/null 2>&1 ||
    fail "apt-get could not remove orvanta"
else
  echo "system: not root, installing into the machine skipped"
fi
echo "PASS"
