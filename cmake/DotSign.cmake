# Shared helpers for the per-folder CMakeLists.

# The version lives here and nowhere else.
set(DOTSIGN_VERSION ${PROJECT_VERSION})

function(dotsign_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wno-unused-parameter)
  if(DOTSIGN_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# A static library made of every .cpp/.h in the folder (so that several people
# can add files to one folder without touching its CMakeLists.txt).
function(dotsign_library name)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h
       ${CMAKE_CURRENT_SOURCE_DIR}/*.qrc)
  if(NOT sources)
    # A folder whose first files have not landed yet still gives a library to link.
    set(stub ${CMAKE_CURRENT_BINARY_DIR}/${name}_empty.cpp)
    file(WRITE ${stub} "// no sources yet\n")
    set(sources ${stub})
  endif()
  add_library(dotsign_${name} STATIC ${sources})
  target_include_directories(dotsign_${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(dotsign_${name} PUBLIC ${ARG_LIBS})
  target_compile_definitions(dotsign_${name} PUBLIC DOTSIGN_VERSION="${DOTSIGN_VERSION}")
  dotsign_warnings(dotsign_${name})
endfunction()
