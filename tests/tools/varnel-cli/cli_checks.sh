# Sourced by the varnel-cli check scripts: a scratch root with a database path, failure counting, and
# `expect_from SUBCOMMAND OUTPUT ARGUMENT...`, which runs `varnel-cli SUBCOMMAND DATABASE ARGUMENT...`
# and checks that it succeeds and prints exactly OUTPUT.
cli="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export VARNEL_ROOT="$work"
db="$work/Shop.cdb"
failures=0

fail() { echo "FAILED: $*" >&2; failures=$((failures + 1)); }

expect_from() {
  local subcommand="$1" wanted="$2"; shift 2
  local got
  got=$("$cli" "$subcommand" "$db" "$@" 2>&1) || { fail "$* -> $got"; return; }
  [ "$got" == "$wanted" ] || fail "$*"$'\n'"  wanted: $wanted"$'\n'"  got:    $got"
}
