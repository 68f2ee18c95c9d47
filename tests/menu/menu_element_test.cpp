// Menu elements: default placement, text copies, the click area, switched-off elements, actions.
#include "menu_element.h"

#include <cstring>
#include <string>

#include "menu_fixture.h"
#include "menu_set.h"

class MenuElements : public MenuTest {
protected:
    void SetUp() override {
        MenuTest::SetUp();
        CallbackLog::reset();
    }
};

TEST_F(MenuElements, TextItemIsCentredDroppingRemainders) {
    // Widths depend on the FreeType version; an entry of odd width shows the remainder dropped.
    bool oddWidthSeen = false;
    for (const char* text : {"benutzerdef.", "Einfach", "Mittel", "Schwer", "Highscore"}) {
        MenuTextItem item(kDefaultPosition, kDefaultPosition, text, 25);
        oddWidthSeen = oddWidthSeen || item.place.w % 2 == 1;
        EXPECT_EQ(item.place.x, 400 - item.place.w / 2) << text << ", " << item.place.w << " wide";
        EXPECT_EQ(item.place.y, 300 - item.place.h / 2) << text;
        EXPECT_EQ(item.on, 0);
    }
    EXPECT_TRUE(oddWidthSeen) << "no entry of odd width to show the rounding";
}

TEST_F(MenuElements, TitleByDefaultSitsNearTheTop) {
    MenuTitle title(kDefaultPosition, kDefaultPosition, "PlimSDL", 40);
    ASSERT_GT(title.place.w, 0);
    EXPECT_EQ(title.place.y, 12);
    EXPECT_EQ(title.place.x, 400 - title.place.w / 2);
    EXPECT_EQ(title.on, 1);
}

TEST_F(MenuElements, LongTextIsCutToThirtyCharactersAndTerminated) {
    const std::string longText(40, 'A');
    MenuTitle title(0, 0, longText.c_str(), 20);
    EXPECT_EQ(std::strlen(title.text), 30u);
    EXPECT_NE(title.image, nullptr);
}

TEST_F(MenuElements, ClickAreaIsOnePixelWiderAndTaller) {
    MenuRect rect(100, 200, 50, 20, 0, 0, 255);
    EXPECT_TRUE(rect.click(150, 220));
    EXPECT_FALSE(rect.click(151, 210));
    EXPECT_FALSE(rect.click(120, 221));
    EXPECT_FALSE(rect.click(99, 210));
    EXPECT_FALSE(rect.click(120, 199));
}

TEST_F(MenuElements, ClickAreaDoesNotWrapAroundSixteenBits) {
    MenuRect rect(30000, 0, 40000, 10, 0, 0, 255);  // reaches past 65535
    EXPECT_TRUE(rect.click(65535, 5));
}

TEST_F(MenuElements, SwitchedOffTitleOrRectangleNeitherDrawsNorTakesClicks) {
    MenuTitle title(10, 10, "Titel", 30);
    MenuRect rect(300, 300, 40, 40, 255, 255, 255);
    for (MenuElement* element :
         {static_cast<MenuElement*>(&title), static_cast<MenuElement*>(&rect)}) {
        element->setCallback(&CallbackLog::record, 1);
        element->on = 0;
        clearScreen();
        element->draw();
        EXPECT_TRUE(screenIsBlack());
        EXPECT_FALSE(element->click(static_cast<Uint16>(element->place.x + 1),
                                    static_cast<Uint16>(element->place.y + 1)));
        element->on = 1;
        element->draw();
        EXPECT_FALSE(screenIsBlack());
    }
    EXPECT_EQ(CallbackLog::calls, 0);
}

TEST_F(MenuElements, TextItemTakesClicksWhetherHighlightedOrNot) {
    MenuTextItem item(10, 10, "Start", 30);
    item.setCallback(&CallbackLog::record, 4);
    EXPECT_TRUE(item.click(12, 12));
    item.on = 1;
    EXPECT_TRUE(item.click(12, 12));
    EXPECT_EQ(CallbackLog::calls, 2);
    EXPECT_EQ(CallbackLog::lastValue, 4);
}

TEST_F(MenuElements, HighlightChoosesTheTextColour) {
    MenuTextItem item(0, 0, "Start", 30);
    const auto pixelsOf = [&](Uint8 r) {
        return pixelsWithValue(screen, 0, 0, item.place.w, item.place.h, mapped(r, 0, 0));
    };
    item.draw();
    EXPECT_GT(pixelsOf(128), 0);
    EXPECT_EQ(pixelsOf(200), 0);
    item.on = 1;
    item.draw();
    EXPECT_GT(pixelsOf(200), 0);
}

TEST_F(MenuElements, ActionNoneReportsTheHitAndDoesNothing) {
    MenuRect rect(0, 0, 10, 10, 255, 0, 0);
    rect.setCallback(&CallbackLog::record, 1);
    rect.setAction(ElementAction::None, 1);
    EXPECT_TRUE(rect.click(5, 5));
    EXPECT_EQ(CallbackLog::calls, 0);
}

TEST_F(MenuElements, SetActionAfterSetCallbackKeepsTheCallback) {
    MenuRect rect(0, 0, 10, 10, 255, 0, 0);
    rect.setCallback(&CallbackLog::record, 1);
    rect.setAction(ElementAction::OpenPage, 2);
    EXPECT_EQ(rect.callback, &CallbackLog::record);
    rect.setAction(ElementAction::Callback, 9);
    rect.activate();
    EXPECT_EQ(CallbackLog::calls, 1);
    EXPECT_EQ(CallbackLog::lastValue, 9);
}

TEST_F(MenuElements, CallbackActionWithoutACallbackDoesNothing) {
    MenuRect rect(0, 0, 10, 10, 255, 0, 0);
    rect.setAction(ElementAction::Callback, 3);
    EXPECT_EQ(rect.callback, nullptr);
    EXPECT_TRUE(rect.click(5, 5));
}

TEST_F(MenuElements, OpenPageOutsideTheSetChangesNothing) {
    MenuSet set(screen, kMenuFont);
    set.addPage();
    set.addPage();
    MenuRect rect(0, 0, 10, 10, 255, 0, 0);
    for (Sint32 index : {-1, 3}) {
        rect.setAction(ElementAction::OpenPage, index);
        rect.activate();
        EXPECT_EQ(set.activeIndex, 0);
        EXPECT_EQ(set.currentPage, set.pages[2]);
    }
    rect.setAction(ElementAction::OpenPage, 1);
    rect.activate();
    EXPECT_EQ(set.activeIndex, 1);
}

TEST_F(MenuElements, MissingFontLeavesTextElementsEmptyButUsable) {
    setFontPath("Data/missing.ttf");
    MenuTitle title(kDefaultPosition, kDefaultPosition, "Titel", 30);
    MenuTextItem item(kDefaultPosition, kDefaultPosition, "Start", 30);
    EXPECT_EQ(title.image, nullptr);
    EXPECT_EQ(item.highlightImage, nullptr);
    EXPECT_EQ(item.place.w, 0);
    EXPECT_EQ(item.place.x, 400);
    EXPECT_EQ(item.place.y, 300);
    clearScreen();
    title.draw();
    item.draw();
    item.on = 1;
    item.draw();
    EXPECT_TRUE(screenIsBlack());
    EXPECT_TRUE(item.click(400, 300));
    EXPECT_FALSE(title.click(0, 0));
}
