// The layout window's operations over a host's selected controls.
#include "layout/LayoutGlue.h"

#include "common/ProgramState.h"
#include "platform/ScriptedUi.h"
#include "tests/layout/FakeForm.h"

#include <gtest/gtest.h>

namespace qm::layout {
namespace {

using host::PropertyValue;
using Props = std::map<std::string, PropertyValue>;
using Names = std::vector<std::string>;

Props box(int left, int top, int width, int height, int tabIndex)
{
    return {{"Left", left},     {"Top", top},           {"Width", width},
            {"Height", height}, {"TabIndex", tabIndex}, {"TabStop", true},
            {"Caption", "x"},   {"Font.Bold", false},   {"Appearance", 1}};
}

class LayoutGlueTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        common::programState().host = &host;
        host.form.pointer = [this] {
            return ui.mousePointer();
        };
        host.form.add("A", box(120, 900, 100, 50, 0));
        host.form.add("B", box(120, 300, 200, 60, 1));
        host.form.add("C", box(2000, 100, 300, 70, 2));
        host.form.add("D", box(500, 500, 400, 80, 3));
        // A line has no TabIndex, TabStop, Caption or size of its own.
        host.form.add("Line1", {{"X1", 0}});
    }
    void TearDown() override { common::programState().host = nullptr; }

    test::FakeForm &form() { return host.form; }

    platform::ScriptedUi ui;
    platform::ScopedUi scopedUi{ui};
    test::FakeFormHost host;
};

TEST_F(LayoutGlueTest, MarkedControlsTakeTheFirstTabIndexesInMarkingOrder)
{
    TabOrderTool tool;
    form().select({"C"});
    tool.Mark();
    form().select({"A", "Line1"});
    tool.Mark();
    tool.Mark(); // A marked twice keeps its first place
    EXPECT_EQ(tool.markedCount(), 5u);
    tool.SetMarkedOrder();
    EXPECT_EQ(form().tabOrder(), (Names{"C", "A", "B", "D"}));
    EXPECT_EQ(tool.markedCount(), 0u);

    tool.SetMarkedOrder(); // nothing marked: nothing changes
    EXPECT_EQ(form().tabOrder(), (Names{"C", "A", "B", "D"}));

    form().select({"D"});
    tool.Mark();
    tool.ClearMarkedControlsCollection();
    tool.SetMarkedOrder();
    EXPECT_EQ(form().tabOrder(), (Names{"C", "A", "B", "D"}));
}

TEST_F(LayoutGlueTest, OrdersBySelectionPositionWithTheBusyPointer)
{
    TabOrderTool tool;
    form().select({"D"});
    tool.Mark(); // the automatic order clears the marks first
    form().select({"A", "B", "C"});
    tool.AutoOrder(TabOrderBy::Columns);
    EXPECT_EQ(form().tabOrder(), (Names{"B", "A", "C", "D"}));
    EXPECT_EQ(form().pointerDuringWrites, 11);
    EXPECT_EQ(ui.mousePointer(), 0);
    tool.AutoOrder(TabOrderBy::Rows);
    EXPECT_EQ(form().tabOrder(), (Names{"C", "B", "A", "D"}));
    EXPECT_EQ(tool.markedCount(), 0u);
}

TEST_F(LayoutGlueTest, TabStopsSkipControlsWithoutOne)
{
    TabOrderTool tool;
    form().select({"Line1", "B"});
    tool.SetTabStops(false);
    EXPECT_FALSE(form()["B"]->props.at("TabStop").toBool());
    tool.SetTabStops(true);
    EXPECT_TRUE(form()["B"]->props.at("TabStop").toBool());
}

TEST_F(LayoutGlueTest, AlignmentWithoutAnActiveFormShowsOneReport)
{
    AppearTool tool;
    host.hasActiveForm = false;
    tool.DoAlignment("Left", "");
    const auto boxes = ui.callsOf("msgbox");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, "Quillmark: System Error");
    EXPECT_EQ(boxes[0].text, "The Following Error \"91: Select ActiveForm To Align\"\n\r"
                             "Occured in Function/Sub \"DoAlignment\"");

    // The other operations show nothing.
    tool.DoSize(3);
    tool.DoSpacing(Spacing::Distribute, Axis::Horizontal);
    tool.SetBold(true);
    EXPECT_EQ(ui.callsOf("msgbox").size(), 1u);
}

