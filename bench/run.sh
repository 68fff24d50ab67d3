#!/usr/bin/env bash
# Side-by-side timings on a generated collection: each reader operation against the plain sqlite3
# shell query that reads the same rows. Usage: bench/run.sh [BUILD_DIR] [DOCUMENTS]
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/release}
documents=${2:-100000}
folder=${BENCH_FOLDER:-/tmp/tavlin-bench-$documents}
cli="$build/tools/tavlin-cli"
[ -x "$cli" ] || cli="$build/tavlin-cli"

command -v hyperfine >/dev/null || {
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo apt-get install -y -qq hyperfine
}

if [ ! -f "$folder/Data/TavlinDemo.db" ]; then
  mkdir -p "$folder/Data" "$folder/Index"
  cp -r "$root/res/Html" "$folder/Html"
  echo "generating $documents documents"
  /usr/bin/time -f "generate: %e s, %M KiB" \
    "$cli" db generate --out "$folder/Data/TavlinDemo.db" --documents "$documents" --seed 7
  /usr/bin/time -f "index build: %e s, %M KiB" "$cli" index build --folder "$folder"
fi
db="$folder/Data/TavlinDemo.db"
index="$folder/Index/fulltext.db"

run() {
  hyperfine -N --warmup 1 --runs "${RUNS:-7}" "$@"
}

echo "== contents list (all regulations) =="
run -n reader "$cli list --page contents --folder $folder" \
  -n sqlite3 "sqlite3 $db \"SELECT ID, jmeno FROM dokument WHERE pohled = 1 ORDER BY substr(jmeno, 1, 255), poradi, ID\""
/usr/bin/time -f "reader list peak memory: %M KiB" "$cli" list --page contents --folder "$folder" >/dev/null

echo "== contents refiltered by an area =="
run -n reader "$cli list --page contents --area 3 --folder $folder" \
  -n sqlite3 "sqlite3 $db \"SELECT ID, jmeno FROM dokument WHERE pohled = 1 AND ID IN (SELECT dokument FROM dokumentOblast WHERE oblast = 3) ORDER BY substr(jmeno, 1, 255), poradi, ID\""

field=$(sqlite3 "$db" "SELECT obor FROM dokument WHERE pohled = 2 GROUP BY obor ORDER BY count(*) DESC LIMIT 1")
echo "== register tree of the largest field ($field, $(sqlite3 "$db" "SELECT count(*) FROM dokument WHERE pohled = 2 AND obor = $field") entries); an empty field shows the start-up =="
run -n reader "$cli register --field $field --folder $folder" \
  -n sqlite3 "sqlite3 $db \"SELECT * FROM dokument WHERE pohled = 2 AND obor = $field ORDER BY poradi\"" \
  -n "reader: empty field" "$cli register --field 0 --folder $folder"

echo "== index of all: full texts by number and amendment titles =="
run -n reader "$cli index --choice 3 --folder $folder" \
  -n sqlite3 "sqlite3 $db \"SELECT ID, jmeno, norma, NULL AS nazev, substr(norma, 1, 255) AS poradi FROM dokument WHERE pohled = 1 AND norma IS NOT NULL UNION ALL SELECT ID, jmeno, norma, nazev, substr(nazev, 1, 255) AS poradi FROM dokument JOIN dokumentNorma ON dokument.ID = dokumentNorma.dokument ORDER BY poradi COLLATE BINARY\""

core_bench="$build/bench/core_bench"
if [ -x "$core_bench" ]; then
  echo "== in one process: register tree, index of all, quick find and opening a row, beside the plain queries =="
  TAVLIN_BENCH_FOLDER=$folder "$core_bench" --benchmark_filter='Register|IndexAll|QuickFind|OpenRow' \
    --benchmark_repetitions="${RUNS:-7}" --benchmark_report_aggregates_only=true
fi

largest=$(sqlite3 "$db" "SELECT dokument FROM dokumentSekce GROUP BY dokument ORDER BY count(*) DESC LIMIT 1")
echo "== assembly of the largest document ($largest, $(sqlite3 "$db" "SELECT count(*) FROM dokumentSekce WHERE dokument = $largest") section versions) =="
out=$(mktemp -d)
run -n reader "$cli show --id $largest --out $out --folder $folder" \
  -n sqlite3 "sqlite3 $db \".output $out/plain.html\" \"SELECT * FROM dokumentSekceView WHERE dokument = $largest ORDER BY dokument, poradi, datumNovelizace\""

echo "== full-text search (scope 7, by number) against the same FTS5 match joined to dokument =="
export XDG_CONFIG_HOME=${XDG_CONFIG_HOME_BENCH:-$(mktemp -d)}
search_sql() {
  echo "ATTACH '$index' AS ft; SELECT d.ID, d.norma, d.jmeno, s.datumDo FROM dokumentSekce s" \
    "JOIN dokument d ON d.ID = s.dokument WHERE s.sekce IN (SELECT rowid FROM ft.sekceText" \
    "WHERE sekceText MATCH '$1' UNION SELECT sekce FROM ft.dokumentNewest WHERE dokument IN" \
    "(SELECT rowid FROM ft.dokumentText WHERE dokumentText MATCH '$1')) AND d.pohled = 1" \
    "ORDER BY substr(d.norma, 1, 255) COLLATE BINARY, d.ID, s.datumNovelizace DESC;" >"$out/$2.sql"
}
search_sql '"daň"' word
search_sql '"daň" "plátce"' words
search_sql '"účetní jednotka"' phrase
search_sql 'NEAR("zaměstnanec" "pojistné", 8)' near
search_sql '"daň" OR "clo"' or
for pair in "word|daň" "words|daň plátce" "phrase|\"účetní jednotka\"" \
  "near|zaměstnanec u pojistné" "or|daň nebo clo"; do
  name=${pair%%|*}
  text=${pair#*|}
  run -n "reader: $text" "$cli search '$text' --scope 7 --show 2 --sort 0 --folder $folder" \
    -n "sqlite3: $name" "sqlite3 $db '.read $out/$name.sql'"
done
ls -l "$index" "$db"
rm -rf "$out"
