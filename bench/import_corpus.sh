#!/usr/bin/env bash
# Times the import of the income tax act (586/1992 Sb., the largest law of the shared corpus) and
# of all six corpus laws, and checks the 2 s budget of the former. The corpus lies beside the
# checkout; without it there is nothing to time. Usage: bench/import_corpus.sh [BUILD_DIR]
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/release}
corpus=${CORPUS:-$root/../shared/corpus}
cli="$build/tavlin-cli"
[ -f "$corpus/586-1992.md" ] || { echo "no corpus at $corpus: skipped"; exit 0; }

folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
mkdir -p "$folder/Data"
out="$folder/Data/TavlinDemo.db"
hyperfine -N --warmup 1 --runs "${RUNS:-10}" --export-json "$folder/times.json" \
  "$cli db import --out $out $corpus/586-1992.md" \
  "$cli db import --out $out $(ls "$corpus"/*-*.md | tr '\n' ' ')"
python3 - "$folder/times.json" <<'PY'
import json, sys
mean = json.load(open(sys.argv[1]))["results"][0]["mean"]
print(f"586/1992 Sb.: {mean:.3f} s (budget 2 s)")
sys.exit(0 if mean < 2.0 else 1)
PY
