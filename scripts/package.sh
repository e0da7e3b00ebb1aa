#!/usr/bin/env bash
# Builds the Debian package from a clean build-package/ and prints its path.
set -euo pipefail
cd "$(dirname "$0")/.."
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
# Debian's compiler and linker flags, all hardening included; CMake reads no CPPFLAGS.
eval "$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --export=sh)"
export CFLAGS="$CFLAGS $CPPFLAGS" CXXFLAGS="$CXXFLAGS $CPPFLAGS"
rm -rf build-package
# Only the program and its data files are built: cpack installs without building everything.
cmake -S . -B build-package -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON "${launcher[@]}" >/dev/null
cmake --build build-package -j"$(nproc)" --target tandrel tandrel_package_data >/dev/null
(cd build-package && cpack -G DEB >/dev/null)
ls "$PWD"/build-package/tandrel_*.deb
