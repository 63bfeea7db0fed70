#!/usr/bin/env bash
# In a folder every user may write (sticky, like /tmp), another user has put a link where the
# dump of our file goes, pointing at another file of ours. The dump replaces the link with a
# file of its own and never writes through it.
source "$(dirname "$0")/lib.sh"
make_other_user
start_display

shared=$work/shared
mkdir "$shared"
chmod 1777 "$shared"
chmod 755 "$work"
file=$shared/report.bin
printf 'ABCDEFGH' >"$file"
printf 'precious' >"$work/victim"
runuser -u "$other_user" -- ln -s "$work/victim" "$file.dmp" || fail "the other user could not plant the link"

start_program "$file"
dump_to_file
wait_for test -f "$file.dmp" -a ! -L "$file.dmp" || fail "the link is still there"
expect_eq "$(cat "$work/victim")" "precious" "the file the link pointed at"
grep -q '^0000:0000  41 42 43 44 45 46 47 48 ' "$file.dmp" || fail "the dump does not hold the row"
has_only_main || fail "the dump asked or said something"
expect_alive
quit_program
expect_quiet
