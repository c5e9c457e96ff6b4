# Fails when a text the sources mark for translation is missing from a catalogue: lupdate reads
# the sources into a scratch copy of each catalogue, and every entry it has to add there is a
# text nobody translated. The catalogues themselves are left alone.
#   cmake -DLUPDATE=<lupdate> -DSOURCE_DIR=<project> -DWORK_DIR=<scratch folder>
#         -DCATALOGUES=<a.ts|b.ts> -P CatalogueCoversSources.cmake
cmake_minimum_required(VERSION 3.21)

file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
string(REPLACE "|" ";" catalogues "${CATALOGUES}")
if(NOT catalogues)
  message(FATAL_ERROR "no catalogues to check")
endif()

set(failed FALSE)
foreach(catalogue IN LISTS catalogues)
  get_filename_component(name "${catalogue}" NAME)
  set(copy "${WORK_DIR}/${name}")
  file(COPY_FILE "${catalogue}" "${copy}")
  execute_process(
    COMMAND "${LUPDATE}" -silent -tr-function-alias translate+=Tr -locations none
            "${SOURCE_DIR}/src" "${SOURCE_DIR}/cli" "${SOURCE_DIR}/sim" -ts "${copy}"
    RESULT_VARIABLE result ERROR_VARIABLE errors)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "lupdate failed on ${name}: ${errors}")
  endif()

  file(READ "${copy}" updated)
  # Entities carry ';', which CMake lists split on: decode the common ones for the report.
  string(REPLACE "&quot;" "\"" updated "${updated}")
  string(REPLACE "&apos;" "'" updated "${updated}")
  string(REPLACE "&gt;" ">" updated "${updated}")
  string(REPLACE "&amp;" "&" updated "${updated}")
  string(REPLACE ";" "," updated "${updated}")
  # Context names and the messages lupdate added, in file order.
  set(context_name "<context>[^<]*<name>[^<]*</name>")
  set(added_message
      "<source>[^<]*</source>[^<]*(<comment>[^<]*</comment>[^<]*)?<translation type=\"unfinished\"")
  string(REGEX MATCHALL "${context_name}|${added_message}" found "${updated}")
  set(context "")
  set(added "")
  foreach(item IN LISTS found)
    if(item MATCHES "<name>([^<]*)</name>")
      set(context "${CMAKE_MATCH_1}")
    elseif(item MATCHES "<source>([^<]*)</source>")
      set(text "${CMAKE_MATCH_1}")
      if(item MATCHES "<comment>([^<]*)</comment>")
        string(APPEND text " (${CMAKE_MATCH_1})")
      endif()
      string(APPEND added "  ${context}: \"${text}\"\n")
    endif()
  endforeach()
  if(added)
    message(SEND_ERROR "${name} lacks texts the sources mark for translation:\n${added}")
    set(failed TRUE)
  endif()
endforeach()

if(failed)
  message(FATAL_ERROR "add the texts above to the catalogues")
endif()
file(REMOVE_RECURSE "${WORK_DIR}")
