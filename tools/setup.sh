#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only those missing. As root it runs
# apt-get without any question (CI has no standard input); otherwise it prints the line to run.
# Packages named as arguments are needed too (make fuzz names clang's).
set -euo pipefail

packages=(g++ gcc cmake make libgtest-dev qt6-base-dev binutils srecord python3 "$@")

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$package")
done

if [[ ${#missing[@]} -eq 0 ]]; then
  exit 0
fi

if [[ $(id -u) -eq 0 ]]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update </dev/null
  apt-get install -y --no-install-recommends "${missing[@]}" </dev/null
else
  echo "Missing packages: ${missing[*]}. Install them with:" >&2
  echo "  sudo apt-get update && sudo DEBIAN_FRONTEND=noninteractive apt-get install -y ${missing[*]}" >&2
  exit 1
fi
