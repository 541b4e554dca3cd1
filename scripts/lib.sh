# Shared by the set-up scripts: install the Debian packages that are missing.
ensure_packages() {
  missing=""
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
      missing="$missing $package"
  done
  if [ -n "$missing" ]; then
    echo "Installing:$missing"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    # shellcheck disable=SC2086
    apt-get install -y -qq --no-install-recommends $missing
  fi
}

BUILD_PACKAGES="g++ cmake ninja-build qt6-base-dev libboost-dev"
TEST_PACKAGES="libgtest-dev libbenchmark-dev locales"
