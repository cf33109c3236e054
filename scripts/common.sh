# Shared by ./run and ./test: install what is missing, then configure and build.
# Sourced, not run.

BRAVENT_PACKAGES=(
  cmake ninja-build g++ pkg-config ccache
  qt6-base-dev qcoro-qt6-dev
  libsqlite3-dev sqlite3
  # tables on a database server, and the throwaway server of its tests
  libpq-dev postgresql
  libxlsxwriter-dev libfreexl-dev libzip-dev libpugixml-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  # Qt's own dialogs in Spanish; report fonts metric-compatible on every station
  qt6-translations-l10n fonts-liberation
  # peer checks of the exported files and printed pages
  python3-openpyxl python3-xlrd python3-dbfread poppler-utils
)

bravent_missing_packages() {
  local missing=() p
  for p in "${BRAVENT_PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$p")
    fi
  done
  echo "${missing[@]}"
}

bravent_install_dependencies() {
  local missing
  missing=$(bravent_missing_packages)
  [ -z "$missing" ] && return 0
  if [ "$(id -u)" -ne 0 ]; then
    echo "Faltan paquetes. Instálelos como root con:" >&2
    echo "  apt-get install -y $missing" >&2
    exit 1
  fi
  echo "Instalando: $missing"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  # shellcheck disable=SC2086
  apt-get install -y -qq $missing
}

bravent_build() {
  local build_dir=${BRAVENT_BUILD_DIR:-build}
  if [ ! -f "$build_dir/build.ninja" ]; then
    cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
  fi
  cmake --build "$build_dir" -j "$(nproc)"
}
