#!/usr/bin/env bash
#   side_by_side.sh draw|hand
# Runs inside an X session (tests/e2e/session.sh). Feeds Handwick and
# Gromit-MPX the same scripted mouse (xdotool, about 60 moves a second) and
# prints whole-process CPU per move from /proc/PID/stat (all threads, dead
# ones included); the early/late windows of a long stroke use the
# nanosecond counters of /proc/PID/task/*/schedstat. Figures only, never a
# verdict. HANDWICK_BIN is the program; HANDWICK_BENCH_SHOTS=folder keeps a
# screenshot of each program's stroke.
set -uo pipefail
mode=${1:-draw}
clk=$(getconf CLK_TCK)
shots=${HANDWICK_BENCH_SHOTS:-}
read -r width height < <(xdpyinfo | awk '/dimensions:/ { split($2, s, "x"); print s[1], s[2] }')

ticks() { # utime + stime of the whole process, in clock ticks
  local stat rest
  stat=$(<"/proc/$1/stat") || { echo 0; return; }
  rest=${stat##*) }
  # shellcheck disable=SC2086  # split into fields on purpose
  set -- $rest
  echo $((${12} + ${13}))
}
nanos() { # CPU time of the live threads, in nanoseconds
  local sum=0 ns _ f
  for f in /proc/"$1"/task/*/schedstat; do
    read -r ns _ <"$f" 2>/dev/null && sum=$((sum + ns))
  done
  echo "$sum"
}
switches() { # context switches of the live threads: wake-ups and preemptions
  cat /proc/"$1"/task/*/status 2>/dev/null | awk '/ctxt_switches/ { n += $2 } END { print n + 0 }'
}
per_move() { # ticks moves → milliseconds per move
  awk -v t="$1" -v n="$2" -v hz="$clk" 'BEGIN { printf "%.3f", 1000 * t / hz / n }'
}

# Moves `first`..`last` of a zig-zag: 20 moves a leg across the middle of the
# screen, one pixel further down each move, 16 ms apart.
zigzag() {
  local first=$1 last=$2 i leg step x y args=()
  for ((i = first; i <= last; i++)); do
    leg=$(((i / 20) % 2)) step=$((i % 20))
    x=$((width / 4 + (leg ? 19 - step : step) * width / 40))
    y=$((height / 5 + i * height / 1000))
    args+=(mousemove "$x" "$y" sleep 0.016)
  done
  xdotool "${args[@]}"
}

# The CPU ticks of the X server and the compositor: Gromit-MPX has the
# server draw for it, Handwick hands it finished pixels.
# Outside session.sh they are not known, and their figures are left out.
servers=${HANDWICK_E2E_SERVER_PIDS:-}
server_ticks() {
  local sum=0 pid
  for pid in $servers; do sum=$((sum + $(ticks "$pid"))); done
  echo "$sum"
}

# A stroke of `moves` moves with the left button held. Leaves the CPU ticks
# it cost in $stroke_ticks, and the server's and compositor's in
# $server_stroke_ticks; with `windows`, also the nanoseconds of moves
# 1–50 and of the last 50 in $early_ns and $late_ns.
stroke() {
  local pid=$1 moves=$2 windows=${3:-} t0 s0 n0 n1 n2 n3
  xdotool mousemove $((width / 4)) $((height / 5)) mousedown 1
  sleep 0.6 # the tap's ring plays out before the measuring starts
  t0=$(ticks "$pid") s0=$(server_ticks)
  if [ -n "$windows" ]; then
    n0=$(nanos "$pid")
    zigzag 1 50
    n1=$(nanos "$pid")
    zigzag 51 $((moves - 50))
    n2=$(nanos "$pid")
    zigzag $((moves - 49)) "$moves"
    n3=$(nanos "$pid")
    early_ns=$((n1 - n0)) late_ns=$((n3 - n2))
  else
    zigzag 1 "$moves"
  fi
  sleep 0.05
  stroke_ticks=$(($(ticks "$pid") - t0)) server_stroke_ticks=$(($(server_ticks) - s0))
  xdotool mouseup 1
}

wait_for_window() { # pid: waits until it maps a window
  for _ in $(seq 100); do
    xdotool search --onlyvisible --pid "$1" >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  return 1
}

handwick_on() { xdotool key ctrl+alt+h; sleep 1; }
handwick_clear() { xdotool key BackSpace; sleep 0.3; }
gromit_clear() { gromit-mpx --clear; sleep 0.2; }

# $repeats strokes of $moves moves by `pid`, each cleared away with `clear`;
# leaves their CPU ticks in $total (the server's and compositor's in
# $server_total) and, when asked, a screenshot of the first.
strokes() {
  local pid=$1 name=$2 clear=$3 r
  total=0 server_total=0
  for ((r = 0; r < repeats; r++)); do
    stroke "$pid" "$moves" "$windows"
    total=$((total + stroke_ticks)) server_total=$((server_total + server_stroke_ticks))
    [ -n "$shots" ] && [ "$r" = 0 ] && import -window root "$shots/$name-$moves.png"
    "$clear"
  done
}

"$HANDWICK_BIN" >/tmp/handwick-bench.log 2>&1 &
hw=$!
sleep 3 # start-up: tray icon and hot keys
trap 'kill "$hw" ${gm:-} 2>/dev/null' EXIT

if [ "$mode" = hand ]; then
  handwick_on
  t0=$(ticks "$hw") s0=$(switches "$hw") x0=$(server_ticks)
  zigzag 1 600
  sleep 0.05
  printf '  %-62s %8s ms\n' "hand only, ${width}x${height}: Handwick CPU per move" \
    "$(per_move $(($(ticks "$hw") - t0)) 600)"
  [ -n "${servers// /}" ] &&
    printf '  %-62s %8s ms\n' "hand only, ${width}x${height}: X server and compositor per move" \
      "$(per_move $(($(server_ticks) - x0)) 600)"
  printf '  %-62s %8s\n' "hand only, ${width}x${height}: Handwick context switches per move" \
    "$(awk -v n=$(($(switches "$hw") - s0)) 'BEGIN { printf "%.1f", n / 600 }')"
  exit 0
fi

# No introduction window on the first start.
printf '[General]\nShowIntroOnStartup=false\n' >"${XDG_CONFIG_HOME:-$HOME/.config}/gromit-mpx.ini"
gromit-mpx -k none -u none >/tmp/gromit-bench.log 2>&1 &
gm=$!
wait_for_window "$gm" || echo "  (Gromit-MPX showed no window)"
sleep 1

# Each length is drawn 600 moves in all (6 × 100, 2 × 300, 1 × 600), Gromit-MPX
# and Handwick in turn so that a busy machine slows both alike.
declare -A table early late with_server
tools=(pen highlighter arrow box)
for moves in 100 300 600; do
  repeats=$((600 / moves))
  windows=$([ "$moves" = 600 ] && echo windows)
  gromit-mpx --toggle
  sleep 0.5
  strokes "$gm" gromit gromit_clear
  [ "$moves" = 600 ] && early[gromit]=$early_ns late[gromit]=$late_ns
  table[gromit,$moves]=$(per_move "$total" 600)
  [ "$moves" = 600 ] && [ -n "${servers// /}" ] &&
    with_server[gromit]=$(per_move $((total + server_total)) 600)
  gromit-mpx --toggle
  sleep 0.5

  handwick_on
  for i in "${!tools[@]}"; do
    tool=${tools[i]}
    xdotool key $((i + 1))
    sleep 0.2
    strokes "$hw" "handwick-$tool" handwick_clear
    [ "$moves" = 600 ] && early[$tool]=$early_ns late[$tool]=$late_ns
    table[$tool,$moves]=$(per_move "$total" 600)
    [ "$moves" = 600 ] && [ -n "${servers// /}" ] &&
      with_server[$tool]=$(per_move $((total + server_total)) 600)
  done
  xdotool key Escape
  sleep 0.5
done

echo "  drawing a zig-zag at ${width}x${height}, whole-process CPU per move (ms):"
printf '    %-24s %8s %8s %8s %14s %14s\n' "" "100" "300" "600" "late/early" "600 + server"
for row in gromit "${tools[@]}"; do
  label=$([ "$row" = gromit ] && echo "Gromit-MPX pen" || echo "Handwick $row")
  ratio=$(awk -v e="${early[$row]}" -v l="${late[$row]}" \
    'BEGIN { if (e > 0) printf "%.2f", l / e; else print "-" }')
  printf '    %-24s %8s %8s %8s %14s %14s\n' "$label" "${table[$row,100]}" "${table[$row,300]}" \
    "${table[$row,600]}" "$ratio" "${with_server[$row]:--}"
done
echo "  (late/early: CPU of moves 551–600 against moves 1–50 of the 600-move stroke;"
echo "   600 + server: with the X server's and compositor's CPU in the same strokes)"
ratio=$(awk -v h="${table[pen,600]}" -v g="${table[gromit,600]}" \
  'BEGIN { if (g > 0) printf "%.2f", h / g; else print "-" }')
printf '  %-62s %8s\n' "600-move pen stroke: Handwick / Gromit-MPX" "$ratio"
ratio=$(awk -v h="${with_server[pen]:-0}" -v g="${with_server[gromit]:-0}" \
  'BEGIN { if (g > 0) printf "%.2f", h / g; else print "-" }')
printf '  %-62s %8s\n' "the same with the X server and compositor" "$ratio"
