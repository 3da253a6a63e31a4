#!/bin/sh
# Installs what building, running and testing need on Debian 12 (as root).
set -e
apt-get update
DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends \
  cmake make g++ qtbase5-dev qtdeclarative5-dev \
  qml-module-qtquick2 qml-module-qtquick-controls2 qml-module-qtquick-window2 \
  qml-module-qt-labs-calendar qml-module-qttest libqt5svg5 fonts-liberation fonts-dejavu-core \
  xvfb xauth imagemagick xdotool iproute2 util-linux \
  libbenchmark-dev clang libclang-rt-14-dev
