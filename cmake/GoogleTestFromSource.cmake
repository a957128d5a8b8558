# GoogleTest and GoogleMock compiled from source, for builds where no library of them fits
# the target (the Windows cross build): Debian's googletest package puts the sources here.
set(BRINDLE_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest's source tree")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${BRINDLE_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
