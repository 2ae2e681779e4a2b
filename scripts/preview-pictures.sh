#!/bin/sh
# The README's pictures of the distribution's script (build/windows/dist):
# setup-preview with setup's own texts in Japanese and in English, the
# script's texts in code page 932 as the distribution is written, into
# docs/preview/ja and docs/preview/en; then the README's table of them,
# between its "preview pictures" markers, is written anew. `make
# preview-pictures` builds what it needs and runs it.
set -eu
cd "$(dirname "$0")/.."

run="build/windows/wine-run build/windows/setup/preview/setup-preview.exe"
for lang in ja en; do
    rm -rf "docs/preview/$lang"
    LC_ALL=ja_JP.UTF-8 $run --lang "$lang" build/windows/dist "docs/preview/$lang"
done

table="| picture | Japanese | English |
|---|---|---|"
for picture in $(ls docs/preview/ja); do
    table="$table
| \`$picture\` | ![$picture, Japanese](docs/preview/ja/$picture) | ![$picture, English](docs/preview/en/$picture) |"
done
TABLE="$table" awk '
    /<!-- preview pictures -->/ { print; print ENVIRON["TABLE"]; skip = 1; next }
    /<!-- end of preview pictures -->/ { skip = 0 }
    !skip
' README.md > README.md.new
mv README.md.new README.md
