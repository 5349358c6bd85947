#!/usr/bin/env bash
# Downloads the demo unit of torvik-sim with quillet-cli, exports every site
# with and without detail blocks, and checks what the exports hold.
# Usage: download_and_export_test.sh TORVIK_SIM QUILLET_CLI WORK_DIR
set -euo pipefail
sim=$1 cli=$2 work=$3
rm -rf "$work" && mkdir -p "$work"
export XDG_CONFIG_HOME="$work/config"  # the profile's defaults, whoever runs it
sim_pid=""
trap '[ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null; true' EXIT

fail() { echo "FAILED: $*" >&2; exit 1; }
# expect FILE TEXT: the export holds TEXT (tabs written as \t).
expect() { grep -qF -- "$(printf '%b' "$2")" "$1" || fail "$1 lacks: $2"; }

"$sim" --demo >"$work/sim.out" 2>"$work/sim.err" &
sim_pid=$!
for _ in $(seq 100); do
  [ -s "$work/sim.out" ] && break
  kill -0 "$sim_pid" 2>/dev/null || fail "torvik-sim: $(cat "$work/sim.err")"
  sleep 0.1
done
device=$(head -n 1 "$work/sim.out")

"$cli" download --device "$device" --params "1,115200,n,8,1,n" -o "$work/demo.tat" </dev/null
sites=$("$cli" info "$work/demo.tat" | sed -n 's/^Sites: *\([0-9]*\)$/\1/p')
[ "$sites" = 6 ] || fail "expected 6 sites, info says '$sites'"

for n in $(seq "$sites"); do
  "$cli" export "$work/demo.tat" "$work/site$n.txt" --site "$n"
  "$cli" export "$work/demo.tat" "$work/detail$n.txt" --site "$n" --detail all
  expect "$work/site$n.txt" 'CERTIFICATION REPORT\r'
  expect "$work/site$n.txt" 'Plug Id\tC\t'
  # Detailing adds lines and changes none of the plug lines.
  plugs=$(grep -c $'\t' "$work/site$n.txt")
  detailed=$(grep -c $'\t' "$work/detail$n.txt")
  [ "$detailed" -gt "$plugs" ] || fail "site $n: --detail all added no lines"
  diff <(grep -v $'^\t' "$work/site$n.txt") <(grep -v $'^\t' "$work/detail$n.txt") >/dev/null ||
    fail "site $n: detail blocks changed other lines"
done

# Copper sites: wiring map, per-pair values and the worst cases.
expect "$work/detail1.txt" 'SITE BLDG A FL2\r'
expect "$work/detail1.txt" '\tMapping\t\t\t\t\tLength\t\tDelay\t\r'
expect "$work/detail1.txt" '\tT\tR\tT\tR\tPair\tMeas.\tLimit\tMeas.\tLimit\r'
expect "$work/detail1.txt" '\tWorst case:\t\tMargin   \tAbsolute \tMargin   \tAbsolute \r'
expect "$work/detail1.txt" '\tPowerSum ELFEXT\r'
# Result types 0 and 1 of the warehouse.
expect "$work/site3.txt" '\t \tVOLT\t####\t'
expect "$work/site3.txt" '\t \tFAIL\t####\t'
# Value mode: values with units and the standard's limits.
expect "$work/site5.txt" 'Leng.\t(100 m)\tDelay\tLoopR\t(25 Ohm)\tZc\tDate\t\r'
expect "$work/detail5.txt" '\t\tLength\t\tDelay\t\tLoop Resistance\t\r'
# Optical: each entry of the fibre table with its limit.
expect "$work/detail6.txt" '\tAttenuation\r'
expect "$work/detail6.txt" ' nm\t\t'

# Appending: the second export follows a line of CR CR LF.
cp "$work/site1.txt" "$work/twice.txt"
"$cli" export "$work/demo.tat" "$work/twice.txt" --site 2 --append
awk 'prev == "\r\r" && $0 == "CERTIFICATION REPORT\r" { found = 1 } { prev = $0 } END { exit !found }' \
  "$work/twice.txt" || fail "appended export does not follow a CR CR LF line"
expect "$work/twice.txt" 'SITE BLDG A FL3\r'
# A folder that does not exist: the text of the failure and no success.
if "$cli" export "$work/demo.tat" "$work/none/x.txt" 2>"$work/err.txt"; then fail "export into a missing folder succeeded"; fi
expect "$work/err.txt" 'Unable to create file'
echo "ok: $sites sites exported"
