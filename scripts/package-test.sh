#!/usr/bin/env bash
# Installs, upgrades and uninstalls the setup program silently under Wine, in a fresh prefix
# of its own (copied from the build's prefix, which it leaves alone), and checks what each
# step leaves behind:
#   - the install puts the portable zip's files in place, registers the uninstaller, makes
#     the shortcuts, and the installed program starts and paints its main window;
#   - an upgrade over a ledger of 100 entries, a config.ini and a changed category list
#     keeps all three and repairs the program's own files;
#   - the uninstall keeps the ledger and removes everything else, the shortcuts, the
#     uninstall registration and the program's auto-run value;
#   - the same for everyone on the computer (/AllUsers).
#   package-test.sh SETUP.exe PORTABLE.zip BUILD_PREFIX WORK
set -euo pipefail
setup=${1:?usage: package-test.sh SETUP.exe PORTABLE.zip BUILD_PREFIX WORK}
zip=${2:?usage: package-test.sh SETUP.exe PORTABLE.zip BUILD_PREFIX WORK}
template=${3:?usage: package-test.sh SETUP.exe PORTABLE.zip BUILD_PREFIX WORK}
work=${4:?usage: package-test.sh SETUP.exe PORTABLE.zip BUILD_PREFIX WORK}
here=$(cd "$(dirname "$0")" && pwd)
version=$(tr -d ' \r\n' <"$here/../VERSION")

if [[ -z ${PACKAGE_TEST_PREFIX:-} ]]; then
  rm -rf "$work"
  mkdir -p "$work/prefix" "$work/home"
  # The build's prefix is copied under its own lock, so no test is using it meanwhile. The
  # system folders are never written by these tests: hard links spare copying 600 MB.
  (
    flock 9
    "$here/wine-prefix.sh" "$template"
    cd "$template"
    for entry in * .[!.]*; do
      [[ -e $entry && $entry != drive_c ]] && cp -a "$entry" "$work/prefix/"
    done
    mkdir -p "$work/prefix/drive_c/windows"
    for entry in drive_c/*; do
      [[ $entry != drive_c/windows ]] && cp -a "$entry" "$work/prefix/drive_c/"
    done
    for entry in drive_c/windows/*; do
      case ${entry##*/} in
        system32 | syswow64 | winsxs) cp -al "$entry" "$work/prefix/drive_c/windows/" ;;
        *) cp -a "$entry" "$work/prefix/drive_c/windows/" ;;
      esac
    done
  ) 9>"$template.lock"
  # Wine links the user's Desktop and Documents to the Unix home: shortcuts would land there.
  find "$work/prefix/drive_c/users" -maxdepth 6 -type l -print0 | while IFS= read -r -d '' link; do
    rm "$link" && mkdir "$link"
  done
  export PACKAGE_TEST_PREFIX=$work/prefix
  exec "$here/with-display.sh" "$0" "$@"
fi

export WINEPREFIX=$PACKAGE_TEST_PREFIX WINEDEBUG=-all WINEARCH=win64 HOME=$work/home
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
trap 'wineserver -k >/dev/null 2>&1; wineserver -w >/dev/null 2>&1' EXIT

