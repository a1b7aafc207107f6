#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program.
#   ./run.sh          the desktop program
#   ./run.sh --web    the web edition, served at http://localhost:8080
set -euo pipefail
cd "$(dirname "$0")"
case "${1:-}" in
  "")
    scripts/setup.sh
    exec build/bin/bookkeeper
    ;;
  --web)
    scripts/setup.sh
    echo "记账助手: http://localhost:8080"
    exec python3 -m http.server 8080 --bind 127.0.0.1 --directory build-web/site
    ;;
  *)
    echo "usage: ./run.sh [--web]" >&2
    exit 2
    ;;
esac
