#pragma once
// The project-wide width scales of flow bands and crossing arrows, from the
// rule chosen in the settings and the largest value of the whole project.

#include <cstdint>

// Sets wg.SkalaPaskow (cm of band per vehicle) and wg.MaxNatezenie.
void UstawSkalePaskow();
// Sets wg.SkalaPrzejsc (cm of crossing arrow per pedestrian) and wg.MaxPrzejscie.
void UstawSkalePrzejsc();

// The largest arm total of the project's diagrams and roundabouts, at least wg.MinPojazd.
int32_t NajwiekszeNatezenie();
// The largest crossing value (one category at one arm, both directions), 0 when none.
int32_t NajwiekszePrzejscie();
