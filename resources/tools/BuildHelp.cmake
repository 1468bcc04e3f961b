# Compiles a language's help topics into its veritor.chm:
#   cmake -DTOPICS=<folder of NNNNN.html> -DWORK=<scratch folder> -DOUTPUT=<.chm>
#         -DLANGUAGE=<"0x40c French"> -DCHMCMD=<chmcmd> -P BuildHelp.cmake
# Each topic is named after its help id; 14100 is the module's topic and the first page. The
# compiler runs in the scratch folder on relative names only, so no build path reaches the file.
file(GLOB topics RELATIVE "${TOPICS}" "${TOPICS}/*.html")
list(SORT topics)
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")

set(contents "")
set(files "")
foreach(topic IN LISTS topics)
    file(COPY "${TOPICS}/${topic}" DESTINATION "${WORK}")
    file(READ "${TOPICS}/${topic}" html)
    string(REGEX MATCH "<title>([^<]*)</title>" found "${html}")
    set(title "${CMAKE_MATCH_1}")
    if(title STREQUAL "")
        message(FATAL_ERROR "${TOPICS}/${topic} has no title")
    endif()
    string(REPLACE "\"" "&quot;" title "${title}")
    string(APPEND contents "<LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"${title}\">"
                           "<param name=\"Local\" value=\"${topic}\"></OBJECT>\n")
    string(APPEND files "${topic}\n")
endforeach()

file(WRITE "${WORK}/veritor.hhc"
     "<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML//EN\">\n<HTML><HEAD></HEAD><BODY>\n<UL>\n"
     "${contents}</UL>\n</BODY></HTML>\n")
file(WRITE "${WORK}/veritor.hhp"
     "[OPTIONS]\nCompatibility=1.1 or later\nCompiled file=veritor.chm\n"
     "Contents file=veritor.hhc\nDefault topic=14100.html\nDisplay compile progress=No\n"
     "Language=${LANGUAGE}\nTitle=Veritor\n\n[FILES]\n${files}")
execute_process(COMMAND "${CHMCMD}" veritor.hhp WORKING_DIRECTORY "${WORK}"
                RESULT_VARIABLE result OUTPUT_VARIABLE log ERROR_VARIABLE log)
if(NOT result EQUAL 0 OR NOT EXISTS "${WORK}/veritor.chm")
    message(FATAL_ERROR "chmcmd could not compile ${TOPICS}:\n${log}")
endif()
file(COPY_FILE "${WORK}/veritor.chm" "${OUTPUT}")
