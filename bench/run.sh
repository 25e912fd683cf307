#!/usr/bin/env bash
# Runs every benchmark and prints one table: figure, target, measured, target met.
#
#   bench/run.sh [--quick] [--build-dir DIR]
#
#   --quick       5 launches, fewer showings, a reply storm of 100 devices only, the rig window watching
#                 for 3 s (ctest's bench_quick)
#   --build-dir   where the project was built (default: build/ beside this folder)
#   --only PART   run one part only: startup, windows, rig, patch, report, soak, watch, page, watch-soak
#                 or storm
#
# BENCH_NETNS_TAG names the storm's namespaces (default zb<pid>): $tag-pc, $tag-dev.
#
# Figures are information: the script fails only when something does not work (a program fails, a
# device is missing from the table), never because a time is over its target. The reply storm runs on a
# private network of two namespaces made for the run (root only; without root it is skipped with a
# message). The window benchmark binds the fixed UDP ports 7800..7803 on this machine and sends only to
# the loopback network. Storms of up to 1000 devices run a second time under Xvfb with the accessibility
# bridge on and a screen reader listening on the accessibility bus (bench/a11y_session.sh). The storm of
# 1000 devices (100 with --quick) runs once more with the rig window: a rig of the devices found, shown,
# then watching every 3 s for a minute (every second for 3 s with --quick). The watch service's parts run
# without any network: its rounds and HTTP (watch), its status page in headless Chromium (page; skipped
# without chromium), and an hour of its polls at 1 s for its memory (watch-soak: only when asked for by
# name, or a minute with --quick).
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
quick=0
only=""
build="$root/build"
while [ $# -gt 0 ]; do
  case $1 in
    --quick) quick=1 ;;
    --only) only=$2; shift ;;
    --build-dir) build=$2; shift ;;
    -h|--help) sed -n '2,24p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
    *) echo "bench/run.sh: unknown option $1" >&2; exit 2 ;;
  esac
  shift
done
bin="$build/bench"
emulator="$build/emulator/zentri-emulator"
for f in "$bin/zentri-bench-startup" "$bin/zentri-bench-windows" "$bin/zentri-bench-storm" "$bin/zentri-bench-rig" \
  "$bin/zentri-bench-patch" "$bin/zentri-bench-report" "$bin/zentri-bench-soak" "$bin/zentri-bench-watch" \
  "$bin/zentri-bench-watch-soak" "$build/tests/watch_page_server" "$emulator"; do
  [ -x "$f" ] || { echo "bench/run.sh: $f is missing; build first (cmake --build $build)" >&2; exit 2; }
done
export QT_QPA_PLATFORM=offscreen

if [ "$quick" = 1 ]; then
  launches=5 rounds=3 sizes=(100) repeats=1 rigsize=100 watch=(--watch-s 3 --interval 1)
else
  launches=20 rounds=10 sizes=(100 1000 10000) repeats=3 rigsize=1000 watch=(--watch-s 60 --interval 3)
fi

rows=$(mktemp -t zentri-bench-rows.XXXXXX)
failed=()
add_row() { printf 'ROW\t%s\t%s\t%s\t%s\n' "$1" "$2" "$3" "$4" >>"$rows"; }

# Runs one benchmark program: its rows go to the table, everything else to the terminal.
step() {
  local name=$1 out status
  shift
  echo "== $name" >&2
  out=$("$@")
  status=$?
  grep '^ROW' <<<"$out" >>"$rows"
  grep -v '^ROW' <<<"$out" >&2
  [ "$status" = 0 ] || { echo "!! $name failed (exit $status)" >&2; failed+=("$name"); }
}

wanted() { [ -z "$only" ] || [ "$only" = "$1" ]; }
wanted startup && step "start-up" "$bin/zentri-bench-startup" --launches "$launches"
if wanted startup; then # a visible window, on an X server of its own
  if command -v Xvfb >/dev/null; then
    step "start-up under Xvfb" "$here/a11y_session.sh" "$bin/zentri-bench-startup" --launches "$launches" \
      --platform xcb
  else
    echo "SKIPPED: the start-up under Xvfb needs xvfb" >&2
    add_row "Start-up to main window visible under Xvfb" "-" "skipped (no Xvfb)" "-"
  fi
fi
wanted windows && step "windows" "$bin/zentri-bench-windows" --rounds "$rounds"
wanted rig && step "rig" "$bin/zentri-bench-rig" $([ "$quick" = 1 ] && echo --quick)
wanted patch && step "patch" "$bin/zentri-bench-patch" $([ "$quick" = 1 ] && echo --quick)
wanted report && step "report" "$bin/zentri-bench-report" $([ "$quick" = 1 ] && echo --quick)
wanted soak && step "soak" env QT_QPA_PLATFORM=offscreen "$bin/zentri-bench-soak" $([ "$quick" = 1 ] && echo --quick)
wanted watch && step "watch service" "$bin/zentri-bench-watch" $([ "$quick" = 1 ] && echo --quick)
wanted page && step "status page in Chromium" "$here/page_chromium.py" "$build/tests/watch_page_server" \
  --loads "$([ "$quick" = 1 ] && echo 3 || echo 7)"
