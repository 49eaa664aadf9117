#pragma once
// The junction and roundabout data windows, for the shell that creates and
// opens them.

#include "junction_forms/TDaneRonda.h"
#include "junction_forms/TGeometriaRondo.h"
#include "junction_forms/TGeometriaRuchoplan.h"
#include "junction_forms/TNatezeniaRUPL.h"
#include "junction_forms/TUstawSuwak.h"
#include "junction_forms/Uslugi.h"
