#!/usr/bin/env bash
# Remakes the guide's pictures in docs/images/: the default Trellisv2 menu as the design view
# draws it, and the published page in Chromium with the panel of a button with four columns open. Run after a
# build when the menu's look changes; the pictures are kept in the repository so that the guide
# and the help documents build without a browser session of their own.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
trellis=build/bin/trellis
fonts=/usr/share/fonts-font-awesome/fonts
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$trellis" sample --plugin Trellisv2 -o "$work/menu.blk"
"$trellis" preview --plugin Trellisv2 "$work/menu.blk" -o docs/images/preview-v2.png --fa "$fonts"
"$trellis" publish --plugin Trellisv2 "$work/menu.blk" --out "$work/site" --fa "$fonts" \
  --name menu --breakpoint 768 --title "Trellis v2 menu"
node docs/screenshot_page.mjs "$work/site/index.html" menu 3 docs/images/published-page.png
