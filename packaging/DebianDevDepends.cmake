# qv_debian_dev_packages(OUT MODULE...): the Debian packages that hold the pkg-config files of
# the modules, as the package database of the building machine names them (dpkg -S), so the
# development package depends on exactly what its CMake and pkg-config files ask for. A
# module no package holds (a library built by hand) is left out with a warning.
function(qv_debian_dev_packages out)
    find_program(QV_DPKG dpkg)
    set(packages)
    foreach(module ${ARGN})
        execute_process(COMMAND ${PKG_CONFIG_EXECUTABLE} --variable=pcfiledir ${module}
                        OUTPUT_VARIABLE folder OUTPUT_STRIP_TRAILING_WHITESPACE)
        set(package "")
        if(QV_DPKG AND folder)
            execute_process(COMMAND ${QV_DPKG} -S ${folder}/${module}.pc
                            OUTPUT_VARIABLE owner RESULT_VARIABLE status ERROR_QUIET
                            OUTPUT_STRIP_TRAILING_WHITESPACE)
            if(status EQUAL 0 AND owner MATCHES "^([^:, ]+)")
                set(package ${CMAKE_MATCH_1})
            endif()
        endif()
        if(package)
            list(APPEND packages ${package})
        else()
            message(WARNING "No Debian package holds the pkg-config module ${module}: "
                            "the development package does not depend on it")
        endif()
    endforeach()
    list(REMOVE_DUPLICATES packages)
    list(SORT packages)
    set(${out} ${packages} PARENT_SCOPE)
endfunction()
