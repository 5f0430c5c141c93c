# The answer lines of the construction dialog: data/dialogues.tsv holds one
# row per dialog command; dialoguegen turns it into the table of models
# (generated/host/dialogues_table.cpp).
add_executable(dialoguegen ${CMAKE_SOURCE_DIR}/tools/dialoguegen/dialoguegen.cpp)

set(KM32_DIALOGUES_TABLE ${CMAKE_BINARY_DIR}/generated/host/dialogues_table.cpp)
add_custom_command(
  OUTPUT ${KM32_DIALOGUES_TABLE}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/generated/host
  COMMAND dialoguegen ${CMAKE_SOURCE_DIR}/data/dialogues.tsv ${KM32_DIALOGUES_TABLE}
  DEPENDS dialoguegen ${CMAKE_SOURCE_DIR}/data/dialogues.tsv
  COMMENT "Generating the answer lines of the construction dialog"
  VERBATIM)
list(APPEND KM32_GENERATED_SOURCES ${KM32_DIALOGUES_TABLE})
