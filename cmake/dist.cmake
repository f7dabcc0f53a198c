# The release archive (make dist): MarquillAmp-<version>-win32.zip in MARQUILL_DIST_DIR, made by tools/dist.py
# from the release exe, the README's user guide and LICENSE. make dist-check lists it as a user's tools would.
if(NOT TARGET MarquillAmp)
    return()
endif()
find_package(Python3 COMPONENTS Interpreter)
if(NOT Python3_Interpreter_FOUND)
    message(STATUS "No Python 3: no dist target")
    return()
endif()

set(MARQUILL_DIST_DIR ${CMAKE_BINARY_DIR}/dist CACHE PATH "Folder of the release archive")
set(marquill_release ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH})
set(marquill_archive ${MARQUILL_DIST_DIR}/MarquillAmp-${marquill_release}-win32.zip)

# Written on every run, as it costs a fraction of a second: its dates come from the commit, which can change while
# no file it is made of does.
add_custom_target(dist
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tools/dist.py --version ${marquill_release}
            --exe $<TARGET_FILE:MarquillAmp> --source ${CMAKE_SOURCE_DIR} --out ${marquill_archive}
    BYPRODUCTS ${marquill_archive}
    VERBATIM
)
add_dependencies(dist MarquillAmp)

add_custom_target(dist-check
    COMMAND sh ${CMAKE_SOURCE_DIR}/tools/dist-check.sh ${marquill_archive} $<TARGET_FILE:MarquillAmp>
    COMMAND sh ${CMAKE_SOURCE_DIR}/tools/dist-check-rejects.sh ${marquill_archive} $<TARGET_FILE:MarquillAmp>
    VERBATIM
)
add_dependencies(dist-check dist)
