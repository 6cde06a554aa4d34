#!/usr/bin/env bash
# Sets everything up, installs the suite into a local prefix, makes a demo data
# folder once and starts the client database on it, with settings of its own so
# that the user's own settings stay untouched.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

KIV5_WITH_OFFICE=${KIV5_WITH_OFFICE:-0} bash scripts/setup.sh

# The programs only: the tests are the business of scripts/test.sh.
cmake --preset release -DKIV5_TESTS=OFF -DKIV5_BENCHMARKS=OFF
cmake --build --preset release -j2
cmake --install build/release --prefix "$root/.local/prefix" >/dev/null

demo="$root/.local/demo"
if [ ! -f "$demo/data/Pellary5/kiv5.pl5" ]; then
  "$root/.local/prefix/bin/kiv5" make-demo "$demo/data" --settings "$demo/settings"
fi
export XDG_CONFIG_HOME="$demo/settings"

if [ -x "$root/.local/prefix/bin/pellary5" ]; then
  exec "$root/.local/prefix/bin/pellary5" kiv5.pl5
fi
exec "$root/.local/prefix/bin/kiv5" dump "$demo/data/Pellary5/kiv5.pl5"
