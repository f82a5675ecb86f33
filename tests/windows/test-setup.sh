#!/usr/bin/env bash
# The setup program and its uninstaller under Wine, in a Wine prefix of their own, as a
# user meets them: a silent install, the installed program opening and saving a page on
# a virtual display, an install refused while the program runs, a silent uninstall, an
# install into another folder and one over it, and what the uninstaller leaves.
#   test-setup.sh BUILD WIDTH     BUILD: the Windows build folder (build-win32, build-win64);
#                                 WIDTH: 32 or 64, the width of that build
# Prints one line per check (TAP) and fails when any check failed.
set -euo pipefail
build=$(cd "$1" && pwd)
width=$2
if [ "$width" = 64 ]; then
    setup=$build/quillet-2.0-x64-setup.exe display_name="Quillet 2.0 (x64)"
else
    setup=$build/quillet-2.0-setup.exe display_name="Quillet 2.0"
fi
work=$build/setup-test
# A prefix of the build's width: its registry then has one view, the one the setup
# program writes.
export WINEPREFIX=$work/wine WINEARCH=win$width WINEDEBUG=-all
# No Mono or Gecko installers (they would wait for a click), and no Linux menu entries
# or file types made from the Windows shortcuts and registry.
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
rm -rf "$work"
mkdir -p "$work"

# The Windows programs need a display, and the installed program's windows are driven
# on it with xdotool.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
quillet=""
finish() {
    if [ -n "$quillet" ]; then kill "$quillet" 2>/dev/null || true; fi
    wineserver -k 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
}
trap finish EXIT
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=:$(cat "$work/display")
wineboot --init >/dev/null 2>&1

checks=0
failed=0
check() {
    local name=$1
    shift
    checks=$((checks + 1))
    if "$@"; then
        echo "ok $checks - $name"
    else
        echo "not ok $checks - $name"
        failed=$((failed + 1))
    fi
}
same() { [ "$1" = "$2" ] || { echo "# got '$1', expected '$2'"; return 1; }; }

c=$WINEPREFIX/drive_c
programs="$c/ProgramData/Microsoft/Windows/Start Menu/Programs/Quillet 2.0"
desktop="$c/users/Public/Desktop/Quillet 2.0.lnk"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillet 2.0'
progid_key='HKLM\Software\Classes\Quillet.Document'
extensions=".htm .html .shtml .tlp .js"

# A registry key as reg prints it, one "    name    TYPE    data" line per value; nothing
# for a missing key (reg prints its complaint about that on standard output). In the view
# the setup program writes unless another is asked for: with 32-bit Wine installed, "wine"
# runs the 32-bit reg, which sees the 32-bit view of a 64-bit prefix.
key() {
    local text view=
    [ "$width" = 64 ] && [[ " $* " != *" /reg:"* ]] && view=/reg:64
    if text=$(wine reg query "$@" $view 2>/dev/null); then tr -d '\r' <<<"$text"; fi
}
value() { sed -n "s/^    $2    REG_[A-Z_]*    //p" <<<"$1"; }
file_types() {
    local ext
    for ext in $extensions; do
        echo "[$ext]"
        key "HKLM\\Software\\Classes\\$ext" /s
    done
}
# The files of a folder, relative to it.
files() { (cd "$1" 2>/dev/null && find . -mindepth 1 | sort); }
# The program's folder as it should be once installed there.
installed_files() {
    { files "$build/Quillet"; echo ./uninstall.exe; } | sort
}
# Whether the folder holds every file of the build's program folder, the same bytes.
same_program() {
    local file
    while read -r file; do
        cmp -s "$build/Quillet/$file" "$1/$file" || { echo "# $1/$file differs"; return 1; }
    done < <(cd "$build/Quillet" && find . -type f)
}
# Each file of a folder with its inode and change time: what any write changes.
stamps() { (cd "$1" && find . -printf '%p %i %C@\n' | sort); }

appdata=$(winepath -u "$(wine cmd /c echo %APPDATA% | tr -d '\r')")
# The browser's claim on .htm pages, as Windows has it.
wine reg add 'HKLM\Software\Classes\.htm' /ve /d htmlfile /f >/dev/null
file_types >"$work/file-types-before"

