// The properties window: the selected controls of the active designer (or the form) and their
// properties, edited in place. An edit applies to every selected control that has the property.
#pragma once

#include "ide/ui/HostWindow.h"

#include "ide/Control.h"

#include <string>
#include <vector>

class QComboBox;
class QTableWidget;
class QTableWidgetItem;

namespace qm::ide {

class PropertiesWindow final : public HostWindow
{
    Q_OBJECT

public:
    explicit PropertiesWindow(HostUi &ui);

    /// Shows the active designer's selection (the form when nothing is selected).
    void refresh();
    /// Sets a property of the shown controls from the text a person types ("OK" for a caption,
    /// "True", "1 - Fixed Single", "&H000000FF&"); the failure is shown in a message box.
    bool editProperty(const std::string &name, const std::string &typed);
    /// The shown text of a property; empty when it is not listed.
    std::string shownValue(const std::string &name) const;
    const std::vector<ControlPtr> &shownControls() const { return m_controls; }
    QTableWidget *table() const { return m_table; }
    QComboBox *objects() const { return m_objects; }

private:
    void cellEdited(QTableWidgetItem *item);
    void objectChosen(int index);

    QComboBox *m_objects = nullptr;
    QTableWidget *m_table = nullptr;
    std::vector<ControlPtr> m_controls;
    std::vector<ControlPtr> m_listed; ///< the controls of the object list, in its order
    bool m_filling = false;
};

/// The text the properties window shows for a property of a control: a caption unquoted,
/// a boolean as True or False, an enumerated value as "1 - Fixed Single", a colour as
/// &H8000000F&, a picture as "(Bitmap)" or "(None)".
std::string displayValue(const Control &control, const std::string &name);

/// The rows of a control in the properties window: (Name) first, then by name, the Font
/// block's members each on a row of their own ("Font.Bold").
std::vector<std::string> propertyRows(const Control &control);

/// The typed value of what a person typed for a property of a control; VbError 380 for text
/// the property cannot take.
Value typedValue(const Control &control, const std::string &name, const std::string &typed);

} // namespace qm::ide
