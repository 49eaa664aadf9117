#include "shell/SciezkiProgramu.h"

#include "platform/KatalogProgramu.h"

std::string SciezkaProgramu(const std::string& wzgledna) { return PolaczSciezke(KatalogProgramu(), wzgledna); }
