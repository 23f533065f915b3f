#!/usr/bin/env bash
# The xlat command end to end: help and version, options, several files,
# the files of type names, the filter mode and the touch-up list, run as a
# user runs them, each in a fresh folder. Exit codes, the stream of every
# message and the files written are checked.
#
# Usage: tests/cli/cli_test.sh PROGRAM [MANUAL-PAGE]
# Environment: XLAT_RUN  a command that runs PROGRAM (scripts/wine-run.sh for
#                        xlat.exe); empty: PROGRAM runs directly
# A Windows program (PROGRAM ending in .exe) is also given "*" and "?" to
# expand itself.
set -u -o pipefail

HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
PROGRAM=$(realpath "$1")
MANUAL=${2:-$HERE/../../docs/xlat.1}
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

# The program runs from a folder of its own, so that the xlat.dat beside it
# is the test's.
mkdir -p "$WORK/bin"
cp "$PROGRAM" "$WORK/bin/"
XLAT=$WORK/bin/$(basename "$PROGRAM")
windows=false
case $XLAT in *.exe) windows=true ;; esac

checks=0
failures=0
fail() {
    failures=$((failures + 1))
    echo "FAILED: $*"
}
# check WHAT COMMAND...: one check
check() {
    local what=$1
    shift
    checks=$((checks + 1))
    "$@" || fail "$what"
}

# A fresh folder for one group of checks; the folder is the current one.
fresh() {
    rm -rf "$WORK/t"
    mkdir -p "$WORK/t"
    cd "$WORK/t" || exit 1
}

# run ARGS...: runs the program in the current folder with standard input
# from $WORK/in (empty unless a check wrote it); leaves out, err (line ends
# as on Linux), out.raw and rc in $WORK.
run() {
    [ -f "$WORK/in" ] || : >"$WORK/in"
    ${XLAT_RUN:-} "$XLAT" "$@" <"$WORK/in" >"$WORK/out.raw" 2>"$WORK/err.raw"
    echo $? >"$WORK/rc"
    tr -d '\r' <"$WORK/out.raw" >"$WORK/out"
    tr -d '\r' <"$WORK/err.raw" >"$WORK/err"
    rm -f "$WORK/in"
}
input() { printf '%s' "$1" >"$WORK/in"; }

# is FILE TEXT: the file holds exactly TEXT (carriage returns dropped).
is() {
    if [ "$(tr -d '\r' <"$1"; echo .)" != "$2." ]; then
        echo "--- $1 holds:"
        cat "$1"
        echo "--- expected:"
        printf '%s' "$2"
        return 1
    fi
}
code() { [ "$(cat "$WORK/rc")" = "$1" ] || { echo "exit code $(cat "$WORK/rc"), expected $1"; return 1; }; }
files() { [ "$(ls | tr '\n' ' ')" = "$1" ] || { echo "files: $(ls | tr '\n' ' ')"; return 1; }; }

# expect LABEL CODE STDOUT STDERR: the last run's exit code and streams.
expect() {
    check "$1: exit code" code "$2"
    check "$1: standard output" is "$WORK/out" "$3"
    check "$1: standard error" is "$WORK/err" "$4"
}

# --- Help, version, options ---------------------------------------------------
fresh
run --help
check "--help: exit code" code 0
check "--help: nothing on standard error" is "$WORK/err" ""
check "--help starts with the synopsis" grep -q '^Usage: xlat \[OPTION\]\.\.\. FILE\.\.\.$' "$WORK/out"
cp "$WORK/out" "$WORK/help"
run -h
check "-h is --help" cmp -s "$WORK/out" "$WORK/help"
run --version
check "--version: exit code" code 0
check "--version: xlat VERSION" grep -qx 'xlat [0-9][0-9]*\.[0-9][0-9]*\.[0-9][0-9]*' "$WORK/out"
run --frobnicate a.c
check "unknown option: exit code" code 2
check "unknown option: nothing on standard output" is "$WORK/out" ""
check "unknown option: the usage on standard error" \
    cmp -s "$WORK/err" <(echo "xlat: option not understood: --frobnicate"; cat "$WORK/help")
check "unknown option: nothing converted" files ""
run
expect "no argument" 1 "SYNTAX: xlat filename
" ""

