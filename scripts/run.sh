#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program from its application folder in the build tree.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/deps.sh"
"$here/scripts/build.sh" build
exec "$here/build/appdir/ambrelis"
