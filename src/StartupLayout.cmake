# Lays out the code and the embedded resources a program reads at its start together, at the
# head of its code and of its constants. The kernel maps a program's pages in 64 KB runs
# around each first touch, so start-up code spread over the whole program keeps nearly all
# of it resident; gathered, about a third. The same holds for the skin's pictures.
# LIST holds the sections, one per line (scripts/startup-functions.sh writes it): functions
# (.text.NAME; every function must have a section of its own, -ffunction-sections) and
# resources (.rodata.resource.*, as qv_embed_resources names them). All resources go after
# the other constants, the ones the start reads first. The layout is a linker script added
# to the default one, which GNU ld takes; with another linker, or with none of the
# sections, the program links as it would without it.
function(qv_startup_layout target list)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${list})
    file(STRINGS ${list} functions REGEX "^\\.text\\.")
    file(STRINGS ${list} resources REGEX "^\\.rodata\\.resource\\.")
    # main, the static constructors and the functions only they call are compiled into
    # .text.startup.NAME instead.
    list(TRANSFORM functions REPLACE "^\\.text\\.(.*)$" "    *(.text.\\1 .text.startup.\\1)")
    list(TRANSFORM resources PREPEND "    *(")
    list(TRANSFORM resources APPEND ")")
    foreach(kind functions resources)
        list(JOIN ${kind} "\n" ${kind})
    endforeach()
    # The C runtime's start code (_start, the constructor walk) comes in plain .text sections.
    set(crt "    *crt*.o(.text)")
    set(script ${CMAKE_CURRENT_BINARY_DIR}/${target}-startup.ld)
    file(WRITE ${script}.tmp
        "SECTIONS\n{\n  .text.startup_functions :\n  {\n${crt}\n${functions}\n  }\n}\nINSERT BEFORE .text;\n"
        "SECTIONS\n{\n  .rodata.resources :\n  {\n${resources}\n    *(.rodata.resource.*)\n  }\n}\nINSERT AFTER .rodata;\n")
    configure_file(${script}.tmp ${script} COPYONLY)
    include(CheckLinkerFlag)
    check_linker_flag(CXX "-Wl,-T,${script}" QV_LINKER_TAKES_STARTUP_LAYOUT)
    if(QV_LINKER_TAKES_STARTUP_LAYOUT)
        target_link_options(${target} PRIVATE "LINKER:-T,${script}")
        set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${script})
    endif()
endfunction()