TEST_F(LayoutGlueTest, AlignsOnTheReferenceAndNeedsTwoControls)
{
    AppearTool tool;
    form().select({"C"});
    tool.SetReference(); // Left 2000, Top 100, Width 300, Height 70
    form().select({"A"});
    tool.DoAlignment("Left", "Width");
    EXPECT_EQ(form()["A"]->number("Left"), 120);
    EXPECT_TRUE(tool.undoList().empty());

    form().select({"A", "B", "Line1"});
    tool.DoAlignment("Left", "Width");
    EXPECT_EQ(form()["A"]->number("Left"), 2200);
    EXPECT_EQ(form()["B"]->number("Left"), 2100);
    tool.DoAlignment("Top", "Height");
    EXPECT_EQ(form()["A"]->number("Top"), 120);
    EXPECT_EQ(form()["B"]->number("Top"), 110);

    tool.ClearReference();
    form().select({});
    tool.SetReference(); // set with nothing selected: the old values stay
    ASSERT_TRUE(tool.reference());
    EXPECT_EQ(*tool.reference(), (Geometry{2000, 100, 300, 70}));
}

TEST_F(LayoutGlueTest, ACoordinatePastSixteenBitsIsReadWhole)
{
    AppearTool tool;
    form()["C"]->props["Left"] = 33000;
    form().select({"C", "B"});
    tool.DoAlignment("Left", "");
    EXPECT_EQ(form()["C"]->number("Left"), 120);
    tool.UndoProc();
    EXPECT_EQ(form()["C"]->number("Left"), 33000);
}

TEST_F(LayoutGlueTest, UndoRestoresEachTouchedControlWhateverIsSelectedNow)
{
    AppearTool tool;
    form().select({"A", "B", "C"});
    tool.DoSize(SizeWidth | SizeHeight);
    EXPECT_EQ(form()["C"]->number("Width"), 100);
    EXPECT_EQ(form()["C"]->number("Height"), 50);
    ASSERT_EQ(tool.undoList().size(), 3u);

    // Another selection, in another order: the saved geometry still goes to its own control.
    form().select({"D", "C"});
    tool.UndoProc();
    EXPECT_EQ(form()["B"]->number("Width"), 200);
    EXPECT_EQ(form()["C"]->number("Width"), 300);
    EXPECT_EQ(form()["C"]->number("Height"), 70);
    EXPECT_EQ(form()["D"]->number("Width"), 400);
    EXPECT_EQ(form()["D"]->number("Left"), 500);
    tool.UndoProc(); // repeatable
    EXPECT_EQ(form()["C"]->number("Width"), 300);
}

TEST_F(LayoutGlueTest, SpacingRunsUnderTheBusyPointer)
{
    AppearTool tool;
    host.form.add("E", box(100, 0, 200, 10, 4));
    host.form.add("F", box(400, 0, 100, 10, 5));
    host.form.add("G", box(1000, 0, 300, 10, 6));
    form().select({"G", "E", "F"});
    tool.DoSpacing(Spacing::Fill, Axis::Horizontal);
    EXPECT_EQ(form().pointerDuringWrites, 11);
    EXPECT_EQ(ui.mousePointer(), 0);
    EXPECT_EQ(form()["E"]->number("Left"), 100);
    EXPECT_EQ(form()["F"]->number("Left"), 500);
    EXPECT_EQ(form()["G"]->number("Left"), 900);
    EXPECT_EQ(form()["G"]->number("Width"), 400);
    tool.UndoProc();
    EXPECT_EQ(form()["G"]->number("Left"), 1000);
    EXPECT_EQ(form()["G"]->number("Width"), 300);
}

TEST_F(LayoutGlueTest, FontLookAndTextLeaveTheUndoListAlone)
{
    AppearTool tool;
    form().select({"A", "B"});
    tool.DoAlignment("Left", "");
    form().select({"A", "Line1"});
    tool.SetBold(true);
    tool.SetAppearance(false);
    tool.ClearText();
    EXPECT_EQ(form()["A"]->writes,
              (Names{"Left=120", "Font.Bold=True", "Appearance=0", "Caption="}));
    EXPECT_EQ(tool.undoList().size(), 2u);
}

} // namespace
} // namespace qm::layout
