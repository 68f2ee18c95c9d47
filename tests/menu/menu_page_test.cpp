// Menu pages: adding up to capacity, selection by index and by keyboard, clicks and drawing.
#include "menu_page.h"

#include <initializer_list>
#include <string>

#include "menu_fixture.h"
#include "menu_set.h"

class MenuPages : public MenuTest {
protected:
    void SetUp() override {
        MenuTest::SetUp();
        CallbackLog::reset();
        page = new MenuPage(screen, kMenuFont);
    }
    void TearDown() override {
        delete page;
        MenuTest::TearDown();
    }

    // A dim background, seven small rectangles (elements 1 to 7), then seven text items below
    // them (8 to 14).
    void addRectanglesThenItems() {
        page->addRect(0, 0, 800, 600, 0, 0, 80);
        for (int i = 0; i < 7; ++i) {
            page->addRect(static_cast<Sint16>(10 + 60 * i), 10, 50, 50, 0, 0, 255);
        }
        for (int i = 0; i < 7; ++i) {
            page->addTextItem("Eintrag", 10, static_cast<Sint16>(100 + 40 * i), 30);
        }
    }

    // The command's result, after checking whether the page drew itself.
    int commandDrawing(MenuCommand cmd, bool expectDrawn) {
        clearScreen();
        const int result = page->command(cmd);
        EXPECT_EQ(!screenIsBlack(), expectDrawn) << "command " << static_cast<int>(cmd);
        return result;
    }

    MenuPage* page = nullptr;
};

TEST_F(MenuPages, FirstRectangleAndTitleTakeTheirOwnPlaces) {
    EXPECT_EQ(page->addRect(0, 0, 800, 600, 0, 0, 80), 0);
    EXPECT_EQ(page->addTitle("Titel", 40, -1, -1), 0);
    EXPECT_EQ(page->addTitle("Zweiter", 30, 0, 100), 1);
    EXPECT_EQ(page->addRect(0, 0, 10, 10, 0, 0, 80), 2);
    EXPECT_EQ(page->addTextItem("Start", -1, -1, 30), 3);
    EXPECT_EQ(page->elementCount, 3);
    EXPECT_EQ(page->elements[0]->kind, ElementKind::Title);
    EXPECT_EQ(page->background->kind, ElementKind::Rect);
}

TEST_F(MenuPages, FullPageRefusesElementsButStillTakesTitleAndBackground) {
    for (int i = 0; i < kMaxElements; ++i) {
        ASSERT_EQ(page->addTextItem("Eintrag", 0, static_cast<Sint16>(i * 25), 20), i + 1);
    }
    testing::internal::CaptureStderr();
    EXPECT_EQ(page->addTextItem("Zuviel", 0, 0, 20), -1);
    EXPECT_EQ(page->addTitle("Titel", 30, -1, -1), 0);
    EXPECT_EQ(page->addRect(0, 0, 10, 10, 1, 2, 3), 0);
    EXPECT_EQ(page->addTitle("Noch ein Titel", 30, -1, -1), -1);
    EXPECT_EQ(page->addRect(0, 0, 10, 10, 1, 2, 3), -1);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Konnte Text nicht hinzufügen, keine Platz mehr!\n"
              "Konnte Titel nicht hinzufügen, kein Platz mehr!\n"
              "Konnte Rect nicht hinzufügen, kein Platz mehr!\n");
    EXPECT_EQ(page->elementCount, kMaxElements);
    EXPECT_EQ(page->elements[kMaxElements]->kind, ElementKind::TextItem);
}

TEST_F(MenuPages, SelectOutsideTheElementsChangesNothing) {
    page->addTextItem("Eins", 0, 0, 20);
    page->addTextItem("Zwei", 0, 40, 20);
    page->select(2);
    for (Sint8 index : std::initializer_list<Sint8>{0, -1, 3}) {
        page->select(index);
        EXPECT_EQ(page->selected, 2);
    }
    EXPECT_EQ(page->elements[1]->on, 0);
    EXPECT_EQ(page->elements[2]->on, 1);
}

TEST_F(MenuPages, NextAndPreviousPassOverRectanglesAndStopAtTheEnds) {
    addRectanglesThenItems();
    EXPECT_EQ(commandDrawing(MenuCommand::Previous, true), 0);
    EXPECT_EQ(commandDrawing(MenuCommand::Next, false), 8);
    EXPECT_EQ(commandDrawing(MenuCommand::Previous, true), 0);
    EXPECT_EQ(page->selected, 8);
    EXPECT_EQ(commandDrawing(MenuCommand::Next, false), 9);
    EXPECT_EQ(page->elements[8]->on, 0);
    EXPECT_EQ(page->elements[9]->on, 1);
    page->select(14);
    EXPECT_EQ(commandDrawing(MenuCommand::Next, true), 0);
    EXPECT_EQ(page->selected, 14);
    // Every rectangle is still shown: moving the selection never switched one off.
    for (int index = 1; index <= 7; ++index) {
        EXPECT_EQ(page->elements[index]->on, 1);
    }
}

