# The same programs as 64-bit Windows programs: what the tests run under Wine
# on machines whose kernel cannot execute 32-bit code (no IA32 emulation).
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(MINGW_PREFIX x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)

# ctest and gtest discovery run the test programs through Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)
