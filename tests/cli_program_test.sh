#!/usr/bin/env bash
# Runs the built cardhold-cli (the arguments: the program, after the command that
# starts it, if any) in a folder whose name and files hold non-ASCII letters, with
# its output redirected: the round trip, the names as UTF-8 bytes, the statuses.
set -u
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" && mkdir "Sammlung Zoë" && cd "Sammlung Zoë" || exit 1
failed=0
check() { # description, then the test command
  local what=$1; shift
  if ! "$@"; then echo "FAILED: $what" >&2; failed=1; fi
}

printf 'id,deck1,deck3\r\nHM270,3,1\r\nSR064,1,0\r\n' >"kärtchen.csv"
"$@" import-csv "kärtchen.csv" -o "décks.tvn"
check "import-csv exits 0 and writes 33480 bytes" test "$(stat -c %s décks.tvn 2>/dev/null)" = 33480

"$@" export-csv "décks.tvn" >"export.csv"
check "redirected output is UTF-8 with its byte-order mark" \
  test "$(head -c 3 export.csv | od -An -tx1 | tr -d ' ')" = efbbbf
check "accented names as UTF-8 bytes, CR LF" \
  grep -qa $'^HM270,Alderdale,Hollowmere,Region,Common,C,Neutral,Andrés Lindqvist,3,0,1,0,0\r$' export.csv

"$@" import-csv export.csv -o "zurück.tvn"
check "export then import is byte-identical" cmp -s "décks.tvn" "zurück.tvn"

"$@" diff "décks.tvn" "zurück.tvn" >diff.txt
check "diff of equal files exits 0" test $? = 0
"$@" import-csv "kärtchen.csv" -o "ändern.tvn" --onto "décks.tvn" --deck 2 2>/dev/null
check "--deck with no count column is refused, nothing written" test ! -e "ändern.tvn"
printf 'ID;Count\nSR064;7\n' >"ändern.csv"
"$@" import-csv "ändern.csv" -o "ändern.tvn" --onto "décks.tvn" --deck 2
"$@" diff "décks.tvn" "ändern.tvn" >diff.txt
check "diff of different files exits 1" test $? = 1
check "diff names the card" grep -qa $'^deck2 SR064 Alderhall-folk: 0 -> 7\r\\?$' diff.txt

"$@" stats "décks.tvn" --deck 1 >stats.txt
check "stats" grep -qa '^Deck 1: 4 copies, 2 distinct cards, 0 % complete' stats.txt
"$@" stats "fehlt-ö.tvn" 2>err.txt
check "a missing file exits 2" test $? = 2
check "the message names the file" grep -qa '^Could not load fehlt-ö.tvn: file not found.' err.txt
if [ $# = 1 ]; then # the POSIX entry point (the Windows one writes through its own calls)
  "$@" --help >&- 2>err.txt
  check "a failed write of the output exits 2" test $? = 2
  check "and says so" grep -qa '^cardhold-cli: could not write the output: ' err.txt
fi
# The output is never an input however it is spelt (Windows drops trailing dots and
# spaces and ignores case), and an existing deck file changes only when named so.
cp "décks.tvn" before.tvn
names=("décks.tvn")
case "${!#}" in *.exe) names+=("décks.tvn." "décks.tvn  " "Décks.TVN") ;; esac
for name in "${names[@]}"; do
  "$@" export-csv "décks.tvn" -o "$name" 2>err.txt
  check "export-csv -o '$name' exits 2" test $? = 2
  check "export-csv -o '$name' says why" grep -qaF "Could not write $name: it is the file being read." err.txt
done
"$@" import-csv "kärtchen.csv" -o "décks.tvn" 2>err.txt
check "import-csv onto an existing file without --onto exits 2" test $? = 2
check "the refusal names both ways" \
  grep -qaF "décks.tvn exists: add --onto décks.tvn to change only the counts in kärtchen.csv, or --replace to replace the decks it names." err.txt
check "the refused files are unchanged" cmp -s "décks.tvn" before.tvn
"$@" import-csv "ändern.csv" -o "décks.tvn" --onto "décks.tvn" --deck 2
check "--onto the output changes it in place" cmp -s "décks.tvn" "ändern.tvn"
"$@" find "ALEÓN'S" "décks.tvn" >find.txt
check "find takes an accented argument" grep -qa "^SR004  Aleón's Oath  " find.txt
"$@" html "décks.tvn" -o "Sammlung-ö.html" --title "Zoë <3"
check "html writes the page, the title escaped" grep -qa '<title>Zoë &lt;3</title>' "Sammlung-ö.html"
printf '3 Amber Horn (Grimward)\r\n2 aleons oath\r\n' >"liste ü.txt"
"$@" import-list "liste ü.txt" -o "listé.tvn" --deck 2 >summary.txt
check "import-list says what it changed" \
  grep -qa $'^deck 2: 2 cards changed, +5 copies\r\\?$' summary.txt
"$@" export-list "listé.tvn" --deck 2 -o "zurück ü.txt"
check "export-list writes the list back, UTF-8 and CR LF" \
  cmp -s "zurück ü.txt" <(printf '2 Ale\xc3\xb3n'"'"'s Oath\r\n3 Amber Horn (Grimward)\r\n')
printf 'Quantity,Name,Set\r\n3,Amber Horn,Grimward\r\n1,Aleón’s Oath,\r\n' >"sammlung ä.csv"
"$@" import-csv "sammlung ä.csv" -o "neu ä.tvn" --deck 4 --check >check.txt
check "--check writes nothing" test ! -e "neu ä.tvn"
check "--check says what would change" grep -qa $'^deck 4: 2 cards changed, +4 copies\r\\?$' check.txt
printf 'Count\tName\r\n2\tAelid\r\n' | iconv -f UTF-8 -t UTF-16 >"unicode ä.txt"
"$@" import-csv "unicode ä.txt" -o "neu ä.tvn" --deck 1 >/dev/null
"$@" export-list "neu ä.tvn" >list.txt
check "a UTF-16 tab-separated file imports" grep -qa $'^2 Aelid\r\\?$' list.txt
if [[ "$*" == *.exe ]]; then
  "$@" export-csv "décks.tvn" -o 'a?b.csv' 2>err.txt
  check "a name Windows refuses is an invalid file name" \
    grep -qa '^Could not export to a?b.csv: invalid file name.' err.txt
fi
exit $failed
