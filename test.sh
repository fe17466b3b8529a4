#!/usr/bin/env bash
# Sets up what is missing, builds the native, x86_64 and i686 trees and runs
# every test: the core natively, the setup programs under Wine, and the
# import check of the shipped i686 build. Ends with CTest's summary.
set -euo pipefail
cd "$(dirname "$0")"

tools/install-deps.sh
for preset in native win64 win32; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done

# One CTest run over the three trees, one summary.
cat > build/CTestTestfile.cmake <<'CT'
subdirs("native" "win64" "win32")
CT
ctest --test-dir build --output-on-failure -j2 "$@"
