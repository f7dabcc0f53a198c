# Two builds of one commit give the same Windows programs, byte for byte, wherever and whenever they run: no link
# time stamp in the PE header (its checksum then follows from the bytes alone) and no folder of the build machine
# in a file name the compiler records.
if(WIN32)
    add_link_options(-Wl,--no-insert-timestamp)
    add_compile_options("-ffile-prefix-map=${CMAKE_BINARY_DIR}/=" "-ffile-prefix-map=${CMAKE_SOURCE_DIR}/=")
endif()
