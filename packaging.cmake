# The Debian package: `cpack -G DEB` in a build folder. Its dependencies are
# computed from the programs' libraries (dpkg-shlibdeps).
set(CPACK_PACKAGE_NAME "orv")
set(CPACK_PACKAGE_VENDOR "The ORV developers")
set(CPACK_PACKAGE_CONTACT "The ORV developers <orv@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "ellipsoid of inertia of golf club heads")
set(CPACK_PACKAGE_DESCRIPTION
    "ORV is for people who measure golf club heads. For each head the user types
in the measured mass, volume, centre of mass, six moments of inertia and lie
angle; ORV computes the inertia tensor about the centre of gravity, the
principal moments and axis directions, the moment about the lie-angle axis
and the equivalent uniform ellipsoid, shows all heads of a document in two
grids and keeps them in a club data file. orv-calc does the same in batch
with CSV files.")
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "science")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${PROJECT_HOMEPAGE_URL}")
include(CPack)
