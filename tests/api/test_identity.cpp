#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "api/identity.h"
#include "korvex3/korvex3.h"

namespace {

TEST(Identity, VersionIsThreeNineFiftySixRevision361)
{
    EXPECT_EQ(korvex::AppVersion().toStdString(), "3.9.56.361");

    int parts[4] = {};
    EXPECT_EQ(korvex::GetAppVersion(parts), 4);
    EXPECT_EQ(std::vector<int>(parts, parts + 4), (std::vector<int>{3, 9, 56, 361}));

    int major = 0, minor = 0, build = 0, revision = 0;
    korvex3_version(major, minor, build, revision);
    EXPECT_EQ(std::vector<int>({major, minor, build, revision}), (std::vector<int>{3, 9, 56, 361}));
}

TEST(Identity, FamilyNames)
{
    const std::pair<QString (*)(), const char*> names[] = {
        {korvex::OrganizationName, "Korvex Engineering"},
        {korvex::ServiceAppName, "Korvex Service"},
        {korvex::FDImportAppName, "Korvex FDImport"},
        {korvex::UpdateAppName, "Korvex Update"},
    };
    for (const auto& [function, text] : names)
        EXPECT_EQ(function().toStdString(), text);
}

// Points the user's generic data location at a fresh folder for one test.
class DataHome : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home.isValid());
        saved = qgetenv("XDG_DATA_HOME");
        hadValue = qEnvironmentVariableIsSet("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", home.path().toUtf8());
    }
    void TearDown() override
    {
        if (hadValue)
            qputenv("XDG_DATA_HOME", saved);
        else
            qunsetenv("XDG_DATA_HOME");
    }

    QTemporaryDir home;
    QByteArray saved;
    bool hadValue = false;
};

TEST_F(DataHome, AppHomeIsOrganisationThenApplicationAndCreatesNothing)
{
    EXPECT_EQ(korvex::AppHome("x").toStdString(), (home.path() + "/Korvex Engineering/x").toStdString());
    EXPECT_EQ(korvex::AppHome("library").toStdString(), (home.path() + "/Korvex Engineering/library").toStdString());
    EXPECT_TRUE(QDir(home.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).isEmpty());
}

}  // namespace
