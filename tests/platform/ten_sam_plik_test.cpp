// One file known under several paths: what a window's save back into its
// own file must recognise before it trusts its record of the file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "platform/KatalogProgramu.h"

namespace fs = std::filesystem;

TEST(TenSamPlik, PisownieJednegoPlikuIPlikiRozne)
{
    const fs::path tmp = fs::temp_directory_path() / ("kg_ten_sam_" + std::to_string(::getpid()));
    fs::remove_all(tmp);
    fs::create_directories(tmp / "a");
    std::ofstream(tmp / "a/p.rup") << "projekt";
    std::ofstream(tmp / "a/kopia.rup") << "projekt";
    fs::create_directory_symlink(tmp / "a", tmp / "lacze");
    fs::create_symlink("p.rup", tmp / "a/skrot.rup");
    fs::create_hard_link(tmp / "a/p.rup", tmp / "a/twardy.rup");
    const std::string p = (tmp / "a/p.rup").native();

    for (const fs::path& inna : {tmp / "a/../a/p.rup", tmp / "lacze/p.rup", tmp / "a/skrot.rup",
                                 tmp / "a/twardy.rup", tmp / "a/./p.rup"})
        EXPECT_TRUE(TenSamPlik(p, inna.native())) << inna;

    // The same bytes in another file are another file; so is a folder.
    EXPECT_FALSE(TenSamPlik(p, (tmp / "a/kopia.rup").native()));
    EXPECT_FALSE(TenSamPlik(p, (tmp / "a").native()));
    EXPECT_FALSE(TenSamPlik(p, ""));
    // A file not there is only itself, whatever else is not there either.
    const std::string brak = (tmp / "a/brak.rup").native();
    EXPECT_TRUE(TenSamPlik(brak, brak));
    EXPECT_FALSE(TenSamPlik(brak, (tmp / "lacze/brak.rup").native()));
    EXPECT_FALSE(TenSamPlik(brak, p));
    EXPECT_TRUE(TenSamPlik("", ""));

    fs::remove_all(tmp);
}