# The options of --help and of the manual page: the words that start with
# "-" and the names of their values, in order.
help_options() { sed -n '/^Options:/,/^$/s/^ \{2,\}\(-[^ ].*\)/\1/p' "$1" | sed 's/  .*//; s/,//g' | tr ' ' '\n'; }
manual_options() {
    sed -n '/^\.SH OPTIONS/,/^\.SH [^O]/p' "$1" | sed -n '/^\.TP/{n;p}' |
        sed 's/^\.[A-Z]* //; s/\\//g; s/"//g; s/,//g' | tr -s ' ' '\n' | sed '/^$/d'
}
check "--help and the manual page list the same options" \
    cmp -s <(help_options "$WORK/help") <(manual_options "$MANUAL")
[ "$(help_options "$WORK/help" | tr '\n' ' ')" = "-h --help --version --types FILE --notes -- " ] ||
    fail "options of --help: $(help_options "$WORK/help" | tr '\n' ' ')"

# "--" ends the options: a file whose name begins with "-".
fresh
printf 'x = a & b | c;\n' >-dash.c
run -dash.c
check "a name with \"-\" is an option: exit code" code 2
run -- -dash.c
expect "--" 0 "xlat : -dash converted to -dash.bas
Indenting: -Dash.Bas
" ""
check "--: the file converted" is -dash.bas "x = a BAND b BOR c
"

