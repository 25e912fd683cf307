#!/usr/bin/env bash
# Checks a built package: its contents, its dependencies, the desktop entry and the AppStream data,
# what lintian (Debian's package checker) says of it, and that apt could install it on this machine (a
# simulation: nothing is installed).
# Usage: scripts/package-check.sh DEB
set -uo pipefail
deb=$(realpath "$1")
work=$(mktemp -d -t zentri-package.XXXXXX)
trap 'rm -rf "$work"' EXIT
failed=0
check() { # check WHAT COMMAND...
  local what=$1
  shift
  if "$@" >"$work/out" 2>&1; then
    echo "ok: $what"
  else
    echo "FAILED: $what" >&2
    cat "$work/out" >&2
    failed=1
  fi
}

multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH 2>/dev/null || gcc -print-multiarch)
lua_plugins=/usr/lib/$multiarch/wireshark/plugins # Wireshark's global Lua plugin folder
dpkg-deb -c "$deb" | awk '{print $NF}' | sed 's|^\./|/|' >"$work/contents"
echo "---- contents of $(basename "$deb") ----"
grep -v '/$' "$work/contents"
for f in /usr/bin/zentri-manager /usr/bin/zentrictl /usr/bin/zentri-emulator \
  /usr/share/applications/com.orvane.ZentriManager.desktop \
  /usr/share/metainfo/com.orvane.ZentriManager.metainfo.xml \
  /usr/share/icons/hicolor/scalable/apps/zentri-manager.svg \
  /usr/share/man/man1/zentri-manager.1.gz /usr/share/man/man1/zentrictl.1.gz \
  /usr/share/man/man1/zentri-emulator.1.gz /usr/bin/zentri-watch /usr/share/man/man1/zentri-watch.1.gz \
  /usr/lib/systemd/system/zentri-watch.service \
  /usr/share/doc/zentri-manager/prometheus/zentri-alerts.yml \
  /usr/share/doc/zentri-manager/prometheus/prometheus.yml \
  /usr/share/doc/zentri-manager/copyright /usr/share/doc/zentri-manager/changelog.gz \
  "$lua_plugins/zentri.lua"; do
  check "holds $f" grep -qx "$f" "$work/contents"
done
check "holds nothing else (no tests, no benchmarks)" test "$(grep -c '^/usr/bin/[^/]\+$' "$work/contents")" = 4

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for lib in libqt6widgets6 libqt6network6 libqt6svg6 libqt6core6 libc6 qt6-qpa-plugins libsystemd0 libmicrohttpd12; do
  check "depends on $lib" grep -q "$lib" <<<"$depends"
done
check "package name and architecture" test "$(dpkg-deb -f "$deb" Package Architecture | tr '\n' ' ')" = \
  "Package: zentri-manager Architecture: amd64 "

dpkg-deb -x "$deb" "$work/root"
check "binaries are stripped" sh -c "file '$work/root/usr/bin/zentrictl' | grep -q ', stripped'"
check "desktop-file-validate" desktop-file-validate "$work/root/usr/share/applications/com.orvane.ZentriManager.desktop"
check "appstreamcli validate" appstreamcli validate --no-net --explain \
  "$work/root/usr/share/metainfo/com.orvane.ZentriManager.metainfo.xml"
check "the man pages read" sh -c "for p in '$work'/root/usr/share/man/man1/*.1.gz; do
  zcat \"\$p\" | groff -man -Tutf8 -wall >/dev/null 2>'$work/groff' || exit 1; ! [ -s '$work/groff' ] || exit 1; done"
check "zentrictl from the package answers --help" "$work/root/usr/bin/zentrictl" --help
# The dissector as tshark finds it in the global Lua plugin folder, with no option (tshark takes
# WIRESHARK_PLUGIN_DIR, the folder, only from an ordinary user: root runs it as nobody).
if command -v tshark >/dev/null; then
  as_user=()
  [ "$(id -u)" = 0 ] && as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
  chmod -R a+rX "$work"
  check "tshark reads the packaged dissector from $lua_plugins" sh -c "${as_user[*]} env HOME=/nonexistent \
    WIRESHARK_PLUGIN_DIR='$work/root$lua_plugins' tshark -G protocols 2>&1 | grep -qx 'Zentri device protocol.ZENTRI.zentri'"
else
  echo "note: tshark is not installed, the dissector's loading is not checked"
fi
check "zentri-watch from the package answers --help" "$work/root/usr/bin/zentri-watch" --help
# The unit as installed: systemd-analyze verify (against the package's own files) and its security
# rating, which must be 2.5 or better ("OK" or better).
unit="$work/root/usr/lib/systemd/system/zentri-watch.service"
# verify reads the unit with its ExecStart pointing at the package's own binary (the unit's name must
# stay zentri-watch.service), and fails on anything it prints.
mkdir -p "$work/unit"
sed "s|^ExecStart=/usr/bin/zentri-watch|ExecStart=$work/root/usr/bin/zentri-watch|" "$unit" >"$work/unit/zentri-watch.service"
check "systemd-analyze verify zentri-watch.service" sh -c "out=\$(systemd-analyze verify --man=no \
  '$work/unit/zentri-watch.service' 2>&1) && [ -z \"\$out\" ] || { echo \"\$out\"; exit 1; }"
check "systemd-analyze security zentri-watch.service (2.5 or better)" sh -c "
  systemd-analyze security --offline=yes --threshold=25 '$unit' >'$work/security' && tail -1 '$work/security'"
check "zentri-watch.service is not enabled by the package" sh -c "! grep -q 'systemd/system/.*wants' '$work/contents'"
# lintian: an error or a warning fails; its info and pedantic notes are shown and may stay (today
# binary-has-unneeded-section: the strip CPack runs keeps the compiler's .comment section).
echo "---- lintian ----"
lintian --display-info --pedantic --fail-on error,warning "$deb" 2>&1 |
  grep -vx 'running with root privileges is not recommended!'
check "lintian reports no error and no warning" test "${PIPESTATUS[0]}" = 0
if [ "$(id -u)" = 0 ]; then
  check "apt could install it (simulated)" apt-get install -s -qq "$deb"
fi
[ "$failed" = 0 ] && echo "package check passed" || echo "package check FAILED" >&2
exit "$failed"
