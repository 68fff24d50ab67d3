#!/usr/bin/env bash
# Side-by-side timings on a generated collection: each reader operation against the plain sqlite3
# shell query that reads the same rows, then the window's longest freezes and its memory, and one
# summary table of medians and ratios at the end.
# Usage: bench/run.sh [BUILD_DIR] [DOCUMENTS]; RUNS (7) and WARMUP (1) set the runs of each timing.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/release}
documents=${2:-100000}
runs=${RUNS:-7}
warmup=${WARMUP:-1}
folder=${BENCH_FOLDER:-/tmp/tavlin-bench-$documents}
cli="$build/tools/tavlin-cli"
[ -x "$cli" ] || cli="$build/tavlin-cli"

command -v hyperfine >/dev/null || {
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo apt-get install -y -qq hyperfine
}

new_folder() {
  mkdir -p "$1/Data" "$1/Index"
  rm -rf "$1/Html"
  cp -r "$root/res/Html" "$1/Html"
}

if [ ! -f "$folder/Data/TavlinDemo.db" ]; then
  new_folder "$folder"
  echo "generating $documents documents"
  /usr/bin/time -f "generate: %e s, %M KiB" \
    "$cli" db generate --out "$folder/Data/TavlinDemo.db" --documents "$documents" --seed 7
  /usr/bin/time -f "index build: %e s, %M KiB" "$cli" index build --folder "$folder"
fi
db="$folder/Data/TavlinDemo.db"
index="$folder/Index/fulltext.db"
# A collection kept from an older build gets the indexes of this one.
if [ "$(sqlite3 "$db" "SELECT count(*) FROM pragma_table_info('dokument') WHERE name = 'jmenoKlic'")" = 0 ]; then
  /usr/bin/time -f "db upgrade: %e s, %M KiB" "$cli" db upgrade --folder "$folder"
fi

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
export XDG_CONFIG_HOME="$out/config"
summary="$out/summary.txt"

# compare TITLE READER_COMMAND PLAIN_COMMAND: both timed by hyperfine; the medians go into the
# summary.
compare() {
  echo "== $1 =="
  hyperfine -N --warmup "$warmup" --runs "$runs" --export-csv "$out/timing.csv" \
    -n reader "$2" -n sqlite3 "$3"
  # CSV columns: command, mean, stddev, median, user, system, min, max (seconds).
  awk -F, -v title="$1" 'NR == 2 { r = $4 } NR == 3 { p = $4 }
    END { printf "%-44s %10.1f %10.1f %7.2f\n", title, r * 1000, p * 1000, r / p }' \
    "$out/timing.csv" >>"$summary"
}

compare "contents list (all regulations)" \
  "$cli list --page contents --folder $folder" \
  "sqlite3 $db \"SELECT ID, jmeno FROM dokument WHERE pohled = 1 ORDER BY substr(jmeno, 1, 255) COLLATE BINARY, poradi, ID\""

compare "contents refiltered by an area" \
  "$cli list --page contents --area 3 --folder $folder" \
  "sqlite3 $db \"SELECT ID, jmeno FROM dokument WHERE pohled = 1 AND ID IN (SELECT dokument FROM dokumentOblast WHERE oblast = 3) ORDER BY substr(jmeno, 1, 255) COLLATE BINARY, poradi, ID\""

field=$(sqlite3 "$db" "SELECT obor FROM dokument WHERE pohled = 2 GROUP BY obor ORDER BY count(*) DESC LIMIT 1")
compare "register tree of the largest field ($field)" \
  "$cli register --field $field --folder $folder" \
  "sqlite3 $db \"SELECT * FROM dokument WHERE pohled = 2 AND obor = $field ORDER BY poradi\""
echo "== register: an empty field shows the start-up =="
hyperfine -N --warmup "$warmup" --runs "$runs" "$cli register --field 0 --folder $folder"

compare "index of all: numbers and amendment titles" \
  "$cli index --choice 3 --folder $folder" \
  "sqlite3 $db \"SELECT ID, jmeno, norma, NULL AS nazev, substr(norma, 1, 255) AS poradi FROM dokument WHERE pohled = 1 AND norma IS NOT NULL UNION ALL SELECT ID, jmeno, norma, nazev, substr(nazev, 1, 255) AS poradi FROM dokument JOIN dokumentNorma ON dokument.ID = dokumentNorma.dokument ORDER BY poradi COLLATE BINARY\""

