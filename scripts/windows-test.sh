#!/usr/bin/env bash
# Builds the Windows executables from this Linux machine and checks them:
#   1. installs what is missing (MinGW-w64, Wine, GoogleTest sources) when run as root;
#   2. cross-builds xlat.exe and xlat_tests.exe, statically linked, and the .zip package;
#   3. runs xlat_tests.exe under Wine; a test that fails there must fail on Linux too;
#   4. converts every tests/e2e/cases/*.c with the Linux xlat and with xlat.exe under
#      Wine, each in a folder of its own with xlat.dat beside the program when the case
#      has one; the .bas files must be the same bytes once line ends are normalised,
#      the Windows one with CR LF line ends, and messages and exit codes must agree;
#   5. runs the command-line tests (tests/cli/cli_test.sh) on xlat.exe, wildcards included.
# When Wine cannot run at all, it says so and exits 0 once the cross build succeeded.
#
# Usage: bash scripts/windows-test.sh
# Environment: XLAT_WARNINGS_AS_ERRORS  ON: the cross build fails on a compiler warning
#                           (scripts/test.sh sets it ON unless it is set already)
#              LINUX_BUILD  Linux build folder with xlat and xlat_tests (default build;
#                           configured when missing, always brought up to date)
#              WIN_BUILD    cross build folder (default build-win)
#              JOBS         parallel build jobs (default 2)
set -u -o pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$ROOT"
LINUX_BUILD=$(realpath -m "${LINUX_BUILD:-build}")
WIN_BUILD=$(realpath -m "${WIN_BUILD:-build-win}")
JOBS=${JOBS:-2}
MINGW_CXX=x86_64-w64-mingw32-g++

say() { printf 'windows-test: %s\n' "$*"; }
die() { say "FAILED: $*"; exit 1; }

find_wine() {
    WINE=$(command -v wine || command -v wine64 || true)
    [ -z "$WINE" ] && [ -x /usr/lib/wine/wine64 ] && WINE=/usr/lib/wine/wine64
    [ -n "$WINE" ]
}

# --- 1. Packages -------------------------------------------------------------
missing=()
command -v "$MINGW_CXX" >/dev/null || missing+=(g++-mingw-w64-x86-64)
[ -f /usr/src/googletest/CMakeLists.txt ] || missing+=(googletest)
find_wine || missing+=(wine64 wine)
if [ ${#missing[@]} -gt 0 ]; then
    if [ "$(id -u)" = 0 ]; then
        say "installing ${missing[*]}"
        export DEBIAN_FRONTEND=noninteractive
        { apt-get update -q && apt-get install -y -q --no-install-recommends "${missing[@]}"; } \
            >"${TMPDIR:-/tmp}/windows-test-apt.log" 2>&1 ||
            say "apt-get failed (log: ${TMPDIR:-/tmp}/windows-test-apt.log)"
    else
        say "not root: cannot install ${missing[*]}"
    fi
fi
command -v "$MINGW_CXX" >/dev/null || die "no MinGW-w64 compiler ($MINGW_CXX)"

# --- 2. Cross build ----------------------------------------------------------
say "cross-building in $WIN_BUILD"
mkdir -p "$WIN_BUILD"
cmake -S "$ROOT" -B "$WIN_BUILD" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DXLAT_WARNINGS_AS_ERRORS="${XLAT_WARNINGS_AS_ERRORS:-OFF}" \
    >"$WIN_BUILD/windows-test-configure.log" 2>&1 ||
    { cat "$WIN_BUILD/windows-test-configure.log"; die "cross configure"; }
cmake --build "$WIN_BUILD" -j"$JOBS" >"$WIN_BUILD/windows-test-build.log" 2>&1 ||
    { tail -n 60 "$WIN_BUILD/windows-test-build.log"; die "cross build"; }
XLAT_EXE=$WIN_BUILD/xlat.exe
TESTS_EXE=$WIN_BUILD/xlat_tests.exe
[ -f "$XLAT_EXE" ] && [ -f "$TESTS_EXE" ] || die "cross build made no xlat.exe or xlat_tests.exe"

# Static linking: only DLLs that every Windows has may be imported.
for exe in "$XLAT_EXE" "$TESTS_EXE"; do
    dlls=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z' | sort -u)
    for dll in $dlls; do
        case $dll in
        kernel32.dll | msvcrt.dll | user32.dll | advapi32.dll | shell32.dll | ws2_32.dll | ucrtbase.dll | api-ms-win-*) ;;
        *) die "$(basename "$exe") needs $dll: not statically linked" ;;
        esac
    done
