#!/usr/bin/env bash
# Installs the built library into a fresh prefix, builds the C host of this
# folder from the installed files alone (with pkg-config, then with the CMake
# package) and runs it against the installed library.
set -euo pipefail
construction=$1
sources=$2
travail=$(mktemp -d)
trap 'rm -rf "$travail"' EXIT
prefixe=$travail/prefixe
cmake --install "$construction" --prefix "$prefixe" >"$travail/installation"

# Everything lands under the prefix: the help of km32 show too.
hors=$(grep -E '^-- (Installing|Up-to-date): ' "$travail/installation" | grep -v ": $prefixe/" || true)
[ -z "$hors" ] || { echo "installed outside the prefix:"; echo "$hors"; exit 1; }
for langue in fr en de; do
  test -f "$prefixe/share/km32/aide/aide.$langue.txt" || { echo "no help in $langue under share/km32/aide"; exit 1; }
done
# The installed command-line host runs from the prefix with no library path.
version=$(env -u LD_LIBRARY_PATH "$prefixe/bin/km32" --version) || { echo "the installed km32 does not run"; exit 1; }
[[ $version == "km32 "* ]] || { echo "the installed km32 said: $version"; exit 1; }

pc=$(dirname "$(find "$prefixe" -name km32.pc)")
test -f "$prefixe/include/km32.h"
# The library was built with the sanitizers in the sanitizer build: the host
# then links their runtimes too.
drapeaux=()
symboles=$(nm -D "$(find "$prefixe" -name 'libkm32.so*' -type f -print -quit)")
if [[ $symboles == *" U __asan_init"* ]]; then
  drapeaux=(-fsanitize=address,undefined)
fi

verifie() {
  local sortie=$1
  grep -qx 'd = 5.000000' "$sortie" || { echo "wrong length:"; cat "$sortie"; exit 1; }
  grep -qx 'objects kept: yes' "$sortie" || { echo "the failed text changed the figure:"; cat "$sortie"; exit 1; }
  grep -qx 'text has d: yes' "$sortie" || { echo "the figure text lacks d:"; cat "$sortie"; exit 1; }
}

# pkg-config: nothing of the build tree is on the command line.
cflags=$(PKG_CONFIG_PATH=$pc pkg-config --cflags km32)
libs=$(PKG_CONFIG_PATH=$pc pkg-config --libs km32)
cc -std=c11 -Wall -Wextra -Werror "${drapeaux[@]}" $cflags "$sources/hote.c" $libs -o "$travail/hote"
libdir=$(PKG_CONFIG_PATH=$pc pkg-config --variable=libdir km32)
LD_LIBRARY_PATH=$libdir "$travail/hote" >"$travail/sortie1"
verifie "$travail/sortie1"

# The CMake package.
cmake -S "$sources" -B "$travail/cmake" -G Ninja -DCMAKE_PREFIX_PATH="$prefixe" \
  -DCMAKE_C_FLAGS="${drapeaux[*]}" -DCMAKE_EXE_LINKER_FLAGS="${drapeaux[*]}" >/dev/null
cmake --build "$travail/cmake" >/dev/null
LD_LIBRARY_PATH=$libdir "$travail/cmake/hote" >"$travail/sortie2"
verifie "$travail/sortie2"
echo "the installed library serves a C host built with pkg-config and with the CMake package"
