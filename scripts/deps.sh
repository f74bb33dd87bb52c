# Sourced by scripts/run and scripts/test: installs the Debian packages the build and the tests need.
corvane_packages=(
    build-essential cmake ninja-build pkg-config ccache
    qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-qpa-plugins
    libgl-dev libhunspell-dev hunspell-en-us libical-dev
    clang libfuzzer-14-dev desktop-file-utils appstream
    libbenchmark-dev clang-format
    xvfb xauth x11-utils xdotool trayer imagemagick poppler-utils
    fonts-dejavu-core adwaita-icon-theme
)

install_missing_packages() {
    local missing=()
    for p in "${corvane_packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
}
