#!/usr/bin/env bash
# Builds the Debian package from a finished build, unpacks it into a temporary folder and
# checks what a user would get: the programs start from there, and the desktop entry,
# AppStream metadata, manual pages, completion and udev rule are where the system looks.
# Usage: test-package.sh BUILD_DIR [CPACK]
set -euo pipefail
build=$(cd "$1" && pwd)
cpack=${2:-cpack}

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "package test: $*" >&2; exit 1; }

(cd "$build" && "$cpack" -G DEB -B "$scratch/out" >"$scratch/cpack.log" 2>&1) ||
    { cat "$scratch/cpack.log" >&2; fail "cpack -G DEB failed"; }
package=$(find "$scratch/out" -maxdepth 1 -name 'corva-dsp_*.deb' | head -n 1)
[ -n "$package" ] || fail "no package in $scratch/out"

dpkg-deb -c "$package" | awk '{print $6}' | sort >"$scratch/listing"
root=$scratch/root
dpkg-deb -x "$package" "$root"
dpkg-deb -f "$package" Depends | tr ',' '\n' | sed 's/^ *//' >"$scratch/depends"

for file in usr/bin/corva-dsp usr/bin/corva-dsp-cli usr/bin/corva-dsp-sim \
    usr/share/applications/org.corvadsp.CorvaDsp.desktop \
    usr/share/metainfo/org.corvadsp.CorvaDsp.metainfo.xml \
    usr/share/icons/hicolor/scalable/apps/org.corvadsp.CorvaDsp.svg \
    usr/share/icons/hicolor/48x48/apps/org.corvadsp.CorvaDsp.png \
    usr/share/man/man1/corva-dsp.1.gz usr/share/man/man1/corva-dsp-cli.1.gz \
    usr/share/man/man1/corva-dsp-sim.1.gz \
    usr/share/bash-completion/completions/corva-dsp-cli \
    usr/lib/udev/rules.d/70-corva-dsp.rules; do
    [ -f "$root/$file" ] || fail "$file is not in the package"
done
# Only what a user needs: no test programs, no static libraries, nothing from the build.
if grep -Ev '^\./(usr/(bin|share/(applications|metainfo|icons|man|bash-completion|doc))|usr/lib/udev)?' \
    "$scratch/listing" | grep -v '/$' | grep .; then
    fail "unexpected files in the package"
fi
# The dependencies were found in the binaries, not written by hand.
for library in libqt6widgets6 libhidapi-hidraw0 libcjson1 libxlsxwriter; do
    grep -q "^$library" "$scratch/depends" || fail "Depends lacks $library: $(paste -sd, "$scratch/depends")"
done

export XDG_CONFIG_HOME=$scratch/config XDG_DATA_HOME=$scratch/data
version=$(cd "$scratch" && "$root/usr/bin/corva-dsp-cli" --version) || fail "corva-dsp-cli --version failed"
[[ $version == "corva-dsp-cli "* ]] || fail "corva-dsp-cli --version printed '$version'"
version=$(cd "$scratch" && QT_QPA_PLATFORM=offscreen "$root/usr/bin/corva-dsp" --version) ||
    fail "corva-dsp --version failed"
[[ $version == "corva-dsp "* ]] || fail "corva-dsp --version printed '$version'"
# The unpacked programs work, not only answer: a simulated processor's information as JSON.
(cd "$scratch" && "$root/usr/bin/corva-dsp-cli" --sim --json info >"$scratch/info.json") ||
    fail "corva-dsp-cli --sim info failed"
grep -q '"presets"' "$scratch/info.json" || fail "corva-dsp-cli --sim info printed no presets"
# Nothing was written beside the programs.
[ "$(ls "$root/usr/bin")" = "$(printf 'corva-dsp\ncorva-dsp-cli\ncorva-dsp-sim')" ] ||
    fail "files appeared beside the programs: $(ls "$root/usr/bin")"

desktop-file-validate "$root/usr/share/applications/org.corvadsp.CorvaDsp.desktop" ||
    fail "desktop-file-validate"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.corvadsp.CorvaDsp.metainfo.xml" ||
    fail "appstreamcli validate"
grep -q 'TAG+="uaccess"' "$root/usr/lib/udev/rules.d/70-corva-dsp.rules" ||
    fail "the udev rule gives no seat access"
for page in corva-dsp corva-dsp-cli corva-dsp-sim; do
    zcat "$root/usr/share/man/man1/$page.1.gz" | grep -q '^\.SH DESCRIPTION' ||
        fail "the manual page of $page has no description"
done
# The completion as bash runs it: the values of one key of `set`.
completed=$(bash -c 'source /usr/share/bash-completion/bash_completion
    source "$1"
    COMP_WORDS=(corva-dsp-cli --sim set FL hpf.kind=b) COMP_CWORD=4
    COMP_LINE="${COMP_WORDS[*]}" COMP_POINT=${#COMP_LINE}
    _corva_dsp_cli corva-dsp-cli hpf.kind=b FL
    echo "${COMPREPLY[*]}"' _ "$root/usr/share/bash-completion/completions/corva-dsp-cli")
[ "$completed" = "hpf.kind=bw hpf.kind=bessel" ] || fail "completion of hpf.kind=b gave '$completed'"
echo "package test: $(basename "$package") unpacked and started"
