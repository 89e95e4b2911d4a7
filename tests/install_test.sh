#!/usr/bin/env bash
# Installs into a scratch prefix and runs the installed program; checks the
# manual page and completion; builds the Debian package, runs lintian on it
# and checks its metadata and contents.
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

# The manual page: clean under groff's warnings, readable by lexgrog (the
# whatis line), and with the sections and variables a reader looks for.
page=$source/doc/mirelchop.1
check "manual page warnings" "" "$(groff -man -ww -z "$page" 2>&1)"
check "manual page whatis line" "$page: \"mirelchop - split Ada 95 to Ada 2022 source files into one file per compilation unit\"" \
  "$(lexgrog "$page" 2>&1)"
for section in NAME SYNOPSIS DESCRIPTION OPTIONS ENVIRONMENT FILES "EXIT STATUS" EXAMPLES "SEE ALSO"; do
  grep -qx "\.SH $section" "$page" || { echo "FAIL: manual page has no $section section"; failures=$((failures + 1)); }
done
environment=$(sed -n '/^\.SH ENVIRONMENT/,/^\.SH /p' "$page")
for variable in KOVARDIR MIRELCHOP MIRELCHOP_ADA LC_ALL LC_MESSAGES LANG LANGUAGE; do
  grep -qw -- "$variable" <<<"$environment" || { echo "FAIL: $variable not under ENVIRONMENT"; failures=$((failures + 1)); }
done

# Completion of -n offers the two conventions.
complete_words() {
  bash -c 'source "$1"; shift; COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); _mirelchop; echo "${COMPREPLY[*]}"' \
    _ "$source/dist/mirelchop.bash-completion" "$@"
}
check "completion of -n" "GNAT VESK" "$(complete_words mirelchop -n '')"
check "completion of -n v" "VESK" "$(complete_words mirelchop -n v)"
check "completion of -st" "-studio_log" "$(complete_words mirelchop -st)"

# The Debian package, as scripts/package builds it: lintian has nothing to
# say above the informational level, and the metadata and contents are there.
package_log=$scratch/package.log
deb=$(PACKAGE_DIR="$scratch/package" "$source/scripts/package" 2>"$package_log" | tail -n 1) || true
if [ ! -f "$deb" ]; then
  echo "FAIL: scripts/package wrote no package"; tail -n 30 "$package_log"
  exit 1
fi
lintian_status=0
lintian_tags=$(lintian --fail-on error,warning "$deb" 2>/dev/null) || lintian_status=$?
check "lintian errors and warnings" "" "$(grep -E '^[EW]: ' <<<"$lintian_tags" || true)"
check "lintian exit status" 0 "$lintian_status"
check "package name" "mirelchop" "$(dpkg-deb -f "$deb" Package)"
check "package summary" "split Ada 95 to Ada 2022 source files into one file per compilation unit" \
  "$(dpkg-deb -f "$deb" Description | head -n 1)"
check "package recommends" "bash-completion" "$(dpkg-deb -f "$deb" Recommends)"
case "$(dpkg-deb -f "$deb" Depends)" in
  *libqt6core6*) ;;
  *) echo "FAIL: package does not depend on libqt6core6"; failures=$((failures + 1)) ;;
esac
contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for f in ./usr/bin/mirelchop ./usr/lib/mirelchop/bin/mirelchop ./usr/lib/mirelchop/lib/locale/orvchoptags_fr.qm \
         ./usr/lib/mirelchop/lib/locale/plovident_fr.qm ./usr/lib/mirelchop/lib/locale/orvchoptags_de.qm \
         ./usr/share/man/man1/mirelchop.1.gz ./usr/share/bash-completion/completions/mirelchop \
         ./usr/share/doc/mirelchop/copyright ./usr/share/doc/mirelchop/changelog.gz; do
  grep -qx -- "$f" <<<"$contents" || { echo "FAIL: $f not in the package"; failures=$((failures + 1)); }
done
# The wrapper, unpacked, finds its catalogues without KOVARDIR, and leaves a
# KOVARDIR that the caller set alone.
root=$scratch/root
dpkg-deb -x "$deb" "$root"
sed -i "s|/usr/lib/mirelchop|$root/usr/lib/mirelchop|g" "$root/usr/bin/mirelchop"
check "packaged wrapper" $'From p.ada\nÉcriture de p.ads\n1 fichiers découpés.' \
  "$(cd "$work" && env -i PATH=/usr/bin:/bin LANG=fr_FR.UTF-8 "$root/usr/bin/mirelchop" -w p.ada 2>&1)"
check "packaged wrapper, KOVARDIR set" "Fatal Error: directory doesn't exist '$scratch/elsewhere/lib/locale'" \
  "$(cd "$work" && env -i PATH=/usr/bin:/bin KOVARDIR="$scratch/elsewhere" "$root/usr/bin/mirelchop" -w p.ada 2>&1)"

# The quick start (scripts/example) installs and builds the program and its
# catalogues only: no test tool among its packages, and no executable but
# the program in its build, which works.
for tool in libgtest-dev libbenchmark-dev valgrind clang lintian gnat; do
  if "$source/scripts/install-deps" --program --list | grep -qx -- "$tool"; then
    echo "FAIL: the quick start installs $tool"; failures=$((failures + 1))
  fi
done
quick=$scratch/quick
BUILD_DIR=$quick "$source/scripts/build" --program >"$scratch/quick.log" 2>&1 ||
  { echo "FAIL: quick start build"; tail -n 30 "$scratch/quick.log"; failures=$((failures + 1)); }
check "quick start executables" "mirelchop" \
  "$(ninja -C "$quick" -t targets all | sed -n 's/^\([^:]*\): CXX_EXECUTABLE_LINKER.*/\1/p' | sort | tr '\n' ' ' | sed 's/ $//')"
check "quick start program" $'From p.ada\nWritting p.ads\nChopped 1 files.' \
  "$(cd "$work" && env -i PATH=/usr/bin:/bin KOVARDIR="$quick/kovar" "$quick/mirelchop" -w p.ada 2>&1)"

[ "$failures" -eq 0 ] && echo "install and package: all checks passed"
exit "$failures"
