# Libraries from Debian's packages and from sources fetched by scripts/setup.
set(THIRD_PARTY_DIR ${CMAKE_SOURCE_DIR}/third_party)

# Header-only libraries. For MinGW only these two folders of /usr/include are
# exposed, never all of it.
set(SYSTEM_HEADERS_DIR ${CMAKE_BINARY_DIR}/system-headers)
file(MAKE_DIRECTORY ${SYSTEM_HEADERS_DIR})
foreach(lib boost stb)
  if(NOT EXISTS ${SYSTEM_HEADERS_DIR}/${lib})
    file(CREATE_LINK /usr/include/${lib} ${SYSTEM_HEADERS_DIR}/${lib} SYMBOLIC)
  endif()
endforeach()

add_library(system_headers INTERFACE)
target_include_directories(system_headers SYSTEM INTERFACE ${SYSTEM_HEADERS_DIR})

# Boost.Asio: sockets for the HTTP transfer.
find_package(Threads REQUIRED)
add_library(asio INTERFACE)
target_link_libraries(asio INTERFACE system_headers Threads::Threads)
if(WIN32)
  target_link_libraries(asio INTERFACE ws2_32 mswsock)
endif()
# Asio's handler completion uses a thread fence, which GCC notes on every use
# under ThreadSanitizer (-Wtsan); the note is about Asio, not about its users.
if(SANITIZE STREQUAL "thread")
  target_compile_options(asio INTERFACE -Wno-tsan)
endif()

# zlib: libz-mingw-w64-dev for Windows, zlib1g-dev natively.
if(WIN32)
  set(ZLIB_USE_STATIC_LIBS ON)  # link libz.a into the programs, not zlib1.dll
endif()
find_package(ZLIB REQUIRED)

# minizip, built from zlib's source package (fetched at set-up, never committed).
set(MINIZIP_DIR ${THIRD_PARTY_DIR}/zlib-src/contrib/minizip)
if(NOT EXISTS ${MINIZIP_DIR}/unzip.c)
  message(FATAL_ERROR "minizip sources missing: run scripts/setup")
endif()
add_library(minizip STATIC ${MINIZIP_DIR}/ioapi.c ${MINIZIP_DIR}/unzip.c
  $<$<BOOL:${WIN32}>:${MINIZIP_DIR}/iowin32.c>)
target_include_directories(minizip SYSTEM PUBLIC ${MINIZIP_DIR})
target_link_libraries(minizip PUBLIC ZLIB::ZLIB)
target_compile_options(minizip PRIVATE -w)
set_target_properties(minizip PROPERTIES POSITION_INDEPENDENT_CODE ON)

# GoogleTest, built from Debian's sources with this tree's compiler and flags.
if(PROJECT_TESTS)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
endif()
