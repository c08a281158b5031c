#!/usr/bin/env bash
# Runs a validator on a file that desktops read, or reports a skip when the validator is not installed.
#   validate.sh <tool> <arguments...>
set -euo pipefail
command -v "$1" >/dev/null 2>&1 || { echo "skipped: $1 is not installed (scripts/deps.sh installs it)"; exit 77; }
exec "$@"
