#pragma once
// A test's own folder under the system's temporary one, named after the
// process and the test, made anew before it and removed after it.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <unistd.h>
#include <utility>

class FolderTestu : public ::testing::Test {
protected:
    explicit FolderTestu(std::string przedrostek) : przedrostek_(std::move(przedrostek)) {}
    void SetUp() override
    {
        katalog = std::filesystem::temp_directory_path() /
                  (przedrostek_ + std::to_string(::getpid()) + "_" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(katalog);
        std::filesystem::create_directories(katalog);
    }
    void TearDown() override
    {
        std::error_code ec;
        std::filesystem::permissions(katalog, std::filesystem::perms::owner_all, ec);
        std::filesystem::remove_all(katalog, ec);
    }
    static std::string TrescPliku(const std::filesystem::path& sciezka)
    {
        std::ifstream f(sciezka, std::ios::binary);
        std::stringstream s;
        s << f.rdbuf();
        return s.str();
    }
    std::size_t LiczbaPlikow() const
    {
        return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(katalog),
                                                      std::filesystem::directory_iterator()));
    }
    std::filesystem::path katalog;

private:
    std::string przedrostek_;
};
