#!/usr/bin/env bash
# Sets up what is missing, builds the Linux program with AddressSanitizer and
# UndefinedBehaviorSanitizer into build-tests/ and runs its whole test suite headless; then
# cross-builds the Windows program into build-win32/, runs its suites under Wine on a private
# X display, runs the engine's tests as WebAssembly under Node and the browser's program in
# headless Chromium (build-web/), plays both desktop programs
# with keys from the X server (tools/keyboardcheck.sh) and checks the Windows installer and zip
# (tools/installcheck.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
# The sound output is tested against a private PulseAudio server; the Windows program is built
# with MinGW-w64 and GoogleTest's sources, run under Wine and packaged with NSIS.
tools/setup.sh pulseaudio pulseaudio-utils g++-mingw-w64-x86-64-posix googletest wine wine64 \
    fonts-wine nsis xvfb xauth
# A warning fails these builds: a dropped break or an ignored result is a fault to mend.
export TARVELO_WERROR=ON
cmake -S . -B build-tests -DCMAKE_BUILD_TYPE=Debug -DTARVELO_SANITIZE=ON -DTARVELO_BENCH=ON \
    -DTARVELO_WERROR=ON >/dev/null
cmake --build build-tests -j"$(nproc)"
(cd build-tests && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)")

echo "== The Linux program's windows, against their reference pictures"
tools/pictures.sh --against tests/pictures/linux build-tests

echo "== The Windows program, under Wine"
tools/build.sh --windows
# Wine draws the frames itself, with no window manager to wait for, and looks for no sound card.
tools/wine.sh reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null
export WINEDLLOVERRIDES="mscoree,mshtml=;winealsa.drv,winepulse.drv="
if ! xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" ctest --test-dir build-win32 -V \
    >build-win32/tests.log 2>&1; then
    cat build-win32/tests.log
    exit 1
fi
grep -h -E '^[0-9]+: \[==========\] .* ran|^[0-9]+: \[  PASSED  \]|tests passed' build-win32/tests.log

echo "== The Windows program's frames in play, against theirs and the Linux program's well"
tools/frames.sh

echo "== The Windows program's windows walked again at 144 dots an inch"
desktop='HKCU\Control Panel\Desktop'
tools/wine.sh reg add "$desktop" /v LogPixels /t REG_DWORD /d 144 /f >/dev/null
status=0
TARVELO_TEST_DPI=144 xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" \
    tools/wine.sh build-win32/tests/win32_tests.exe --gtest_filter='Forms*' \
    >build-win32/tests-144.log 2>&1 || status=$?
tools/wine.sh reg delete "$desktop" /v LogPixels /f >/dev/null
if [ "$status" != 0 ]; then
    cat build-win32/tests-144.log
    exit 1
fi
grep -h -E '^\[  PASSED  \]' build-win32/tests-144.log

echo "== The Windows program's windows under Wine, against their reference pictures"
tools/pictures.sh --wine --against tests/pictures/wine build-win32

echo "== The engine's tests as WebAssembly, under Node"
# npm comes with some Node.js builds, which then refuse Debian's own npm package.
tools/setup.sh emscripten nodejs $(command -v npm >/dev/null || echo npm)
tools/build.sh --web
(cd build-web && ctest --output-on-failure -V | grep -E '^[0-9]+: \[  PASSED  \]|tests passed')

echo "== The browser's program, in Debian's headless Chromium"
tools/setup.sh chromium
(cd tests/web && npm ci --no-audit --no-fund --loglevel=error)
# A test that hangs fails after two minutes instead of holding the run.
if ! node --test --test-timeout=120000 tests/web/test_*.mjs >build-web/browser-tests.log 2>&1; then
    cat build-web/browser-tests.log
    exit 1
fi
grep -E '^# (tests|pass|fail) ' build-web/browser-tests.log

echo "== Keys from the X server after every window, with no window manager"
tools/keyboardcheck.sh build-tests

echo "== The Windows packages, installed and removed under Wine"
tools/installcheck.sh
