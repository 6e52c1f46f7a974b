#!/bin/sh
# Runs the web page tests in a real browser: installs puppeteer-core from the package lock into
# the build folder (again only when the lock changed), then drives chromium-headless-shell.
# Usage: run.sh PACKAGE_DIR WORK_DIR VORNICPACK_CLI; PACKAGE_DIR holds package.json and its lock. Without node, npm or a browser the test is
# skipped (exit 77) with the reason, unless CI=true, where that is a failure.
set -u
pkg=$1 work=$2 cli=$3
skip() {
  echo "$1" >&2
  if [ "${CI:-}" = true ]; then exit 1; fi
  echo "Skipped: $1"
  exit 77
}
command -v node >/dev/null || skip "node is not installed (Debian package nodejs)"
mkdir -p "$work"
if ! cmp -s "$pkg/package-lock.json" "$work/package-lock.json" || [ ! -d "$work/node_modules/puppeteer-core" ]; then
  command -v npm >/dev/null || skip "npm is not installed (Debian package npm)"
  rm -f "$work/package-lock.json"
  cp "$pkg/package.json" "$work/" && cp "$pkg/package-lock.json" "$work/package-lock.json.new" &&
    mv "$work/package-lock.json.new" "$work/package-lock.json" &&
    (cd "$work" && npm ci --no-audit --no-fund --loglevel=error) ||
    { rm -f "$work/package-lock.json"; skip "npm could not install puppeteer-core"; }
fi
exec node "$(dirname "$0")/webpage.test.mjs" "$cli" "$work"
