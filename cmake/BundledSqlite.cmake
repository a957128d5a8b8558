# SQLite compiled from its public-domain amalgamation, for builds without a system SQLite
# (the Windows cross build). The amalgamation comes inside a package of the npm registry,
# pinned by version and checksum; a download that does not match stops the configure step.
set(BRINDLE_SQLITE_PACKAGE better-sqlite3-12.4.1.tgz)
set(BRINDLE_SQLITE_URL https://registry.npmjs.org/better-sqlite3/-/${BRINDLE_SQLITE_PACKAGE})
set(BRINDLE_SQLITE_SHA256 14398acbf00d1e8fe0a2753df7d4f15c13138e4b874f4e6e96791f65b4536d0d)
set(BRINDLE_SQLITE_VERSION 3.50.4)
set(BRINDLE_DOWNLOAD_DIR ${PROJECT_SOURCE_DIR}/build/downloads CACHE PATH
    "Where downloaded sources are kept between builds")

set(archive ${BRINDLE_DOWNLOAD_DIR}/${BRINDLE_SQLITE_PACKAGE})
file(DOWNLOAD ${BRINDLE_SQLITE_URL} ${archive} EXPECTED_HASH SHA256=${BRINDLE_SQLITE_SHA256}
     TLS_VERIFY ON STATUS download_status)
list(GET download_status 0 download_code)
if(NOT download_code EQUAL 0)
  message(FATAL_ERROR "Could not fetch SQLite from ${BRINDLE_SQLITE_URL}: ${download_status}")
endif()

set(sqlite_dir ${CMAKE_BINARY_DIR}/sqlite-${BRINDLE_SQLITE_VERSION})
file(ARCHIVE_EXTRACT INPUT ${archive} DESTINATION ${sqlite_dir}
     PATTERNS package/deps/sqlite3/sqlite3.c package/deps/sqlite3/sqlite3.h)
set(sqlite_source ${sqlite_dir}/package/deps/sqlite3)
file(STRINGS ${sqlite_source}/sqlite3.h version_line REGEX "^#define SQLITE_VERSION ")
if(NOT version_line MATCHES "\"${BRINDLE_SQLITE_VERSION}\"")
  message(FATAL_ERROR "The package holds another SQLite than ${BRINDLE_SQLITE_VERSION}: ${version_line}")
endif()

enable_language(C)
add_library(sqlite3_bundled STATIC ${sqlite_source}/sqlite3.c)
target_include_directories(sqlite3_bundled SYSTEM PUBLIC ${sqlite_source})
target_compile_definitions(sqlite3_bundled PRIVATE SQLITE_THREADSAFE=1 SQLITE_OMIT_LOAD_EXTENSION)
add_library(SQLite::SQLite3 ALIAS sqlite3_bundled)
