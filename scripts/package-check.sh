#!/usr/bin/env bash
# Checks lineer as it is installed: the desktop entry, the AppStream
# metadata and the manual pages validate, the Debian package passes lintian,
# and the program installed with `cmake --install` and unpacked from the
# .deb runs with the source and build trees hidden, the window started by
# the desktop entry's Exec line included.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
"$root/scripts/deps.sh" program deb package

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FEHLER: $*" >&2; exit 1; }
step() { echo "== $*"; }

step "the Debian package"
"$root/scripts/deb.sh" >"$work/deb.log" || { cat "$work/deb.log"; fail "scripts/deb.sh"; }

step "desktop-file-validate"
desktop="$(ls "$build"/packaging/*.desktop)"
desktop-file-validate "$desktop"

step "appstreamcli validate --no-net"
appstreamcli validate --no-net "$build"/packaging/*.metainfo.xml

step "man --warnings"
for page in "$build/packaging/man/lineer.1" "$build/packaging/man/tr/lineer.1"; do
  warnings="$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)"
  [ -z "$warnings" ] || fail "$page: $warnings"
done

step "one version everywhere"
version="$("$build/lineer" --version)"
[[ "$version" =~ ^lineer\ [0-9]+\.[0-9]+\.[0-9]+$ ]] || fail "--version: $version"
version="${version#lineer }"
release="$(grep -o -m1 '<release version="[^"]*"' "$build"/packaging/*.metainfo.xml | cut -d'"' -f2)"
changelog="$(dpkg-parsechangelog -l "$build/packaging/changelog" -S Version)"
[ "$release" = "$version" ] || fail "AppStream release $release, program $version"
[ "$changelog" = "$version" ] || fail "changelog $changelog, program $version"

deb="$build/lineer_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || fail "no $deb"

step "lintian"
dpkg-deb -f "$deb" Package Version Section Depends
# Errors fail the check; the warnings that remain are listed in the README.
status=0
lintian --fail-on error --tag-display-limit 0 "$deb" >"$work/lintian" 2>&1 || status=$?
grep -v '^running with root privileges' "$work/lintian" || true
[ $status -eq 0 ] || fail "lintian"

# CI runs the suite on the sanitizer build (build-asan/); the program that
# is packaged must print the same, to the last byte, for every example and
# method, with and without the explained steps.
asan="${ASAN_BUILD_DIR:-$root/build-asan}"
if [ -x "$asan/lineer" ]; then
  step "the packaged program prints what the tested one printed"
  methods="$("$build/lineer" --help | sed -n 's/^  \([a-z-]*\)  .*/\1/p' | grep -v '^-')"
  [ -n "$methods" ] || fail "no methods in --help"
  compared=0
  for file in "$root"/examples/*.txt; do
    for method in $methods; do
      for steps in "" --steps; do
        args=(--method "$method" $steps "$file")
        plain_status=0; tested_status=0
        LC_ALL=C.UTF-8 "$build/lineer" "${args[@]}" >"$work/plain" 2>&1 || plain_status=$?
        ASAN_OPTIONS=detect_leaks=0 LC_ALL=C.UTF-8 "$asan/lineer" "${args[@]}" >"$work/tested" 2>&1 || tested_status=$?
        cmp -s "$work/plain" "$work/tested" && [ $plain_status = $tested_status ] ||
          fail "lineer ${args[*]}: the packaged and the tested program differ"
        compared=$((compared + 1))
      done
    done
  done
  echo "$compared runs the same"
fi

# What the command line must print, taken from the build tree.
(cd "$root/examples" && LC_ALL=C.UTF-8 "$build/lineer" --method gauss uc-denklem.txt) >"$work/expected"

# Runs a command with the source and build trees hidden behind empty
# folders, from a working directory outside them.
hidden() {
  unshare -m --propagation private sh -c '
    mount -t tmpfs none "$1"; [ -d "$2" ] && mount -t tmpfs none "$2"; shift 2; cd /; exec "$@"' \
    sh "$root" "$build" "$@"
}
hidden true || fail "unshare cannot hide the source tree here"
if hidden test -e "$root/CMakeLists.txt" || hidden test -e "$build/lineer"; then fail "the trees are not hidden"; fi

installed_runs() {  # prefix
  local bin="$1/bin/lineer" examples="$1/share/lineer/examples"
  for f in applications/*.desktop metainfo/*.metainfo.xml icons/hicolor/scalable/apps/*.svg \
           man/man1/lineer.1.gz man/tr/man1/lineer.1.gz doc/lineer/copyright; do
    compgen -G "$1/share/$f" >/dev/null || fail "$1/share/$f is missing"
  done
  for size in 16 32 48 64 128 256; do
    compgen -G "$1/share/icons/hicolor/${size}x${size}/apps/*.png" >/dev/null || fail "no ${size}px icon"
  done
  [ "$(hidden "$bin" --version)" = "lineer $version" ] || fail "$bin --version"
  hidden env LC_ALL=C.UTF-8 "$bin" --method gauss "$examples/uc-denklem.txt" >"$work/out"
  diff -u "$work/expected" "$work/out" || fail "$bin --method gauss"
  if strings "$bin" | grep -qF -e "$root" -e "$build"; then fail "$bin names the source or build tree"; fi
}

step "cmake --install into a temporary DESTDIR"
DESTDIR="$work/destdir" cmake --install "$build" --prefix /usr --strip >/dev/null
installed_runs "$work/destdir/usr"

step "dpkg-deb -x"
dpkg-deb -x "$deb" "$work/unpacked"
installed_runs "$work/unpacked/usr"

step "the desktop entry's Exec line opens the window"
# The entry's own Exec line, not those of its actions.
exec_line="$(sed -n '/^\[Desktop Entry\]/,/^\[/ s/^Exec=//p' "$desktop" | head -n 1)"
if hidden env PATH="$work/unpacked/usr/bin:$PATH" lineer --help | grep -q -- '--open'; then
  runs=("${exec_line//%f/$work/unpacked/usr/share/lineer/examples/uc-denklem.txt}" "${exec_line//%f/}")
else
  # This build has no --open yet: the entry is started as from the menu,
  # without the option and its file.
  runs=("${exec_line//--open %f/}")
  echo "lineer has no --open: running \"${runs[0]}\""
fi
for cmd in "${runs[@]}"; do
  hidden env -u WAYLAND_DISPLAY PATH="$work/unpacked/usr/bin:$PATH" QT_QPA_PLATFORM=xcb \
    xvfb-run -a sh -c '
      '"$cmd"' & pid=$!
      for i in $(seq 50); do
        xwininfo -root -tree | grep -q "\"Lineer Denklem" && { kill $pid; wait $pid 2>/dev/null; exit 0; }
        kill -0 $pid 2>/dev/null || exit 1
        sleep 0.2
      done
      kill $pid; exit 1' || fail "\"$cmd\" opened no window"
  echo "\"$cmd\": the window opened"
done
echo "Paket denetimi tamam: $(basename "$deb")"
