# Checks that the logic libraries compile with Clang too (Debian's other compiler):
# cmake -DCLANGXX=clang++ -DSORGENTI=<source dir> -P PortabilitaClang.cmake
file(GLOB file
  ${SORGENTI}/app/*.cpp ${SORGENTI}/archive/*.cpp ${SORGENTI}/stats/*.cpp ${SORGENTI}/systems/*.cpp
  ${SORGENTI}/methods/*.cpp ${SORGENTI}/slips/*.cpp ${SORGENTI}/export/*.cpp)
set(falliti "")
foreach(f ${file})
  file(READ ${f} testo)
  # The small render libraries use Qt: only the Qt-free logic is checked here.
  if(testo MATCHES "#include <Q")
    continue()
  endif()
  execute_process(COMMAND ${CLANGXX} -std=c++20 -fsyntax-only -Wall -I${SORGENTI} ${f}
                  RESULT_VARIABLE esito ERROR_VARIABLE errori)
  if(NOT esito EQUAL 0)
    message("${errori}")
    list(APPEND falliti ${f})
  endif()
endforeach()
if(falliti)
  message(FATAL_ERROR "Non compilano con Clang: ${falliti}")
endif()
