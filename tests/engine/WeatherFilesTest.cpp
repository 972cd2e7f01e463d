// Weather-file names and where they are looked for.

#include "engine/WeatherFiles.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

using namespace quelvan;
namespace fs = std::filesystem;

namespace {

TEST(WeatherFileName, AnIndexOutsideTheCityListNamesNoCity)
{
    EXPECT_EQ(WeatherFileName(-1), "FR_UndefinedFile.wth");
    EXPECT_EQ(WeatherFileName(10), "FR_UndefinedFile.wth");
}

// A scratch folder tree, the current folder moved into one of its folders, and the user's
// data folder pointed into it; everything restored afterwards.
class WeatherLookup : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = fs::path(::testing::TempDir()) / ("weather_lookup_" + std::to_string(::getpid()));
        fs::remove_all(root);
        for (const char* d : { "cwd", "explicit", "project", "xdg/quelvan/weather" })
            fs::create_directories(root / d);
        previousDirectory = fs::current_path();
        fs::current_path(root / "cwd");
        const char* xdg = std::getenv("XDG_DATA_HOME");
        hadXdg = xdg != nullptr;
        previousXdg = xdg ? xdg : "";
        ::setenv("XDG_DATA_HOME", (root / "xdg").c_str(), 1);
        search.explicitDirectory = (root / "explicit").string();
        search.projectDirectory = (root / "project").string();
    }
    void TearDown() override
    {
        fs::current_path(previousDirectory);
        if (hadXdg)
            ::setenv("XDG_DATA_HOME", previousXdg.c_str(), 1);
        else
            ::unsetenv("XDG_DATA_HOME");
        fs::remove_all(root);
    }
    static void Touch(const fs::path& path) { std::ofstream(path) << "x\n"; }

    fs::path root;
    fs::path previousDirectory;
    bool hadXdg = false;
    std::string previousXdg;
    WeatherSearch search;
};

TEST_F(WeatherLookup, FoldersComeInTheDocumentedOrder)
{
    const std::vector<std::string> dirs = WeatherSearchDirectories(search);
    ASSERT_GE(dirs.size(), 7u);
    EXPECT_EQ(dirs[0], search.explicitDirectory);
    EXPECT_EQ(dirs[1], ".");
    EXPECT_EQ(dirs[2], search.projectDirectory);
    EXPECT_EQ(dirs[3], (root / "xdg" / "quelvan" / "weather").string());
    // The test program lies in the build tree's tests folder: the prefix it lies in is the build
    // tree, whose share/quelvan/weather is the installed folder beside it.
    const fs::path program = fs::read_symlink("/proc/self/exe");
    EXPECT_EQ(dirs[4], (program.parent_path().parent_path() / "share/quelvan/weather").string());
    EXPECT_EQ(dirs[5], QUELVAN_INSTALLED_WEATHER_DIR);
    EXPECT_EQ(dirs[6], QUELVAN_BUILD_WEATHER_DIR);

    const std::vector<std::string> withoutOptional = WeatherSearchDirectories(WeatherSearch {});
    EXPECT_EQ(withoutOptional.front(), ".");
    EXPECT_EQ(withoutOptional.size(), dirs.size() - 2);
}

TEST_F(WeatherLookup, FirstFolderHoldingTheFileWins)
{
    const std::string name = "FR_Nancy.wth";
    EXPECT_FALSE(FindWeatherFile("FR_NoSuchCity.wth", search));

    Touch(root / "xdg" / "quelvan" / "weather" / name);
    EXPECT_EQ(
        FindWeatherFile(name, search), (root / "xdg" / "quelvan" / "weather" / name).string());
    Touch(root / "project" / name);
    EXPECT_EQ(FindWeatherFile(name, search), (root / "project" / name).string());
    Touch(root / "cwd" / name);
    const std::optional<std::string> inCurrent = FindWeatherFile(name, search);
    ASSERT_TRUE(inCurrent);
    EXPECT_TRUE(fs::equivalent(*inCurrent, root / "cwd" / name));
    Touch(root / "explicit" / name);
    EXPECT_EQ(FindWeatherFile(name, search), (root / "explicit" / name).string());
}

// The first entry of the name is the file, whatever it is: the reader refuses it by name
// rather than the search passing on to another folder's file.
TEST_F(WeatherLookup, TheFirstEntryOfTheNameIsTheFileWhateverItIs)
{
    const fs::path first = root / "explicit" / "FR_Agen.wth";
    Touch(root / "project" / "FR_Agen.wth");
    const std::vector<std::function<void()>> makers {
        [&] { fs::create_directories(first); },
        [&] { ASSERT_EQ(::mkfifo(first.c_str(), 0600), 0); },
        [&] { fs::create_symlink(root / "absent", first); },
        [&] { fs::create_symlink(first, first); },
    };
    for (size_t i = 0; i < makers.size(); ++i) {
        makers[i]();
        EXPECT_EQ(FindWeatherFile("FR_Agen.wth", search), first.string()) << "case " << i;
        fs::remove(first);
    }
}

TEST_F(WeatherLookup, AccentedNamesAreFoundInUtf8AndInWindows1252)
{
    const std::string utf8Name = WeatherFileName(5);
    const std::string cp1252Name = "FR_M\xE2"
                                   "con.wth";
    Touch(root / "project" / cp1252Name);
    EXPECT_EQ(FindWeatherFile(utf8Name, search), (root / "project" / cp1252Name).string());
    Touch(root / "explicit" / utf8Name);
    EXPECT_EQ(FindWeatherFile(utf8Name, search), (root / "explicit" / utf8Name).string());
}

} // namespace
