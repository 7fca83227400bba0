#!/usr/bin/env bash
# Runs the browser checks of published menus: $1 is the trellis program, $2 a work folder for the
# published pages and the screenshots, $3 the engine (chromium, the default; firefox; webkit).
# Skips only when the browser or its driver is not installed.
set -euo pipefail

if [ $# -lt 2 ] || [ $# -gt 3 ]; then
  echo "usage: $0 TRELLIS WORK_DIR [chromium|firefox|webkit]" >&2
  exit 2
fi
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
engine="${3:-chromium}"

skip() {
  echo "e2e ($engine): skipped: $1 is missing (scripts/setup installs it)"
  exit 0
}
case "$engine" in
  chromium) modules=(playwright-core axe-core); programs=(/usr/bin/chromium) ;;
  firefox) modules=(puppeteer-core axe-core); programs=(/usr/bin/firefox-esr) ;;
  webkit) modules=(selenium-webdriver axe-core); programs=(/usr/bin/WebKitWebDriver /usr/bin/Xvfb /usr/bin/xdotool) ;;
  *) echo "$0: unknown engine '$engine' (chromium, firefox or webkit)" >&2; exit 2 ;;
esac
for module in "${modules[@]}"; do
  [ -d "$root/node_modules/$module" ] || skip "node_modules/$module"
done
for program in "${programs[@]}"; do
  [ -x "$program" ] || skip "$program"
done

program="$(realpath "$1")"
if [ ! -x "$program" ]; then
  echo "e2e: $1 is not an executable trellis program" >&2
  exit 1
fi
mkdir -p "$2"
work="$(realpath "$2")"
rm -rf "$work/screenshots"

cd "$root"
# WebKitGTK's MiniBrowser draws into an X display even when nobody looks: engine_webkit.mjs starts
# a virtual one for each page.
TRELLIS_E2E_ENGINE="$engine" TRELLIS_PROGRAM="$program" TRELLIS_E2E_WORK="$work" exec node --test tests/e2e/*.test.mjs
