#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need,
# only those that are missing (as root, or through sudo).
set -euo pipefail
PAKIETY=(build-essential cmake pkg-config qt6-base-dev libgl-dev libjpeg-dev
         libgtest-dev googletest libbenchmark-dev hershey-fonts-data
         fonts-dejavu-core fonts-noto-mono python3-ezdxf clang libclang-rt-14-dev xvfb xauth
         qt6-translations-l10n zlib1g-dev poppler-utils jwm)
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
