# Sourced by the shell tests, the counterpart of support/RequireTool.h.
# require_tool NAME...: a program missing from PATH skips the test (exit 77,
# which CTest shows as skipped when the test sets SKIP_RETURN_CODE 77) or,
# where the tests are required to run (VELLARMO_REQUIRE_TOOLS=1, as CI sets),
# fails it. unavailable WHAT: the same for any other need, with its reason.
unavailable() {
  if [ "${VELLARMO_REQUIRE_TOOLS:-}" = 1 ]; then
    echo "FAIL: required but missing (VELLARMO_REQUIRE_TOOLS=1): $*" >&2
    exit 1
  fi
  echo "SKIPPED, missing: $*" >&2
  exit 77
}

require_tool() {
  local tool
  for tool in "$@"; do
    command -v "$tool" >/dev/null 2>&1 || unavailable "$tool"
  done
}
