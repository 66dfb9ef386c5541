#include <gtest/gtest.h>

#include "framework/ShortCut.h"

using namespace zentavo;

TEST(ShortCut, ReadsAsModifiersInAFixedOrderThenTheKeysName) {
  EXPECT_EQ(ShortCutToText(ShortCut('S', ssCtrl)), "Ctrl+S");
  EXPECT_EQ(ShortCutToText(ShortCut('S', ssAlt | ssShift | ssCtrl)), "Ctrl+Shift+Alt+S");
  EXPECT_EQ(ShortCutToText(ShortCut(0x74, 0)), "F5");
  EXPECT_EQ(ShortCutToText(ShortCut(0x87, ssShift)), "Shift+F24");
  EXPECT_EQ(ShortCutToText(ShortCut(0x2E, 0)), "Del");
  EXPECT_EQ(ShortCutToText(ShortCut(0x0D, ssAlt)), "Alt+Enter");
  EXPECT_EQ(ShortCutToText(ShortCut(0x63, 0)), "Num 3");
  EXPECT_EQ(ShortCutToText(ShortCut('7', ssCtrl)), "Ctrl+7");
  // No key, or a key without a name, shows nothing.
  EXPECT_EQ(ShortCutToText(0), "");
  EXPECT_EQ(ShortCutToText(ShortCut(0xFF, ssCtrl)), "");
}

TEST(ShortCut, TextGoesBackToTheSameShortCut) {
  for (TShortCut shortCut : {ShortCut('S', ssCtrl), ShortCut(0x74, 0), ShortCut(0x2E, ssCtrl | ssAlt),
                             ShortCut(0x0D, ssShift), ShortCut(0x6B, 0)})
    EXPECT_EQ(TextToShortCut(ShortCutToText(shortCut)), shortCut) << ShortCutToText(shortCut);
  EXPECT_EQ(TextToShortCut("alt+ctrl+del"), ShortCut(0x2E, ssCtrl | ssAlt));
  EXPECT_EQ(TextToShortCut("Ctrl+"), 0);
  EXPECT_EQ(TextToShortCut("Ctrl+Nothing"), 0);
  EXPECT_EQ(ShortCutShift(ShortCut('A', ssShift | ssAlt)), unsigned(ssShift | ssAlt));
  EXPECT_EQ(ShortCutKey(ShortCut('A', ssShift)), unsigned('A'));
}
