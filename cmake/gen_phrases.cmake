# Phrase tables: data/phrases/*.tsv (UTF-8) compiled by a host tool into
# generated/phrases_tables.cpp (Windows-1252 constants, sorted by number).
add_executable(km32_phrasegen ${CMAKE_SOURCE_DIR}/tools/phrasegen/phrasegen.cpp)

file(GLOB KM32_PHRASE_DATA CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/phrases/*.tsv)
set(KM32_PHRASE_TABLES ${CMAKE_BINARY_DIR}/generated/phrases_tables.cpp)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/generated)

add_custom_command(
  OUTPUT ${KM32_PHRASE_TABLES}
  COMMAND km32_phrasegen ${CMAKE_SOURCE_DIR}/data/phrases ${KM32_PHRASE_TABLES}
  DEPENDS km32_phrasegen ${KM32_PHRASE_DATA}
  COMMENT "Compiling the phrase tables"
  VERBATIM)

list(APPEND KM32_GENERATED_SOURCES ${KM32_PHRASE_TABLES})

# The tests of the generator run it on small inputs of their own.
file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/generated/phrasegen_chemin.h
     CONTENT "#pragma once\n#define KM32_PHRASEGEN \"$<TARGET_FILE:km32_phrasegen>\"\n")
