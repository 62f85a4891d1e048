#!/usr/bin/env bash
# Builds the Debian package as a packager would: a Release build with Debian's
# hardening flags in a folder of its own, then CPack.
#   scripts/build-package.sh [BUILD_FOLDER]   ->  BUILD_FOLDER/vorlune_VERSION_ARCH.deb
# SOURCE_DATE_EPOCH defaults to the time of the last commit, so that the same
# commit gives the same package. VORLUNE_WERROR=ON makes warnings errors.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-package}

export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct 2>/dev/null || date +%s)}
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
# Debian's flags map the source folder away; the build folder's name is mapped
# too, so that two build folders give the same binaries.
cxxflags="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS) -ffile-prefix-map=$(realpath -m "$build")=build"
ldflags=$(dpkg-buildflags --get LDFLAGS)

# The flags are given on every run: CMake reads CXXFLAGS only into a new folder.
cmake -G Ninja -Wno-dev -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DVORLUNE_TESTS=OFF \
  -DVORLUNE_WERROR="${VORLUNE_WERROR:-OFF}" -DCMAKE_CXX_FLAGS="$cxxflags" \
  -DCMAKE_EXE_LINKER_FLAGS="$ldflags" > /dev/null
cmake --build "$build" -j "${JOBS:-2}"
rm -f "$build"/vorlune_*.deb
(cd "$build" && cpack -G DEB > cpack.log)
ls "$build"/vorlune_*.deb
