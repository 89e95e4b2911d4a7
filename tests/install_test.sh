#!/usr/bin/env bash
# Installs into a scratch prefix and runs the installed program; builds the
# Debian package and checks its metadata and contents.
#   install_test.sh <build dir> <source dir>
set -euo pipefail
build=$1
source=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0
check() {  # check <description> <expected> <actual>
  if [ "$2" != "$3" ]; then
    printf 'FAIL: %s\n  expected: %q\n  actual:   %q\n' "$1" "$2" "$3"
    failures=$((failures + 1))
  fi
}

# cmake --install: the prefix is an installation directory as it stands.
prefix=$scratch/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
for f in bin/mirelchop lib/locale/orvchoptags_fr.qm lib/locale/plovident_fr.qm \
         share/man/man1/mirelchop.1 share/bash-completion/completions/mirelchop; do
  [ -e "$prefix/$f" ] || { echo "FAIL: $f not installed"; failures=$((failures + 1)); }
done
work=$scratch/work
mkdir -p "$work"
printf 'package P is\nend P;\n' > "$work/p.ada"
run() { (cd "$work" && env -i PATH=/usr/bin:/bin KOVARDIR="$prefix" "$@" "$prefix/bin/mirelchop" -w p.ada 2>&1); }
check "installed, untranslated" $'From p.ada\nWritting p.ads\nChopped 1 files.' "$(run LANG=C)"
check "installed, French" $'From p.ada\nÉcriture de p.ads\n1 fichiers découpés.' "$(run LANG=fr_FR.UTF-8)"

# The manual page renders without a warning.
check "manual page warnings" "" "$(groff -man -ww -z "$source/doc/mirelchop.1" 2>&1)"

# Completion of -n offers the two conventions.
complete_words() {
  bash -c 'source "$1"; shift; COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); _mirelchop; echo "${COMPREPLY[*]}"' \
    _ "$source/dist/mirelchop.bash-completion" "$@"
}
check "completion of -n" "GNAT VESK" "$(complete_words mirelchop -n '')"
check "completion of -n v" "VESK" "$(complete_words mirelchop -n v)"
check "completion of -st" "-studio_log" "$(complete_words mirelchop -st)"

# The Debian package: wrapper, program, catalogues, manual, completion, dependencies.
package_build=$scratch/package
cmake -S "$source" -B "$package_build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DMIRELCHOP_PACKAGE_LAYOUT=ON -DCMAKE_INSTALL_PREFIX=/usr >/dev/null
cmake --build "$package_build" --target mirelchop catalogues >/dev/null
(cd "$package_build" && cpack >/dev/null)
deb=$(ls "$package_build"/mirelchop_*.deb)
check "package name" "mirelchop" "$(dpkg-deb -f "$deb" Package)"
case "$(dpkg-deb -f "$deb" Depends)" in
  *libqt6core6*) ;;
  *) echo "FAIL: package does not depend on libqt6core6"; failures=$((failures + 1)) ;;
esac
contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for f in ./usr/bin/mirelchop ./usr/lib/mirelchop/bin/mirelchop ./usr/lib/mirelchop/lib/locale/orvchoptags_fr.qm \
         ./usr/lib/mirelchop/lib/locale/plovident_fr.qm ./usr/share/man/man1/mirelchop.1 \
         ./usr/share/bash-completion/completions/mirelchop; do
  grep -qx -- "$f" <<<"$contents" || { echo "FAIL: $f not in the package"; failures=$((failures + 1)); }
done
# The wrapper, unpacked, finds its catalogues without KOVARDIR.
root=$scratch/root
dpkg-deb -x "$deb" "$root"
sed -i "s|/usr/lib/mirelchop|$root/usr/lib/mirelchop|g" "$root/usr/bin/mirelchop"
check "packaged wrapper" $'From p.ada\nÉcriture de p.ads\n1 fichiers découpés.' \
  "$(cd "$work" && env -i PATH=/usr/bin:/bin LANG=fr_FR.UTF-8 "$root/usr/bin/mirelchop" -w p.ada 2>&1)"

[ "$failures" -eq 0 ] && echo "install and package: all checks passed"
exit "$failures"
