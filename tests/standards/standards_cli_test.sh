#!/usr/bin/env bash
# quillet-cli and the standards: download the demo unit's standards from
# torvik-sim, save, reopen and export them; export the saved file again
# after a resave; refuse bad input with a message, a non-zero exit and no
# output file.
# Usage: standards_cli_test.sh TORVIK_SIM QUILLET_CLI CORPUS WORK_DIR
set -euo pipefail
sim=$1 cli=$2 corpus=$3 work=$4
rm -rf "$work" && mkdir -p "$work"
export XDG_CONFIG_HOME="$work/config"  # the profile's defaults, whoever runs it
sim_pid=""
trap '[ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null; true' EXIT

fail() { echo "FAILED: $*" >&2; exit 1; }
# line FILE N TEXT: line N of FILE is TEXT (escapes as printf %b) and CR LF.
line() {
  local got want
  got=$(sed -n "$2p" "$1" | od -An -c | tr -s ' \n' ' ')
  want=$(printf '%b\r\n' "$3" | od -An -c | tr -s ' \n' ' ')
  [ "$got" = "$want" ] || fail "$1 line $2:$got instead of$want"
}
# refused FILE OUT PATTERN ARGS...: the command fails, says PATTERN on
# stderr and leaves OUT as it was (absent, or holding "keep").
refused() {
  local out=$1 pattern=$2; shift 2
  local before=absent; [ -e "$out" ] && before=$(cat "$out")
  if "$cli" "$@" 2>"$work/err.txt"; then fail "quillet-cli $* succeeded"; fi
  grep -qF -- "$pattern" "$work/err.txt" || fail "quillet-cli $*: stderr lacks '$pattern': $(cat "$work/err.txt")"
  local after=absent; [ -e "$out" ] && after=$(cat "$out")
  [ "$before" = "$after" ] || fail "quillet-cli $* changed $out"
}

"$sim" --demo >"$work/sim.out" 2>"$work/sim.err" &
sim_pid=$!
for _ in $(seq 100); do
  [ -s "$work/sim.out" ] && break
  kill -0 "$sim_pid" 2>/dev/null || fail "torvik-sim: $(cat "$work/sim.err")"
  sleep 0.1
done
device=$(head -n 1 "$work/sim.out")
link=(--device "$device" --params "1,115200,n,8,1,n")

# Every standard, saved, reopened and exported.
"$cli" download --standards "${link[@]}" -o "$work/demo.nrm" </dev/null >"$work/download.out"
"$cli" info "$work/demo.nrm" | grep -q '^Standards: 7$' || fail "demo.nrm does not hold 7 standards"
"$cli" export "$work/demo.nrm" "$work/demo.txt"
[ "$(grep -c $'\tStandard:\t' "$work/demo.txt")" = 7 ] || fail "demo.txt does not list 7 standards"
line "$work/demo.txt" 1 '\t01\tStandard:\tTIA Cat 5e Perm. Link'
line "$work/demo.txt" 2 '\t\t\tFrequency sweep:'
line "$work/demo.txt" 3 '\t\t\t\t1-20 MHz by step of 100 kHz'
line "$work/demo.txt" 4 '\t\t\t\t20-100 MHz by step of 250 kHz'
line "$work/demo.txt" 5 '\t\t\tMax. Length: 90 m'
line "$work/demo.txt" 6 '\t\t\tMax. Propagation Delay: 498 ns'
line "$work/demo.txt" 7 '\t\t\tMax. Propagation Gap: 44 ns'
line "$work/demo.txt" 8 '\t\t\tWorst case: NEXT, PSNEXT, ELFEXT, PSELF., ACR, PSACR, R.Loss, Att.'
line "$work/demo.txt" 9 ''
n=$(grep -n $'\t06\tStandard:' "$work/demo.txt" | cut -d: -f1)
line "$work/demo.txt" "$n" '\t06\tStandard:\tBasic Link 100 Ohm'
line "$work/demo.txt" $((n + 4)) '\t\t\tZc \xb115 ohm'
n=$(grep -n $'\t07\tStandard:' "$work/demo.txt" | cut -d: -f1)
line "$work/demo.txt" "$n" '\t07\tStandard:\tISO11801 OF-300 (Opt.)'
line "$work/demo.txt" $((n + 2)) '\t\t\t\tMultiMode 50 \xb5m:'
line "$work/demo.txt" $((n + 3)) '\t\t\t\t  0850 nm: 2.60 dB Max.'
line "$work/demo.txt" $((n + 11)) ''
[ "$(wc -l <"$work/demo.txt")" = $((n + 11)) ] || fail "demo.txt goes on after the optical standard"

# A resaved file exports the same bytes.
"$cli" resave "$work/demo.nrm" "$work/again.nrm"
"$cli" export "$work/again.nrm" "$work/again.txt"
cmp -s "$work/demo.txt" "$work/again.txt" || fail "the resaved file exports other lines"

# The standards named, and the comment, in Windows-1252.
"$cli" download --standards --norms 7,2 --comment "Bâtiment B" "${link[@]}" -o "$work/two.nrm" </dev/null >/dev/null
"$cli" info "$work/two.nrm" | grep -q '^Standards: 2$' || fail "two.nrm does not hold 2 standards"
grep -q $'B\xe2timent B' "$work/two.nrm" || fail "two.nrm lacks its comment in Windows-1252"
"$cli" export "$work/two.nrm" "$work/two.txt"
line "$work/two.txt" 1 '\t01\tStandard:\tTIA Cat 6 Perm. Link'

# Downloads that end without a file.
refused "$work/none.nrm" "No selected Standard" download --standards --norms 42 "${link[@]}" -o "$work/none.nrm"
refused "$work/none.nrm" "--norms" download --standards --norms "1,x" "${link[@]}" -o "$work/none.nrm"
refused "$work/none.nrm" "excludes" download --standards --sites 1 "${link[@]}" -o "$work/none.nrm"

# Bad input: another kind of document, truncated, hostile, missing, an
# unknown extension; an unwritable output.
cp "$corpus/autotest-sites-d06.tat" "$work/autotest.nrm"
refused "$work/out.txt" "not a standards document" export "$work/autotest.nrm" "$work/out.txt"
cp "$work/demo.nrm" "$work/standards.tat"
refused "$work/out.txt" "not an autotest document" export "$work/standards.tat" "$work/out.txt"
head -c 300 "$work/demo.nrm" >"$work/truncated.nrm"
refused "$work/out.txt" "truncated.nrm" export "$work/truncated.nrm" "$work/out.txt"
printf '\x28Application Quillet\tvD.06\tDocument Norme\x00\xff\xff\xff\xff\xff\x7f' >"$work/hostile.nrm"
refused "$work/out.txt" "hostile.nrm" export "$work/hostile.nrm" "$work/out.txt"
refused "$work/out.txt" "missing.nrm" export "$work/missing.nrm" "$work/out.txt"
refused "$work/out.txt" "not an autotest (.tat), graph (.frt) or standards (.nrm) file" \
  export "$work/demo.nrx" "$work/out.txt"
refused "$work/none/out.txt" "none" export "$work/demo.nrm" "$work/none/out.txt"
echo keep >"$work/kept.txt"
refused "$work/kept.txt" "truncated.nrm" export "$work/truncated.nrm" "$work/kept.txt"
[ -z "$(find "$work" -name '*.tmp*' -o -name '.*.txt*')" ] || fail "a temporary file was left behind"
echo "ok: standards downloaded, exported and bad input refused"
