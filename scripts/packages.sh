# Sourced by ./test and ./run: installs the Debian packages the project needs when they are missing.
QUORVAL_PACKAGES="cmake g++ clang ninja-build ccache qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev \
libclang-rt-14-dev fonts-liberation2 xvfb xauth poppler-utils imagemagick clang-tidy"

quorval_install_packages() {
    local missing=""
    for pkg in $QUORVAL_PACKAGES; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing="$missing $pkg"
    done
    [ -z "$missing" ] && return 0
    if [ "$(id -u)" != 0 ]; then
        echo "Missing packages:$missing"
        echo "Install them as root with:"
        echo "  apt-get update && apt-get install -y --no-install-recommends$missing"
        exit 1
    fi
    echo "Installing:$missing"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends $missing >/dev/null
}