echo "# A silent install into the program's own folder"
# Wine keeps no rights on its files, so the rights the setup program asks for are read from
# Wine's trace of the calls that set them.
check "the setup program ends well" \
    env WINEDEBUG=trace+security,trace+advapi wine "$setup" /S 2>"$work/install-trace"
check "C:\\QUILLET holds the program, its DLLs and plugins and the uninstaller" \
    same "$(files "$c/QUILLET")" "$(installed_files)"
check "the files are the build's" same_program "$c/QUILLET"
# Administrators and the system: full control; users: read and run; for the folder, its
# folders and files; nothing inherited from above.
rights='D:PAI(A;OICI;FA;;;BA)(A;OICI;FA;;;SY)(A;OICI;0x1200a9;;;BU)'
check "the setup program asks for the folder's rights" \
    grep -qF "ConvertStringSecurityDescriptorToSecurityDescriptorW L\"$rights\"" \
    "$work/install-trace"
# 1: a file; -2147483644: DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION.
check "and sets them on C:\\QUILLET, protected from the rights of C:\\" \
    grep -qF 'SetNamedSecurityInfoW L"C:\\QUILLET" 1 -2147483644' "$work/install-trace"
entry=$(key "$uninstall_key")
check "uninstall entry: DisplayName" same "$(value "$entry" DisplayName)" "$display_name"
if [ "$width" = 64 ]; then
    check "the entries are in the registry's 64-bit view alone" \
        test -z "$(key "$uninstall_key" /reg:32)"
fi
check "uninstall entry: DisplayVersion" same "$(value "$entry" DisplayVersion)" "2.0"
check "uninstall entry: Publisher" same "$(value "$entry" Publisher)" "Quillet Works"
check "uninstall entry: DisplayIcon" \
    same "$(value "$entry" DisplayIcon)" 'C:\QUILLET\quillet.exe,0'
check "uninstall entry: UninstallString" \
    same "$(value "$entry" UninstallString)" '"C:\QUILLET\uninstall.exe"'
check "uninstall entry: QuietUninstallString" \
    same "$(value "$entry" QuietUninstallString)" '"C:\QUILLET\uninstall.exe" /S'
check "uninstall entry: NoModify" same "$(value "$entry" NoModify)" 0x1
check "uninstall entry: NoRepair" same "$(value "$entry" NoRepair)" 0x1
# In KB, within a tenth of what the program's folder holds.
size=$(value "$entry" EstimatedSize)
folder_size=$(du -sk --apparent-size "$build/Quillet" | cut -f1)
check "uninstall entry: EstimatedSize is the folder's size" \
    test $((size * 10)) -gt $((folder_size * 9)) -a $((size * 10)) -lt $((folder_size * 11))
check "ProgID: the command opens the page" same \
    "$(value "$(key "$progid_key\\shell\\open\\command")" '(Default)')" \
    '"C:\QUILLET\quillet.exe" "%1"'
check "ProgID: the icon" \
    same "$(value "$(key "$progid_key\\DefaultIcon")" '(Default)')" 'C:\QUILLET\quillet.exe,0'
for ext in $extensions; do
    check "$ext lists Quillet.Document under Open with" \
        grep -q '^    Quillet.Document    REG_NONE' \
        <<<"$(key "HKLM\\Software\\Classes\\$ext\\OpenWithProgids")"
done
check ".htm keeps its default program" \
    same "$(value "$(key 'HKLM\Software\Classes\.htm')" '(Default)')" htmlfile
check "Start Menu: Quillet 2.0" test -f "$programs/Quillet 2.0.lnk"
check "Start Menu: Uninstall Quillet 2.0" test -f "$programs/Uninstall Quillet 2.0.lnk"
check "no desktop shortcut unless chosen" test ! -e "$desktop"

