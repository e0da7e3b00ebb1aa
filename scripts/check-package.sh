#!/usr/bin/env bash
# Builds the Debian package and checks it: its desktop entry, AppStream data and lintian; then
# installs it, runs the installed program, removes it and checks that nothing of it is left.
# Needs root (apt-get). The package is removed again however the script ends.
set -euo pipefail
cd "$(dirname "$0")/.."
deb=$(bash scripts/package.sh)
echo "package: $deb ($(stat -c %s "$deb") bytes)"
dpkg-deb -f "$deb" Version Depends Recommends

work=$(mktemp -d)
cleanup() {
    if dpkg-query -W -f='${db:Status-Status}' tandrel 2>/dev/null | grep -qx installed; then
        apt-get remove -y tandrel >/dev/null
    fi
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "check-package: $*" >&2
    exit 1
}

# What the package ships: validated as shipped.
dpkg-deb -x "$deb" "$work/tree"
id=$(basename "$work"/tree/usr/share/applications/*.desktop .desktop)
desktop-file-validate "$work/tree/usr/share/applications/$id.desktop"
appstreamcli validate --no-net "$work/tree/usr/share/metainfo/$id.metainfo.xml"
# Errors fail; warnings and notes are printed (lintian also notes that it runs as root).
lint_status=0
lint=$(lintian --fail-on error --display-info "$deb" 2>&1) || lint_status=$?
lint=$(grep -v '^running with root privileges' <<<"$lint" || true)
echo "lintian: ${lint:-no tags}"
((lint_status == 0)) || fail "lintian reports errors"

export DEBIAN_FRONTEND=noninteractive
apt-get install -y "$deb" >/dev/null
dpkg -L tandrel >"$work/files"

version=$(dpkg-deb -f "$deb" Version)
[[ $(/usr/bin/tandrel --version) == "tandrel $version" ]] || fail "--version is not $version"
printf 'a\r\n{ENTER}\r\n{Wait}5\r\n' >"$work/Clean.TDX"
printf 'a\r\n{Wait}x\r\n' >"$work/Broken.TDX"
/usr/bin/tandrel --check "$work/Clean.TDX" || fail "--check finds faults in a clean program"
status=0
/usr/bin/tandrel --check "$work/Broken.TDX" || status=$?
[[ $status -eq 2 ]] || fail "--check gives $status for a program with an error, not 2"

# The first start of the installed program makes the user's menu entry under the packaged
# entry's id, so that it shadows it.
home="$work/home"
mkdir -p "$home/Desktop" "$home/drive_c"
entry="$home/data/applications/$id.desktop"
# The "Read Me" sample program is the first start's last step.
HOME="$home" XDG_DATA_HOME="$home/data" XDG_CONFIG_HOME="$home/config" \
    TANDREL_DRIVE_C="$home/drive_c" xvfb-run -a sh -c '
        /usr/bin/tandrel & pid=$!
        for i in $(seq 100); do [ -e "$1" ] && break; sleep 0.2; done
        kill "$pid"; wait "$pid" || true' sh "$home/drive_c/TANDREL/PROGRAMS/Read Me"
[[ -e $entry ]] || fail "the first start made no menu entry $entry"
desktop-file-validate "$entry"

apt-get remove -y tandrel >/dev/null
left=()
while read -r path; do
    [[ -e $path || -L $path ]] || continue
    # A directory may stay while another package owns it or something else is in it.
    if [[ -d $path && ! -L $path ]] && { dpkg -S "$path" >/dev/null 2>&1 ||
        [[ -n $(ls -A "$path") ]]; }; then
        continue
    fi
    left+=("$path")
done <"$work/files"
((${#left[@]} == 0)) || fail "left after removal: ${left[*]}"
[[ -e $entry ]] || fail "the removal took the user's own menu entry"
echo "check-package: the package installs, runs and is removed without a trace"
