#!/usr/bin/env bash
# A file readable by its group and writable by one more user through its ACL, with an extended
# attribute: saving it keeps the ACL (the group does not gain write access, the other user keeps
# it) and the attribute.
source "$(dirname "$0")/lib.sh"
for tool in setfacl getfacl setfattr getfattr setpriv; do
    command -v "$tool" >/dev/null || skip "$tool is missing (scripts/install-deps.sh)"
done
make_other_user
start_display

chmod 755 "$work"
file=$work/shared.bin
head -c 64 /dev/zero >"$file"
chmod 640 "$file"
setfacl -m "u:$other_user:rw" "$file" 2>/dev/null && setfattr -n user.note -v keep "$file" 2>/dev/null ||
    skip "the work folder's file system keeps no ACLs or user attributes"
acl=$(getfacl -pcn "$file")

start_program "$file"
overwrite_mode
cp "$file" "$work/original"
keys 4 1 ctrl+s
wait_changed "$work/original" "$file" || fail "the file was not saved"
expect_eq "$(getfacl -pcn "$file")" "$acl" "the ACL after saving"
expect_eq "$(getfattr --absolute-names --only-values -n user.note "$file")" "keep" "the attribute after saving"
setpriv --reuid="$other_user" --regid="$(id -g "$other_user")" --clear-groups test -w "$file" ||
    fail "the other user can no longer write the file"
has_only_main || fail "the save said something"
expect_alive
quit_program
expect_quiet
