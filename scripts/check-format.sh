#!/usr/bin/env bash
# Prints the C++ files under src, tests, bench and tools whose text differs
# from what clang-format makes of it with the repository's .clang-format, one
# a line, and exits 1 when there is any (0 when every file is formatted).
# CLANG_FORMAT names another clang-format program.
set -euo pipefail
cd "$(dirname "$0")/.."

clang_format=${CLANG_FORMAT:-clang-format}
if ! command -v "$clang_format" >/dev/null; then
  echo "check-format.sh: $clang_format not found (scripts/install-deps.sh installs it)" >&2
  exit 2
fi

status=0
while IFS= read -r -d '' file; do
  if ! "$clang_format" --style=file "$file" | cmp -s - "$file"; then
    echo "$file"
    status=1
  fi
done < <(find src tests bench tools -type f \( -name '*.cpp' -o -name '*.h' \) -print0 | sort -z)
exit "$status"
