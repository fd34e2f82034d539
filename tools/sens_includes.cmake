# Fails when a source file includes against the direction of the layers:
#   - a file of lumivane_core including a widget header (Qt's or ours);
#   - a folder including a folder of a higher layer, or another folder of its own layer.
# Run: cmake -DSRC=<repository>/src -P tools/sens_includes.cmake

# Layers from the bottom; folders of one layer do not include one another.
set(couches
    "platform"
    "pictures;controls"
    "decor"
    "settings"
    "startup;veille;hote"
    "album;desktop;vignettes"
    "browser;saver"
    "wallpaper"
    "config"
    "app")
set(widgets_qt "QtWidgets|QWidget|QApplication|QLabel|QListWidget|QMenu|QScrollArea|QComboBox|QMessageBox|QFileDialog|QAbstractItemView|QAbstractScrollArea|QPushButton|QDialog|QMainWindow|QFrame|QLayout|QBoxLayout|QGridLayout")

set(rang 0)
foreach(couche IN LISTS couches)
    foreach(dossier IN LISTS couche)
        set(rang_${dossier} ${rang})
    endforeach()
    math(EXPR rang "${rang} + 1")
endforeach()

# The files each folder gives to lumivane_core.
set(coeur "")
file(GLOB listes "${SRC}/*/CMakeLists.txt")
foreach(liste IN LISTS listes)
    get_filename_component(dossier "${liste}" DIRECTORY)
    get_filename_component(dossier "${dossier}" NAME)
    file(READ "${liste}" texte)
    string(REGEX MATCHALL "target_sources\\(lumivane_core[^)]*\\)" blocs "${texte}")
    foreach(bloc IN LISTS blocs)
        string(REGEX REPLACE "target_sources\\(lumivane_core[ \t\r\n]+PRIVATE|\\)" "" bloc "${bloc}")
        string(REGEX MATCHALL "[^ \t\r\n]+" fichiers "${bloc}")
        foreach(f IN LISTS fichiers)
            list(APPEND coeur "${dossier}/${f}")
        endforeach()
    endforeach()
endforeach()

set(fautes "")
file(GLOB_RECURSE sources RELATIVE "${SRC}" "${SRC}/*.h" "${SRC}/*.cpp")
foreach(source IN LISTS sources)
    string(REGEX MATCH "^[^/]+" dossier "${source}")
    if(NOT DEFINED rang_${dossier})
        list(APPEND fautes "${source}: folder ${dossier} has no layer")
        continue()
    endif()
    list(FIND coeur "${source}" dans_coeur)
    file(STRINGS "${SRC}/${source}" inclusions REGEX "^[ \t]*#[ \t]*include")
    foreach(ligne IN LISTS inclusions)
        if(ligne MATCHES "#[ \t]*include[ \t]*<(${widgets_qt})[>/]")
            if(NOT dans_coeur EQUAL -1)
                list(APPEND fautes "${source}: widget header <${CMAKE_MATCH_1}> in lumivane_core")
            endif()
        elseif(ligne MATCHES "#[ \t]*include[ \t]*\"(([^/\"]+)/[^\"]+)\"")
            set(cible "${CMAKE_MATCH_1}")
            set(vers "${CMAKE_MATCH_2}")
            if(NOT dans_coeur EQUAL -1)
                list(FIND coeur "${cible}" cible_coeur)
                if(cible_coeur EQUAL -1)
                    list(APPEND fautes "${source}: ${cible} is not in lumivane_core")
                endif()
            endif()
            if(vers STREQUAL dossier OR NOT DEFINED rang_${vers})
                continue()
            endif()
            if(NOT rang_${vers} LESS rang_${dossier})
                list(APPEND fautes "${source}: ${dossier} may not include ${cible}")
            endif()
        endif()
    endforeach()
endforeach()

if(fautes)
    list(JOIN fautes "\n" texte)
    message(FATAL_ERROR "Includes against the layers:\n${texte}")
endif()
list(LENGTH sources n)
message(STATUS "${n} files include in the direction of the layers")