failures=0
fail() {
  echo "package-test: FAIL: $*" >&2
  failures=$((failures + 1))
}
step() { echo "package-test: [${SECONDS}s] $*"; }
# Unix paths compared with every link resolved (Wine answers through dosdevices/c:).
unix_path() { readlink -m "$(winepath -u "$1")"; }
# Windows console output without the carriage returns.
win() { wine "$@" | tr -d '\r'; }
# A registry value's data, or nothing when the key or the value is missing.
reg_value() { wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$2 \{1,\}REG_[A-Z_]* \{1,\}//p"; }
same_file() { cmp -s "$1" "$2" || fail "$3"; }

user_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Zentavo'
machine_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Zentavo'
autorun_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Run'
c=$(readlink -f "$WINEPREFIX/drive_c")
profile=$(find "$c/users" -mindepth 1 -maxdepth 1 -type d ! -name Public | head -n1)
user_menu="$profile/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Zentavo"
user_desktop="$profile/Desktop/Zentavo.lnk"
machine_menu="$c/ProgramData/Microsoft/Windows/Start Menu/Programs/Zentavo"
machine_desktop="$c/users/Public/Desktop/Zentavo.lnk"

unzip -q "$zip" -d "$work/portable"
portable=$work/portable/Zentavo
[[ -f $portable/Zentavo.exe && -f $portable/money.mdb ]] || fail "the zip lacks the portable folder Zentavo/"

# The installed folder holds exactly the portable files, and the uninstaller.
check_installed() {
  local dir=$1
  [[ -f $dir/uninstall.exe ]] || fail "no uninstaller in $dir"
  diff -r -x uninstall.exe "$portable" "$dir" >"$work/diff.txt" || fail "installed files differ from the zip: $(head -c 600 "$work/diff.txt")"
}

# Fresh install for the current user -------------------------------------------------
step "install for the current user"
wine "$setup" /S || fail "silent install exited with $?"
wdir=$(reg_value "$user_key" InstallLocation)
[[ -n $wdir ]] || { fail "no uninstall registration under $user_key"; exit 1; }
dir=$(unix_path "$wdir")
[[ $dir == "$profile/AppData/Local/Programs/Zentavo" ]] || fail "installed into $dir, not the user's program folder"
check_installed "$dir"
[[ $(reg_value "$user_key" DisplayVersion) == "$version" ]] || fail "registered version is not $version"
[[ $(reg_value "$user_key" UninstallString) == "\"$wdir\\uninstall.exe\"" ]] || fail "wrong UninstallString"
[[ $(reg_value "$user_key" DisplayIcon) == "$wdir\\Zentavo.ico" && -f "$dir/Zentavo.ico" ]] || fail "the entry's icon is not the installed Zentavo.ico"
[[ -z $(reg_value "$machine_key" InstallLocation) ]] || fail "a per-user install registered for the machine"
[[ -f $user_menu/Zentavo.lnk ]] || fail "no Start-menu shortcut"
[[ -f $user_desktop ]] || fail "no desktop shortcut"

[[ $(win "$dir/ledgertool.exe" --version) == "ledgertool $version" ]] || fail "installed ledgertool --version"
[[ $(win "$dir/skinpack.exe" --version) == "skinpack $version" ]] || fail "installed skinpack --version"
for exe in "$dir/Zentavo.exe" "$setup"; do
  strings -el "$exe" | grep -qx "$version" || fail "no version $version in the resources of $exe"
done

step "start the installed program"
report=$work/startup.txt
ZENTAVO_STARTUP_REPORT=$(winepath -w "$report") timeout 120 wine "$dir/Zentavo.exe" || fail "the program exited with $?"
[[ -s $report ]] || fail "the installed program did not paint its main window"

# Upgrade over the user's data ---------------------------------------------------------
step "fill the ledger with 100 entries"
db="$wdir\\money.mdb"
# One Windows command script for the hundred runs: far cheaper than starting Wine a hundred times.
for i in $(seq 1 100); do
  flow=income
  ((i % 3)) || flow=outgo
  printf -v when '2024-%02d-%02d %02d:%02d:00' $((i % 12 + 1)) $((i % 28 + 1)) $((i % 24)) $((i % 60))
  printf '"%s\\ledgertool.exe" add "%s" %s "%s" "category %d" %d.25 "entry %d" >NUL\r\n' \
    "$wdir" "$db" "$flow" "$when" $((i % 7)) "$i" "$i"
  printf 'if errorlevel 1 exit /b %d\r\n' "$i"
done >"$work/fill.cmd"
wine cmd /c "$(winepath -w "$work/fill.cmd")" || fail "adding entry $? failed"
list_all() { win "$dir/ledgertool.exe" list "$db" "1900-01-01 00:00:00" "2999-12-31 23:59:59"; }
list_all >"$work/ledger-before.txt"
[[ $(wc -l <"$work/ledger-before.txt") -eq 100 ]] || fail "the ledger lists $(wc -l <"$work/ledger-before.txt") entries, not 100"
# A dated copy of the ledger, as the program keeps them (it may have made one at its start).
mkdir -p "$dir/backups" && cp "$dir/money.mdb" "$dir/backups/money-20240101-120000.mdb"
printf '[Skin]\r\nFile=skins\\mine.ssk\r\n' >"$dir/config.ini"
printf 'my own category\r\n' >>"$dir/incomeType.dat"
cp "$dir/config.ini" "$dir/incomeType.dat" "$work/"
printf 'damaged' >"$dir/language/en.ini"
skin=$(cd "$dir/skins" && ls | head -n1)
rm "$dir/skins/$skin"
wine reg add "$autorun_key" /v Zentavo /t REG_SZ /d "$wdir\\Zentavo.exe" /f >/dev/null

step "upgrade"
wine "$setup" /S || fail "silent upgrade exited with $?"
list_all >"$work/ledger-after.txt"
same_file "$work/ledger-before.txt" "$work/ledger-after.txt" "the upgrade changed the ledger's entries"
same_file "$work/config.ini" "$dir/config.ini" "the upgrade changed config.ini"
same_file "$work/incomeType.dat" "$dir/incomeType.dat" "the upgrade changed the category list"
same_file "$portable/outgoType.dat" "$dir/outgoType.dat" "the upgrade changed the untouched category list"
same_file "$portable/language/en.ini" "$dir/language/en.ini" "the upgrade did not repair a program file"
[[ -f $dir/skins/$skin ]] || fail "the upgrade did not put back a missing skin"

# Uninstall --------------------------------------------------------------------------
step "uninstall"
cp "$dir/money.mdb" "$work/money-before-uninstall.mdb"
kept=$( (echo money.mdb && cd "$dir" && find backups) | LC_ALL=C sort)
wine "$dir/uninstall.exe" /S || fail "silent uninstall exited with $?"
wineserver -w # the uninstaller finishes from a copy of itself
left=$(cd "$dir" 2>/dev/null && find . -mindepth 1 -printf '%P\n' | LC_ALL=C sort || true)
[[ $kept == *backups/money-20240101-120000.mdb* ]] || fail "no dated copy to keep"
[[ $left == "$kept" ]] ||
  fail "after the uninstall the folder holds: ${left//$'\n'/ } (only the ledger and its copies should stay)"
same_file "$work/money-before-uninstall.mdb" "$dir/money.mdb" "the uninstall changed the ledger"
[[ ! -e $user_menu && ! -e $user_desktop ]] || fail "shortcuts left after the uninstall"
[[ -z $(reg_value "$user_key" InstallLocation) ]] || fail "uninstall registration left"
wine reg query "$autorun_key" /v Zentavo >/dev/null 2>&1 && fail "auto-run value left"

# For everyone on the computer ------------------------------------------------------------
step "install for everyone, then uninstall"
wine "$setup" /S /AllUsers || fail "silent install for everyone exited with $?"
wdir=$(reg_value "$machine_key" InstallLocation)
if [[ -z $wdir ]]; then
  fail "no uninstall registration under $machine_key"
else
  dir=$(unix_path "$wdir")
  [[ $dir == "$c/Program Files/Zentavo" ]] || fail "installed for everyone into $dir, not Program Files"
  check_installed "$dir"
  [[ -f $machine_menu/Zentavo.lnk && -f $machine_desktop ]] || fail "no shortcuts for everyone"
  wine "$dir/uninstall.exe" /S || fail "silent uninstall for everyone exited with $?"
  wineserver -w
  left=$(cd "$dir" 2>/dev/null && find . -mindepth 1 -printf '%P\n' | LC_ALL=C sort || true)
  [[ $left == money.mdb ]] || fail "after uninstalling for everyone the folder holds: ${left//$'\n'/ }"
  [[ ! -e $machine_menu && ! -e $machine_desktop ]] || fail "shortcuts for everyone left"
  [[ -z $(reg_value "$machine_key" InstallLocation) ]] || fail "uninstall registration for everyone left"
fi

if ((failures)); then
  echo "package-test: $failures check(s) failed" >&2
  exit 1
fi
step "all checks passed"
