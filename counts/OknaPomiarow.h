#pragma once
// The windows of counts and forecasts, for the shell that creates them.

#include "counts/TNatezeniaTabela.h"
#include "counts/TOpenPomiar.h"
#include "counts/TOpis.h"
#include "counts/TPojazdyTabela.h"
#include "counts/TPomiaryRuchu.h"
#include "counts/TTabelaPrognoz.h"
