# The construction catalogue: data/constructions.tsv holds one row per
# construction code; constructiongen turns it into the enum of codes
# (generated/model/constructions_codes.h) and the catalogue tables
# (generated/model/constructions_table.cpp).
add_executable(constructiongen ${CMAKE_SOURCE_DIR}/tools/constructiongen/constructiongen.cpp)

set(KM32_CONSTRUCTIONS_DIR ${CMAKE_BINARY_DIR}/generated/model)
set(KM32_CONSTRUCTIONS_OUTPUTS ${KM32_CONSTRUCTIONS_DIR}/constructions_codes.h
                               ${KM32_CONSTRUCTIONS_DIR}/constructions_table.cpp)
add_custom_command(
  OUTPUT ${KM32_CONSTRUCTIONS_OUTPUTS}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${KM32_CONSTRUCTIONS_DIR}
  COMMAND constructiongen ${CMAKE_SOURCE_DIR}/data/constructions.tsv ${KM32_CONSTRUCTIONS_OUTPUTS}
  DEPENDS constructiongen ${CMAKE_SOURCE_DIR}/data/constructions.tsv
  COMMENT "Generating the construction catalogue"
  VERBATIM)
list(APPEND KM32_GENERATED_SOURCES ${KM32_CONSTRUCTIONS_OUTPUTS})
