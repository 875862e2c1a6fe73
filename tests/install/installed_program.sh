#!/usr/bin/env bash
# The installed program, without root: installs the build with a temporary folder as the
# prefix, checks the desktop entry and the AppStream file, starts the installed program on
# the installed material until its main window has painted, and runs the installed tools.
#
# The temporary folder is the prefix, not a DESTDIR: the install then writes that folder's
# paths into the directories file (<root>/etc/vindra/Kelvo97.Ini), and the program finds that
# file, unchanged, through XDG_CONFIG_HOME=<root>/etc. Under a DESTDIR the file would name
# /usr/share/vindra/material, outside the temporary folder.
#
#   installed_program.sh CMAKE BUILD_DIR PROBE_PLUGIN_DIR
set -euo pipefail

cmake=$1 build=$2 probes=$3
root=$(mktemp -d "${TMPDIR:-/tmp}/vindra-install.XXXXXX")
trap 'rm -rf "$root"' EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

"$cmake" --install "$build" --prefix "$root" > "$root/install.log" ||
  { cat "$root/install.log" >&2; fail "cmake --install"; }

# The menu entry starts an installed program and shows an installed icon.
app=$(basename "$root"/share/applications/*.desktop .desktop)
desktop=$root/share/applications/$app.desktop
desktop-file-validate "$desktop" || fail "desktop-file-validate $desktop"
appstreamcli validate --no-net "$root/share/metainfo/$app.metainfo.xml" > /dev/null ||
  fail "appstreamcli validate $app.metainfo.xml"
exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
icon=$(sed -n 's/^Icon=//p' "$desktop")
[ -x "$root/bin/$exec_name" ] || fail "Exec=$exec_name is not an installed program"
for f in scalable/apps/$icon.svg 48x48/apps/$icon.png 256x256/apps/$icon.png; do
  [ -s "$root/share/icons/hicolor/$f" ] || fail "icon $f is not installed"
done

# The modules the program loads at its first sound and its first printout.
for module in vindra-sound vindra-print; do
  find "$root" -path "*/vindra/$module.so" | grep -q . || fail "$module.so is not installed"
done

# The material folders and nothing else (the material's build folder holds CMake's files too).
[ "$(ls "$root/share/vindra/material")" = "$(printf 'BILD\nDATA\nLJUD\nREGLER')" ] ||
  fail "share/vindra/material holds more than the material: $(ls "$root/share/vindra/material")"

# Every account writes the results and the high-score lists and may create the teacher's
# password file, which only its creator may then replace.
for d in results=777 scores=777 material/DATA=1777; do
  mode=$(stat -c %a "$root/var/lib/vindra/${d%=*}")
  [ "$mode" = "${d#*=}" ] || fail "var/lib/vindra/${d%=*} has mode $mode, not ${d#*=}"
done

export HOME=$root/home XDG_CONFIG_HOME=$root/etc QT_QPA_PLATFORM=offscreen
mkdir -p "$HOME"

out=$(QT_PLUGIN_PATH=$probes QT_QPA_GENERIC_PLUGINS=vindrastartprobe "$root/bin/vindra" 2>&1) ||
  { echo "$out" >&2; fail "the installed program did not reach its main window"; }
for line in "main window: Engel" "Paste: Klistra &in" "Cancel: Avbryt"; do
  grep -qxF "$line" <<< "$out" || { echo "$out" >&2; fail "expected \"$line\""; }
done

for tool in vindra-register vindra-material; do
  help=$("$root/bin/$tool" --help) && [[ $help == "usage: $tool "* ]] || fail "$tool --help"
  [[ $("$root/bin/$tool" --version) =~ ^$tool\ [0-9]+(\.[0-9]+)*$ ]] || fail "$tool --version"
done

# The register tool finds the installed directories file and saves in the results directory.
"$root/bin/vindra-register" add Testelev > /dev/null || fail "vindra-register add"
[ "$("$root/bin/vindra-register" check)" = "1 records, no problems" ] || fail "vindra-register check"
[ -f "$root/var/lib/vindra/results/RDIAG.DIA" ] || fail "the register is not in the results directory"
echo "installed program: all checks passed"
