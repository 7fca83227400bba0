#!/usr/bin/env bash
# Runs the browser checks of published menus: $1 is the trellis program, $2 a work folder for the
# published pages and the screenshots. Skips only when the browser or its driver is not installed.
set -euo pipefail

if [ $# -ne 2 ]; then
  echo "usage: $0 TRELLIS WORK_DIR" >&2
  exit 2
fi
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"

if [ ! -d "$root/node_modules/playwright-core" ]; then
  echo "e2e: skipped: node_modules/playwright-core is missing (scripts/setup installs it)"
  exit 0
fi
if [ ! -x /usr/bin/chromium ]; then
  echo "e2e: skipped: /usr/bin/chromium is missing (scripts/setup installs it)"
  exit 0
fi

program="$(realpath "$1")"
if [ ! -x "$program" ]; then
  echo "e2e: $1 is not an executable trellis program" >&2
  exit 1
fi
mkdir -p "$2"
work="$(realpath "$2")"
rm -rf "$work/screenshots"

cd "$root"
TRELLIS_PROGRAM="$program" TRELLIS_E2E_WORK="$work" exec node --test tests/e2e/*.test.mjs