largest=$(sqlite3 "$db" "SELECT dokument FROM dokumentSekce GROUP BY dokument ORDER BY count(*) DESC LIMIT 1")
versions=$(sqlite3 "$db" "SELECT count(*) FROM dokumentSekce WHERE dokument = $largest")
# The shell knows no Czech collation, so it reads the tables under the section view, which
# carries the collated name columns.
compare "assembly of the largest document ($versions versions)" \
  "$cli show --id $largest --out $out/show --folder $folder" \
  "sqlite3 $db \".output $out/plain.html\" \"SELECT s.dokument, s.sekce, s.poradi, s.obsah, d.norma, d.jmeno, s.datumNovelizace, s.datumDo FROM dokumentSekce s JOIN dokument d ON d.ID = s.dokument WHERE s.dokument = $largest ORDER BY s.dokument, s.poradi, s.datumNovelizace\""

# The shell knows no Czech tokenizer either: it matches in a plain unicode61 index of the same
# texts, built once beside the collection.
plain_index="$folder/plain-fulltext.db"
if [ ! -f "$plain_index" ]; then
  sqlite3 "$db" "ATTACH '$plain_index' AS ft; ATTACH '$index' AS reader;
    CREATE VIRTUAL TABLE ft.sekceText USING fts5(obsah, content='', tokenize='unicode61 remove_diacritics 0');
    INSERT INTO ft.sekceText (rowid, obsah) SELECT sekce, obsah FROM dokumentSekce;
    CREATE VIRTUAL TABLE ft.dokumentText USING fts5(jmeno, norma, content='', tokenize='unicode61 remove_diacritics 0');
    INSERT INTO ft.dokumentText (rowid, jmeno, norma) SELECT ID, jmeno, norma FROM dokument;
    CREATE TABLE ft.dokumentNewest AS SELECT * FROM reader.dokumentNewest;"
fi

