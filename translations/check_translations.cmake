# Checks that every text of the window has a finished translation: runs lupdate over the
# sources into a copy of each .ts file (so texts added since the last refresh count too), then
# lrelease, which must report no unfinished and no untranslated entry.
#   cmake -DLUPDATE=... -DLRELEASE=... -DWORK=dir "-DLUPDATE_ARGS=..." "-DTS_FILES=..." -P check_translations.cmake
file(MAKE_DIRECTORY ${WORK})
set(failed FALSE)
foreach(ts IN LISTS TS_FILES)
  get_filename_component(name ${ts} NAME)
  set(copy ${WORK}/${name})
  file(COPY_FILE ${ts} ${copy})
  execute_process(COMMAND ${LUPDATE} ${LUPDATE_ARGS} -ts ${copy}
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "lupdate failed on ${name}:\n${out}")
  endif()
  execute_process(COMMAND ${LRELEASE} ${copy} -qm ${WORK}/check.qm
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  message(STATUS "${name}: ${out}")
  if(NOT rc EQUAL 0 OR NOT out MATCHES "finished and 0 unfinished" OR out MATCHES "untranslated")
    # Name the texts still waiting for their translation.
    file(READ ${copy} xml)
    string(REGEX MATCHALL "<source>[^<]*</source>[ \n\t]*<translation type=\"unfinished\""
           open_entries "${xml}")
    message(SEND_ERROR "${name} is not complete; refresh it with "
            "`cmake --build build --target update_translations` and translate:\n${open_entries}")
    set(failed TRUE)
  endif()
endforeach()
if(failed)
  message(FATAL_ERROR "translations incomplete")
endif()
