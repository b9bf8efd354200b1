#!/usr/bin/env bash
# scripts/install-deps against stand-ins for dpkg-query, apt-get, id and sudo, first and alone on PATH:
# it must ask apt-get for exactly the missing packages of the set asked for, and end every failure
# with a sentence that says what to run.
# Usage: tst_installdeps.sh <path of install-deps>
set -u
script=${1:?usage: $0 <install-deps>}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# The stand-ins. dpkg-query behaves as the real one: one line per installed name, a complaint on stderr
# and exit status 1 for every name that is not installed.
bin=$work/bin
mkdir -p "$bin"
for tool in awk grep cat; do ln -s "$(command -v $tool)" "$bin/$tool"; done
cat >"$bin/dpkg-query" <<'STANDIN'
#!/bin/bash
echo "$*" >>"$LOG/dpkg-query"
rc=0
for a in "$@"; do
  case "$a" in -*) continue ;; esac
  if [[ " $MISSING " == *" $a "* ]]; then echo "dpkg-query: no packages found matching $a" >&2; rc=1
  elif [[ " $REMOVED " == *" $a "* ]]; then echo "un  $a"; rc=1
  else echo "ii  $a"; fi
done
exit $rc
STANDIN
cat >"$bin/apt-get" <<'STANDIN'
#!/bin/bash
echo "$*" >>"$LOG/apt-get"
case "$1" in update) exit "${UPDATE_RC:-0}" ;; install) exit "${INSTALL_RC:-0}" ;; esac
STANDIN
cat >"$bin/id" <<'STANDIN'
#!/bin/bash
echo "$UID_SAID"
STANDIN
cat >"$bin/sudo-standin" <<'STANDIN'
#!/bin/bash
echo "$*" >>"$LOG/sudo"
exec "$@"
STANDIN
chmod +x "$bin"/*

# name | uid | sudo there | arguments | missing | removed | update rc | install rc | expected rc | expected apt-get install line | expected text on stderr
cases=(
  "root, program set|0|no||qt6-base-dev zlib1g-dev lintian||0|0|0|install -y --no-install-recommends qt6-base-dev zlib1g-dev|"
  "root, tests add theirs|0|no|--tests|qt6-base-dev lintian xvfb||0|0|0|install -y --no-install-recommends qt6-base-dev xvfb lintian|"
  "root, removed counts as missing|0|no|||cmake|0|0|0|install -y --no-install-recommends cmake|"
  "root, nothing missing|0|no|--tests|||0|0|0||"
  "user with sudo|1000|yes||cmake||0|0|0|install -y --no-install-recommends cmake|"
  "user without sudo|1000|no||cmake||0|0|1||su -c 'make deps'"
  "user without sudo, tests|1000|no|--tests|lintian||0|0|1||su -c 'make test-deps'"
  "apt-get update fails|0|no||cmake||100|0|1||apt-get update failed"
  "apt-get install fails|0|no||cmake||0|100|1|install -y --no-install-recommends cmake|apt-get could not install"
)

for row in "${cases[@]}"; do
  IFS='|' read -r name uid sudo args missing removed update_rc install_rc want_rc want_install want_text <<<"$row"
  log=$work/log
  rm -rf "$log" "$bin/sudo"
  mkdir -p "$log"
  [ "$sudo" = yes ] && ln -s sudo-standin "$bin/sudo"
  # shellcheck disable=SC2086
  LOG=$log MISSING=$missing REMOVED=$removed UID_SAID=$uid UPDATE_RC=$update_rc INSTALL_RC=$install_rc \
    PATH=$bin /bin/bash "$script" $args >"$work/out" 2>"$work/err"
  rc=$?
  # the packages in any order
  got_install=$(grep '^install' "$log/apt-get" 2>/dev/null | tr ' ' '\n' | sort | tr '\n' ' ')
  want_install=$(tr ' ' '\n' <<<"$want_install" | grep . | sort | tr '\n' ' ')
  problems=()
  [ "$rc" -eq "$want_rc" ] || problems+=("exit status $rc, expected $want_rc")
  [ "$got_install" = "$want_install" ] || problems+=("apt-get was asked '$got_install', expected '$want_install'")
  if [ -n "$want_text" ] && ! grep -qF "$want_text" "$work/err"; then problems+=("stderr lacks \"$want_text\"")
  fi
  if [ "$want_rc" -ne 0 ] && [ "$(grep -c . "$work/err")" -lt 1 ]; then problems+=("a failure without a sentence")
  fi
  if [ "$sudo" = yes ] && ! grep -q '^apt-get install' "$log/sudo" 2>/dev/null; then problems+=("apt-get not run through sudo")
  fi
  if [ ${#problems[@]} -eq 0 ]; then
    echo "PASS   : $name"
  else
    failures=$((failures + 1))
    echo "FAIL!  : $name: ${problems[*]}"
    sed 's/^/         stderr: /' "$work/err"
  fi
done

[ "$failures" -eq 0 ] || { echo "$failures of ${#cases[@]} cases failed"; exit 1; }
echo "all ${#cases[@]} cases passed"
