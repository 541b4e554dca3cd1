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

# Generates the UTF-8 locale $1 (e.g. de_DE) when the system lacks it, and lists it in
# /etc/locale.gen so that a later locale-gen keeps it. Needs the `locales` package. Fails when
# the locale still cannot be found afterwards.
ensure_utf8_locale() {
  locale -a 2>/dev/null | grep -qx "$1\.utf8" && return 0
  echo "Generating the locale $1.UTF-8"
  if [ -f /etc/locale.gen ]; then
    sed -i "s/^# *\($1\.UTF-8 UTF-8\)\$/\1/" /etc/locale.gen
    grep -qx "$1\.UTF-8 UTF-8" /etc/locale.gen || echo "$1.UTF-8 UTF-8" >>/etc/locale.gen
  fi
  # -c: the locale sources raise harmless warnings; whether it worked is checked below.
  localedef -c -i "$1" -f UTF-8 -A /usr/share/locale/locale.alias "$1.UTF-8" || true
  if ! locale -a 2>/dev/null | grep -qx "$1\.utf8"; then
    echo "The locale $1.UTF-8 could not be generated." >&2
    return 1
  fi
}
