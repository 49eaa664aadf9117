#!/usr/bin/env bash
# Checks the folder order: each folder includes only itself and the folders
# below it in
#   app > shell > roundabout, counts, junction_forms > junction > drawing > model > platform > base
# (the folders of one level do not include one another), keeps Qt out of the
# plain code, and finds no output flag named in diagram code.
set -u
cd "$(dirname "$0")/.."
poziomy=("app" "shell" "roundabout counts junction_forms" "junction" "drawing" "model" "platform" "base")
bledy=0
for ((i = 0; i < ${#poziomy[@]}; ++i)); do
    ponizej=$(printf '%s ' "${poziomy[@]:i+1}")
    for folder in ${poziomy[i]}; do
        [ -d "$folder" ] || continue
        while IFS= read -r wiersz; do
            cel=${wiersz#*#include \"}
            cel=${cel%%/*}
            if [[ $cel != "$folder" && " $ponizej" != *" $cel "* ]]; then
                echo "$wiersz: $folder/ includes $cel/"
                bledy=1
            fi
        done < <(grep -rnE '#include "[a-z_]+/' "$folder" --include='*.cpp' --include='*.h')
    done
done
# Qt stays out of the plain code: the model and its files, the computations.
czyste=(base model platform/*.h platform/*.cpp
        junction/{Komunikaty,ObliczRuchoplan,Relacje,SkalePaskow,UstawieniaRysunku,WlotyPomiaru,Zaokraglenia}.*
        roundabout/GeometriaRonda.*
        junction_forms/{GeometriaWezla,NatezeniaWezla,GeometriaRondaOkna,WartosciRonda}.*
        counts/{PlikiPomiarow,ListaPomiarow,SchematWlotu}.*)
if grep -rnE '#include <Q' "${czyste[@]}" 2>/dev/null; then
    echo "Qt in plain code"
    bledy=1
fi
if grep -rnwE 'WyjscieDxf|WyjscieEkran|WyjscieDrukarka' junction roundabout; then
    echo "an output flag named in diagram code"
    bledy=1
fi
exit $bledy
