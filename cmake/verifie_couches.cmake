# Checks that each folder of src/ includes only what its layer may use.
#   cmake -DRACINE=<the folder that holds src/> -P cmake/verifie_couches.cmake
# The layers, from the bottom up: a folder may include the headers of its own
# folder and of the folders below it. A header of a folder above is allowed
# only where the list below names it: the calls up that the system describes
# (the text language drives the drawing and the host's windows, the drawing
# opens annex windows, the model shows its messages by phrase number). Any
# other include of a folder above, or of a folder that is not a layer, fails.
set(COUCHES base platform sibling model phrases text drawing properties host)

# "folder:header" pairs of the allowed calls up.
set(APPELS_VERS_LE_HAUT
    # Messages and the names of kinds are looked up by phrase number.
    "model:phrases/phrase.h"
    # Lines of the figure text that act on the view, the keyboard, printing
    # and the drawing, on the menus, the comment window and the test phrases.
    "text:drawing/bloc_dessin.h"
    "text:drawing/clavier.h"
    "text:drawing/clavier_partage.h"
    "text:drawing/donnees_dessin.h"
    "text:drawing/impression_figure.h"
    "text:drawing/vue_animee.h"
    "text:drawing/vue_operations.h"
    "text:host/fenetre_commentaire.h"
    "text:host/menus_figure_codes.h"
    "text:host/services_attendus.h"
    "text:properties/phrases_test.h"
    # The mouse and the keys open and follow the host's annex windows.
    "drawing:host/fenetre_mere.h"
    "drawing:host/fenetres/palette_styles.h"
    "drawing:host/fenetres/tableau_valeurs.h")

if(NOT DEFINED RACINE)
  message(FATAL_ERROR "RACINE: the folder that holds src/")
endif()
get_filename_component(RACINE "${RACINE}" ABSOLUTE)

file(GLOB_RECURSE fichiers RELATIVE ${RACINE}/src ${RACINE}/src/*.h ${RACINE}/src/*.cpp)
set(fautes 0)
foreach(fichier ${fichiers})
  string(REGEX MATCH "^[^/]+" dossier "${fichier}")
  list(FIND COUCHES "${dossier}" rang)
  if(rang EQUAL -1)
    message(NOTICE "layer fault: src/${fichier}: the folder ${dossier} is not one of the layers")
    math(EXPR fautes "${fautes} + 1")
    continue()
  endif()
  file(STRINGS ${RACINE}/src/${fichier} inclusions REGEX "^[ \t]*#[ \t]*include[ \t]+\"[^\"]+\"")
  foreach(ligne ${inclusions})
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]+\"([^\"]+)\".*$" "\\1" entete "${ligne}")
    if(NOT entete MATCHES "/")
      continue() # a header beside the file
    endif()
    string(REGEX MATCH "^[^/]+" cible "${entete}")
    list(FIND COUCHES "${cible}" rangCible)
    if(rangCible EQUAL -1)
      message(NOTICE "layer fault: src/${fichier} includes ${entete}: ${cible} is not one of the layers")
      math(EXPR fautes "${fautes} + 1")
    elseif(rangCible GREATER rang)
      list(FIND APPELS_VERS_LE_HAUT "${dossier}:${entete}" permis)
      if(permis EQUAL -1)
        message(NOTICE "layer fault: src/${fichier} includes ${entete}: ${dossier} may not use ${cible}, a layer above it")
        math(EXPR fautes "${fautes} + 1")
      endif()
    endif()
  endforeach()
endforeach()

if(fautes GREATER 0)
  message(FATAL_ERROR "${fautes} include(s) break the layers")
endif()
