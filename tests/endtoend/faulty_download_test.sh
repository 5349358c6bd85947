#!/usr/bin/env bash
# quillet-cli download against torvik-sim's faults: a noisy, truncated, late
# or spoilt reply is asked again and the download comes whole; a dropped or
# silent line keeps what was read, names what was not and exits 2; Ctrl-C
# cancels, twice ends at once; a save that fails leaves a recovery file.
# Usage: faulty_download_test.sh TORVIK_SIM QUILLET_CLI WORK_DIR
set -euo pipefail
sim=$(readlink -f "$1") cli=$(readlink -f "$2") work=$3
rm -rf "$work" && mkdir -p "$work"
export XDG_CONFIG_HOME="$work/config"
sim_pid=""
trap '[ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null; true' EXIT

fail() { echo "FAILED: $*" >&2; exit 1; }
expect() { grep -qF -- "$2" "$1" || fail "$1 lacks: $2"; }

# start_sim NAME [FAULT OPTIONS...]: serves the demo unit with a trace in NAME.trace.
start_sim() {
  local name=$1; shift
  "$sim" --demo --trace "$@" >"$work/$name.dev" 2>"$work/$name.trace" &
  sim_pid=$!
  for _ in $(seq 100); do
    [ -s "$work/$name.dev" ] && break
    kill -0 "$sim_pid" 2>/dev/null || fail "torvik-sim $*: $(cat "$work/$name.trace")"
    sleep 0.1
  done
  device=$(head -n 1 "$work/$name.dev")
}
stop_sim() { kill "$sim_pid" 2>/dev/null; wait "$sim_pid" 2>/dev/null || true; sim_pid=""; }
# The queries the tester received (the error lines and REM/LOC left out).
queries() { grep '^> ' "$1" | grep -cvE '^> (REM|LOC|ERR\?|CL_ERR|\\x14)?$' || true; }
# download NAME [OPTIONS...]: runs the tool (a guard ends a hang), status in $rc.
download() {
  local name=$1; shift
  rc=0
  timeout 300 "$cli" download --device "$device" --params "1,115200,n,8,1,n" --sites 1,2 "$@" \
    </dev/null >"$work/$name.out" 2>"$work/$name.err" || rc=$?
}

# A clean download, to compare with and to place the faults in its middle.
start_sim clean
download clean -o "$work/clean.tat"
stop_sim
[ "$rc" = 0 ] || fail "clean download: exit $rc: $(cat "$work/clean.err")"
total=$(queries "$work/clean.trace")
middle=$((total / 2))

# Faults the retries get over: the same file as the clean download.
for fault in "--noise-before $middle" "--truncate $middle" "--late $middle --late-ms 3500" \
             "--spoil-crc 2"; do
  name=$(echo "$fault" | tr -cd 'a-z0-9')
  # shellcheck disable=SC2086
  start_sim "$name" $fault
  download "$name" -o "$work/$name.tat"
  stop_sim
  [ "$rc" = 0 ] || fail "$fault: exit $rc: $(cat "$work/$name.err")"
  cmp -s "$work/$name.tat" "$work/clean.tat" || fail "$fault: the file differs from the clean one"
done

# A dropped line: the plugs read are kept, every site cut short is named.
start_sim dropped --drop-after "$middle"
download dropped -o "$work/dropped.tat"
stop_sim
[ "$rc" = 2 ] || fail "dropped line: exit $rc, expected 2"
expect "$work/dropped.err" "incomplete: "
expect "$work/dropped.err" "the tester stopped answering"
expect "$work/dropped.err" "but the download is incomplete"
"$cli" info "$work/dropped.tat" >/dev/null || fail "dropped line: the file does not load"

# A tester that falls silent: the same, after the retries' time-outs.
start_sim mute --mute-after "$middle"
download mute -o "$work/mute.tat"
stop_sim
[ "$rc" = 2 ] || fail "silent tester: exit $rc, expected 2"
expect "$work/mute.err" "incomplete: "

