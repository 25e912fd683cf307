# Every text the program shows is in each translation, translated: lupdate reads the sources into a copy
# of each .ts file, and the copy must hold no unfinished message (a text missing from the shipped file
# comes in unfinished) and no message that the sources no longer have.
#   cmake -DLUPDATE=<lupdate> -DROOT=<source dir> -DDIRS="app;ui;..." -DTS="translations/zentri_de.ts;..."
#         -DWORK=<scratch dir> -P translations_complete.cmake
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
set(sources "")
foreach(dir ${DIRS})
  list(APPEND sources "${ROOT}/${dir}")
endforeach()
set(bad "")
foreach(ts ${TS})
  get_filename_component(name "${ts}" NAME)
  file(COPY "${ROOT}/${ts}" DESTINATION "${WORK}")
  execute_process(COMMAND "${LUPDATE}" -silent -locations none -extensions cpp,h -I "${ROOT}" ${sources}
                          -ts "${WORK}/${name}"
                  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "lupdate failed on ${ts}: ${out}${err}")
  endif()
  file(READ "${WORK}/${name}" text)
  # Each message whose translation is unfinished (new in the sources, or never translated) or left over.
  string(REPLACE ";" "," text "${text}")
  string(REGEX MATCHALL "<source>([^<]|<byte[^>]*>)*</source>[ \t\r\n]*(<[a-z]*comment>[^<]*</[a-z]*comment>[ \t\r\n]*)*<translation type=\"(unfinished|vanished|obsolete)\""
         wrong "${text}")
  foreach(message ${wrong})
    string(REGEX MATCH "<source>(([^<]|<byte[^>]*>)*)</source>" found "${message}")
    set(source "${CMAKE_MATCH_1}")
    string(REGEX MATCH "type=\"([a-z]*)\"" found "${message}")
    string(APPEND bad "\n  ${ts}: ${CMAKE_MATCH_1}: ${source}")
  endforeach()
endforeach()
if(bad)
  message(FATAL_ERROR "translations incomplete (run `cmake --build build --target update_translations`, "
                      "then translate):${bad}")
endif()
message(STATUS "every text translated in ${TS}")
