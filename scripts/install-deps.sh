#!/bin/sh
# Installs the Debian packages that building and testing Quillet need, when missing.
set -e
packages="cmake make g++ pkg-config qt6-base-dev libqscintilla2-qt6-dev libtidy-dev libgl-dev \
fonts-dejavu-core desktop-file-utils"
missing=""
for p in $packages; do
    dpkg -s "$p" >/dev/null 2>&1 || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
echo "Installing:$missing"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends $missing
