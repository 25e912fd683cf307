#!/usr/bin/env bash
# The alert rules and the scrape configuration checked by promtool (Debian's prometheus package), and
# a test of each rule. Exits 77 (skipped) without promtool.
set -euo pipefail
cd "$(dirname "$0")"
if ! command -v promtool >/dev/null; then
  echo "SKIPPED: promtool is not installed (apt-get install prometheus)" >&2
  exit 77
fi
promtool check rules zentri-alerts.yml
promtool check config prometheus.yml
promtool test rules zentri-alerts.test.yml