# The same FTS5 match joined to dokument, as the reader's search with scope 7 sorted by number.
search_sql() {
  echo "ATTACH '$plain_index' AS ft; SELECT d.ID, d.norma, d.jmeno, s.datumDo FROM dokumentSekce s" \
    "JOIN dokument d ON d.ID = s.dokument WHERE s.sekce IN (SELECT rowid FROM ft.sekceText" \
    "WHERE sekceText MATCH '$1' UNION SELECT sekce FROM ft.dokumentNewest WHERE dokument IN" \
    "(SELECT rowid FROM ft.dokumentText WHERE dokumentText MATCH '$1')) AND d.pohled = 1" \
    "ORDER BY substr(d.norma, 1, 255) COLLATE BINARY, d.ID, s.datumNovelizace DESC;" >"$out/$2.sql"
}
search_sql '"plátce"' word
search_sql '"daň"' common
search_sql '"daň" "plátce"' words
search_sql '"účetní jednotka"' phrase
search_sql 'NEAR("zaměstnanec" "pojistné", 8)' near
search_sql '"daň" OR "clo"' or
# The reader matches every form of a word; the same match in the plain index is an OR of the
# forms the index holds with a lemma of the word (from the vocabulary the index stores).
sqlite3 "$index" "SELECT tvary FROM slovnik" >"$out/vocabulary.txt"
forms_of() {
  awk -F'\t' -v w="$1" '{ form[NR] = $1; lemmas[NR] = $2; if ($1 == w) own = $2 }
    END {
      if (own == "") own = w
      n = split(own, mine, " ")
      for (i = 1; i <= n; i++) wanted[mine[i]] = 1
      for (k = 1; k <= NR; k++) {
        c = split(lemmas[k], theirs, " ")
        for (j = 1; j <= c; j++) if (theirs[j] in wanted) { out = out (out == "" ? "" : " OR ") "\"" form[k] "\""; break }
      }
      print out == "" ? "\"" w "\"" : "(" out ")"
    }' "$out/vocabulary.txt"
}
search_sql "$(forms_of plátce)" wordforms
search_sql "$(forms_of daň)" commonforms
search_sql "$(forms_of daň) AND $(forms_of plátce)" wordsforms
search_sql "$(forms_of daň) OR $(forms_of clo)" orforms
for pair in "word|plátce" "common|daň" "words|daň plátce" "phrase|\"účetní jednotka\"" \
  "near|zaměstnanec u pojistné" "or|daň nebo clo"; do
  name=${pair%%|*}
  text=${pair#*|}
  compare "search $text" \
    "$cli search '$text' --scope 7 --show 2 --sort 0 --folder $folder" \
    "sqlite3 $db '.read $out/$name.sql'"
  if [ -f "$out/${name}forms.sql" ]; then
    compare "search $text, plain: OR of the forms" \
      "$cli search '$text' --scope 7 --show 2 --sort 0 --folder $folder" \
      "sqlite3 $db '.read $out/${name}forms.sql'"
  fi
done
ls -l "$index" "$db"

# The index build from scratch (the dictionary loaded, every word looked up), against the sqlite3
# shell building a plain unicode61 index of the same texts; compared by processor time, as the
# machine may be shared.
echo "== index build from scratch =="
scratch="$out/build"
mkdir -p "$scratch/Index"
ln -s "$folder/Data" "$scratch/Data"
plain_build="$out/plain-build.db"
hyperfine -N --runs "${BUILD_RUNS:-3}" --export-csv "$out/build.csv" \
  --prepare "rm -f $scratch/Index/fulltext.db $plain_build" \
  -n reader "$cli index build --folder $scratch" \
  -n sqlite3 "sqlite3 $db \"ATTACH '$plain_build' AS ft;
    CREATE VIRTUAL TABLE ft.sekceText USING fts5(obsah, content='', tokenize='unicode61 remove_diacritics 0');
    INSERT INTO ft.sekceText (rowid, obsah) SELECT sekce, obsah FROM dokumentSekce;
    CREATE VIRTUAL TABLE ft.dokumentText USING fts5(jmeno, norma, content='', tokenize='unicode61 remove_diacritics 0');
    INSERT INTO ft.dokumentText (rowid, jmeno, norma) SELECT ID, jmeno, norma FROM dokument;\""
megabytes=$(sqlite3 "$db" "SELECT (sum(length(CAST(obsah AS BLOB))) + (SELECT sum(length(CAST(jmeno AS BLOB))) FROM dokument)) / 1e6 FROM dokumentSekce")
awk -F, -v mb="$megabytes" 'NR == 2 { r = $5 + $6 } NR == 3 { p = $5 + $6 }
  END { printf "index build from scratch: %.1f MB of text, reader %.2f s CPU = %.1f MB/s, plain %.2f s CPU = %.1f MB/s, throughput %.0f %% of the plain index\n", mb, r, mb / r, p, mb / p, 100 * p / r }' \
  "$out/build.csv" | tee "$out/build.txt"

echo "== the window: longest freeze of each operation (10 ms heartbeat) =="
latency="$build/bench/latency_bench"
TAVLIN_BENCH_FOLDER="$folder" /usr/bin/time -f "%M" -o "$out/full.mem" "$latency" | tee "$out/latency.txt"
empty="$out/empty"
new_folder "$empty"
"$cli" db create --out "$empty/Data/TavlinDemo.db"
"$cli" index build --folder "$empty" >/dev/null
TAVLIN_BENCH_FOLDER="$empty" "$latency" --open-only | tee "$out/empty.txt"

# From the start to the first shown page (the start page the reader writes), against a bare web
# view window showing that page.
echo "== start to the first shown page =="
startup="$build/bench/startup_bench"
runtime="$out/runtime"
mkdir -m 700 "$runtime"
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} XDG_RUNTIME_DIR="$runtime"
export QTWEBENGINE_DISABLE_SANDBOX=${QTWEBENGINE_DISABLE_SANDBOX:-1}
export QTWEBENGINE_CHROMIUM_FLAGS=${QTWEBENGINE_CHROMIUM_FLAGS:---disable-gpu}
"$startup" --folder "$folder" 2>&1 | grep "^first page" || true
compare "start to the first shown page" "$startup --folder $folder" \
  "$startup --bare $folder/Html/Index.html"

echo
echo "== summary: $documents documents, medians of $runs runs (ms), reader / plain sqlite3 shell =="
printf "%-44s %10s %10s %7s\n" "operation" "reader" "sqlite3" "ratio"
echo "(the start's plain side is a bare web view window showing the reader's start page)"
cat "$summary"
cat "$out/build.txt"
echo "window, worst stall per operation (ms):"
awk '/^operation/ { on = 1; next } on && /^memory|^rows/ { on = 0 } on' "$out/latency.txt"
memory() { sed -n "s/^memory: .* \([0-9]*\) KiB with $1.*/\1/p" "$2"; }
awk -v full="$(memory "the contents filled" "$out/latency.txt")" \
  -v bare="$(memory "the contents filled" "$out/empty.txt")" \
  -v fullAll="$(memory "every list filled" "$out/latency.txt")" \
  -v bareAll="$(memory "every list filled" "$out/empty.txt")" -v whole="$(cat "$out/full.mem")" 'BEGIN {
  printf "peak memory with the contents list filled: %d KiB, same window on an empty collection: %d KiB, ratio %.2f\n", full, bare, full / bare
  printf "peak memory with the index shown too: %d KiB, on an empty collection: %d KiB, ratio %.2f (whole run: %d KiB)\n", fullAll, bareAll, fullAll / bareAll, whole }'
