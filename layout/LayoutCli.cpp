// qm taborder and qm layout: the layout window's operations over a form file.
#include "layout/LayoutCli.h"

#include "common/Cli.h"
#include "common/ErrorReports.h"
#include "layout/Arrange.h"
#include "layout/FormText.h"
#include "layout/TabOrder.h"
#include "platform/FileSystem.h"
#include "platform/FormBackup.h"
#include "platform/UiRuntime.h"
#include "platform/VbError.h"

#include <array>
#include <optional>

namespace qm::layout {
namespace {

using common::cli::Invocation;
using common::cli::UsageError;

// The controls named on the command line, in that order.
std::vector<std::size_t> namedControls(const FormText &form, const std::vector<std::string> &names)
{
    std::vector<std::size_t> controls;
    for (const std::string &name : names) {
        std::optional<std::size_t> control = form.findControl(name);
        if (!control)
            throw common::UserMessageError({"Error",
                                            "The form has no control named \"" + name + "\"",
                                            platform::mb::Exclamation});
        controls.push_back(*control);
    }
    return controls;
}

// A control's geometry as the host reads it; a property the control lacks reads as 0.
Geometry geometryOf(const FormText &form, std::size_t control)
{
    return {form.number(control, "Left").value_or(0), form.number(control, "Top").value_or(0),
            form.number(control, "Width").value_or(0), form.number(control, "Height").value_or(0)};
}

// Writes the result: to standard output, or with --in-place over the form after backing it up
// (".bk$", and ".bx$" for its .frx) so that nothing the programmer had is lost.
std::string finish(const Invocation &in, const std::string &before, const FormText &form)
{
    std::string after = form.text();
    if (!in.hasOption("--in-place"))
        return after;
    if (in.file.empty())
        throw UsageError{"--in-place needs a FORM file"};
    if (after == before)
        return {};
    try {
        platform::rewriteFormWithBackups(in.file, after);
    } catch (const platform::VbError &e) {
        throw common::UserMessageError(
            {"File Error", in.file + ": " + e.description, platform::mb::Critical});
    }
    return {};
}

std::string runTabOrder(const Invocation &in)
{
    const std::string by = in.option("--by");
    if (by != "rows" && by != "columns" && by != "marks")
        throw UsageError{"--by takes rows, columns or marks"};
    FormText form(in.input);
    std::vector<std::size_t> marks = namedControls(form, in.arguments);
    if (by != "marks") {
        std::vector<Geometry> geometry;
        for (std::size_t control : marks)
            geometry.push_back(geometryOf(form, control));
        std::vector<std::size_t> sorted;
        for (std::size_t place :
             sortForTabOrder(geometry, by == "rows" ? TabOrderBy::Rows : TabOrderBy::Columns))
            sorted.push_back(marks[place]);
        marks = sorted;
    }
    // Each marked control is given TabIndex 0, the last first; the form renumbers the rest.
    std::vector<std::size_t> order = form.tabOrder();
    std::vector<TabSlot> slots(form.controlCount());
    for (std::size_t control = 0; control < slots.size(); ++control)
        slots[control] = {form.number(control, "TabIndex").value_or(-1),
                          form.isWritten(control, "TabIndex")};
    const std::vector<TabSlot> before = slots;
    for (auto it = marks.rbegin(); it != marks.rend(); ++it)
        if (form.hasProperty(*it, "TabIndex"))
            giveTabIndex(order, slots, *it, 0);
    for (std::size_t control = 0; control < slots.size(); ++control) {
        const TabSlot &slot = slots[control];
        if (slot.value == before[control].value && slot.written == before[control].written)
            continue;
        if (slot.written)
            form.writeNumberLine(control, "TabIndex", slot.value);
    }
    return finish(in, in.input, form);
}

enum class Operation {
    AlignLeft,
    AlignTop,
    AlignBottom,
    AlignRight,
    SameWidth,
    SameHeight,
    SameSize,
    SpaceHorizontal,
    SpaceVertical,
    DistributeHorizontal,
    DistributeVertical,
    FillHorizontal,
    FillVertical,
    Bold,
    Regular,
    ThreeD,
    Flat,
    ClearText,
};

constexpr std::array<std::pair<const char *, Operation>, 18> Operations = {{
    {"align-left", Operation::AlignLeft},
    {"align-top", Operation::AlignTop},
    {"align-bottom", Operation::AlignBottom},
    {"align-right", Operation::AlignRight},
    {"same-width", Operation::SameWidth},
    {"same-height", Operation::SameHeight},
    {"same-size", Operation::SameSize},
    {"space-horizontal", Operation::SpaceHorizontal},
    {"space-vertical", Operation::SpaceVertical},
    {"distribute-horizontal", Operation::DistributeHorizontal},
    {"distribute-vertical", Operation::DistributeVertical},
    {"fill-horizontal", Operation::FillHorizontal},
    {"fill-vertical", Operation::FillVertical},
    {"bold", Operation::Bold},
    {"regular", Operation::Regular},
    {"3d", Operation::ThreeD},
    {"flat", Operation::Flat},
    {"clear-text", Operation::ClearText},
}};

Writes geometryWrites(Operation op,
                      const std::vector<Geometry> &selection,
                      const std::optional<Geometry> &reference)
{
    using C = Coordinate;
    switch (op) {
    case Operation::AlignLeft:
        return alignControls(selection, C::Left, std::nullopt, reference);
    case Operation::AlignTop:
        return alignControls(selection, C::Top, std::nullopt, reference);
    case Operation::AlignBottom:
        return alignControls(selection, C::Top, C::Height, reference);
    case Operation::AlignRight:
        return alignControls(selection, C::Left, C::Width, reference);
    case Operation::SameWidth:
        return sizeControls(selection, SizeWidth, reference);
    case Operation::SameHeight:
        return sizeControls(selection, SizeHeight, reference);
    case Operation::SameSize:
        return sizeControls(selection, SizeWidth | SizeHeight, reference);
    case Operation::SpaceHorizontal:
        return spaceControls(selection, Spacing::Space, Axis::Horizontal);
    case Operation::SpaceVertical:
        return spaceControls(selection, Spacing::Space, Axis::Vertical);
    case Operation::DistributeHorizontal:
        return spaceControls(selection, Spacing::Distribute, Axis::Horizontal);
    case Operation::DistributeVertical:
        return spaceControls(selection, Spacing::Distribute, Axis::Vertical);
    case Operation::FillHorizontal:
        return spaceControls(selection, Spacing::Fill, Axis::Horizontal);
    case Operation::FillVertical:
        return spaceControls(selection, Spacing::Fill, Axis::Vertical);
    default:
        return {};
    }
}

std::string runLayout(const Invocation &in)
{
    if (in.arguments.empty())
        throw UsageError{"qm layout needs an OPERATION"};
    std::optional<Operation> op;
    for (const auto &[name, value] : Operations)
        if (in.arguments.front() == name)
            op = value;
    if (!op)
        throw UsageError{"unknown operation \"" + in.arguments.front() +
                         "\" (qm --help lists them)"};
    FormText form(in.input);
    const std::vector<std::string> names(in.arguments.begin() + 1, in.arguments.end());
    const std::vector<std::size_t> controls = namedControls(form, names);
    std::optional<Geometry> reference;
    if (in.hasOption("--ref"))
        reference = geometryOf(form, namedControls(form, {in.option("--ref")}).front());

    std::vector<Geometry> selection;
    for (std::size_t control : controls)
        selection.push_back(geometryOf(form, control));
    for (const Write &w : geometryWrites(*op, selection, reference))
        form.setNumber(controls[w.control], propertyName(w.property), w.value);

    for (std::size_t control : controls) {
        switch (*op) {
        case Operation::Bold:
        case Operation::Regular:
            form.setBold(control, *op == Operation::Bold);
            break;
        case Operation::ThreeD:
        case Operation::Flat:
            form.setEnum(control, "Appearance", *op == Operation::ThreeD ? 1 : 0);
            form.setEnum(control, "BackStyle", 0);
            break;
        case Operation::ClearText:
            form.setText(control, "Text", "");
            form.setText(control, "Caption", "");
            break;
        default:
            break;
        }
    }
    return finish(in, in.input, form);
}

} // namespace

void addLayoutCommands(common::cli::CommandTable &table)
{
    common::cli::Command taborder{
        "taborder",
        "FORM CONTROL...: the form with the controls' tab order set (Tab Order tab)",
        true,
        {{"--by", true, "rows|columns|marks  by position, or in the order given"},
         {"--in-place", false, "rewrite FORM (backups .bk$ and .bx$ beside it)"}},
        runTabOrder};
    taborder.wordsAfterFile = true;
    table.add(std::move(taborder));

    common::cli::Command layout{
        "layout",
        "OPERATION FORM CONTROL...: align-left|-top|-bottom|-right, same-width|-height|-size, "
        "space-, distribute-, fill-horizontal|-vertical, bold, regular, 3d, flat, clear-text",
        true,
        {{"--ref", true, "CONTROL  the reference control (Select)"},
         {"--in-place", false, "rewrite FORM (backups .bk$ and .bx$ beside it)"}},
        runLayout};
    layout.wordsBeforeFile = 1;
    layout.wordsAfterFile = true;
    table.add(std::move(layout));
}

} // namespace qm::layout
