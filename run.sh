#!/usr/bin/env bash
# Installs what is missing, builds Veltrane and starts it. Arguments go to the
# program (see ./run.sh --help). Setting the clock needs the right to do so:
# run as root, or let systemd-timedated do it (it asks through polkit).
set -euo pipefail
cd "$(dirname "$0")"
./setup.sh >/dev/null
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)" >/dev/null
exec build/app/veltrane "$@"
