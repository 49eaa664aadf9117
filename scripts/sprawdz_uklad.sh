#!/usr/bin/env bash
# Checks the folder order: each folder includes only the folders to its right
# in "app shell junction drawing model platform base", and no diagram code
# names an output flag. Folders of the junction's level (counts) may include
# what the junction may, and the junction itself.
set -u
cd "$(dirname "$0")/.."
kolejnosc=(app shell junction drawing model platform base)
bledy=0
for ((i = 0; i < ${#kolejnosc[@]}; ++i)); do
    folder=${kolejnosc[i]}
    dozwolone=("$folder" "${kolejnosc[@]:i+1}")
    # The folders at the junction's level stand to the right of the shell.
    if ((i < 2)); then dozwolone+=(counts); fi
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
# Folders beside the junction: the junction and what lies to its right.
for folder in counts; do
    while IFS= read -r wiersz; do
        cel=${wiersz#*#include \"}
        cel=${cel%%/*}
        case $cel in
            "$folder" | junction | drawing | model | platform | base) ;;
            *) echo "$wiersz: $folder/ includes $cel/"; bledy=1 ;;
        esac
    done < <(grep -rnE '#include "[a-z_]+/' "$folder" --include='*.cpp' --include='*.h')
done
# Qt stays out of the plain folders.
if grep -rnE '#include <Q' base model platform/*.h platform/*.cpp $(ls counts/*.cpp counts/*.h | grep -E 'PlikiPomiarow|Potoki|Raporty|ListaPomiarow|SchematWlotu'); then
    echo "Qt in a plain folder"
    bledy=1
fi
if grep -rnwE 'WyjscieDxf|WyjscieEkran|WyjscieDrukarka' junction; then
    echo "an output flag named in the junction engine"
    bledy=1
fi
exit $bledy
