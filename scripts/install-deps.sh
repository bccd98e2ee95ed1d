# Sourced by run.sh and test.sh: installs the Debian packages the build needs,
# asking apt only when one is missing.
miravela_packages=(g++ cmake ninja-build qt6-base-dev qt6-base-dev-tools libgl-dev
                   qt6-translations-l10n fonts-liberation2 libxcb1-dev
                   qt6-l10n-tools qt6-tools-dev  # lupdate and lrelease, and their CMake package
                   dpkg-dev file desktop-file-utils appstream)  # the Debian package and its test

miravela_install_missing() {
    local missing=()
    for package in "${miravela_packages[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' \
            || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
