// The Tab Order and Appear pages driven through their controls' names against a test host.
#include "common/ProgramState.h"
#include "layout/ui/AppearPage.h"
#include "layout/ui/TabOrderPage.h"
#include "platform/ScriptedUi.h"
#include "tests/layout/FakeForm.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

namespace qm::layout {
namespace {

using Props = std::map<std::string, host::PropertyValue>;
using Names = std::vector<std::string>;

Props box(int left, int top, int width, int height, int tabIndex)
{
    return {{"Left", left},         {"Top", top},      {"Width", width},    {"Height", height},
            {"TabIndex", tabIndex}, {"TabStop", true}, {"Caption", "Name"}, {"Font.Bold", false},
            {"Appearance", 1},      {"BackStyle", 1}};
}

class LayoutPagesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        common::programState().host = &host;
        host.form.add("A", box(120, 900, 100, 50, 0));
        host.form.add("B", box(120, 300, 200, 60, 1));
        host.form.add("C", box(2000, 100, 300, 70, 2));
        host.form.add("D", box(500, 500, 400, 80, 3));
    }
    void TearDown() override { common::programState().host = nullptr; }

    void click(QWidget &page, const char *name)
    {
        auto *button = page.findChild<QPushButton *>(QString::fromLatin1(name));
        ASSERT_NE(button, nullptr) << name;
        button->click();
    }
    std::int32_t number(const char *control, const char *property)
    {
        return host.form[control]->number(property);
    }

    platform::ScriptedUi ui;
    platform::ScopedUi scopedUi{ui};
    test::FakeFormHost host;
};

TEST_F(LayoutPagesTest, TabOrderPageShowsItsCaptionsInItsFrames)
{
    TabOrderPage page;
    const std::vector<std::pair<const char *, const char *>> captions = {
        {"tbMark", "Mark Controls To Be Tabbed"},
        {"tbSetOrder", "Set Marked Control's Tab Order"},
        {"tbClearMarkedControls", " Clear Marked Controls Collection"},
        {"pbAutoLeft", "By Columns"},
        {"pbAutoTop", "By Rows"},
        {"pbOn", "On"},
        {"pbOff", "Off"},
    };
    for (const auto &[name, caption] : captions) {
        auto *button = page.findChild<QPushButton *>(QString::fromLatin1(name));
        ASSERT_NE(button, nullptr) << name;
        EXPECT_EQ(button->text().toStdString(), caption);
        EXPECT_FALSE(button->toolTip().isEmpty()) << name;
    }
    EXPECT_EQ(page.tbMark->parentWidget()->objectName().toStdString(), "fraManual");
    EXPECT_EQ(page.fraManual->title().toStdString(), "Manual Setting");
    EXPECT_EQ(page.fraAutomatic->title().toStdString(), "Automatic Setting");
    EXPECT_EQ(page.fraTabStops->title().toStdString(), "Tab Stops");
}

TEST_F(LayoutPagesTest, TabOrderPageMarksAppliesAndOrders)
{
    TabOrderPage page;
    host.form.select({"D"});
    click(page, "tbMark");
    host.form.select({"B"});
    click(page, "tbMark");
    EXPECT_EQ(page.markedCount(), 2u);
    click(page, "tbSetOrder");
    EXPECT_EQ(host.form.tabOrder(), (Names{"D", "B", "A", "C"}));

    host.form.select({"A", "B", "C"});
    click(page, "pbAutoTop");
    EXPECT_EQ(host.form.tabOrder(), (Names{"C", "B", "A", "D"}));
    click(page, "pbAutoLeft");
    EXPECT_EQ(host.form.tabOrder(), (Names{"B", "A", "C", "D"}));

    click(page, "tbMark");
    click(page, "tbClearMarkedControls");
    EXPECT_EQ(page.markedCount(), 0u);

    click(page, "pbOff");
    EXPECT_FALSE(host.form["C"]->props.at("TabStop").toBool());
    EXPECT_TRUE(host.form["D"]->props.at("TabStop").toBool());
    click(page, "pbOn");
    EXPECT_TRUE(host.form["C"]->props.at("TabStop").toBool());
}

