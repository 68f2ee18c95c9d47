// The menu set: its home page, page capacity, opening pages, routing clicks and commands.
#include "menu_set.h"

#include "menu_fixture.h"

class MenuSets : public MenuTest {
protected:
    void SetUp() override {
        MenuTest::SetUp();
        CallbackLog::reset();
    }
};

TEST_F(MenuSets, StartsWithTheHomePageAloneAndBecomesTheGlobalSet) {
    MenuSet set(screen, kMenuFont);
    EXPECT_EQ(set.pageCount, 1);
    EXPECT_EQ(set.activeIndex, 0);
    EXPECT_EQ(set.currentPage, set.pages[0]);
    EXPECT_EQ(g_menuSet, &set);
    EXPECT_STREQ(g_fontPath, kMenuFont);
}

TEST_F(MenuSets, AddPageMovesTheCurrentPageButNotTheActiveOne) {
    MenuSet set(screen, kMenuFont);
    EXPECT_EQ(set.addPage(), 1);
    EXPECT_EQ(set.addPage(), 2);
    EXPECT_EQ(set.currentPage, set.pages[2]);
    EXPECT_EQ(set.activeIndex, 0);
}

TEST_F(MenuSets, TwelfthPageIsRefused) {
    MenuSet set(screen, kMenuFont);
    for (int index = 1; index < kMaxPages; ++index) {
        ASSERT_EQ(set.addPage(), index);
    }
    testing::internal::CaptureStderr();
    EXPECT_EQ(set.addPage(), 0);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Konnte Untermenü nicht erzeugen. Es sind zu viele.");
    EXPECT_EQ(set.pageCount, kMaxPages);
    EXPECT_EQ(set.currentPage, set.pages[kMaxPages - 1]);
}

TEST_F(MenuSets, OpenPageOutsideTheSetChangesNothing) {
    MenuSet set(screen, kMenuFont);
    for (int i = 0; i < 3; ++i) {
        set.addPage();
    }
    set.openPage(2);
    for (Sint32 index : {4, -1}) {
        set.openPage(index);
        EXPECT_EQ(set.activeIndex, 2);
        EXPECT_EQ(set.currentPage, set.pages[2]);
    }
    set.goHome();
    EXPECT_EQ(set.activeIndex, 0);
    EXPECT_EQ(set.currentPage, set.pages[0]);
}

TEST_F(MenuSets, DrawsTheActivePageOverTheHomePage) {
    MenuSet set(screen, kMenuFont);
    set.currentPage->addRect(0, 0, 100, 100, 255, 0, 0);
    set.addPage();
    set.currentPage->addRect(0, 0, 50, 50, 0, 255, 0);
    set.draw();
    EXPECT_EQ(pixel(10, 10), mapped(255, 0, 0));  // page 1 is filled but not shown
    set.openPage(1);
    set.draw();
    EXPECT_EQ(pixel(10, 10), mapped(0, 255, 0));
    EXPECT_EQ(pixel(80, 80), mapped(255, 0, 0));
}

TEST_F(MenuSets, ClickMissingTheActivePageReachesTheHomePage) {
    MenuSet set(screen, kMenuFont);
    set.currentPage->addRect(0, 0, 800, 600, 0, 0, 0);
    const int homeRect = set.currentPage->addRect(0, 0, 100, 100, 255, 0, 0);
    set.currentPage->setCallback(homeRect, &CallbackLog::record, 7);
    set.addPage();
    set.currentPage->addRect(0, 0, 800, 600, 0, 0, 255);  // covers the home page, takes no clicks
    const int pageRect = set.currentPage->addRect(400, 400, 100, 100, 0, 255, 0);
    set.currentPage->setCallback(pageRect, &CallbackLog::record, 8);
    set.openPage(1);

    set.click(450, 450);
    EXPECT_EQ(CallbackLog::lastValue, 8);
    set.click(50, 50);
    EXPECT_EQ(CallbackLog::calls, 2);
    EXPECT_EQ(CallbackLog::lastValue, 7);
}

TEST_F(MenuSets, CommandGoesToTheActivePageThenTheSetRedraws) {
    MenuSet set(screen, kMenuFont);
    set.currentPage->addRect(0, 0, 100, 100, 255, 0, 0);
    const int open = set.currentPage->addTextItem("Start", 200, 200, 30);
    set.currentPage->setAction(open, ElementAction::OpenPage, 1);
    set.currentPage->select(static_cast<Sint8>(open));
    set.addPage();  // draws only its one item, far from the home page's rectangle
    const int item = set.currentPage->addTextItem("Rot", 500, 500, 30);
    set.currentPage->setCallback(item, &CallbackLog::record, 5);
    set.currentPage->select(static_cast<Sint8>(item));

    set.command(MenuCommand::Activate);
    EXPECT_EQ(set.activeIndex, 1);
    EXPECT_EQ(CallbackLog::calls, 0);
    clearScreen();
    set.command(MenuCommand::None);
    EXPECT_EQ(pixel(10, 10), mapped(255, 0, 0));  // only the set draws the home page here
    set.command(MenuCommand::Activate);
    EXPECT_EQ(CallbackLog::lastValue, 5);
    EXPECT_EQ(set.activeIndex, 1);
    set.command(MenuCommand::Home);
    EXPECT_EQ(set.activeIndex, 0);
}

TEST_F(MenuSets, WithoutAHomePageDrawClickAndCommandDoNothing) {
    MenuSet set(screen, kMenuFont);
    delete set.pages[0];
    set.pages[0] = nullptr;
    set.currentPage = nullptr;
    set.pageCount = 0;
    clearScreen();
    set.draw();
    set.click(10, 10);
    set.command(MenuCommand::Next);
    EXPECT_TRUE(screenIsBlack());
}

TEST_F(MenuSets, DestroyedSetIsNoLongerTheGlobalSet) {
    auto* set = new MenuSet(screen, kMenuFont);
    ASSERT_EQ(g_menuSet, set);
    delete set;
    EXPECT_EQ(g_menuSet, nullptr);
}
