#!/usr/bin/env bash
# The desktop entry, the software catalogue's description and the file type, as the desktop's
# own tools read them. Skipped (77) where those tools are missing (desktop-file-utils,
# appstream).
#   tests/install/validate_desktop.sh DESKTOP METAINFO
set -u
command -v desktop-file-validate >/dev/null && command -v appstreamcli >/dev/null ||
  { echo "desktop-file-validate or appstreamcli missing"; exit 77; }
desktop-file-validate "$1" || { echo "FAIL: $1"; exit 1; }
# Warnings fail too; notes (pedantic advice) do not. No network: URLs are not fetched.
appstreamcli validate --no-net --explain "$2" || { echo "FAIL: $2"; exit 1; }
echo "PASS"