# The hour's soak runs when asked for by name; a full run without --only leaves it out.
if [ "$only" = watch-soak ] || { [ -z "$only" ] && [ "$quick" = 1 ]; }; then
  soaklog=$(mktemp -t zentri-bench-watch-soak.XXXXXX) # the service's event lines, one per event
  step "watch service soak" "$bin/zentri-bench-watch-soak" $([ "$quick" = 1 ] && echo --quick) 2>"$soaklog"
  grep -v '^zentri-watch: ' "$soaklog" >&2
  rm -f "$soaklog"
elif [ -z "$only" ]; then
  add_row "Watch service soak (an hour: bench/run.sh --only watch-soak)" "-" "not run" "-"
fi

# ---- Reply storm on a private network ----------------------------------------------------------

# The STORM line's field $2 (key=value).
field() { sed -n "s/.* $2=\([^ ]*\).*/\1/p" <<<"$1"; }
median() { sort -g | awk '{v[NR]=$1} END {if (NR%2) print v[(NR+1)/2]; else printf "%.2f\n", (v[NR/2]+v[NR/2+1])/2}'; }

# The rows of the rig window's run ($1: its output; $2: the devices).
rig_row() {
  local r w n=$2 target="-" met="-"
  r=$(grep '^RIG' <<<"$1")
  w=$(grep '^WATCH' <<<"$1")
  if [ -n "$r" ]; then
    local after
    after=$(field "$r" after_last_reply_ms)
    if [ "$n" = 1000 ]; then
      target="<= 100 ms after the last reply"
      met=$(awk -v v="$after" 'BEGIN {print (v <= 100) ? "yes" : "NO"}')
    fi
    add_row "Rig window, $n devices against a rig of $n: every state listed" "$target" \
      "$after ms after the last reply; $(field "$r" states_ms) ms after the discovery, $(field "$r" ratio) x the main window's $(field "$r" main_ms) ms" "$met"
  fi
  if [ -n "$w" ]; then
    local wrong late cpu
    wrong=$(field "$w" wrong)
    late=$(field "$w" late_ms)
    cpu=$(field "$w" cpu_pct)
    add_row "Rig window watching $n devices every $(field "$w" interval_s) s for $(field "$w" seconds) s: wrongly missed" \
      "0" "$wrong ($(field "$w" online) of $n online, $(field "$w" rounds) rounds)" \
      "$([ "$wrong" = 0 ] && [ "$(field "$w" online)" = "$n" ] && echo yes || echo NO)"
    add_row "Rig window watching $n devices: GUI timer lateness (worst)" "<= 50 ms" "$late ms" \
      "$(awk -v v="$late" 'BEGIN {print (v <= 50) ? "yes" : "NO"}')"
    add_row "Rig window watching $n devices: share of one core (CPU time / wall time)" "<= 5 %" "$cpu %" \
      "$(awk -v v="$cpu" 'BEGIN {print (v <= 5) ? "yes" : "NO"}')"
  fi
}

