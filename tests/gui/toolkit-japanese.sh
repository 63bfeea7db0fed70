#!/usr/bin/env bash
# The toolkit's own print dialog speaks Japanese as the rest of the program does: under a
# Japanese locale the machine does not have, and under the plain C locale.
source "$(dirname "$0")/lib.sh"
export GTK_PRINT_BACKENDS=file
start_display

head -c 64 /dev/zero >"$work/data.bin"
for locale in ja_JP.UTF-8 C; do
    export LANG=$locale
    unset LANGUAGE LC_ALL LC_MESSAGES
    start_program "$work/data.bin"
    # File menu: the print item is the fourth step down (saving is disabled and skipped).
    keys alt+f Down Down Down Down Return
    wait_for has_windows 2 || fail "the print dialog did not open"
    settle
    dialog=$(app_windows | grep -vx "$main" | head -n 1)
    expect_eq "$(xdotool getwindowname "$dialog")" "印刷" "print dialog title under $locale"
    keys Escape
    wait_for has_only_main || fail "the print dialog did not close"
    quit_program
done
