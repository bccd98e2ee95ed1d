# The Debian package. In a Release build tree, `cpack -G DEB` gives
# miravela_<version>_<architecture>.deb; its Depends line is worked out from
# the libraries the program links (dpkg-shlibdeps, from dpkg-dev) plus Qt's
# own translations and the fonts the windows use.

if(CMAKE_BUILD_TYPE STREQUAL "Release" AND NOT MIRAVELA_SANITIZE)
    # The hardening Debian builds its packages with.
    add_compile_options(-D_FORTIFY_SOURCE=2 -fstack-protector-strong -Wformat
                        -Werror=format-security)
    add_link_options(-Wl,-z,relro -Wl,-z,now)
    set(CMAKE_POSITION_INDEPENDENT_CODE ON)
    include(CheckPIESupported)
    check_pie_supported()
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME miravela)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Miravela maintainers <maintainers@miravela.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n, fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calendar of fertile days and basal-temperature readings")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Miravela works out the fertile days of a menstrual cycle by the calendar
method and prints them, keeps the first day of every period with the daily
basal-temperature readings, draws and prints a temperature chart and a
summary report, keeps three note pads and counts the days between two dates.

Its interface is in Polish and English. The menu entry starts it in the
data folder ~/Miravela, which is created with empty files when it is missing.")
include(CPack)
