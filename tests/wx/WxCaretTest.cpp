#include "platform/wx/WxCaret.h"

#include <gtest/gtest.h>

TEST(WxCaretTest, ANewCaretShowsOnlyWhenShownAndFocused) {
    CWxCaret caret;
    EXPECT_FALSE(caret.IsDrawn());
    caret.Create(10, 20);
    caret.SetFocus(true);
    EXPECT_FALSE(caret.IsDrawn()); // created hidden
    caret.Show();
    EXPECT_TRUE(caret.IsDrawn());
    caret.SetFocus(false);
    EXPECT_FALSE(caret.IsDrawn());
    EXPECT_FALSE(caret.IsActive());
}

TEST(WxCaretTest, EachHideNeedsItsOwnShow) {
    CWxCaret caret;
    caret.Create(2, 16);
    caret.SetFocus(true);
    caret.Show();
    caret.Hide();
    caret.Hide();
    caret.Show();
    EXPECT_FALSE(caret.IsDrawn());
    caret.Show();
    EXPECT_TRUE(caret.IsDrawn());
    caret.Show(); // showing a shown caret does not bank a show
    caret.Hide();
    EXPECT_FALSE(caret.IsDrawn());
}

TEST(WxCaretTest, BlinkingTogglesAndMovingShowsAtOnce) {
    CWxCaret caret;
    caret.Create(8, 16);
    caret.SetFocus(true);
    caret.Show();
    caret.Blink();
    EXPECT_FALSE(caret.IsDrawn());
    EXPECT_TRUE(caret.IsActive());
    caret.SetPos(CPoint(30, 40));
    EXPECT_TRUE(caret.IsDrawn());
    EXPECT_EQ(caret.Rect(), CRect(30, 40, 38, 56));
    caret.Destroy();
    EXPECT_FALSE(caret.IsActive());
    EXPECT_FALSE(caret.Exists());
}