storm() {
  local largest=${sizes[-1]} n k rep out status epid
  tag="${BENCH_NETNS_TAG:-zb$$}" # the namespaces' names: $tag-pc and $tag-dev
  # shellcheck source=../scripts/privnet.sh
  source "$root/scripts/privnet.sh"
  privnet_up "$tag" 10.79.0 0
  status=$?
  if [ "$status" != 0 ]; then
    privnet_down "$tag"
    echo "SKIPPED: the reply storm needs network namespaces, which cannot be made here" >&2
    add_row "Reply storm on a private network" "-" "skipped (no namespaces)" "-"
    return
  fi
  trap 'privnet_down "$tag"; rm -f "$rows" "$batch" "$elog"' EXIT
  # Device k (0-based) is 10.79.0.2 + k, all in one /16 on the devices' side of the cable.
  batch=$(mktemp -t zentri-bench-addr.XXXXXX)
  elog=$(mktemp -t zentri-bench-emulator.XXXXXX)
  for ((k = 0; k < largest; k++)); do
    a=$((2 + k))
    echo "address add 10.79.$((a / 256)).$((a % 256))/16 dev ${tag}d"
  done >"$batch"
  ip -n "$tag-dev" -batch "$batch" || { failed+=("storm network"); return; }
  echo "== reply storm: $largest addresses on the devices' host" >&2

  declare -gA last handler late listed
  for n in "${sizes[@]}"; do
    # Started directly (not through a shell function) so that $! is the emulator itself.
    ip netns exec "$tag-dev" "$emulator" --devices "$n" --address 10.79.0.2 --quiet >"$elog" 2>&1 &
    epid=$!
    if ! privnet_wait_udp "$tag" 6454; then
      echo "!! the emulator did not start" >&2
      cat "$elog" >&2
      failed+=("storm $n")
      kill "$epid" 2>/dev/null
      wait "$epid" 2>/dev/null
      continue
    fi
    local lasts=() handlers=() lates=() worst_listed=$n
    for ((rep = 0; rep < repeats; rep++)); do
      out=$(privnet_pc "$tag" "$bin/zentri-bench-storm" --devices "$n" --first 10.79.0.2)
      status=$?
      echo "  $n devices: $out" | head -5 >&2
      if [ "$status" != 0 ] || ! grep -q '^STORM' <<<"$out"; then
        failed+=("storm $n")
        cat "$elog" >&2
      fi
      local s
      s=$(grep '^STORM' <<<"$out")
      [ -n "$s" ] || continue
      lasts+=("$(field "$s" last_ms)")
      handlers+=("$(field "$s" handler_us)")
      lates+=("$(field "$s" late_ms)")
      local l
      l=$(field "$s" listed)
      [ "$l" -lt "$worst_listed" ] && worst_listed=$l
    done
    # The same storm under Xvfb with the accessibility bridge on and a screen reader listening.
    local rlasts=() rworst=$n rskipped=0
    if [ "$n" -le 1000 ]; then
      for ((rep = 0; rep < repeats; rep++)); do
        out=$(privnet_pc "$tag" "$here/a11y_session.sh" --reader "$bin/zentri-bench-storm" --devices "$n" \
          --first 10.79.0.2)
        status=$?
        [ "$status" = 77 ] && { rskipped=1; break; }
        echo "  $n devices, screen reader: $out" | head -5 >&2
        if [ "$status" != 0 ] || ! grep -q '^STORM' <<<"$out"; then
          failed+=("storm $n with a screen reader")
        fi
        s=$(grep '^STORM' <<<"$out")
        [ -n "$s" ] || continue
        rlasts+=("$(field "$s" last_ms)")
        l=$(field "$s" listed)
        [ "$l" -lt "$rworst" ] && rworst=$l
      done
    fi
    # The rig window: the same storm, then a rig of its devices shown and watched.
    if [ "$n" = "$rigsize" ]; then
      out=$(privnet_pc "$tag" "$bin/zentri-bench-storm" --devices "$n" --first 10.79.0.2 --rig "${watch[@]}")
      status=$?
      echo "  $n devices, rig window: $out" | head -5 >&2
      if [ "$status" != 0 ] || ! grep -q '^WATCH' <<<"$out"; then
        failed+=("rig window $n")
        cat "$elog" >&2
      fi
      rig_row "$out" "$n"
    fi
    kill "$epid" 2>/dev/null
    wait "$epid" 2>/dev/null
    grep -i warning "$elog" >&2
    [ ${#lasts[@]} -gt 0 ] || continue
    last[$n]=$(printf '%s\n' "${lasts[@]}" | median)
    handler[$n]=$(printf '%s\n' "${handlers[@]}" | median)
    late[$n]=$(printf '%s\n' "${lates[@]}" | sort -g | tail -1)
    listed[$n]=$worst_listed
    local met_listed=yes
    [ "$worst_listed" = "$n" ] || met_listed=NO
    add_row "Reply storm, $n devices: rows listed (fewest of $repeats)" "$n of $n" "$worst_listed" "$met_listed"
    if [ "$n" = 1000 ]; then
      add_row "Reply storm, 1000 devices: last row after the broadcast (median)" "<= 100 ms" "${last[$n]} ms" \
        "$(awk -v v="${last[$n]}" -v all="$met_listed" 'BEGIN {print (v <= 100 && all == "yes") ? "yes" : "NO"}')"
    else
      add_row "Reply storm, $n devices: last row after the broadcast (median)" "-" "${last[$n]} ms" "-"
    fi
    if [ "$rskipped" = 1 ]; then
      echo "SKIPPED: the storm with a screen reader needs xvfb, dbus, at-spi2-core and python3-pyatspi" >&2
      add_row "Reply storm, $n devices, screen reader listening" "-" "skipped (packages missing)" "-"
    elif [ ${#rlasts[@]} -gt 0 ]; then
      local rlast rmet=yes target="-"
      rlast=$(printf '%s\n' "${rlasts[@]}" | median)
      [ "$rworst" = "$n" ] || rmet=NO
      add_row "Reply storm, $n devices, screen reader listening: rows listed (fewest of $repeats)" "$n of $n" \
        "$rworst" "$rmet"
      if [ "$n" = 1000 ]; then
        target="<= 300 ms"
        rmet=$(awk -v v="$rlast" -v all="$rmet" 'BEGIN {print (v <= 300 && all == "yes") ? "yes" : "NO"}')
      else
        rmet="-"
      fi
      add_row "Reply storm, $n devices, screen reader listening: last row after the broadcast (median)" \
        "$target" "$rlast ms" "$rmet"
    fi
  done
  local costs="" sep="" worst=0 n1=${sizes[0]}
  for n in "${sizes[@]}"; do
    [ -n "${handler[$n]:-}" ] || continue
    costs+="$sep$n: ${handler[$n]} us"
    sep=", "
    worst=$(awk -v a="$worst" -v b="${late[$n]}" 'BEGIN {print (b > a) ? b : a}')
  done
  if [ "${#sizes[@]}" -gt 1 ] && [ -n "${handler[$largest]:-}" ] && [ -n "${handler[$n1]:-}" ]; then
    local ratio
    ratio=$(awk -v a="${handler[$largest]}" -v b="${handler[$n1]}" 'BEGIN {printf "%.2f", a / b}')
    add_row "Reply storm: handler time per reply ($largest vs $n1 devices)" "<= 2x" "$costs ($ratio x)" \
      "$(awk -v r="$ratio" 'BEGIN {print (r <= 2) ? "yes" : "NO"}')"
  else
    add_row "Reply storm: handler time per reply" "-" "$costs" "-"
  fi
  add_row "GUI timer lateness during the storms (worst)" "<= 50 ms" "$worst ms" \
    "$(awk -v v="$worst" 'BEGIN {print (v <= 50) ? "yes" : "NO"}')"
}

# ---- zentrictl rig check of 100 devices on a private network ------------------------------------
rigcheck() {
  local tag="zk$$" work n=100 wait=500 times=() t0 t1
  # shellcheck source=../scripts/privnet.sh
  source "$root/scripts/privnet.sh"
  work=$(mktemp -d -t zentri-bench-rig.XXXXXX)
  privnet_up "$tag" 10.83.0 "$n" || { privnet_down "$tag"; failed+=("rig check network"); return; }
  privnet_dev "$tag" "$emulator" --devices "$n" --address 10.83.0.2 --quiet >/dev/null 2>&1 &
  privnet_wait_udp "$tag" 6454 || { privnet_down "$tag"; failed+=("rig check emulator"); return; }
  privnet_pc "$tag" "$build/ctl/zentrictl" rig capture "$work/rig.json" --wait 1000 >/dev/null
  for _ in 1 2 3 4 5; do
    t0=$(date +%s%N)
    privnet_pc "$tag" "$build/ctl/zentrictl" rig check "$work/rig.json" --wait "$wait" >"$work/check.txt" ||
      failed+=("rig check of $n devices")
    t1=$(date +%s%N)
    times+=($(((t1 - t0) / 1000000 - wait)))
  done
  privnet_down "$tag"
  local listed over
  listed=$(grep -c '^in sync' "$work/check.txt")
  over=$(printf '%s\n' "${times[@]}" | median)
  rm -rf "$work"
  add_row "zentrictl rig check, $n devices: in sync" "$n of $n" "$listed" "$([ "$listed" = "$n" ] && echo yes || echo NO)"
  add_row "zentrictl rig check, $n devices: time beyond the wait (median of 5)" "<= 100 ms" "$over ms" \
    "$(awk -v v="$over" 'BEGIN {print (v <= 100) ? "yes" : "NO"}')"
}
if wanted rig && [ "$(id -u)" = 0 ] && command -v ip >/dev/null; then
  rigcheck
elif wanted rig; then
  add_row "zentrictl rig check on a private network" "-" "skipped (needs root)" "-"
fi

if ! wanted storm; then
  :
elif [ "$(id -u)" = 0 ] && command -v ip >/dev/null; then
  storm
else
  echo "***********************************************************************************" >&2
  echo "SKIPPED: the reply storm needs root (it makes a private network of namespaces)" >&2
  echo "***********************************************************************************" >&2
  add_row "Reply storm on a private network" "-" "skipped (needs root)" "-"
fi

# ---- The table ---------------------------------------------------------------------------------
echo
{
  printf 'figure\ttarget\tmeasured\tmet\n'
  cut -f2- "$rows"
} | column -t -s $'\t'
rm -f "$rows"
if [ ${#failed[@]} -gt 0 ]; then
  echo "bench/run.sh: these parts did not work: ${failed[*]}" >&2
  exit 1
fi
