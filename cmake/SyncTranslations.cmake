# Brings each .ts file up to date with the sources, rewriting it only when lupdate changed
# something, so that a build without new texts recompiles no translation and relinks nothing.
# cmake -DLUPDATE=… -DSOURCES_LIST=<file naming the sources> -DWORK_DIR=… -DTS_FILES="a.ts;b.ts" -P …
file(MAKE_DIRECTORY "${WORK_DIR}")
foreach(ts_file ${TS_FILES})
    get_filename_component(name "${ts_file}" NAME)
    set(work_copy "${WORK_DIR}/${name}")
    file(COPY_FILE "${ts_file}" "${work_copy}")
    # English, the source language, needs only the forms of the texts that count something.
    set(only_plurals)
    if(name MATCHES "_en\\.ts$")
        set(only_plurals -pluralonly)
    endif()
    execute_process(
        COMMAND "${LUPDATE}" -locations none -no-obsolete -silent ${only_plurals} "@${SOURCES_LIST}" -ts "${work_copy}"
        RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "lupdate failed on ${name}")
    endif()
    file(COPY_FILE "${work_copy}" "${ts_file}" ONLY_IF_DIFFERENT)
endforeach()
