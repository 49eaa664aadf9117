#!/usr/bin/env bash
# Checks the folder order: each folder includes only the folders to its right
# in "app shell roundabout junction drawing model platform base" (the
# roundabouts stand at the junction's level and may share its code), and no
# diagram code names an output flag.
set -u
cd "$(dirname "$0")/.."
kolejnosc=(app shell roundabout junction drawing model platform base)
bledy=0
for ((i = 0; i < ${#kolejnosc[@]}; ++i)); do
    folder=${kolejnosc[i]}
    dozwolone=("$folder" "${kolejnosc[@]:i+1}")
    while IFS= read -r wiersz; do
        cel=${wiersz#*#include \"}
        cel=${cel%%/*}
        ok=0
        for d in "${dozwolone[@]}"; do [[ $cel == "$d" ]] && ok=1; done
        if ((!ok)); then
            echo "$wiersz: $folder/ includes $cel/"
            bledy=1
        fi
    done < <(grep -rnE '#include "[a-z_]+/' "$folder" --include='*.cpp' --include='*.h')
done
# Qt stays out of the plain folders.
if grep -rnE '#include <Q' base model platform/*.h platform/*.cpp; then
    echo "Qt in a plain folder"
    bledy=1
fi
if grep -rnwE 'WyjscieDxf|WyjscieEkran|WyjscieDrukarka' junction roundabout; then
    echo "an output flag named in the junction engine"
    bledy=1
fi
exit $bledy
