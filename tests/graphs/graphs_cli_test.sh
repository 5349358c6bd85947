#!/usr/bin/env bash
# The graphs of torvik-sim's demo unit with quillet-cli: downloaded, saved,
# reopened, added to with --group, exported with and without --append, and
# refused when a file is not a graph document.
# Usage: graphs_cli_test.sh TORVIK_SIM QUILLET_CLI WORK_DIR
set -euo pipefail
sim=$1 cli=$2 work=$3
rm -rf "$work" && mkdir -p "$work"
export XDG_CONFIG_HOME="$work/config"
sim_pid=""
trap '[ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null; true' EXIT

fail() { echo "FAILED: $*" >&2; exit 1; }
curves_of() { "$cli" info "$1" | sed -n 's/^Curves: *\([0-9]*\) .*/\1/p'; }

"$sim" --demo >"$work/sim.out" 2>"$work/sim.err" &
sim_pid=$!
for _ in $(seq 100); do
  [ -s "$work/sim.out" ] && break
  kill -0 "$sim_pid" 2>/dev/null || fail "torvik-sim: $(cat "$work/sim.err")"
  sleep 0.1
done
device=$(head -n 1 "$work/sim.out")
link=(--device "$device" --params "1,115200,n,8,1,n")

"$cli" download --graphs "${link[@]}" -o "$work/all.frt" </dev/null
"$cli" info "$work/all.frt" | grep -q '^Kind: *Document Graphique' || fail "all.frt is not a graph document"
all=$(curves_of "$work/all.frt")
"$cli" download --graphs --sites 2 "${link[@]}" -o "$work/two.frt" </dev/null
two=$(curves_of "$work/two.frt")
[ "$two" -gt 0 ] && [ "$two" -lt "$all" ] || fail "site 2 gave $two curves of $all"
"$cli" info "$work/two.frt" | grep -q '^Sites: *BLDG A FL3$' || fail "site list of two.frt"

# --group adds to the end of an existing file.
cp "$work/all.frt" "$work/grouped.frt"
"$cli" download --graphs --sites 2 --group "${link[@]}" -o "$work/grouped.frt" </dev/null
[ "$(curves_of "$work/grouped.frt")" = $((all + two)) ] || fail "--group did not add $two curves to $all"

# Export: one name line, two heading lines, a line per sweep point.
"$cli" export "$work/two.frt" "$work/two.txt"
head -n 1 "$work/two.txt" | grep -q $'BLDG A FL3:3A-02:78/45R:NEXT:' || fail "curve names of two.txt"
sed -n 2p "$work/two.txt" | grep -qx $'Frequency\tMeas.\tFrequency\tMeas.\tFrequency\tMeas.\t\r' ||
  fail "heading of two.txt"
[ "$(grep -vc $'\r$' "$work/two.txt")" = 0 ] || fail "a line of two.txt does not end in CR LF"
cp "$work/two.txt" "$work/twice.txt"
"$cli" export "$work/two.frt" "$work/twice.txt" --append
cmp -s <(cat "$work/two.txt"; printf '\r\r\n'; cat "$work/two.txt") "$work/twice.txt" || fail "--append"

# A file of another kind, or truncated, is refused and nothing is written.
"$cli" download "${link[@]}" --sites 1 -o "$work/site.tat" </dev/null 2>/dev/null
cp "$work/site.tat" "$work/wrong.frt"
if "$cli" export "$work/wrong.frt" "$work/wrong.txt" 2>"$work/wrong.err"; then fail "wrong kind exported"; fi
[ -s "$work/wrong.err" ] && [ ! -e "$work/wrong.txt" ] || fail "wrong kind: message or output"
head -c 300 "$work/two.frt" >"$work/short.frt"
cp "$work/two.txt" "$work/kept.txt"
if "$cli" export "$work/short.frt" "$work/kept.txt" --append 2>/dev/null; then fail "truncated exported"; fi
cmp -s "$work/two.txt" "$work/kept.txt" || fail "a failed --append changed the file"
echo "graphs end to end: 1 passed, 0 failed"
