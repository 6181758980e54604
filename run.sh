#!/usr/bin/env bash
# Builds zori and runs the example job or the tests.
#   ./run.sh example   check the bundled example projects (Delphi and Lazarus)
#   ./run.sh test      build and run every test suite
#   ./run.sh build     configure and build only
#   ./run.sh gui       open the bundled example in zori's window (needs a display)
set -euo pipefail
cd "$(dirname "$0")"

packages=(cmake g++ make libpugixml-dev libicu-dev libcli11-dev nlohmann-json3-dev
          libgtest-dev libgmock-dev libbenchmark-dev
          qt6-base-dev)

install_missing() {
  local missing=()
  for p in "${packages[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  if [ "$(id -u)" -ne 0 ]; then
    echo "run.sh: missing packages: ${missing[*]} (install them as root)" >&2
    exit 1
  fi
  echo "run.sh: installing ${missing[*]}" >&2
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
}

build() {
  install_missing
  cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build build -j "$(nproc)"
}

case "${1:-}" in
  build) build ;;
  example)
    build >/dev/null
    # Exit 1 means findings (the example's tab orders differ from the suggested ones).
    for project in examples/Estoque/Estoque.dpr examples/Agenda/agenda.lpi; do
      status=0
      ./build/apps/zori/zori --package-dir "$(mktemp -d)" check "$project" || status=$?
      [ "$status" -le 1 ] || exit "$status"
    done
    ;;
  gui)
    build >/dev/null
    # A copy, so the example in the repository stays as it is whatever is saved.
    work="$(mktemp -d)"
    cp -r examples/Estoque "$work/"
    exec ./build/apps/zori/zori --package-dir "$work/pkg" gui "$work/Estoque/Estoque.dpr"
    ;;
  test)
    build
    ctest --test-dir build --output-on-failure -j "$(nproc)" --timeout 300
    # Root reads and writes anything, so the permission cases run again as root without the
    # capabilities that override file modes, as a normal user would meet them.
    drop=(setpriv --bounding-set=-dac_override,-dac_read_search --)
    if [ "$(id -u)" -eq 0 ]; then
      if command -v setpriv >/dev/null && "${drop[@]}" true 2>/dev/null; then
        "${drop[@]}" ctest --test-dir build --output-on-failure -R 'BadInputTest' --timeout 300
      else
        echo "run.sh: cannot drop root's file capabilities here; permission cases not run" >&2
      fi
    fi
    ;;
  *)
    echo "usage: ./run.sh example|test|build|gui" >&2
    exit 2
    ;;
esac
