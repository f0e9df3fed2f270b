# Read by cpack before it builds a package. Without dpkg-shlibdeps, CPack would quietly make a
# package that names none of the libraries the program needs, so cpack stops instead.
find_program(SLITWISE_SHLIBDEPS dpkg-shlibdeps)
if(NOT SLITWISE_SHLIBDEPS)
    message(FATAL_ERROR "dpkg-shlibdeps is needed to work out the package's dependencies: "
                        "install Debian's dpkg-dev (scripts/install-deps --for-tests does).")
endif()
