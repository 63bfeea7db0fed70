# What differs when a scenario drives quelm.exe under wine: the program started through wine in
# a prefix of the build tree, its windows found by class, the system's keys for its menus and
# dialogs, and its settings in the registry. ../lib.sh reads this file after its own steps when
# the program is an .exe; QUELM_WINEPREFIX names the prefix (made on first use with fonts that
# have the Japanese characters).

command -v wine >/dev/null || skip "wine is missing (scripts/build-windows.sh installs it)"
export WINEPREFIX=${QUELM_WINEPREFIX:?the wine prefix is not set}
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
wine_log=$work/wine.log

# Skips the scenario when a tool it needs is missing.
require_tools() {
    local tool
    for tool; do
        command -v "$tool" >/dev/null || skip "$tool is missing (scripts/install-deps.sh)"
    done
}

# Windows of the program: wine names their class after the program file.
app_windows() {
    xdotool search --onlyvisible --class quelm.exe 2>/dev/null || true
}

# The interface texts need a face with the Japanese characters; Linux has one under another name.
prepare_prefix() {
    [ -f "$WINEPREFIX/.quelm-ready" ] && return
    wineboot -i >>"$wine_log" 2>&1 || fail "the wine prefix could not be made"
    local key='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' face
    for face in Tahoma "MS Shell Dlg" "MS Shell Dlg 2" "MS UI Gothic"; do
        wine reg add "$key" /v "$face" /d "Noto Sans CJK JP" /f >>"$wine_log" 2>&1
    done
    wineserver -w
    touch "$WINEPREFIX/.quelm-ready"
}

# Each scenario starts from a new user's settings; later starts find what the earlier stored.
fresh_settings() {
    prepare_prefix
    [ -z "${settings_fresh:-}" ] || return 0
    wine reg delete 'HKCU\Software\Marlox\Quelm' /f >>"$wine_log" 2>&1 || true
    settings_fresh=1
}

# A Linux path as the program sees it.
windows_path() {
    local path=$1
    echo "Z:${path//\//\\}"
}

launch_program() {
    fresh_settings
    local args=() a
    for a in "$@"; do args+=("$(windows_path "$a")"); done
    wine "$program" "${args[@]}" 2>"$work/stderr" >/dev/null &
    app=$!
    WAIT_TIMEOUT=60 wait_for has_windows 1 || fail "no window appeared"
}

# The main window by its caption; dialogs are the program's other windows.
main_window() {
    xdotool search --onlyvisible --name '^Quelm' 2>/dev/null | head -n 1
}
dialog_window() {
    app_windows | grep -vx "$(main_window)" | head -n 1
}

# Wine's messages on stderr are its own, not the program's.
expect_quiet() {
    :
}

# Exit is the File menu's last item.
exit_command() {
    keys alt+f Up Return
}

# The file dialog starts in its name field, which takes a whole path.
choose_in_file_dialog() {
    xdotool type --delay 20 "$(windows_path "$1")"
    keys Return
}

# Grayed menu items take the highlight on this system.
dump_to_file() {
    file_menu_item $dump_item
}
replace_before_any_search() {
    keys alt+s Down Down Down Return
}

# A combo box is one tab stop on this system.
tab_past_combo() {
    keys Tab
}

# The system gives the keyboard back to the dialog the message came from: click the main window.
keys_back_in_view() {
    xdotool windowactivate "$main" 2>/dev/null || true
    settle
}

store_setting() {
    fresh_settings
    wine reg add "HKCU\\Software\\Marlox\\Quelm\\$1" /v "$2" /t REG_DWORD /d "$3" /f \
        >>"$wine_log" 2>&1 || fail "the setting $2 could not be stored"
}

stored_setting() {
    local type value
    read -r _ type value < <(wine reg query "HKCU\\Software\\Marlox\\Quelm\\$1" /v "$2" 2>>"$wine_log" |
        tr -d '\r' | grep -w "$2")
    case $type in
    REG_DWORD) echo $((value)) ;;
    *) echo "$value" ;;
    esac
}

# A print server of the scenario's own with one PostScript printer on A4, the default, that
# writes every job to $printed. Wine finds printers through the print server library, so
# CUPS_SERVER points it here and the machine's own print settings stay untouched.
start_file_printer() {
    command -v cupsd >/dev/null || skip "cupsd is missing (scripts/install-deps.sh installs cups-daemon)"
    [ -x /usr/lib/cups/filter/pstops ] ||
        skip "the print server's PostScript filter is missing (scripts/install-deps.sh installs cups-core-drivers)"
    local root=$work/cups
    printed=$work/printed.ps
    mkdir -p "$root/spool" "$root/tmp" "$root/cache" "$root/state" "$root/ppd"
    # The server's filters run as its own user, who must reach the spooled jobs.
    chmod a+x "$work"
    cp "$(dirname "${BASH_SOURCE[0]}")/file-printer.ppd" "$root/ppd/quelm.ppd"
    cat >"$root/cups-files.conf" <<EOF
ServerRoot $root
RequestRoot $root/spool
TempDir $root/tmp
CacheDir $root/cache
StateDir $root/state
ErrorLog $root/error_log
AccessLog /dev/null
PageLog /dev/null
FileDevice Yes
EOF
    cat >"$root/cupsd.conf" <<EOF
Listen $root/cups.sock
Browsing No
WebInterface No
LogLevel warn
EOF
    cat >"$root/printers.conf" <<EOF
<DefaultPrinter quelm>
DeviceURI file://$printed
State Idle
Accepting Yes
Shared No
</DefaultPrinter>
EOF
    cupsd -f -c "$root/cupsd.conf" -s "$root/cups-files.conf" >"$work/cupsd.log" 2>&1 &
    pids+=($!)
    export CUPS_SERVER=$root/cups.sock
    wait_for test -S "$CUPS_SERVER" ||
        skip "the scenario's print server did not start: $(cat "$work/cupsd.log" "$root/error_log" 2>/dev/null)"
}

# Waits until the printer has written a whole job.
wait_printed() {
    WAIT_TIMEOUT=${1:-30} wait_for sh -c 'tail -c 64 "$1" 2>/dev/null | grep -q "%%EOF"' _ "$printed"
}

# The File menu's items from its first: new, open, close, save, save as, print, preview,
# page setup and dump (grayed items take the highlight too).
print_item=5
preview_item=6
setup_item=7
dump_item=8
file_menu_item() {
    keys alt+f
    local i
    for ((i = 0; i < $1; i++)); do xdotool key Down; done
    keys Return
}

preview_window() {
    xdotool search --onlyvisible --name 'ﾌﾟﾚﾋﾞｭｰ' 2>/dev/null | head -n 1
}
# Opens the print preview, keeps its window in $preview and its picture in $shot (the path
# given).
open_preview() {
    file_menu_item $preview_item
    WAIT_TIMEOUT=20 wait_for test -n "$(preview_window)" || fail "the print preview did not open"
    preview=$(preview_window)
    settle
    shot=$1
    import -window "$preview" "$shot" 2>/dev/null || fail "no picture of the preview"
}
close_preview() {
    keys Escape
    wait_for test -z "$(preview_window)" || fail "Escape did not close the preview"
}

# The previewed paper's width over its height: the picture without the grey around the page.
paper_shape() {
    convert "$shot" -fuzz 5% -trim -format '%[fx:w / h]' info:
}
# Whether a shape is within 5% of another.
shape_near() {
    awk -v shape="$1" -v want="$2" 'BEGIN { exit !(shape > want * 0.95 && shape < want * 1.05) }'
}