done
say "xlat.exe and xlat_tests.exe built, importing only system DLLs: $(echo $dlls)"

(cd "$WIN_BUILD" && cpack -G ZIP >cpack.log 2>&1) || { cat "$WIN_BUILD/cpack.log"; die "Windows zip package"; }
ZIP=$(ls "$WIN_BUILD"/xlat-*.zip | head -n 1)
# The listing is taken whole first: with pipefail, grep -q stopping early
# would make the listing command fail on a broken pipe.
listing=$(cmake -E tar tf "$ZIP")
grep -q '/xlat\.exe$' <<<"$listing" || die "$ZIP holds no xlat.exe"
say "package $(basename "$ZIP") holds xlat.exe"

# --- 3. Wine -----------------------------------------------------------------
export WINEDEBUG=-all WINEPREFIX="$WIN_BUILD/wine-prefix" WINEDLLOVERRIDES="mscoree,mshtml="
wine_ok=false
if find_wine; then
    WINESERVER=$(command -v wineserver || echo /usr/lib/wine/wineserver64)
    # A new prefix is set up in the background of the first program that
    # runs in it, and that program can fail to start. So the prefix is made
    # complete first, and every process of the set-up has ended, before any
    # measured run.
    [ -d "$WINEPREFIX" ] || say "preparing a new Wine prefix in $WINEPREFIX"
    timeout 600 "$WINE" wineboot --init >/dev/null 2>&1
    timeout 600 "$WINESERVER" -w >/dev/null 2>&1
    # One wine server for the whole run, so that each program starts quickly.
    "$WINESERVER" -p >/dev/null 2>&1
    trap '"$WINESERVER" -k 2>/dev/null' EXIT
    for attempt in 1 2; do
        timeout 300 "$WINE" cmd.exe /c exit 7 >/dev/null 2>&1
        [ $? = 7 ] && wine_ok=true && break
    done
fi
if ! $wine_ok; then
    say "WINE CANNOT RUN WINDOWS PROGRAMS HERE (${WINE:-wine not installed}): the Windows tests and conversions were NOT run."
    say "Verified instead: xlat.exe and xlat_tests.exe cross-build, are statically linked, and the .zip package holds xlat.exe."
    exit 0
fi

# --- 4. Linux reference build ------------------------------------------------
# Brought up to date from the same sources as the cross build (a no-op when the
# caller has just built it), so that both sides translate with the same code.
say "building the Linux reference in $LINUX_BUILD"
mkdir -p "$LINUX_BUILD"
{ { [ -f "$LINUX_BUILD/CMakeCache.txt" ] || cmake -S "$ROOT" -B "$LINUX_BUILD" -DCMAKE_BUILD_TYPE=Release; } &&
    cmake --build "$LINUX_BUILD" -j"$JOBS"; } >"$LINUX_BUILD/windows-test-build.log" 2>&1 ||
    { tail -n 60 "$LINUX_BUILD/windows-test-build.log"; die "Linux build"; }
[ -x "$LINUX_BUILD/xlat" ] && [ -x "$LINUX_BUILD/xlat_tests" ] || die "no xlat or xlat_tests in $LINUX_BUILD"

passed=0
failed=0

# Windows programs run through wine-run.sh, which runs a program again when
# Wine failed to start it; it notes each such run in this file.
WINE_RUN="$ROOT/scripts/wine-run.sh"
export WINE WINE_RETRY_LOG
check() { # check DESCRIPTION CONDITION...: counts and reports one check
    local what=$1
    shift
    if "$@"; then passed=$((passed + 1)); else failed=$((failed + 1)); say "DIFFERENCE: $what"; fi
}

WORK=$(mktemp -d)
trap '"$WINESERVER" -k 2>/dev/null; rm -rf "$WORK"' EXIT
WINE_RETRY_LOG=$WORK/wine-retries
# The notes of runs made again, since the last call, into the log.
report_retries() {
    [ -s "$WINE_RETRY_LOG" ] || return 0
    sed 's/^/windows-test: /' "$WINE_RETRY_LOG"
    cat "$WINE_RETRY_LOG" >>"$WORK/wine-retries-all"
    : >"$WINE_RETRY_LOG"
}

