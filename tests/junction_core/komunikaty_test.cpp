// Messages kept apart while a computation runs on a thread of its own, and
// passed on later in the order one thread would have queued them.

#include <gtest/gtest.h>
#include <thread>

#include "junction/Komunikaty.h"

namespace {

using Lista = std::vector<std::string>;

TEST(KomunikatyOdlozone, ZatrzymaneIPrzekazaneWKolejnosci)
{
    PobierzKomunikaty();
    ZbierzKomunikat("a");
    Lista pierwsze, drugie;
    {
        const KomunikatyOdlozone odlozone;
        ZbierzKomunikat("b");
        ZbierzKomunikat("a");
        ZbierzKomunikat("b");
        {
            // Nested: its own list, the outer one's again after it.
            const KomunikatyOdlozone wewnetrzne;
            ZbierzKomunikat("c");
            drugie = wewnetrzne.teksty;
        }
        ZbierzKomunikat("d");
        pierwsze = odlozone.teksty;
    }
    EXPECT_EQ(pierwsze, (Lista{"b", "a", "d"}));
    EXPECT_EQ(drugie, Lista{"c"});
    // The queue held only what came outside; passing on keeps each text once.
    KomunikatyOdlozone::Przekaz(pierwsze);
    KomunikatyOdlozone::Przekaz(drugie);
    ZbierzKomunikat("e");
    EXPECT_EQ(PobierzKomunikaty(), (Lista{"a", "b", "d", "c", "e"}));
}

// Another thread's list takes nothing this thread queues, nor the reverse.
TEST(KomunikatyOdlozone, KazdyWatekSwoje)
{
    PobierzKomunikaty();
    Lista watku;
    {
        const KomunikatyOdlozone odlozone;
        std::thread([&watku] {
            const KomunikatyOdlozone wlasne;
            ZbierzKomunikat("z watku");
            watku = wlasne.teksty;
        }).join();
        ZbierzKomunikat("stad");
        EXPECT_EQ(odlozone.teksty, Lista{"stad"});
    }
    EXPECT_EQ(watku, Lista{"z watku"});
    EXPECT_TRUE(PobierzKomunikaty().empty());
}

} // namespace
