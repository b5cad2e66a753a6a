#!/bin/bash
# Configures a scratch build of the source tree and builds only its translations, with a bare
# "lrelease" first on the PATH that is not Qt 6's (qtchooser puts one in /usr/bin that runs Qt 5's,
# which Qt 6 machines lack): the build must run the lrelease Qt 6's CMake package names.
# Usage: translations_build_test.sh SOURCE_DIR GENERATOR
set -eu
source_dir=$1
generator=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

mkdir "$scratch/bin"
cat > "$scratch/bin/lrelease" <<'TOOL'
#!/bin/sh
echo "lrelease: could not exec '/usr/lib/qt5/bin/lrelease': No such file or directory" >&2
exit 1
TOOL
chmod +x "$scratch/bin/lrelease"
export PATH="$scratch/bin:$PATH"

if [ -L /usr/bin/lrelease ] && [ "$(readlink -f /usr/bin/lrelease)" = /usr/bin/qtchooser ]; then
    echo "qtchooser's lrelease is on this machine too"
fi
if ! cmake -S "$source_dir" -B "$scratch/build" -G "$generator" >"$scratch/configure.log" 2>&1; then
    cat "$scratch/configure.log"
    exit 1
fi
cmake --build "$scratch/build" --target swivlo_translations
qm=$scratch/build/src/app/translations/swivlo_en.qm
if [ ! -s "$qm" ]; then
    echo "no $qm" >&2
    exit 1
fi
echo "built $(basename "$qm") with Qt 6's lrelease"
