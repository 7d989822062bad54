#!/bin/sh
# Makes data/wordpairs/{cs,en}_pairs.txt from the quotations of Debian's fortunes-cs and
# fortunes-min/fortunes packages (see data/wordpairs/README.md). Run by hand when the lists are to
# be made again; the build reads the committed lists and does not need the packages.
#   tools/predictdata/make-pairs.sh BUILD_DIR
# BUILD_DIR is a build folder with orvanta-predictdata built in it.
set -eu
build=${1:?usage: make-pairs.sh BUILD_DIR}
tool="$build/tools/orvanta-predictdata"
top=$(cd "$(dirname "$0")/../.." && pwd)
out="$top/data/wordpairs"
fortunes=/usr/share/games/fortunes
# Pairs seen at least this often, and at most this many of them a language.
min=2
max=30000

# Czech: every collection of fortunes-cs but the Slovak one (klasik-sk); quotations in another
# language inside the others are left out by the tool.
cs=""
for f in "$fortunes"/cs/*.u8; do
    case "$(basename "$f")" in klasik-sk.u8) continue ;; esac
    cs="$cs $f"
done
# English: the collections of prose and sayings; pictures (art, ascii-art), program code and
# system talk (computers, debian, linux, linuxcookie, perl, translate-me, disclaimer), nonsense
# (zippy) and jokes at the expense of groups of people (ethnic, men-women, drugs) are left out.
en=""
for name in cookie definitions education food fortunes goedel humorists kids knghtbrd law \
    literature love magic medicine miscellaneous news paradoxum people pets platitudes politics \
    pratchett riddles science songs-poems sports startrek tao wisdom work; do
    en="$en $fortunes/$name.u8"
done
# shellcheck disable=SC2086
"$tool" pairs cs "$min" "$max" "$out/cs_pairs.txt" $cs
# shellcheck disable=SC2086
"$tool" pairs en "$min" "$max" "$out/en_pairs.txt" $en
