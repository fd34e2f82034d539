# Fails when a function declared in src/ starts with a capital letter, unless it is
# an event handler (`Form_Load`, `Boutons_Click`: a name, an underscore, the event) or one of the
# names listed in docs/noms.txt, which keep the spelling the product gives them.
# Run: cmake -DSRC=<repository>/src -DNOMS=<repository>/docs/noms.txt -P tools/noms_fonctions.cmake

file(STRINGS "${NOMS}" imposes REGEX "^[A-Za-z_]")
foreach(nom IN LISTS imposes)
    set(impose_${nom} 1)
endforeach()

file(GLOB_RECURSE entetes RELATIVE "${SRC}" "${SRC}/*.h" "${SRC}/*.cpp")
# A type's name followed by a parenthesis is a constructor or a conversion, not a function.
set(types "")
foreach(entete IN LISTS entetes)
    file(READ "${SRC}/${entete}" texte)
    string(REGEX MATCHALL "(class|struct|enum|namespace|using)[ \t]+(class[ \t]+)?[A-Z][A-Za-z0-9_]*"
        declares "${texte}")
    foreach(d IN LISTS declares)
        string(REGEX REPLACE ".*[ \t]" "" d "${d}")
        set(type_${d} 1)
    endforeach()
endforeach()

set(fautes "")
foreach(entete IN LISTS entetes)
    file(STRINGS "${SRC}/${entete}" lignes)
    foreach(ligne IN LISTS lignes)
        string(REGEX REPLACE "//.*" "" ligne "${ligne}")
        string(REGEX REPLACE "\"([^\"\\\\]|\\\\.)*\"" "\"\"" ligne "${ligne}")
        # A name after a type, a pointer, a reference, a destructor's tilde or a scope: not after
        # `.` or `->`, where it would be a call.
        string(REGEX MATCHALL "(^|[ \t*&~:(,])[A-Z][A-Za-z0-9_]*[ \t]*\\(" noms "${ligne}")
        foreach(nom IN LISTS noms)
            string(REGEX REPLACE "^[ \t*&~:(,]|[ \t]*\\($" "" nom "${nom}")
            if(nom MATCHES "^[A-Z0-9_]+$"             # a macro
               OR nom MATCHES "^Q[A-Z]"                # a type of Qt
               OR nom MATCHES "^[A-Za-z0-9]+_[A-Za-z0-9]+$" # an event handler
               OR DEFINED type_${nom} OR DEFINED impose_${nom})
                continue()
            endif()
            list(APPEND fautes "${entete}: ${nom}")
        endforeach()
    endforeach()
endforeach()

if(fautes)
    list(REMOVE_DUPLICATES fautes)
    list(LENGTH fautes n)
    list(JOIN fautes "\n" texte)
    message(FATAL_ERROR "${n} functions start with a capital letter:\n${texte}")
endif()
list(LENGTH entetes n)
message(STATUS "${n} files declare their functions in camelCase")
