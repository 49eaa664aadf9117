#!/usr/bin/env bash
# Installs the Debian packages that are missing (as root, or through sudo):
# those that building and running the program need, and with the argument
# "testy" also those of the tests (GoogleTest, Google Benchmark, the fuzzing
# compiler, the DXF and PDF readers, the virtual display, setfacl/getfacl).
set -euo pipefail
PAKIETY=(build-essential cmake pkg-config qt6-base-dev libgl-dev libjpeg-dev zlib1g-dev libxxhash-dev
         hershey-fonts-data fonts-dejavu-core fonts-noto-mono qt6-translations-l10n)
if [ "${1:-}" = testy ]; then
  PAKIETY+=(libgtest-dev googletest libbenchmark-dev python3-ezdxf clang libclang-rt-14-dev
            poppler-utils xvfb xauth jwm acl)
fi
brak=()
for p in "${PAKIETY[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || brak+=("$p")
done
[ ${#brak[@]} -eq 0 ] && exit 0
echo "Instaluję brakujące pakiety: ${brak[*]}"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${brak[@]}"
