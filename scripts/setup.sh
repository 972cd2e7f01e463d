#!/usr/bin/env bash
# Installs every Debian package needed to build, run and test Quelvan.
# Idempotent: packages already present are left alone. Runs as root or through sudo.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config git
    qt6-base-dev qt6-base-dev-tools libqt6printsupport6 libqt6opengl6-dev libgl-dev
    qt6-translations-l10n libx11-dev
    libgtest-dev libgmock-dev libbenchmark-dev libcli11-dev nlohmann-json3-dev libtbb-dev
    fonts-liberation fonts-dejavu-core fontconfig
    poppler-utils xvfb xauth x11-apps x11-utils imagemagick
    openbox xdotool
    clang clang-tidy clang-format libclang-rt-dev llvm
    dpkg-dev file desktop-file-utils appstream man-db bash-completion
    valgrind hyperfine parallel
    locales
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=(sudo)
fi

if [ ${#missing[@]} -gt 0 ]; then
    echo "setup: installing ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    "${sudo_cmd[@]}" apt-get update -qq
    "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The tests check that number text does not follow the process locale: they need a French one.
if ! locale -a 2>/dev/null | grep -qi '^fr_FR\.utf-\?8$'; then
    echo "setup: generating the fr_FR.UTF-8 locale"
    "${sudo_cmd[@]}" sed -i 's/^# *fr_FR.UTF-8 UTF-8/fr_FR.UTF-8 UTF-8/' /etc/locale.gen
    "${sudo_cmd[@]}" locale-gen >/dev/null
fi
echo "setup: ready"
