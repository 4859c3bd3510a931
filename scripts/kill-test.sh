#!/usr/bin/env bash
# Kills `vestaro-batch calc` and `vestaro-batch resave` with SIGKILL at random moments and
# checks after every kill that the files they replace are whole: both reports are the old pair
# or the new pair (never one of each), the saved design is the old or the new file and is still
# reached through its symbolic link with its permissions, and temporaries do not pile up. A last
# uninterrupted run of each must leave no temporary file at all.
#
#   scripts/kill-test.sh BUILD_DIR [KILLS] [calc|resave]   (KILLS per command, default 200;
#                                                          both commands unless one is named)
set -euo pipefail
batch=$(cd "${1:?usage: scripts/kill-test.sh BUILD_DIR [KILLS]}" && pwd)/cli/vestaro-batch
kills=${2:-200}
only=${3:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

# Two designs whose reports differ; long enough that writing the reports takes a while.
"$batch" new a.dat 2>/dev/null
python3 - <<'PY'
lines = open("a.dat", "rb").read().split(b"\r\n")
lines[224], lines[225] = b"30000", b"0.5"   # 計算時間, 計算ﾋﾟｯﾁ
open("a.dat", "wb").write(b"\r\n".join(lines))
lines[166] = b"1.2"                          # K
open("b.dat", "wb").write(b"\r\n".join(lines))
PY

# The reference outputs of each design.
for d in a b; do
  mkdir "ref-$d"
  "$batch" calc "$d.dat" --out "ref-$d" 2>/dev/null
  "$batch" resave "$d.dat" "ref-$d/saved.dat" 2>/dev/null
done

# Which reference a folder's reports are: "a", "b", or a description of what is wrong.
check_reports() {
  python3 - "$1" <<'PY'
import os, re, sys
folder = sys.argv[1]
def read(path):
    data = open(path, "rb").read()
    return re.sub(rb"\(D:\d{14}\)", b"(D:00000000000000)", data)  # the creation time differs
names = ("調節池.txt", "調節池計算結果.pdf")
found = []
for name in names:
    data = read(os.path.join(folder, name))
    match = [d for d in "ab" if read(os.path.join("ref-" + d, name)) == data]
    found.append(match[0] if match else "?")
print(found[0] if found[0] == found[1] != "?" else "text %s, pdf %s" % tuple(found))
PY
}

temporaries() { find "$1" -maxdepth 1 -name '*.tmp-*' | wc -l; }

run_time() {  # seconds that one run of "$@" takes
  local start end
  start=$(date +%s.%N)
  "$@" 2>/dev/null || true
  end=$(date +%s.%N)
  echo "$end - $start" | bc -l
}

kill_at_random() {  # kills "$@" at a random moment within 1.2 times its usual run time
  local delay
  delay=$(python3 -c "import random; print(random.uniform(0, $1))")
  shift
  "$@" 2>/dev/null &
  local pid=$!
  sleep "$delay"
  kill -KILL "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
}

# calc: the output folder starts with the pair of design a; every run writes the other design.
declare -A seen
if [ "$only" != resave ]; then
mkdir out
cp ref-a/調節池.txt ref-a/調節池計算結果.pdf out/
limit=$(echo "1.2 * $(run_time "$batch" calc b.dat --out "$work/ref-b")" | bc -l)
seen=()
most=0
for ((i = 0; i < kills; i++)); do
  current=$(check_reports out)
  next=$([ "$current" = a ] && echo b || echo a)
  kill_at_random "$limit" "$batch" calc "$next.dat" --out out
  state=$(check_reports out)
  case $state in a | b) ;; *) echo "calc kill $i: $state"; exit 1 ;; esac
  [ "$state" = "$current" ] && seen[old]=$((${seen[old]:-0} + 1)) || seen[new]=$((${seen[new]:-0} + 1))
  left=$(temporaries out)
  ((left > most)) && most=$left
  ((left > 0)) && seen[temporaries]=$((${seen[temporaries]:-0} + 1))
done
"$batch" calc a.dat --out out 2>/dev/null
[ "$(check_reports out)" = a ] && [ "$(temporaries out)" = 0 ] || { echo "calc: last run"; exit 1; }
echo "calc: $kills kills; old pair ${seen[old]:-0}, new pair ${seen[new]:-0}, mixed 0;" \
     "temporaries left by ${seen[temporaries]:-0} kills (at most $most at once), none after the next run"
fi
[ "$only" = calc ] && exit 0

# resave: saved.dat is a link to real/design.dat, readable by its group only.
mkdir real
cp ref-a/saved.dat real/design.dat
chmod 640 real/design.dat
ln -s real/design.dat saved.dat
limit=$(echo "1.2 * $(run_time "$batch" resave b.dat "$work/ref-b/saved.dat")" | bc -l)
seen=()
most=0
for ((i = 0; i < kills; i++)); do
  if cmp -s real/design.dat ref-a/saved.dat; then current=a next=b; else current=b next=a; fi
  kill_at_random "$limit" "$batch" resave "$next.dat" saved.dat
  if cmp -s real/design.dat "ref-$current/saved.dat"; then
    seen[old]=$((${seen[old]:-0} + 1))
  elif cmp -s real/design.dat "ref-$next/saved.dat"; then
    seen[new]=$((${seen[new]:-0} + 1))
  else
    echo "resave kill $i: the design is neither the old nor the new file"
    exit 1
  fi
  [ -L saved.dat ] && [ "$(stat -c %a real/design.dat)" = 640 ] ||
    { echo "resave kill $i: link or permissions lost"; exit 1; }
  left=$(temporaries real)
  ((left > most)) && most=$left
  ((left > 0)) && seen[temporaries]=$((${seen[temporaries]:-0} + 1))
done
"$batch" resave a.dat saved.dat 2>/dev/null
cmp -s real/design.dat ref-a/saved.dat && [ "$(temporaries real)" = 0 ] || { echo "resave: last run"; exit 1; }
echo "resave: $kills kills; old file ${seen[old]:-0}, new file ${seen[new]:-0}, broken 0;" \
     "temporaries left by ${seen[temporaries]:-0} kills (at most $most at once), none after the next save"
