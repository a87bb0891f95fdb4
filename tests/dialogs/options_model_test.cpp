#include "dialogs/options_model.h"

#include <gtest/gtest.h>

#include <string>

namespace cinq {
namespace {

struct OptionsModelTest : ::testing::Test {
    LevelSetting level;
    OptionsModel model{level};
};

TEST_F(OptionsModelTest, SwitchingToAHumanOpensTheSecondNameAndHidesTheLevels) {
    model.chooseOpponent(Opponent::Human);
    EXPECT_EQ(model.name(1), "Joueur 2");
    EXPECT_TRUE(model.secondNameEnabled());
    EXPECT_FALSE(model.levelsFrameVisible());
    EXPECT_EQ(model.humanOptionCaption(), "Joueur 2");
}

TEST_F(OptionsModelTest, SwitchingBackToTheComputerKeepsTheLastCaption) {
    model.chooseOpponent(Opponent::Human);
    model.nameChanged(1, "Marie");
    model.chooseOpponent(Opponent::Computer);
    EXPECT_EQ(model.name(1), "Ordinateur");
    EXPECT_FALSE(model.secondNameEnabled());
    EXPECT_TRUE(model.levelsFrameVisible());
    EXPECT_EQ(model.humanOptionCaption(), "Marie");
}

TEST_F(OptionsModelTest, ChoosingTheSelectedOpponentAgainKeepsTheSecondName) {
    model.chooseOpponent(Opponent::Human);
    model.nameChanged(1, "Marie");
    model.chooseOpponent(Opponent::Human);
    EXPECT_EQ(model.name(1), "Marie");
}

TEST_F(OptionsModelTest, FirstNameLabelFollowsTheFirstBoxOnly) {
    model.nameChanged(0, "Paul");
    model.nameChanged(1, "Marie");
    EXPECT_EQ(model.firstNameLabel(), "Paul");
    EXPECT_EQ(model.name(0), "Paul");
    EXPECT_EQ(model.humanOptionCaption(), "Marie");
}

// Which second names rename the "Autres" option. Characters, not bytes, are counted.
struct CaptionCase {
    std::string name;
    bool renames;
};
class SecondNameCaption : public OptionsModelTest,
                          public ::testing::WithParamInterface<CaptionCase> {};

TEST_P(SecondNameCaption, RenamesTheOptionUpToFourteenCharactersButNeverOrdinateur) {
    model.chooseOpponent(Opponent::Human);
    model.nameChanged(1, GetParam().name);
    EXPECT_EQ(model.name(1), GetParam().name);  // the name itself is always kept
    EXPECT_EQ(model.humanOptionCaption(), GetParam().renames ? GetParam().name : "Joueur 2");
}

INSTANTIATE_TEST_SUITE_P(
    Names, SecondNameCaption,
    ::testing::Values(CaptionCase{"", true}, CaptionCase{"ABCDEFGHIJKLMN", true},
                      CaptionCase{"ABCDEFGHIJKLMNO", false}, CaptionCase{"Ordinateur", false},
                      CaptionCase{"ordinateur", true}, CaptionCase{"Ordinateur ", true},
                      CaptionCase{"ÉéèêëàâäôöûüçÇ", true}, CaptionCase{"ÉéèêëàâäôöûüçÇx", false},
                      CaptionCase{std::string(10000, 'x'), false}));

// What each level option selects in the main window, and what its label then reads.
struct LevelCase {
    LevelOption option;
    Level setting;
    const char* caption;
};
class LevelOptionChoice : public OptionsModelTest,
                          public ::testing::WithParamInterface<LevelCase> {};

TEST_P(LevelOptionChoice, SelectsTheLevelSettingAtOnce) {
    // Start from another option, so that the choice is a change.
    model.chooseLevel(GetParam().option == LevelOption::Level2 ? LevelOption::Level1
                                                               : LevelOption::Level2);
    model.chooseLevel(GetParam().option);
    EXPECT_EQ(model.levelOption(), GetParam().option);
    EXPECT_EQ(level.value, GetParam().setting);
    EXPECT_EQ(level.caption, GetParam().caption);
}

INSTANTIATE_TEST_SUITE_P(Levels, LevelOptionChoice,
                         ::testing::Values(LevelCase{LevelOption::Initiation, Level::Initiation,
                                                     "Niveau initiation"},
                                           LevelCase{LevelOption::Level1, Level::One, "Niveau 1"},
                                           LevelCase{LevelOption::Level2, Level::Two, "Niveau 2"},
                                           LevelCase{LevelOption::Level3, Level::Three, "Niveau 3"}));

TEST_F(OptionsModelTest, RecreatingRestoresTheInitialSettingsButNotTheLevelSetting) {
    model.nameChanged(0, "Paul");
    model.chooseOpponent(Opponent::Human);
    model.nameChanged(1, "Marie");
    model.chooseLevel(LevelOption::Level2);  // chosen before: the frame hides with a human
    model.recreate();
    EXPECT_EQ(model.opponent(), Opponent::Computer);
    EXPECT_EQ(model.name(0), "Joueur 1");
    EXPECT_EQ(model.name(1), "Ordinateur");
    EXPECT_EQ(model.firstNameLabel(), "Joueur 1");
    EXPECT_EQ(model.humanOptionCaption(), "Autres");
    EXPECT_EQ(model.levelOption(), LevelOption::Initiation);
    EXPECT_EQ(level.value, Level::Two);
    EXPECT_EQ(level.caption, "Niveau 2");
    // The model still writes the same level setting.
    model.chooseLevel(LevelOption::Level1);
    EXPECT_EQ(level.value, Level::One);
}

}  // namespace
}  // namespace cinq
