#!/usr/bin/env bash
# Static analysis of our own sources (never build trees or third-party code):
# clang-tidy with the checks in .clang-tidy, and cppcheck. Any finding fails.
set -euo pipefail
cd "$(dirname "$0")/.."

# The compile databases clang-tidy reads: the Linux build, the benchmarks'
# and the fuzzer's.
cmake --preset linux >/dev/null
cmake --preset linux-bench >/dev/null
cmake --preset linux-fuzz >/dev/null
# Sources include a table the build generates; make it before reading them.
cmake --build --preset linux --target tenglama_runtime >/dev/null

# Our sources are the files git tracks or would track: no git, no analysis.
git rev-parse --git-dir >/dev/null
sources() { git ls-files --cached --others --exclude-standard -- "$@"; }
mapfile -t linux_sources < <(sources '*.cpp' ':!fuzz/' ':!bench/' ':!runtime/win32/' ':!tests/win32/' \
  ':!runtime/web/' ':!tests/web/')
mapfile -t bench_sources < <(sources 'bench/*.cpp' ':!bench/win32_*' ':!bench/answer_web_*')
mapfile -t fuzz_sources < <(sources 'fuzz/*.cpp')
# The Windows backend is built by mingw-w64 only; clang-tidy cannot follow
# its compile commands from here, so cppcheck alone reads it.
mapfile -t windows_sources < <(sources 'runtime/win32/*.cpp' 'tests/win32/*.cpp' 'bench/win32_*.cpp')
# Likewise the web backend and its programs, built by Emscripten only.
mapfile -t web_sources < <(sources 'runtime/web/*.cpp' 'tests/web/*.cpp' 'bench/answer_web_*.cpp')

status=0
tidy() {
  local database="$1"; shift
  [ $# -gt 0 ] || return 0
  printf '%s\n' "$@" | xargs -P "$(nproc)" -n 1 \
    clang-tidy -p "$database" --quiet --extra-arg=-Wno-unknown-warning-option \
    2> >(grep -v 'warnings\? generated\.$' >&2) || status=1
}
tidy build/linux "${linux_sources[@]}"
tidy build/linux-bench "${bench_sources[@]}"
tidy build/linux-fuzz "${fuzz_sources[@]}"

# Suppressed for reasons, not to hide faults:
#  - unusedStructMember in tests: the members of table rows are read through
#    GoogleTest's GetParam(), which cppcheck does not follow;
#  - constParameterCallback: callbacks take what their library passes;
#  - useStlAlgorithm: a short loop reads as well as find_if.
#  - normalCheckLevelMaxBranches: cppcheck 2.11 and later say, as mere
#    information, where they limit branch analysis, and fail the run on it.
cppcheck_flags=(
  --quiet --std=c++20 --language=c++ -I. --error-exitcode=1 --inline-suppr
  --enable=warning,style,performance,portability
  --suppress=missingIncludeSystem --suppress='unusedStructMember:tests/*'
  --suppress=constParameterCallback --suppress=useStlAlgorithm --suppress=normalCheckLevelMaxBranches
  --template='{file}:{line}: {severity}: {message} [{id}]')
cppcheck "${cppcheck_flags[@]}" --library=googletest --library=qt "${linux_sources[@]}" "${bench_sources[@]}" "${fuzz_sources[@]}" || status=1
if [ ${#windows_sources[@]} -gt 0 ]; then
  cppcheck "${cppcheck_flags[@]}" --library=googletest --library=windows -D_WIN32 -DUNICODE -D_UNICODE \
    "${windows_sources[@]}" || status=1
fi

cppcheck "${cppcheck_flags[@]}" "${web_sources[@]}" || status=1

[ $status -eq 0 ] && echo "static analysis: clean"
exit $status
