#!/usr/bin/env bash
# rivo32 --batch end to end against torvik-sim --monitor: an upgrade that
# succeeds (English and French), and refusals that print their exact boxes
# and exit 1.
# Usage: batch_upgrade_test.sh TORVIK_SIM TORVIK_FIRMWARE RIVO32 WORK_DIR
set -euo pipefail
sim=$1 firmware=$2 rivo=$3 work=$4
rm -rf "$work" && mkdir -p "$work"
sim_pid=""
stop_sim() { [ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null && wait "$sim_pid" 2>/dev/null; sim_pid=""; true; }
trap stop_sim EXIT

fail() { echo "FAILED: $*" >&2; exit 1; }

# start_monitor NAME [torvik-sim options]: serves a monitor, sets $device.
start_monitor() {
  local name=$1; shift
  "$sim" --monitor --accepted "$work/$name.accepted" "$@" >"$work/$name.sim" 2>"$work/$name.err" &
  sim_pid=$!
  for _ in $(seq 100); do
    [ -s "$work/$name.sim" ] && break
    kill -0 "$sim_pid" 2>/dev/null || fail "torvik-sim: $(cat "$work/$name.err")"
    sleep 0.1
  done
  device=$(head -n 1 "$work/$name.sim")
}

# expect_run NAME STATUS EXPECTED_OUTPUT rivo32-options...
expect_run() {
  local name=$1 status=$2 expected=$3; shift 3
  local got=0
  TORVIK_COM1="$device" "$rivo" --batch "$@" >"$work/$name.out" 2>"$work/$name.stderr" </dev/null || got=$?
  [ "$got" = "$status" ] || fail "$name: exit $got, expected $status: $(cat "$work/$name.out" "$work/$name.stderr")"
  diff <(printf '%s\n' "$expected") "$work/$name.out" >&2 || fail "$name: output differs"
}

mkdir -p "$work/fw" "$work/empty" "$work/other"
"$firmware" "$work/fw/DEMO.HEX" --records 300 --references 99999999Z99,01234567A12
"$firmware" "$work/other/OTHER.HEX" --records 20 --references 99999999Z99

# The upgrade, checked record by record against the file.
start_monitor ok --monitors 0,01234567A12
expect_run ok 0 '[information] RIVO
The instrument upgrading will be done by transmitting following files:
 . "DEMO.HEX"
---
[information] RIVO
Upgrading has been successfully done for the files:
 . "DEMO.HEX"
---' --dir "$work/fw" -c1,115200,8,1,n,n -le
diff <(tr -d '\r' <"$work/fw/DEMO.HEX") "$work/ok.accepted" >/dev/null || fail "accepted records differ from the file"
stop_sim

# In French with upper-case options, the default wait characters at 9600
# baud, and the file for the second monitor.
start_monitor french --monitors "0,12345678B01, 0,01234567A12"
expect_run french 0 '[information] RIVO
La mise à jour de l'"'"'appareil va être effectuée par transmission des fichiers suivants:
 . "DEMO.HEX"
---
[information] RIVO
La mise à jour a été effectuée avec succès pour les fichiers:
 . "DEMO.HEX"
---' -LF --dir "$work/fw" -C1,9600,8,1,N,N
stop_sim

# No firmware file in the folder.
expect_run empty 1 '[warning] RIVO
No upgrading file (.HEX) has been found in the current directory.

Unable to upgrade the instrument. Contact your resaler
---' --dir "$work/empty" -c1,115200,8,1,n,n

# No file for this instrument: nothing beyond "RIVO?" is sent.
start_monitor factory --monitors 0,01234567A12
expect_run factory 1 '[warning] RIVO
The instrument cant be upgraded without intervention in the factory
---' --dir "$work/other" -c1,115200,8,1,n,n
[ ! -s "$work/factory.accepted" ] || fail "records were sent to an incompatible instrument"
stop_sim

# Record 5 refused three times: the failure box, answered Cancel.
start_monitor nack --monitors 0,01234567A12 --nack-record 5
record5=$(grep '^:' "$work/fw/DEMO.HEX" | sed -n 5p | tr -d '\r')
expect_run nack 1 "[information] RIVO
The instrument upgrading will be done by transmitting following files:
 . \"DEMO.HEX\"
---
[warning] RIVO
Unable to transmit line:
  \"$record5\"
The line has not be accepted by the instrument.

Verify the link cable and the communication parameters
or close other applications using this port.
---" --dir "$work/fw" -c1,115200,8,1,n,n
[ "$(wc -l <"$work/nack.accepted")" = 4 ] || fail "records after the refused one were accepted"
stop_sim

# A broken file is refused before the port is opened.
mkdir -p "$work/broken"
printf ':0300300002337A1F\r\n:00000001FF\r\n' >"$work/broken/BAD.HEX"
expect_run broken 1 '[warning] RIVO
File "BAD.HEX" is wrong.

Unable to upgrade the instrument. Contact your resaler
---' --dir "$work/broken" -c1,115200,8,1,n,n

# --dir is required in batch mode.
if "$rivo" --batch -c1,115200,8,1,n,n >/dev/null 2>&1 </dev/null; then fail "ran without --dir"; fi
echo "batch upgrade: all cases passed"
