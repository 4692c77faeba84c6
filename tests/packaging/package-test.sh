#!/usr/bin/env bash
# The Debian package, made once per test run (`build`) and checked by the
# other steps, each a test of its own:
#   build    <build folder> <version>  makes the package into <build>/package-test,
#                                      unpacks it beside and checks its files and
#                                      its control fields
#   lintian  <build folder>            Debian's package checker: no error, no warning
#   menu     <build folder>            desktop-file-validate on the menu entry
#   metainfo <build folder>            appstreamcli validate on the AppStream file
# A tool that is missing skips the step, or fails it where the tests are
# required to run (support/require-tool.sh).
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/../support/require-tool.sh"
step="$1"
build="$2"
out="$build/package-test"
root="$out/root"
id=it.vellarmo.Vellarmo
fail() { echo "FAIL: $*" >&2; exit 1; }

deb() {
  local found=("$out"/vellarmo_*.deb)
  [ -f "${found[0]}" ] || fail "no package in $out: the step 'build' did not run or failed"
  echo "${found[0]}"
}

case "$step" in
  build)
    version="$3"
    require_tool cpack dpkg-deb dpkg-shlibdeps file
    rm -rf "$out"
    cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out.log" 2>&1 \
      || { cat "$out.log" >&2; fail "cpack failed"; }
    package="$(deb)"
    [ "$(basename "$package")" = "vellarmo_${version}_$(dpkg --print-architecture).deb" ] \
      || fail "package named $(basename "$package")"
    dpkg-deb -x "$package" "$root"

    # Exactly the files of the Debian layout.
    dpkg-deb -c "$package" | awk '{print $6}' | grep -v '/$' | sort > "$out/files"
    sort > "$out/expected" <<LIST
./usr/bin/vellarmo
./usr/share/applications/$id.desktop
./usr/share/doc/vellarmo/changelog.gz
./usr/share/doc/vellarmo/copyright
./usr/share/icons/hicolor/scalable/apps/$id.svg
./usr/share/lintian/overrides/vellarmo
./usr/share/man/man1/vellarmo.1.gz
./usr/share/metainfo/$id.metainfo.xml
./usr/share/vellarmo/Guida.pdf
LIST
    diff "$out/expected" "$out/files" || fail "the package carries other files"
    grep -qx "Icon=$id" "$root/usr/share/applications/$id.desktop" || fail "menu entry without Icon=$id"
    grep -qx "Exec=vellarmo" "$root/usr/share/applications/$id.desktop" || fail "menu entry does not start vellarmo"
    grep -q "<id>$id</id>" "$root/usr/share/metainfo/$id.metainfo.xml" || fail "metainfo with another id"
    grep -q "<release version=\"$version\"" "$root/usr/share/metainfo/$id.metainfo.xml" \
      || fail "metainfo without the release $version"
    zcat "$root/usr/share/doc/vellarmo/changelog.gz" | head -1 | grep -q "^vellarmo ($version)" \
      || fail "changelog does not start with $version"

    # The control fields.
    field() { dpkg-deb -f "$package" "$1"; }
    [ "$(field Package)" = vellarmo ] || fail "package name $(field Package)"
    [ "$(field Version)" = "$version" ] || fail "version $(field Version), project $version"
    [ "$(field Section)" = misc ] || fail "section $(field Section)"
    [ "$(field Priority)" = optional ] || fail "priority $(field Priority)"
    # dpkg-shlibdeps found the C library and Qt from the program itself; the
    # libraries loaded when first needed are named by hand.
    for dep in libc6 libstdc++6 libqt6widgets6 libqt6printsupport6 qt6-qpa-plugins \
               libxlsxwriter4 libssl3; do
      field Depends | tr ',' '\n' | grep -q "^ *$dep\b" || fail "no dependency on $dep: $(field Depends)"
    done
    description="$(field Description)"
    echo "$description" | grep -q "tabaccherie e le altre rivendite autorizzate" \
      || fail "extended description missing: $description"
    [ "$(echo "$description" | wc -l)" -ge 5 ] || fail "extended description too short"
    echo "package made and unpacked into $root"
    ;;
  lintian)
    require_tool lintian
    package="$(deb)"
    # --fail-on: any error or warning fails; the overrides file in the package
    # states the reason of each tag it silences.
    lintian --fail-on error,warning --display-info --info "$package" || fail "lintian found problems"
    echo "lintian: no error, no warning"
    ;;
  menu)
    require_tool desktop-file-validate
    deb >/dev/null
    desktop-file-validate "$root/usr/share/applications/$id.desktop" || fail "menu entry not valid"
    echo "menu entry valid"
    ;;
  metainfo)
    require_tool appstreamcli
    deb >/dev/null
    # No network: the screenshot's address is not fetched.
    report="$(appstreamcli validate --no-net --explain "$root/usr/share/metainfo/$id.metainfo.xml" 2>&1)" \
      || { echo "$report" >&2; fail "metainfo not valid"; }
    echo "$report"
    ! echo "$report" | grep -q '^[EW]:' || fail "metainfo has errors or warnings"
    ;;
  *)
    fail "unknown step $step"
    ;;
esac
