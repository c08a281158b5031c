#!/usr/bin/env bash
# The Debian package as a user gets it: made from this build tree, unpacked into a temporary root and started
# there by an ordinary user whose home is a temporary folder. An edit of an indication must land in that user's
# data folder and survive a restart, and nothing may change under the unpacked root.
#   package-test.sh <cpack> <build folder>
set -euo pipefail
cpack=$1
build=$2
user=nobody

skip() {
  echo "skipped: $*"
  exit 77
}
fail() {
  echo "FAILED: $*"
  exit 1
}
[ "$(id -u)" -eq 0 ] || skip "starting the program as the ordinary user '$user' needs root (runuser)"
for tool in dpkg-deb dpkg-shlibdeps runuser appstreamcli; do
  command -v "$tool" >/dev/null 2>&1 || skip "$tool is not installed (scripts/deps.sh installs it)"
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
chmod 755 "$work"

# The package, from the build tree as it stands: cpack installs into a staging folder of its own.
"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$work/cpack" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; fail "cpack -G DEB"; }
debs=("$work"/cpack/*.deb)
[ -f "${debs[0]}" ] || { cat "$work/cpack.log"; fail "cpack made no .deb"; }
deb=${debs[0]}
depends=$(dpkg-deb --field "$deb" Depends)
echo "Depends: $depends"
for needed in libqt6widgets6 libstdc++6 fonts-liberation; do
  [[ $depends == *"$needed"* ]] || fail "the package does not depend on $needed"
done

root=$work/root
dpkg-deb -x "$deb" "$root"
for file in bin/ambrelis share/ambrelis/Indications.mdb share/ambrelis/Disclaim.rtf share/ambrelis/CopyLiab.rtf \
  share/ambrelis/Privacy.rtf share/applications/*.desktop share/metainfo/*.metainfo.xml \
  share/icons/hicolor/scalable/apps/*.svg; do
  compgen -G "$root/usr/$file" >/dev/null || fail "the package holds no usr/$file"
done
cmp -s "$root/usr/share/ambrelis/Indications.mdb" "$build/pristine/Indications.mdb" ||
  fail "the shipped Indications.mdb is not the pristine one the build made"
grep -qx 'Exec=ambrelis' "$root"/usr/share/applications/*.desktop || fail "the menu entry does not start 'ambrelis'"
# The menu entry, icon and software-centre data as a software centre reads them together.
appstreamcli validate-tree --no-net "$root" || fail "appstreamcli validate-tree"

# The user may write under the unpacked root, so that only the program's own choice keeps it unchanged.
chown -R "$user" "$root"
snapshot() { (cd "$root" && find . -printf '%p %s %T@ %m\n' | sort); }
snapshot >"$work/before"

home=$work/home
mkdir -p "$home/data" "$home/config" "$home/cache" "$home/runtime"
chmod 700 "$home/runtime"
chown -R "$user" "$home"
run() {
  local script=$work/$1.script
  cat >"$script"
  chmod 644 "$script"
  (cd "$home" && runuser -u "$user" -- env -i HOME="$home" XDG_DATA_HOME="$home/data" \
    XDG_CONFIG_HOME="$home/config" XDG_CACHE_HOME="$home/cache" XDG_RUNTIME_DIR="$home/runtime" \
    QT_QPA_PLATFORM=offscreen ASAN_OPTIONS="${ASAN_OPTIONS:-}" UBSAN_OPTIONS="${UBSAN_OPTIONS:-}" \
    "$root/usr/bin/ambrelis" --script "$script") >"$work/$1.out" 2>&1 ||
    { cat "$work/$1.out"; fail "the $1 run ended with an error"; }
  cat "$work/$1.out"
  ! grep -q '^message: ' "$work/$1.out" || fail "the $1 run showed a message"
}

note="Kept by the package test $$"
run first <<EOF2
click cmdIndications
type txtNotes $note
click cmdSettings
click cmdMitte
close frmMenu
EOF2
[ -f "$home/config/Ambrelis/Screen.txt" ] || fail "the screen setting is not in the user's configuration folder"
database=$home/data/Ambrelis/Indications.mdb
[ -f "$database" ] || fail "no database in the user's data folder ($database)"
[ "$(stat -c %U "$database")" = "$user" ] || fail "the user's database does not belong to $user"
! cmp -s "$database" "$root/usr/share/ambrelis/Indications.mdb" || fail "the edit did not reach the user's database"

# An upgrade unpacks the package's files anew, the database newer than the user's copy; the user's copy, with
# the edit, stays the one in use.
diff "$work/before" <(snapshot) || fail "the program changed files under the unpacked root"
dpkg-deb -x "$deb" "$root"
touch -d '+1 day' "$root/usr/share/ambrelis/Indications.mdb"
chown -R "$user" "$root"
snapshot >"$work/before"

run restart <<EOF2
click cmdIndications
show txtNotes
close frmMenu
EOF2
grep -qxF "txtNotes: $note" "$work/restart.out" || fail "the edit did not survive an upgrade and a restart"

snapshot >"$work/after"
diff "$work/before" "$work/after" || fail "the program changed files under the unpacked root"
echo "the package's program keeps the user's edit in $database"
