#!/bin/sh
# Parses both variants of the Shell extension with node: the legacy one as a script, the one for
# Shell 45 and later as an ES module (neither is run). Usage: check-extension-syntax.sh LEGACY MODULE
set -eu
node --check <"$1" || { echo "check-extension-syntax: $1 does not parse" >&2; exit 1; }
node --input-type=module --check <"$2" || { echo "check-extension-syntax: $2 does not parse as a module" >&2; exit 1; }
echo "check-extension-syntax: ok"
