# The uninstaller's list: a Delete for every file of the program folder and an RMDir for every
# folder below it, deepest first, so that it removes what the installer put there and nothing
# the inspector added.
file(GLOB_RECURSE files RELATIVE ${FOLDER} ${FOLDER}/*)
file(GLOB_RECURSE all LIST_DIRECTORIES true RELATIVE ${FOLDER} ${FOLDER}/*)
set(text "")
foreach(file IN LISTS files)
    string(REPLACE "/" "\\" file "${file}")
    string(APPEND text "Delete \"$INSTDIR\\${file}\"\n")
endforeach()
list(REMOVE_ITEM all ${files})
list(SORT all ORDER DESCENDING)
foreach(folder IN LISTS all)
    string(REPLACE "/" "\\" folder "${folder}")
    string(APPEND text "RMDir \"$INSTDIR\\${folder}\"\n")
endforeach()
file(WRITE ${LIST} "${text}")
