// Checks of the junction diagrams, roundabouts, counts and forecasts after a load.
#include "model/Sekcje.h"

std::string SprawdzDiagramy() { return ""; }