# --- 5. Unit tests: Windows against Linux ------------------------------------
failed_tests() { # names of the failed tests in a GoogleTest log
    tr -d '\r' <"$1" | sed -n 's/^\[  FAILED  \] \([^ ,]*\).*/\1/p' | grep -v '^[0-9]*$' | sort -u
}
ran_count() { tr -d '\r' <"$1" | sed -n 's/^\[==========\] \([0-9]*\) tests\{0,1\} from .* ran\..*/\1/p'; }

"$LINUX_BUILD/xlat_tests" >"$WORK/linux-tests.log" 2>&1
(cd "$WIN_BUILD" && WINE_TIMEOUT=900 "$WINE_RUN" "$TESTS_EXE" </dev/null >"$WORK/windows-tests.log" 2>&1)
report_retries
failed_tests "$WORK/linux-tests.log" >"$WORK/linux-failed"
failed_tests "$WORK/windows-tests.log" >"$WORK/windows-failed"
linux_ran=$(ran_count "$WORK/linux-tests.log")
windows_ran=$(ran_count "$WORK/windows-tests.log")
say "unit tests: Linux ran ${linux_ran:-?} with $(wc -l <"$WORK/linux-failed") failed," \
    "Windows ran ${windows_ran:-?} with $(wc -l <"$WORK/windows-failed") failed"
windows_only=$(comm -13 "$WORK/linux-failed" "$WORK/windows-failed")
[ -n "$windows_only" ] && { say "tests failing on Windows only:"; echo "$windows_only"; }
if [ -z "$windows_ran" ]; then tail -n 40 "$WORK/windows-tests.log"; fi
check "Windows test run finished" test -n "$windows_ran"
check "same number of tests ran" test "${windows_ran:-x}" = "${linux_ran:-y}"
check "no test fails on Windows only" test -z "$windows_only"

# --- 6. Conversions: Windows against Linux -----------------------------------
# Each program runs from a folder of its own, so that it finds its own xlat.dat.
mkdir -p "$WORK/linbin" "$WORK/winbin"
cp "$LINUX_BUILD/xlat" "$WORK/linbin/"
cp "$XLAT_EXE" "$WORK/winbin/"

set_type_names() { # set_type_names FILE-OR-EMPTY: xlat.dat beside both programs
    rm -f "$WORK/linbin/xlat.dat" "$WORK/winbin/xlat.dat"
    [ -n "$1" ] && cp "$1" "$WORK/linbin/xlat.dat" && cp "$1" "$WORK/winbin/xlat.dat"
    return 0
}
run_linux() { # run_linux DIR ARGS...: output in DIR/../lin.out and lin.rc
    local dir=$1
    shift
    (cd "$dir" && "$WORK/linbin/xlat" "$@" >"$WORK/lin.out" 2>&1; echo $? >"$WORK/lin.rc")
}
run_windows() {
    local dir=$1
    shift
    (cd "$dir" && WINE_TIMEOUT=120 "$WINE_RUN" "$WORK/winbin/xlat.exe" "$@" </dev/null >"$WORK/win.out" 2>&1; echo $? >"$WORK/win.rc")
    report_retries
}
same_text() { cmp -s <(sed 's/\r$//' "$1") <(sed 's/\r$//' "$2"); }
# Every line of a Windows text file ends in CR LF.
crlf_only() { [ "$(grep -c $'\r$' "$1")" = "$(grep -c '' "$1")" ]; }
# Messages name files as typed, and the Windows runs type backslashes.
same_messages() { cmp -s <(tr -d '\r' <"$WORK/lin.out") <(tr -d '\r' <"$WORK/win.out" | tr '\\' '/'); }
same_files() { diff <(cd "$1" && ls) <(cd "$2" && ls) >/dev/null; }

