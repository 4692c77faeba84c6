#include "distinte/YearChoice.h"

#include <gtest/gtest.h>

using namespace yearchoice;

TEST(YearChoice, OnlyFourDigitsAreAccepted) {
    EXPECT_TRUE(isAcceptedYear(u"2023"));
    EXPECT_TRUE(isAcceptedYear(u"0000"));
    EXPECT_TRUE(isAcceptedYear(u"2999"));
    EXPECT_FALSE(isAcceptedYear(u""));
    EXPECT_FALSE(isAcceptedYear(u"24"));
    EXPECT_FALSE(isAcceptedYear(u"20245"));
    // Pasted texts of four characters that are not a year.
    EXPECT_FALSE(isAcceptedYear(u"../x"));
    EXPECT_FALSE(isAcceptedYear(u" 202"));
    EXPECT_FALSE(isAcceptedYear(u"２０２４"));
}

TEST(YearChoice, YearNamesTheArchiveAndTheCaption) {
    const ProgramFolder folder(QStringLiteral("/data/vellarmo"));
    EXPECT_EQ(archivePath(folder, u"2023"), folder.file(QStringLiteral("2023.ric")));
    EXPECT_EQ(editorCaption(u"2023"), QStringLiteral(" Vellarmo - Emissione Distinte anno 2023"));
}
