#!/usr/bin/env bash
# Peak memory of `cardhold-cli import-csv` on the largest CSV files it admits (64 MiB)
# and on 16 MiB ones: newlines only, commas only, one long line, one fault a row, one
# cell a byte pair, Windows-1252 bytes that each become three UTF-8 bytes, UTF-16 text;
# and the error path: one name of Windows-1252 bytes filling the file, as a CSV cell
# and as an `import-list` line ("1 " and the bytes), which no card matches. Prints one
# line per file: its name, the exit status and the peak resident size in kB, as
# /usr/bin/time -v gives it for the process.
#   bash tools/measure_csv_memory.sh build/linux/cli/cardhold-cli
#   bash tools/measure_csv_memory.sh build/i686/shell/win32/cardhold-cli.exe   # under Wine
# Under Wine the wineserver is a process of its own, never counted with the program
# (it detaches); its size is printed at the end.
set -u
program=$(realpath "$1")
scripts=$(realpath "$(dirname "${BASH_SOURCE[0]}")/../scripts")
[ -x /usr/bin/time ] || { echo "needs /usr/bin/time (bash scripts/setup.sh)" >&2; exit 2; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 2
run=("$program")
case "$program" in
*.exe)
  . "$scripts/wine-env.sh"
  run=("$CARDHOLD_WINE" "$program")
  ;;
esac
python3 - <<'PY'
for mib in (16, 64):
    size = mib << 20
    for name, unit in (("newlines", b"\n"), ("commas", b","), ("line", b"a"), ("cells", b"x,")):
        open(f"{name}{mib}.csv", "wb").write(unit * (size // len(unit)))
    header, row = b"id,deck1\n", b"QQ000,1\n"
    open(f"faults{mib}.csv", "wb").write(header + row * ((size - len(header)) // len(row)))
    open(f"cp1252{mib}.csv", "wb").write(b"\x80" * size)
    open(f"utf16{mib}.csv", "wb").write(b"\xff\xfe" + "\u20ac,".encode("utf-16-le") * ((size - 2) // 4))
    header = b"deck1,name\n1,"
    open(f"name{mib}.csv", "wb").write(header + b"\x80" * (size - len(header)))
    open(f"name{mib}.txt", "wb").write(b"1 " + b"\x80" * (size - 2))
PY
/usr/bin/time -v "${run[@]}" --version 2>time.txt >/dev/null
echo "start-up only: $(awk '/Maximum resident/ {print $NF}' time.txt) kB"
for mib in 16 64; do
  for file in {newlines,commas,line,faults,cells,cp1252,utf16,name}$mib.csv name$mib.txt; do
    command=(import-csv "$file" -o out.tvn)
    [[ $file == *.txt ]] && command=(import-list "$file" -o out.tvn --deck 1)
    /usr/bin/time -v "${run[@]}" "${command[@]}" 2>time.txt >/dev/null
    status=$?
    echo "$file ($(stat -c %s "$file") bytes): status $status," \
      "peak $(awk '/Maximum resident/ {print $NF}' time.txt) kB"
  done
done
# The prefix's wineserver outlives its last program by a few seconds.
for pid in $(pgrep wineserver); do
  if tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qxF "WINEPREFIX=${WINEPREFIX:-}"; then
    echo "its wineserver ($(ps -o args= -p "$pid")): $(ps -o rss= -p "$pid") kB"
  fi
done
