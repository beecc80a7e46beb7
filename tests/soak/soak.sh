#!/usr/bin/env bash
# The soak: the whole game headless under a seeded monkey, its records checked every game
# frame, run after run until the game frames add up to the number asked for. Runs take
# turns starting at the intro and straight in a game (autoplayed, the monkey on top).
# usage: soak.sh TALTRIX MONKEY DATA_DIR GAME_FRAMES [FIRST_SEED]
set -euo pipefail
exe=$1 monkey=$2 data=$3 want=$4 seed=${5:-1}
runMs=600000   # ten minutes of play a run
work=$(mktemp -d /tmp/taltrix-soak-XXXXXX)
trap 'rm -rf "$work"' EXIT

total=0 runs=0 maxRss=0 start=$SECONDS
while [ "$total" -lt "$want" ]; do
    rm -rf "$work/user" && mkdir "$work/user"
    "$monkey" "$seed" "$runMs" > "$work/script.txt"
    extra=(--skip-intro)
    if [ $((seed % 2)) -eq 1 ]; then
        extra=(--start-game --autoplay --players $((seed % 4 / 2 + 1)) --level $((seed % 30 + 1))
               --difficulty $((seed % 5 + 1)))
    fi
    set +e
    /usr/bin/time -f '%M' -o "$work/rss" "$exe" --headless --data "$data" --user-dir "$work/user" \
        --script "$work/script.txt" --until-ms "$runMs" --check-invariants --stats "$work/stats.json" \
        "${extra[@]}" > "$work/out.txt" 2>&1
    status=$?
    set -e
    if [ "$status" -ne 0 ]; then
        echo "soak: seed $seed failed with status $status (${extra[*]}):" >&2
        tail -20 "$work/out.txt" >&2
        cp "$work/script.txt" "/tmp/taltrix-soak-seed-$seed.txt"
        echo "soak: its script is kept in /tmp/taltrix-soak-seed-$seed.txt" >&2
        exit 1
    fi
    frames=$(sed -n 's/.*"gameFrames": \([0-9]*\).*/\1/p' "$work/stats.json")
    rss=$(tail -1 "$work/rss")
    [ "$rss" -gt "$maxRss" ] && maxRss=$rss
    total=$((total + ${frames:-0}))
    runs=$((runs + 1))
    seed=$((seed + 1))
    [ -n "${SOAK_PROGRESS:-}" ] && echo "soak: $total game frames after $runs runs, $((SECONDS - start)) s, ${rss} KiB"
done
echo "soak: $total game frames clean in $runs runs, $((SECONDS - start)) s, largest resident set ${maxRss} KiB"
