#!/usr/bin/env bash
# `cmake --install` into a scratch prefix: the files land in the usual places, the manual pages
# read without warnings, and every installed executable keeps the command-line conventions
# (help and version on standard output with status 0, a wrong command line on standard error
# with status 2, a file that cannot be read with status 1), all without a display.
#   tests/install/installed_tree.sh BUILD VERSION
set -u
build=$1
version=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

prefix=$tmp/usr
cmake --install "$build" --prefix "$prefix" >"$tmp/install.log" ||
  { cat "$tmp/install.log"; fail "cmake --install failed"; }
for f in bin/orvanta bin/orvanta-kbt bin/orvanta-cfg share/orvanta/Orvanta.cfg share/orvanta/Orvanta.en.cfg \
  share/orvanta/Tables/index.kbt share/orvanta/Tables/fraze.kbt share/orvanta/Images/ahoj.jpg \
  share/orvanta/Sounds/cvaknuti.wav share/orvanta/Help/Help.html share/orvanta/Help/img/about.png \
  share/applications/org.orvanta.Orvanta.desktop share/metainfo/org.orvanta.Orvanta.metainfo.xml \
  share/mime/packages/orvanta.xml share/icons/hicolor/scalable/apps/orvanta.svg \
  share/icons/hicolor/16x16/apps/orvanta.png share/icons/hicolor/256x256/apps/orvanta.png \
  share/man/man1/orvanta.1.gz share/man/man1/orvanta-kbt.1.gz share/man/man1/orvanta-cfg.1.gz \
  bin/orvanta-predict share/orvanta/Predict/cs.lex share/orvanta/Predict/en.lex \
  share/orvanta/Predict/README.md share/man/man1/orvanta-predict.1.gz; do
  [ -s "$prefix/$f" ] || fail "not installed: $f"
done
# Only what a user runs goes to bin/.
[ "$(ls "$prefix/bin" | tr '\n' ' ')" = "orvanta orvanta-cfg orvanta-kbt orvanta-predict " ] ||
  fail "unexpected executables: $(ls "$prefix/bin")"

if command -v man >/dev/null; then
  for page in "$prefix"/share/man/man1/*.1.gz; do
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "$(basename "$page"): $warnings"
    LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$page" 2>/dev/null | grep -q 'EXIT STATUS' ||
      fail "$(basename "$page") has no exit status"
  done
fi

# status  stream-with-text  pattern  command...
check() {
  local status=$1 stream=$2 pattern=$3
  shift 3
  (cd "$tmp" && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@") \
    >"$tmp/out" 2>"$tmp/err"
  local got=$?
  [ "$got" -eq "$status" ] || fail "$*: status $got, expected $status ($(cat "$tmp/err"))"
  local other=err
  [ "$stream" = err ] && other=out
  grep -qE "$pattern" "$tmp/$stream" || fail "$*: '$pattern' not on std$stream: $(cat "$tmp/$stream")"
  [ ! -s "$tmp/$other" ] || fail "$*: unexpected std$other: $(cat "$tmp/$other")"
}
bin=$prefix/bin
check 0 out '^usage: orvanta ' "$bin/orvanta" --help
check 0 out '^usage: orvanta ' "$bin/orvanta" -h fraze.kbt
check 0 out "^orvanta $version\$" "$bin/orvanta" --version
check 2 err "unknown language 'de'" "$bin/orvanta" --lang de
check 2 err 'needs a language' "$bin/orvanta" --lang
check 2 err 'unknown option --bogus' "$bin/orvanta" --bogus
check 2 err 'one too many' "$bin/orvanta" a.kbt b.kbt
check 0 out '^usage: orvanta-kbt ' "$bin/orvanta-kbt" --help
check 0 out "^orvanta-kbt $version\$" "$bin/orvanta-kbt" --version
check 2 err '^usage: orvanta-kbt ' "$bin/orvanta-kbt"
check 2 err '^usage: orvanta-kbt ' "$bin/orvanta-kbt" frobnicate x
check 1 err 'none\.kbt' "$bin/orvanta-kbt" dump none.kbt
check 0 out '"rows"|"keys"|"Grid"|\{' "$bin/orvanta-kbt" dump "$prefix/share/orvanta/Tables/index.kbt"
check 0 out '^usage: orvanta-cfg ' "$bin/orvanta-cfg" --help
check 0 out "^orvanta-cfg $version\$" "$bin/orvanta-cfg" --version
check 2 err '^usage: orvanta-cfg ' "$bin/orvanta-cfg"
check 2 err '^usage: orvanta-cfg ' "$bin/orvanta-cfg" default x.cfg --interval 0
check 1 err 'none\.cfg' "$bin/orvanta-cfg" dump none.cfg
check 0 out '^table index\.kbt$' "$bin/orvanta-cfg" dump "$prefix/share/orvanta/Orvanta.cfg"
check 0 out '^usage: orvanta-predict ' "$bin/orvanta-predict" --help
check 0 out "^orvanta-predict $version\$" "$bin/orvanta-predict" --version
check 2 err '^usage: orvanta-predict ' "$bin/orvanta-predict" --slots 0
check 1 err 'none\.lex' "$bin/orvanta-predict" --lexicon none.lex
# The shipped word list is found from the installed program.
check 0 out 'Dobrý' sh -c 'printf "dobr\n" | "$0" --lang cs' "$bin/orvanta-predict"
echo "PASS"