TEST_F(MenuPages, PreviousAndNextMoveToTheNeighbouringItem) {
    for (int i = 0; i < 3; ++i) {
        page->addTextItem("Eintrag", 0, static_cast<Sint16>(40 * i), 20);
    }
    const struct {
        Sint8 from;
        MenuCommand cmd;
        int to;  // 0: stays where it was
    } cases[] = {
        {2, MenuCommand::Previous, 1}, {2, MenuCommand::Next, 3},     {3, MenuCommand::Previous, 2},
        {1, MenuCommand::Next, 2},     {1, MenuCommand::Previous, 0}, {3, MenuCommand::Next, 0},
    };
    for (const auto& c : cases) {
        page->select(c.from);
        EXPECT_EQ(page->command(c.cmd), c.to) << "from " << int{c.from};
        EXPECT_EQ(page->selected, c.to != 0 ? c.to : c.from) << "from " << int{c.from};
    }
}

TEST_F(MenuPages, PreviousPassesOverExtraTitles) {
    page->addTitle("Titel", 30, -1, -1);
    page->addTextItem("Eins", 0, 100, 20);
    page->addTitle("Zwischentitel", 20, 0, 150);
    page->addTextItem("Zwei", 0, 200, 20);
    page->select(3);
    EXPECT_EQ(page->command(MenuCommand::Previous), 1);
    EXPECT_EQ(page->command(MenuCommand::Next), 3);
}

TEST_F(MenuPages, ActivateRunsOnlyTheSelectedElement) {
    addRectanglesThenItems();
    for (int index = 1; index <= page->elementCount; ++index) {
        page->setCallback(index, &CallbackLog::record, index);
    }
    EXPECT_EQ(commandDrawing(MenuCommand::Activate, true), 0);
    EXPECT_EQ(CallbackLog::calls, 0);
    page->select(9);
    EXPECT_EQ(commandDrawing(MenuCommand::Activate, true), 0);
    EXPECT_EQ(CallbackLog::calls, 1);
    EXPECT_EQ(CallbackLog::lastValue, 9);
}

TEST_F(MenuPages, ClickOnARectangleRunsItsCallbackAndKeepsTheSelection) {
    addRectanglesThenItems();
    page->select(10);
    page->setCallback(3, &CallbackLog::record, 33);
    clearScreen();
    EXPECT_EQ(page->click(135, 30), 3);
    EXPECT_EQ(CallbackLog::lastValue, 33);
    EXPECT_FALSE(screenIsBlack());
    EXPECT_EQ(page->selected, 10);
}

TEST_F(MenuPages, ClickOnATextItemMovesTheHighlight) {
    addRectanglesThenItems();
    page->select(10);
    EXPECT_EQ(page->click(12, 142), 9);
    EXPECT_EQ(page->selected, 9);
    EXPECT_EQ(page->elements[10]->on, 0);
    EXPECT_EQ(page->elements[9]->on, 1);
}

TEST_F(MenuPages, OnlyTheKeysPutOutASelectedRectangle) {
    addRectanglesThenItems();
    page->select(3);  // a rectangle: select alone can choose one
    EXPECT_EQ(page->click(12, 142), 9);
    EXPECT_EQ(page->elements[3]->on, 1) << "a click leaves the rectangle shown";
    EXPECT_EQ(page->elements[9]->on, 1);
    page->select(3);
    EXPECT_EQ(page->elements[9]->on, 0);
    EXPECT_EQ(page->command(MenuCommand::Next), 8);
    EXPECT_EQ(page->elements[3]->on, 0) << "Next puts out whatever was selected";
    EXPECT_EQ(page->elements[8]->on, 1);
}

TEST_F(MenuPages, ClickThatHitsNothingNeitherSelectsNorDraws) {
    addRectanglesThenItems();  // its background covers the click and takes none
    page->setCallback(1, &CallbackLog::record, 1);
    clearScreen();
    EXPECT_EQ(page->click(700, 550), 0);
    EXPECT_TRUE(screenIsBlack());
    EXPECT_EQ(CallbackLog::calls, 0);
}

TEST_F(MenuPages, OtherCommandsOnlyRedraw) {
    addRectanglesThenItems();
    page->select(8);
    EXPECT_EQ(commandDrawing(MenuCommand::None, true), 0);
    EXPECT_EQ(commandDrawing(static_cast<MenuCommand>(4), true), 0);
    EXPECT_EQ(page->selected, 8);
}

TEST_F(MenuPages, HomeCommandSendsTheSetHomeAndDrawsThisPage) {
    MenuSet set(screen, kMenuFont);
    set.addPage();
    set.currentPage->addRect(0, 0, 20, 20, 255, 255, 255);
    set.currentPage->addRect(0, 0, 20, 20, 255, 255, 255);
    set.openPage(1);
    clearScreen();
    EXPECT_EQ(set.pages[1]->command(MenuCommand::Home), 0);
    EXPECT_EQ(set.activeIndex, 0);
    EXPECT_GT(litPixels(screen, 0, 0, 20, 20), 0);
}
