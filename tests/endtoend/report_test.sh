#!/usr/bin/env bash
# Downloads the demo unit of torvik-sim with quillet-cli, writes the
# certification report of a site as PDF and checks its text (pdftotext):
# the summary lines, the plug lines of the window in order, the page
# numbers; then detail blocks, --site all, black and white, and bad input.
# PNG renders of the first two pages are left in WORK_DIR for a person.
# Usage: report_test.sh TORVIK_SIM QUILLET_CLI WORK_DIR
set -euo pipefail
sim=$1 cli=$2 work=$3
rm -rf "$work" && mkdir -p "$work"
export XDG_CONFIG_HOME="$work/config"  # the profile's defaults, whoever runs it
sim_pid=""
trap '[ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null; true' EXIT

fail() { echo "FAILED: $*" >&2; exit 1; }
expect() { grep -qF -- "$2" "$1" || fail "$1 lacks: $2"; }
pages_of() { pdfinfo "$1" | sed -n 's/^Pages: *//p'; }

"$sim" --demo >"$work/sim.out" 2>"$work/sim.err" &
sim_pid=$!
for _ in $(seq 100); do
  [ -s "$work/sim.out" ] && break
  kill -0 "$sim_pid" 2>/dev/null || fail "torvik-sim: $(cat "$work/sim.err")"
  sleep 0.1
done
device=$(head -n 1 "$work/sim.out")
"$cli" download --device "$device" --params "1,115200,n,8,1,n" -o "$work/demo.tat" </dev/null
kill "$sim_pid" 2>/dev/null || true
sim_pid=""

# Site 1 as the window opens it.
"$cli" report "$work/demo.tat" --site 1 -o "$work/site1.pdf"
pdftotext -layout "$work/site1.pdf" "$work/site1.txt"
pages=$(pages_of "$work/site1.pdf")
[ "$pages" -ge 2 ] || fail "site 1: $pages page(s)"
expect "$work/site1.txt" "CERTIFICATION REPORT"
expect "$work/site1.txt" "SITE BLDG A FL2"
expect "$work/site1.txt" "TESTED PLUGS:"
expect "$work/site1.txt" "Printed on"
expect "$work/site1.txt" "Signature:"
expect "$work/site1.txt" "failing value - (####) value not measured or limit not specified"
expect "$work/site1.txt" "(*) value near the measurement uncertainty"
expect "$work/site1.txt" "(~) plug with curves"
# Every page's foot names the site, the page and the page count, in order.
for p in $(seq "$pages"); do
  pdftotext -f "$p" -l "$p" -layout "$work/site1.pdf" - | grep -qF "Site: BLDG A FL2 - Page $p/$pages" ||
    fail "page $p lacks its number"
done
# Page 1 holds the site block only; the plug lines follow from page 2 in
# the order of the window's list (the text export writes the same lines).
"$cli" export "$work/demo.tat" "$work/site1-export.txt" --site 1
pdftotext -f 2 -layout "$work/site1.pdf" "$work/site1-table.txt"
ids=$(tr -d '\r' <"$work/site1-export.txt" | awk -F'\t' 'table && NF > 2 {print $1} /^Plug Id\t/ {table = 1}')
[ -n "$ids" ] || fail "no plug lines in the export"
awk -v ids="$ids" 'BEGIN { n = split(ids, want, "\n"); k = 1 }
  k <= n && index($0, want[k]) { k++ }
  END { if (k <= n) { print "plug " want[k] " missing or out of order"; exit 1 } }' "$work/site1-table.txt" ||
  fail "site 1: plug lines not in the window's order"
first=$(echo "$ids" | head -n 1)
pdftotext -l 1 -layout "$work/site1.pdf" - | grep -qF "$first" && fail "page 1 holds plug lines"

# Detail blocks with small plots; pictures of the first two pages.
"$cli" report "$work/demo.tat" --site 1 --detail all -o "$work/detail1.pdf"
pdftotext -layout "$work/detail1.pdf" "$work/detail1.txt"
expect "$work/detail1.txt" "Plug Id $first"
expect "$work/detail1.txt" "Worst case"
expect "$work/detail1.txt" "Frequency (MHz)"
[ "$(pages_of "$work/detail1.pdf")" -gt "$pages" ] || fail "detail blocks added no page"
pdftoppm -r 60 -png -f 1 -l 2 "$work/site1.pdf" "$work/site1-page"
pdftoppm -r 60 -png -f 1 -l 3 "$work/detail1.pdf" "$work/detail1-page"
"$cli" report "$work/demo.tat" --site 1 --mono --detail "$first" -o "$work/mono1.pdf"
pdftoppm -r 60 -png -f 1 -l 2 "$work/mono1.pdf" "$work/mono1-page"

# Every site in one file, Letter paper.
"$cli" report "$work/demo.tat" --site all --page-size Letter -o "$work/all.pdf"
pdftotext -layout "$work/all.pdf" "$work/all.txt"
expect "$work/all.txt" "SITE BLDG A FL2"
[ "$(grep -c 'CERTIFICATION REPORT' "$work/all.txt")" -ge 6 ] || fail "--site all lacks sites"

# Bad input: a message, no PDF, and an existing PDF left as it was.
echo "not a document" >"$work/bad.tat"
if "$cli" report "$work/bad.tat" -o "$work/bad.pdf" 2>"$work/bad.err"; then fail "unreadable file accepted"; fi
[ -s "$work/bad.err" ] || fail "no message for an unreadable file"
[ ! -e "$work/bad.pdf" ] || fail "a PDF was written for an unreadable file"
cp "$work/site1.pdf" "$work/keep.pdf"
if "$cli" report "$work/demo.tat" --site 9 -o "$work/keep.pdf" 2>"$work/site9.err"; then fail "missing site accepted"; fi
expect "$work/site9.err" "there is no site 9"
cmp -s "$work/site1.pdf" "$work/keep.pdf" || fail "a failed report changed the existing PDF"
if "$cli" report "$work/demo.tat" --detail NOSUCH -o "$work/nosuch.pdf" 2>/dev/null; then fail "unknown plug accepted"; fi
[ ! -e "$work/nosuch.pdf" ] || fail "a PDF was written for an unknown plug"
ls "$work"/*.pdf.* 2>/dev/null && fail "temporary files left behind"
echo "report end to end: $pages pages for site 1; pictures in $work"
