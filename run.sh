#!/usr/bin/env bash
# Starts the editor; files given are opened as documents. With no display it
# starts the editor on a virtual X display, saves a screenshot of the main
# window and prints the PNG's path.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$ROOT/scripts/setup.sh"
BIN="$QM_BUILD/app/quillmar"

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$BIN" "$@"
fi

exec "$ROOT/scripts/headless-screenshot.sh" "$BIN" "$@"
