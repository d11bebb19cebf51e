# Lays out the code a program runs at its start together, at the head of its code. The
# kernel maps a program's code in 64 KB runs around each first touch, so start-up code
# spread over the whole program keeps nearly all of it resident; gathered, about a third.
# LIST holds the sections, one per line (scripts/startup-functions.sh writes it); every
# function must have a section of its own (-ffunction-sections). The layout is a linker
# script added to the default one, which GNU ld takes; with another linker, or with none of
# the sections, the program links as it would without it.
function(qv_startup_layout target list)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${list})
    file(STRINGS ${list} sections REGEX "^\\.text\\.")
    list(TRANSFORM sections PREPEND "    *(")
    list(TRANSFORM sections APPEND ")")
    list(JOIN sections "\n" inputs)
    set(script ${CMAKE_CURRENT_BINARY_DIR}/${target}-startup.ld)
    file(WRITE ${script}.tmp "SECTIONS\n{\n  .text.startup_functions :\n  {\n${inputs}\n  }\n}\nINSERT BEFORE .text;\n")
    configure_file(${script}.tmp ${script} COPYONLY)
    include(CheckLinkerFlag)
    check_linker_flag(CXX "-Wl,-T,${script}" QV_LINKER_TAKES_STARTUP_LAYOUT)
    if(QV_LINKER_TAKES_STARTUP_LAYOUT)
        target_link_options(${target} PRIVATE "LINKER:-T,${script}")
        set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${script})
    endif()
endfunction()
