# vorsen_add_test(<name> SOURCES <files...> LIBS <targets...> [ZONES <tz...>])
#
# Builds one Qt Test executable and registers it with CTest, run offscreen with a
# fixed time zone and the C locale (LANGUAGE emptied too: Qt reads it first for
# the interface language). With several ZONES the same executable is registered
# once per zone (name_<zone>), so local-time arithmetic is checked with and
# without daylight saving. Default zone: Europe/Paris.
function(vorsen_add_test name)
    cmake_parse_arguments(T "" "TIMEOUT" "SOURCES;LIBS;ZONES" ${ARGN})
    if(NOT T_ZONES)
        set(T_ZONES Europe/Paris)
    endif()
    if(NOT T_TIMEOUT)
        set(T_TIMEOUT 300)
    endif()
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE Qt5::Test ${T_LIBS})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/common)
    target_compile_definitions(${name} PRIVATE
        VORSEN_BIN_DIR="${CMAKE_RUNTIME_OUTPUT_DIRECTORY}"
        VORSEN_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
    list(LENGTH T_ZONES nzones)
    foreach(zone ${T_ZONES})
        if(nzones GREATER 1)
            string(REGEX REPLACE "[^A-Za-z0-9]" "_" suffixe ${zone})
            set(nom ${name}_${suffixe})
        else()
            set(nom ${name})
        endif()
        add_test(NAME ${nom} COMMAND ${name})
        # In a sanitizer build, the sanitizers' settings too (cmake/Sanitizers.cmake).
        set(environnement QT_QPA_PLATFORM=offscreen TZ=${zone} LC_ALL=C.UTF-8 LANGUAGE=
            ${VORSEN_ENV_SANITIZERS})
        set_tests_properties(${nom} PROPERTIES
            TIMEOUT ${T_TIMEOUT}
            ENVIRONMENT "${environnement}")
    endforeach()
endfunction()