# wait_queries TRACE N: until the tester has received N queries.
wait_queries() { for _ in $(seq 600); do [ "$(queries "$1")" -ge "$2" ] && return; sleep 0.1; done; fail "no query $2"; }

# Ctrl-C while the tester is silent: cancelled, what was read is kept.
start_sim cancel --mute-after "$middle"
rc=0
"$cli" download --device "$device" --params "1,115200,n,8,1,n" --sites 1,2 -o "$work/cancel.tat" \
  </dev/null >"$work/cancel.out" 2>"$work/cancel.err" &
cli_pid=$!
wait_queries "$work/cancel.trace" $((middle + 1))
kill -INT "$cli_pid"
wait "$cli_pid" || rc=$?
stop_sim
[ "$rc" = 2 ] || fail "Ctrl-C: exit $rc, expected 2: $(cat "$work/cancel.err")"
expect "$work/cancel.err" "the transfer was cancelled"
"$cli" info "$work/cancel.tat" >/dev/null || fail "Ctrl-C: the file does not load"
if grep -q 'has no autotest data' "$work/cancel.err"; then fail "Ctrl-C: sites reported empty"; fi

# A second Ctrl-C ends the program at once and leaves no temporary file.
start_sim twice --mute-after "$middle"
mkdir -p "$work/twice"
rc=0
"$cli" download --device "$device" --params "1,115200,n,8,1,n" --sites 1,2 -o "$work/twice/x.tat" \
  </dev/null >/dev/null 2>"$work/twice.err" &
cli_pid=$!
wait_queries "$work/twice.trace" $((middle + 1))
kill -INT "$cli_pid"; sleep 0.2; kill -INT "$cli_pid"
wait "$cli_pid" || rc=$?
stop_sim
[ "$rc" = 130 ] || fail "second Ctrl-C: exit $rc, expected 130"
[ -z "$(ls -A "$work/twice")" ] || fail "second Ctrl-C left files: $(ls -A "$work/twice")"

# Ctrl-C while the sites are listed says so.
start_sim listing --mute-after 5
rc=0
"$cli" download --device "$device" --params "1,115200,n,8,1,n" --sites 1,2 -o "$work/listing.tat" \
  </dev/null >/dev/null 2>"$work/listing.err" &
cli_pid=$!
wait_queries "$work/listing.trace" 6
kill -INT "$cli_pid"
wait "$cli_pid" || rc=$?
stop_sim
[ "$rc" = 1 ] || fail "Ctrl-C while listing: exit $rc, expected 1"
expect "$work/listing.err" "the listing of the sites was cancelled"

# A save that fails keeps the download in a recovery file.
printf 'not a document' >"$work/damaged.tat"
start_sim group
cd "$work"; download group -o "$work/damaged.tat" --group; cd - >/dev/null
stop_sim
[ "$rc" = 3 ] || fail "group onto a damaged file: exit $rc, expected 3"
recovery=$(sed -n 's/.* are kept in \(.*\)$/\1/p' "$work/group.err")
[ -n "$recovery" ] && "$cli" info "$recovery" >/dev/null || fail "no loadable recovery file: $(cat "$work/group.err")"
[ "$(cat "$work/damaged.tat")" = "not a document" ] || fail "the damaged file was changed"

start_sim nofolder
cd "$work"; download nofolder -o "$work/none/x.tat"; cd - >/dev/null
stop_sim
[ "$rc" = 3 ] || fail "missing folder: exit $rc, expected 3"
recovery=$(sed -n 's/.* are kept in \(.*\)$/\1/p' "$work/nofolder.err")
"$cli" info "$recovery" >/dev/null || fail "no loadable recovery file: $(cat "$work/nofolder.err")"

"$cli" download --help | grep -q "2 saved, but incomplete" || fail "--help does not give the exit status"
echo "ok: faulty downloads ($total queries in a clean one)"
