# Sourced by the scripts: installs the Debian packages the build, the tests and the demo need.
QUILLON_PACKAGES=(build-essential cmake ninja-build pkg-config ccache qt6-base-dev
  libqt6sql6-sqlite libfreexl-dev libzip-dev libpugixml-dev fonts-liberation2 xvfb xauth sqlite3)

ensure_packages() {
  local missing=()
  for p in "${QUILLON_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages: ${missing[*]} (run as root to install them)" >&2
    return 1
  fi
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update
  apt-get install -y --no-install-recommends "${missing[@]}"
}
