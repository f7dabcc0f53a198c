# The Wine tiers' build on a machine that runs no i386 code; the exe that ships is the i686 one.
set(MARQUILL_MINGW_ARCH x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
