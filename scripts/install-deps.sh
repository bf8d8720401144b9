#!/usr/bin/env bash
# Installs what building, testing and running the demo need on Debian 12. Idempotent: it
# only asks apt for packages that are missing and only generates the locales once.
set -euo pipefail

sudo_if_needed() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# 32-bit Windows programs (the i686 library, its tests and the 32-bit host) run in 32-bit Wine,
# which comes from Debian's i386 architecture and is installed beside the 64-bit one.
added_i386=0
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    echo "Adding the i386 architecture for 32-bit Wine"
    sudo_if_needed dpkg --add-architecture i386
    added_i386=1
fi

packages=(
    cmake g++ make googletest libgtest-dev python3 python3-fonttools nlohmann-json3-dev
    g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix binutils-mingw-w64
    wine wine64 wine32:i386 xvfb x11-utils fonts-wqy-microhei fonts-noto-cjk fonts-tlwg-loma-ttf locales imagemagick
    clang libclang-rt-14-dev clang-format
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ] || [ $added_i386 -eq 1 ]; then
    echo "Installing: ${missing[*]}"
    sudo_if_needed apt-get update -qq
    sudo_if_needed env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
fi

# Chinese text renders under Wine only with a Chinese locale present on the machine; the
# Portuguese window shows dates and times the Portuguese way only under a Portuguese one.
wanted_locales=(zh_CN en_US pt_BR)
for l in "${wanted_locales[@]}"; do
    if ! locale -a 2>/dev/null | grep -qi "^$l\.utf-\?8$"; then
        for w in "${wanted_locales[@]}"; do
            sudo_if_needed sed -i "s/^# *\($w.UTF-8 UTF-8\)/\1/" /etc/locale.gen
            grep -q "^$w.UTF-8 UTF-8" /etc/locale.gen ||
                echo "$w.UTF-8 UTF-8" | sudo_if_needed tee -a /etc/locale.gen >/dev/null
        done
        sudo_if_needed locale-gen >/dev/null
        break
    fi
done