# compare LABEL LINDIR WINDIR STEM: outputs of the two runs just made
compare() {
    local label=$1 lin=$2 win=$3 stem=$4
    check "$label: exit code (Linux $(cat "$WORK/lin.rc"), Windows $(cat "$WORK/win.rc"))" \
        test "$(cat "$WORK/lin.rc")" = "$(cat "$WORK/win.rc")"
    check "$label: messages" same_messages
    check "$label: same files written" same_files "$lin" "$win"
    if [ -f "$lin/$stem.bas" ]; then
        check "$label: .bas identical" same_text "$lin/$stem.bas" "$win/$stem.bas"
        check "$label: Windows .bas has CR LF line ends" crlf_only "$win/$stem.bas"
    fi
    if ! same_messages; then
        echo "--- Linux said:"; cat "$WORK/lin.out"; echo "--- Windows said:"; cat "$WORK/win.out"
    fi
}

cases=0
for source in "$ROOT"/tests/e2e/cases/*.c; do
    [ -e "$source" ] || continue
    name=$(basename "$source" .c)
    cases=$((cases + 1))
    mkdir -p "$WORK/$name/lin" "$WORK/$name/win"
    cp "$source" "$WORK/$name/lin/"
    cp "$source" "$WORK/$name/win/"
    dat="${source%.c}.dat"
    set_type_names "$([ -f "$dat" ] && echo "$dat")"
    run_linux "$WORK/$name/lin" "$name.c"
    run_windows "$WORK/$name/win" "$name.c"
    compare "$name" "$WORK/$name/lin" "$WORK/$name/win" "$name"
done
set_type_names ""
[ "$cases" -gt 0 ] || say "no end-to-end cases found"

# The command line and the files around the conversion, on one small source.
sample="$WORK/sample.c"
printf 'int main(void)\n{\n   x = a & b | c;\n   return 0;\n}\n' >"$sample"

mkdir -p "$WORK/args/lin" "$WORK/args/win"
run_linux "$WORK/args/lin"
run_windows "$WORK/args/win"
compare "no argument" "$WORK/args/lin" "$WORK/args/win" none
run_linux "$WORK/args/lin" missing.c
run_windows "$WORK/args/win" missing.c
compare "missing file" "$WORK/args/lin" "$WORK/args/win" missing

# A quoted name with a blank, in a folder whose name holds a dot.
mkdir -p "$WORK/blank/lin/my.dir" "$WORK/blank/win/my.dir"
cp "$sample" "$WORK/blank/lin/my.dir/my prog.c"
cp "$sample" "$WORK/blank/win/my.dir/my prog.c"
run_linux "$WORK/blank/lin" "my.dir/my prog.c"
run_windows "$WORK/blank/win" 'my.dir\my prog.c'
compare "quoted name with a blank" "$WORK/blank/lin/my.dir" "$WORK/blank/win/my.dir" "my prog"

# A second run keeps both backups of the first; xlat.dat beside the program is read.
printf 'MYTYPE\n' >"$WORK/types.dat"
set_type_names "$WORK/types.dat"
for side in lin win; do
    printf 'MYTYPE v;\n' >"$WORK/blank/$side/my.dir/my prog.c"
done
run_linux "$WORK/blank/lin" "my.dir/my prog.c"
run_windows "$WORK/blank/win" 'my.dir\my prog.c'
compare "second run with xlat.dat" "$WORK/blank/lin/my.dir" "$WORK/blank/win/my.dir" "my prog"
for side in lin win; do
    check "$side: second run keeps the source backup" same_text "$sample" "$WORK/blank/$side/my.dir/my prog(c).BAK"
    check "$side: second run made the output backup" test -f "$WORK/blank/$side/my.dir/my prog(tam).BAK"
done

# The command-line tests of the Linux program, run on xlat.exe.
XLAT_RUN="$WINE_RUN" bash "$ROOT/tests/cli/cli_test.sh" "$XLAT_EXE" >"$WORK/cli.log" 2>&1
cli_rc=$?
report_retries
tail -n 1 "$WORK/cli.log" | sed 's/^/windows-test: xlat.exe: /'
[ "$cli_rc" = 0 ] || grep -v '^cli_test:' "$WORK/cli.log" | head -n 60
check "command-line tests pass on Windows" test "$cli_rc" = 0

say "$cases end-to-end inputs converted on both systems; .bas files of xlat.exe use CR LF line ends"
[ -s "$WORK/wine-retries-all" ] &&
    say "$(grep -c 'ran it once more' "$WORK/wine-retries-all") run(s) made again after Wine failed to start the program"
say "$passed passed, $failed failed"
[ "$failed" = 0 ]
