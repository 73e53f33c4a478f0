#!/usr/bin/env bash
# Fails when a C++ file of the repository does not follow .clang-format; lists
# each such file. Format one with: clang-format -i <file>
set -euo pipefail
cd "$(dirname "$0")/.."
command -v clang-format >/dev/null || {
  echo "clang-format is missing: sudo apt-get install clang-format" >&2
  exit 1
}
bad=()
while IFS= read -r file; do
  clang-format --dry-run -Werror "$file" >/dev/null 2>&1 || bad+=("$file")
done < <(git ls-files -- '*.cpp' '*.h')
if [ ${#bad[@]} -gt 0 ]; then
  echo "These files do not follow .clang-format:" >&2
  printf '  %s\n' "${bad[@]}" >&2
  exit 1
fi
echo "Every C++ file follows .clang-format."
