# Fails unless every file the generator wrote under OUTPUT is identical to the
# file of the same name under SOURCE: the committed pictures and icons must be
# exactly what their sources give.
file(GLOB_RECURSE generated RELATIVE ${OUTPUT} ${OUTPUT}/*)
list(LENGTH generated count)
# 9 pictures, the .ico, 10 Windows icon pieces, 8 desktop PNGs and the contact sheet.
if(NOT count EQUAL 29)
    message(FATAL_ERROR "the generator wrote ${count} files, expected 29")
endif()
set(stale)
foreach(path IN LISTS generated)
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUTPUT}/${path} ${SOURCE}/${path}
                    RESULT_VARIABLE differs)
    if(differs)
        list(APPEND stale ${path})
    endif()
endforeach()
if(stale)
    list(JOIN stale "\n  " stale_list)
    message(FATAL_ERROR "committed files differ from what the generator makes "
                        "(run: cmake --build --preset dev --target generate-assets):\n  ${stale_list}")
endif()
message(STATUS "${count} generated files match the committed ones")
