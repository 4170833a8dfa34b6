#!/usr/bin/env bash
# Takes the README's pictures of the desktop program from the real windows:
# the main window after sample data set 1 and the data editor, the results
# viewer and the histogram of its scores, into docs/, on a 1366 x 768 screen.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset asan >/dev/null
cmake --build --preset asan -j "${JOBS:-2}" --target kor_ui_tests
KOR_SCREENSHOT_DIR="$PWD/docs" QT_QPA_PLATFORM="offscreen:configfile=$PWD/tests/ui/screen-100.json" ./build/asan/tests/ui/kor_ui_tests Screenshots
KOR_SCREENSHOT_DIR="$PWD/docs" QT_QPA_PLATFORM="offscreen:configfile=$PWD/tests/ui/screen-100.json" ./build/asan/tests/ui/kor_ui_tests \
  ViewersTest screenshotsOfTheResultsViewerAndTheHistogram
ls -l docs/main-window.png docs/data-editor.png docs/results-viewer.png docs/histogram.png