TEST_F(LayoutPagesTest, AppearPageHasItsPictureButtonsWithTips)
{
    AppearPage page;
    for (const char *name : {"pbAlign(0)", "pbAlign(1)", "pbAlign(2)", "pbAlign(3)", "pbSize(0)",
                             "pbSize(1)", "pbSize(2)", "pbSpaceHorizontal", "pbSpaceVertical",
                             "pbDistributeHorizontal", "pbDistributeVertical", "pbFillHorizontal",
                             "pbFillVertical", "pbUndo", "pbFontBold", "pbClearText"}) {
        auto *button = page.findChild<QPushButton *>(QString::fromLatin1(name));
        ASSERT_NE(button, nullptr) << name;
        EXPECT_FALSE(button->icon().isNull()) << name;
        EXPECT_FALSE(button->toolTip().isEmpty()) << name;
    }
    EXPECT_EQ(page.pbFontRegular->text().toStdString(), "Reg");
    EXPECT_EQ(page.pbAppear3D->text().toStdString(), "3D");
    EXPECT_EQ(page.pbAppearFlat->text().toStdString(), "Flat");
    EXPECT_EQ(page.pbSetRefObj->text().toStdString(), "Select");
    EXPECT_EQ(page.pbClearRefObj->text().toStdString(), "Clear");
    EXPECT_EQ(page.fraReference->title().toStdString(), "Reference Control");
    EXPECT_EQ(page.fraSizeSpace->title().toStdString(), "Size && Space");
    EXPECT_EQ(page.lblText->text().toStdString(), "Text or Caption");
}

TEST_F(LayoutPagesTest, AppearPageAlignsDistributesAndUndoes)
{
    AppearPage page;
    host.form.select({"A", "C", "D"});
    click(page, "pbAlign(1)"); // tops
    EXPECT_EQ(number("A", "Top"), 100);
    EXPECT_EQ(number("D", "Top"), 100);
    click(page, "pbAlign(2)"); // bottoms: the largest is D's 100 + 80
    EXPECT_EQ(number("A", "Top"), 130);
    EXPECT_EQ(number("C", "Top"), 110);

    click(page, "pbDistributeHorizontal"); // Lefts 120, 500, 2000: span 2180, sizes 800
    EXPECT_EQ(number("A", "Left"), 120);
    EXPECT_EQ(number("D", "Left"), 910);
    EXPECT_EQ(number("C", "Left"), 2000);

    host.form.select({"B"}); // undo whatever is selected now
    click(page, "pbUndo");
    EXPECT_EQ(number("D", "Left"), 500);
    EXPECT_EQ(number("A", "Top"), 130);

    host.form.select({"B", "D"});
    click(page, "pbSetRefObj");
    host.form.select({"A", "C"});
    click(page, "pbSize(2)");
    EXPECT_EQ(number("A", "Width"), 200);
    EXPECT_EQ(number("C", "Height"), 60);
    click(page, "pbClearRefObj");
    host.form.select({"D", "C"});
    click(page, "pbSize(0)"); // the first selected gives its width
    EXPECT_EQ(number("C", "Width"), 400);
    EXPECT_EQ(number("C", "Height"), 60);
    EXPECT_EQ(page.tool().undoList().size(), 2u);
}

TEST_F(LayoutPagesTest, AppearPageSetsFontLookAndText)
{
    AppearPage page;
    host.form.select({"A", "B"});
    click(page, "pbFontBold");
    EXPECT_TRUE(host.form["B"]->props.at("Font.Bold").toBool());
    click(page, "pbFontRegular");
    EXPECT_FALSE(host.form["B"]->props.at("Font.Bold").toBool());
    click(page, "pbAppearFlat");
    EXPECT_EQ(number("A", "Appearance"), 0);
    EXPECT_EQ(number("A", "BackStyle"), 0);
    click(page, "pbAppear3D");
    EXPECT_EQ(number("A", "Appearance"), 1);
    click(page, "pbClearText");
    EXPECT_EQ(host.form["A"]->props.at("Caption").toText(), "");
    EXPECT_TRUE(ui.callsOf("msgbox").empty());
}

} // namespace
} // namespace qm::layout
