#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing need,
# only those that are missing, and makes sure the locales the tests use exist.
# Packages named as arguments are installed too (fuzz/run.sh adds clang).
set -euo pipefail

packages=(
  g++ cmake ninja-build ccache pkg-config
  qt6-base-dev qt6-svg-dev libgl-dev qt6-translations-l10n
  libpugixml-dev libgtest-dev libgmock-dev libbenchmark-dev
  nlohmann-json3-dev
  xvfb xauth fonts-dejavu-core locales
  # the install test checks the desktop files; `cpack -G DEB` needs dpkg-shlibdeps
  desktop-file-utils appstream dpkg-dev file
  "$@"
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  as_root apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The readers and writers are tested under a German locale (decimal comma).
need_locale() { locale -a 2>/dev/null | grep -qi "^$1$"; }
if ! need_locale 'de_DE.utf8' || ! need_locale 'en_US.utf8'; then
  for l in 'de_DE.UTF-8 UTF-8' 'en_US.UTF-8 UTF-8'; do
    grep -q "^$l" /etc/locale.gen 2>/dev/null || echo "$l" | as_root tee -a /etc/locale.gen >/dev/null
  done
  as_root locale-gen >/dev/null
fi
