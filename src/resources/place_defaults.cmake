# Copies each default table into DEST unless a file of that name already exists.
foreach(src IN LISTS FILES)
    get_filename_component(name "${src}" NAME)
    if(NOT EXISTS "${DEST}/${name}")
        file(COPY "${src}" DESTINATION "${DEST}")
    endif()
endforeach()
