# The floors of the sources: app/ builds every window, the windows of setup/ and shows/ stand on ui/,
# and ui/ stands on device/ alone. Fails naming every include that reaches up a floor.
#   cmake -DROOT=<source dir> -P include_floor.cmake
set(rules
  "setup|app/"
  "shows|app/"
  "ui|app/|setup/|shows/")
set(bad "")
foreach(rule ${rules})
  string(REPLACE "|" ";" parts "${rule}")
  list(POP_FRONT parts folder)
  list(JOIN parts "|" above)
  file(GLOB_RECURSE sources "${ROOT}/${folder}/*.h" "${ROOT}/${folder}/*.cpp")
  foreach(source ${sources})
    file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"(${above})")
    foreach(line ${includes})
      file(RELATIVE_PATH name "${ROOT}" "${source}")
      string(APPEND bad "\n  ${name}: ${line}")
    endforeach()
  endforeach()
endforeach()
if(bad)
  message(FATAL_ERROR "includes from a floor above:${bad}")
endif()