# --- Several files --------------------------------------------------------------
fresh
printf 'x = a & b | c;\n' >one.c
printf 'while (a) {\nb = 1;\n' >open.c
printf 'y = 2;\n' >two.c
run one.c missing.c open.c two.c
expect "several files, some failing" 1 "xlat : one converted to one.bas
Indenting: One.Bas
SYNTAX: xlat filename
Conversion Error Detected. :-(
open.c(1): block left open (no \"WEND\")
Indenting: Open.Bas
xlat : two converted to two.bas
Indenting: Two.Bas
" ""
check "several files: every one written" files "one(c).BAK one.bas one.c open(c).BAK open.bas open.c two(c).BAK two.bas two.c "
check "several files: the last one translated" is two.bas "y = 2
"
run one.c two.c
check "several files, all converted: exit code" code 0

if $windows; then
    # The program expands "*" and "?" itself, in name order.
    fresh
    printf 'a = 1;\n' >w1.c
    printf 'b = 2;\n' >w2.c
    printf 'c = 3;\n' >other.c
    mkdir sub
    printf 'd = 4;\n' >sub/w3.c
    run 'w?.c' 'sub\*.c'
    expect "wildcards" 0 "xlat : w1 converted to w1.bas
Indenting: W1.Bas
xlat : w2 converted to w2.bas
Indenting: W2.Bas
xlat : sub\\w3 converted to sub\\w3.bas
Indenting: Sub\\W3.Bas
" ""
    check "wildcards: other.c left alone" test ! -e other.bas
    check "wildcards: the folder's file converted" is sub/w3.bas "d = 4
"
    run 'none*.c'
    expect "a pattern that matches nothing" 1 "SYNTAX: xlat filename
" ""
fi

# --- Type names -----------------------------------------------------------------
# Each for loop's first part is a declaration only when its type is a known
# type name; otherwise it stays as written.
probe='void f(void)
{
for (PROGTYPE i = 0; i < 3; i++) x++;
for (PROJTYPE j = 0; j < 3; j++) x++;
for (LISTTYPE k = 0; k < 3; k++) x++;
}
'
loop() { # loop VAR INIT: the translation of one loop of the probe
    printf '   %s\n   WHILE %s<3\n      x++\n      %s++\n   WEND\n' "$2" "$1" "$1"
}
fresh
printf 'PROGTYPE\n' >"$WORK/bin/xlat.dat"
mkdir proj
printf '%s' "$probe" >proj/prog.c
printf 'PROJTYPE\n' >proj/xlat.dat
printf 'LISTTYPE\n' >list.txt
run --types list.txt proj/prog.c
expect "all three files of type names" 0 "xlat : proj/prog converted to proj/prog.bas
Indenting: Proj/Prog.Bas
" ""
check "all three files of type names: every name known" is proj/prog.bas "SUB f ()
$(loop i 'DIM RAW  i = 0 AS PROGTYPE')
$(loop j 'DIM RAW  j = 0 AS PROJTYPE')
$(loop k 'DIM RAW  k = 0 AS LISTTYPE')
END SUB
"
rm "$WORK/bin/xlat.dat" proj/prog.bas
run proj/prog.c
check "the source folder's file alone: exit code" code 0
check "the source folder's file alone: its name only" is proj/prog.bas "SUB f ()
$(loop i 'PROGTYPE i = 0')
$(loop j 'DIM RAW  j = 0 AS PROJTYPE')
$(loop k 'LISTTYPE k = 0')
END SUB
"
rm proj/prog.bas
run --types missing.txt proj/prog.c
expect "an unreadable --types file" 1 "" "Can't open file missing.txt
"
check "an unreadable --types file: nothing converted" test ! -e proj/prog.bas

# --- Filter mode ------------------------------------------------------------------
fresh
input 'if (x == 1) y = 2;
'
run -
expect "filter" 0 "IF x = 1 THEN
   y = 2
END IF
" ""
check "filter: no file written" files ""
input 'while (a) {
b = 1;
'
run -
expect "filter, block left open" 1 "WHILE a
   b = 1
" "Conversion Error Detected. :-(
<stdin>(1): block left open (no \"WEND\")
"
input ''
run -
expect "filter, empty input" 0 "" ""
# A few megabytes, far more than a pipe holds at once.
seq 1 200000 | sed 's/.*/total = total + &;/' >"$WORK/big.c"
cp "$WORK/big.c" "$WORK/in"
run -
check "filter, large input: exit code" code 0
check "filter, large input: every line" cmp -s "$WORK/out" <(seq 1 200000 | sed 's/.*/total = total + &/')
# Binary input gives what the same bytes in a file give.
printf 'a = 1;\0\377\r\n{ b\001 = 2;\r\n' >bin.c
cp bin.c "$WORK/in"
run -
cp "$WORK/out.raw" "$WORK/bin.out"
filter_rc=$(cat "$WORK/rc")
run bin.c
check "filter, binary input: the same exit code as for a file" code "$filter_rc"
check "filter, binary input: the same text as for a file" cmp -s "$WORK/bin.out" bin.bas

# --- Touch-up list ------------------------------------------------------------------
fresh
cp "$HERE/scribble.c" "$HERE/spinning_cube.c" .
run --notes scribble.c spinning_cube.c
raw_if='kept as C behind "!": BASIC cannot test this condition; rewrite it with $IF or $IFDEF, or keep only the branch you need'
macro='macro kept as C between $HEADER lines: rewrite it as a SUB, FUNCTION or CONST, or write it out where it is used'
ternary='conditional operator (? :) kept as C behind "!": rewrite the line with IF ... ELSE ... END IF'
expect "--notes" 0 "xlat : scribble converted to scribble.bas
Indenting: Scribble.Bas
scribble.c(6): $macro
scribble.c(11): \"#if\" $raw_if
scribble.c(12): $macro
scribble.c(14): $macro
scribble.c(57): $ternary
scribble.c: 2 lines kept as C, 3 macros kept as C, 0 blocks left open, 0 branches reconciled
xlat : spinning_cube converted to spinning_cube.bas
Indenting: Spinning_Cube.Bas
spinning_cube.c(6): $macro
spinning_cube.c(7): $macro
spinning_cube.c(9): \"#if\" $raw_if
spinning_cube.c(11): \"#elif\" $raw_if
spinning_cube.c(35): $ternary
spinning_cube.c(54): $ternary
spinning_cube.c(58): $ternary
spinning_cube.c(60): end of a block kept as C behind \"!\": close it as you rewrite the line that opened it
spinning_cube.c: 6 lines kept as C, 2 macros kept as C, 0 blocks left open, 0 branches reconciled
" ""
cp scribble.bas "$WORK/scribble.bas"
run scribble.c
check "without --notes, the verdict alone" is "$WORK/out" "xlat : scribble converted to scribble.bas
Indenting: Scribble.Bas
"
check "--notes changes no translation" cmp -s scribble.bas "$WORK/scribble.bas"
input 'while (a) {
b = x ? 1 : 2;
'
run --notes -
expect "--notes in the filter" 1 "WHILE a
   !b = x ? 1 : 2 ;
" "Conversion Error Detected. :-(
<stdin>(1): block left open (no \"WEND\")
<stdin>(1): block opened here is never closed (no \"WEND\"): add the missing \"}\" to the C, or close it in the BASIC
<stdin>(2): $ternary
<stdin>: 1 line kept as C, 0 macros kept as C, 1 block left open, 0 branches reconciled
"

input 'void f(void) {
#ifdef A
  while (a) {
#else
  while (b) {
#endif
    x = 1;
  }
}
'
run --notes -
expect "--notes names the branches reconciled" 0 "SUB f ()
   \$IF A
   WHILE a
   \$ELSE
   WHILE b
   \$ENDIF
      x = 1
   WEND
END SUB
" "<stdin>(4): conditional-compilation branches reconciled here: check that the BASIC suits every branch
<stdin>: 0 lines kept as C, 0 macros kept as C, 0 blocks left open, 1 branch reconciled
"

echo "cli_test: $checks checks, $failures failed"
[ "$failures" = 0 ]
