// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/windowplace.h"

#include <gtest/gtest.h>

TEST(WindowPlace, TextRoundTripAndTextsThatAreNoPlace)
{
    const WindowPlace place{QRect(-8, 40, 1240, 840), true};
    EXPECT_EQ(place.toText(), "-8,40,1240,840,max");
    const auto back = WindowPlace::fromText(place.toText());
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->normal, place.normal);
    EXPECT_TRUE(back->maximized);
    EXPECT_FALSE(WindowPlace::fromText("10, 20, 300, 200")->maximized);
    for (const char *wrong : {"", "10,20,300", "10,20,300,0", "a,20,300,200", "10,20,300,200,big",
                              "10,20,300,200,max,1", "2147483000,0,2000,100", "0,0,16777216,100",
                              "-16777216,0,300,200"})
        EXPECT_FALSE(WindowPlace::fromText(wrong).has_value()) << wrong;
}

TEST(WindowPlace, NeverOffScreen)
{
    const QRect primary(0, 0, 1920, 1050);
    const QRect right(1920, 0, 1280, 1000);
    const auto fitted = [&](const QRect &r) {
        return WindowPlace{r, false}.fittedTo({primary, right});
    };
    // Whole on a screen: kept.
    EXPECT_EQ(fitted(QRect(100, 80, 900, 700)), QRect(100, 80, 900, 700));
    EXPECT_EQ(fitted(QRect(2000, 50, 900, 700)), QRect(2000, 50, 900, 700));
    // Hanging over an edge: pulled onto the screen it overlaps most.
    EXPECT_EQ(fitted(QRect(1400, -30, 900, 700)), QRect(1020, 0, 900, 700));
    EXPECT_EQ(fitted(QRect(1500, -30, 900, 700)), QRect(1920, 0, 900, 700));
    EXPECT_EQ(fitted(QRect(2900, 900, 900, 700)), QRect(2300, 300, 900, 700));
    // On a screen that is gone: the primary one, shrunk to fit it.
    EXPECT_EQ(fitted(QRect(5000, 4000, 2500, 1200)), QRect(0, 0, 1920, 1050));
    const WindowPlace nowhere{QRect(1, 2, 3, 4), false};
    EXPECT_EQ(nowhere.fittedTo({}), QRect(1, 2, 3, 4));
}