echo "# The installed program opens the page it is given and saves it"
mkdir -p "$c/pages"
printf '<HTML>\r\n<BODY>caf\351\000and\rmore</BODY>\n</HTML>' >"$c/pages/page.htm"
cp "$c/pages/page.htm" "$work/page.htm"
touch -d '2001-01-01' "$c/pages/page.htm"
wine 'C:\QUILLET\quillet.exe' 'C:\pages\page.htm' >/dev/null 2>&1 &
quillet=$!
# Presses keys in the window: it takes the keyboard focus first, as a click would. A
# window that is not there fails the checks that follow, not the script.
press() {
    {
        xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus --sync "$1"
        xdotool key --clearmodifiers "$2"
    } 2>/dev/null || true
}
# The first visible window of that title, when one comes within the time.
window() {
    timeout "$1" xdotool search --sync --onlyvisible --name "$2" 2>/dev/null | head -1 || true
}
# The page is read once the main window shows: its name comes into the title after it.
main=$(window 60 '^Quillet 2\.0 - C:\\pages\\page\.htm$')
check "the page opens in the main window at once" test -n "$main"
intro=$(xdotool search --onlyvisible --name '^Quillet Intro$' 2>/dev/null | head -1 || true)
check "no intro window shows" test -z "$intro"

echo "# While the program runs, a new install is refused and changes nothing"
stamps "$c/QUILLET" >"$work/stamps-before"
status=0
wine "$setup" /S || status=$?
check "the setup program gives up (2: aborted)" same "$status" 2
check "no installed file was touched" diff "$work/stamps-before" <(stamps "$c/QUILLET")

press "$main" ctrl+s
for _ in $(seq 100); do
    [ "$c/pages/page.htm" -nt "$work/page.htm" ] && break
    sleep 0.2
done
check "Ctrl+S writes the page" test "$c/pages/page.htm" -nt "$work/page.htm"
check "the saved page is byte for byte the one opened" cmp "$c/pages/page.htm" "$work/page.htm"
press "$main" ctrl+F4
ended=no
for _ in $(seq 150); do
    kill -0 "$quillet" 2>/dev/null || { ended=yes; break; }
    sleep 0.2
done
check "File > Exit ends the program" same "$ended" yes
quillet=""

echo "# A silent uninstall leaves nothing of the program"
# Whatever it answers, what it leaves is checked below.
wine 'C:\QUILLET\uninstall.exe' /S || true
# The uninstaller runs from a copy of itself that it starts; this waits for that one too.
timeout 120 wineserver -w
check "C:\\QUILLET is gone" test ! -e "$c/QUILLET"
check "the uninstall entry is gone" test -z "$(key "$uninstall_key")"
check "the ProgID is gone" test -z "$(key "$progid_key")"
check "the page types are as they were" \
    diff "$work/file-types-before" <(file_types)
check "the Start Menu folder is gone" test ! -e "$programs"

echo "# Into another folder, then over that copy, then uninstalled with a page of the user's"
check "/D= chooses the folder" wine "$setup" /S '/D=C:\Editors\Quillet'
check "the program is in C:\\Editors\\Quillet" same_program "$c/Editors/Quillet"
check "the ProgID's command names that folder" same \
    "$(value "$(key "$progid_key\\shell\\open\\command")" '(Default)')" \
    '"C:\Editors\Quillet\quillet.exe" "%1"'
check "nothing is made in C:\\QUILLET" test ! -e "$c/QUILLET"
echo '<P>mine</P>' >"$c/Editors/Quillet/mine.htm"
# The preview folder of an earlier version.
mkdir -p "$c/QUILLET/temp"
echo '<P>preview</P>' >"$c/QUILLET/temp/toview.htm"
mkdir -p "$appdata/Quillet"
echo recovery >"$appdata/Quillet/kept"
check "an install over the copy ends well" wine "$setup" /S
check "it replaced the copy where it was" same_program "$c/Editors/Quillet"
check "the user's page stayed" test -f "$c/Editors/Quillet/mine.htm"
check "the uninstall entry names that folder" same \
    "$(value "$(key "$uninstall_key")" InstallLocation)" 'C:\Editors\Quillet'
wine 'C:\Editors\Quillet\uninstall.exe' /S || true
timeout 120 wineserver -w
check "only the user's page stays in the folder" \
    same "$(files "$c/Editors/Quillet")" ./mine.htm
check "the preview folder is gone" test ! -e "$c/QUILLET"
check "the per-user recovery folder stays" test -f "$appdata/Quillet/kept"
check "the uninstall entry is gone" test -z "$(key "$uninstall_key")"
check "the page types are as they were" \
    diff "$work/file-types-before" <(file_types)

echo "1..$checks"
[ "$failed" -eq 0 ] || { echo "# $failed of $checks checks failed"; exit 1; }
