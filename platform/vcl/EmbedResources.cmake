# qv_embed_resources(target NAME_PREFIX file...)
#
# Compiles the files into target and generates the function
#     void Register<NAME_PREFIX>Resources();
# which the program calls once at start-up to make them findable by name (the file name
# without its extension). The kind comes from the extension: .bmp is a bitmap, .dfm a form
# description, .str a string table, anything else raw data.
set(QV_EMBED_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/EmbedResourcesGenerate.cmake CACHE INTERNAL "")

function(qv_embed_resources target prefix)
    set(files)
    foreach(file ${ARGN})
        get_filename_component(path ${file} ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
        list(APPEND files ${path})
    endforeach()
    set(output ${CMAKE_CURRENT_BINARY_DIR}/${prefix}Resources.cpp)
    string(REPLACE ";" "|" file_arg "${files}")
    add_custom_command(
        OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -DOUTPUT=${output} -DPREFIX=${prefix} "-DFILES=${file_arg}"
                -P ${QV_EMBED_SCRIPT}
        DEPENDS ${files} ${QV_EMBED_SCRIPT}
        COMMENT "Embedding ${prefix} resources"
        VERBATIM)
    target_sources(${target} PRIVATE ${output})
endfunction()
