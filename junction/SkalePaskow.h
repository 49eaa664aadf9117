#pragma once
// The project-wide width scales of flow bands and crossing arrows, from the
// rule chosen in the settings and the largest value of the whole project.

#include <cstdint>
#include <limits>

struct DaneRuchoplan;
struct DaneRondo;

// Sets wg.SkalaPaskow (cm of band per vehicle) and wg.MaxNatezenie.
void UstawSkalePaskow();
// Sets wg.SkalaPrzejsc (cm of crossing arrow per pedestrian) and wg.MaxPrzejscie.
void UstawSkalePrzejsc();

// The largest arm total of the project's diagrams and roundabouts, at least wg.MinPojazd.
int32_t NajwiekszeNatezenie();
// The largest crossing value (one category at one arm, both directions), 0 when none.
int32_t NajwiekszePrzejscie();

// What one diagram or roundabout counts towards the two largest values
// (the lowest int32 when nothing).
struct WkladDoSkal {
    int32_t natezenie = std::numeric_limits<int32_t>::min();
    int32_t przejscie = std::numeric_limits<int32_t>::min();
};
WkladDoSkal WkladRuchoplanu(const DaneRuchoplan& r);
WkladDoSkal WkladRonda(const DaneRondo& r);

// One pass over a sheet (a redraw, a printed page, a variant of the DXF).
// While a pass lasts the largest values are found by one scan of the
// project and then kept up to date from the records the pass computes, which
// report each change of their own values through `ZmienionyWklad`: computing
// every diagram no longer scans every diagram. Passes may nest; outside a
// pass every call scans the project.
class PrzebiegObliczen {
public:
    PrzebiegObliczen();
    ~PrzebiegObliczen();
    PrzebiegObliczen(const PrzebiegObliczen&) = delete;
    PrzebiegObliczen& operator=(const PrzebiegObliczen&) = delete;
};
// A record computed in a pass changed what it counts from `przed` to `po`.
void ZmienionyWklad(const WkladDoSkal& przed, const WkladDoSkal& po);
