// The properties window.
#include "ide/ui/PropertiesWindow.h"

#include "ide/ControlTables.h"
#include "ide/Designer.h"
#include "ide/Form.h"
#include "ide/Ide.h"
#include "ide/ui/HostUi.h"
#include "platform/Runtime.h"
#include "platform/Text.h"
#include "platform/UiRuntime.h"
#include "platform/VbError.h"
#include "platform/qt/QtText.h"

#include <QComboBox>
#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace qm::ide {
namespace {

using platform::equalsIgnoreCase;
using platform::VbError;

PropertyType typeOf(const Control &control, const std::string &name)
{
    const std::size_t dot = name.find('.');
    if (dot != std::string::npos && equalsIgnoreCase(name.substr(0, dot), "Font")) {
        for (const ControlProperty &p : tables::fontProperties()) {
            if (equalsIgnoreCase(p.name, name.substr(dot + 1)))
                return p.type;
        }
    }
    if (const ControlClass *cls = findControlClass(control.className())) {
        if (const ControlProperty *p = cls->find(name))
            return p->type;
    }
    for (const ControlProperty &p : extenderProperties()) {
        if (equalsIgnoreCase(p.name, name))
            return p.type;
    }
    try {
        return guessType(control.propertyText(name));
    } catch (const VbError &) {
        return PropertyType::Other;
    }
}

} // namespace

std::vector<std::string> propertyRows(const Control &control)
{
    std::vector<std::string> names = control.propertyNames();
    std::sort(names.begin(), names.end(), [](const std::string &a, const std::string &b) {
        // "(Name)" first, as the host lists it; then by name.
        if (equalsIgnoreCase(a, "Name") != equalsIgnoreCase(b, "Name"))
            return equalsIgnoreCase(a, "Name");
        return platform::toLower(a) < platform::toLower(b);
    });
    std::vector<std::string> rows;
    for (const std::string &n : names) {
        if (equalsIgnoreCase(n, "Font")) {
            for (const char *member : {"Font.Name", "Font.Size", "Font.Bold", "Font.Italic",
                                       "Font.Underline", "Font.Strikethrough"}) {
                if (control.hasProperty(member))
                    rows.push_back(member);
            }
            continue;
        }
        rows.push_back(n);
    }
    return rows;
}

namespace {

std::string formatSingle(double v)
{
    std::string s = platform::str(v);
    return std::string(platform::trimBlanks(s));
}

} // namespace

std::string displayValue(const Control &control, const std::string &name)
{
    const PropertyType type = typeOf(control, name);
    const std::string raw = control.propertyText(name);
    switch (type) {
    case PropertyType::Text:
        if (std::optional<std::string> text = unquoteText(raw))
            return *text;
        return raw;
    case PropertyType::Boolean:
        return valueToBool(parseValue(raw)) ? "True" : "False";
    case PropertyType::Enum: {
        // "1  'Fixed Single" as the host lists it: "1 - Fixed Single".
        const std::size_t quote = raw.find('\'');
        std::string number(platform::trimBlanks(raw.substr(0, quote)));
        if (quote == std::string::npos)
            return number;
        return number + " - " + std::string(platform::trimBlanks(raw.substr(quote + 1)));
    }
    case PropertyType::Binary:
        if (raw.empty())
            return "(None)";
        return equalsIgnoreCase(name, "Icon") ? "(Icon)" : "(Bitmap)";
    case PropertyType::Single:
        return formatSingle(valueToDouble(parseValue(raw)));
    default:
        return raw;
    }
}

Value typedValue(const Control &control, const std::string &name, const std::string &typed)
{
    const std::string_view t = platform::trimBlanks(typed);
    auto whole = [&](std::string_view text) -> Value {
        std::string_view s = platform::trimBlanks(text);
        if (s.empty())
            throw VbError(platform::err::InvalidPropertyValue);
        const double v = platform::val(s);
        if (v == 0 && s.front() != '0' && s.front() != '&' && s.front() != '-')
            throw VbError(platform::err::InvalidPropertyValue);
        if (std::fabs(v) > 2147483647.0)
            throw VbError(platform::err::InvalidPropertyValue);
        return Value(static_cast<std::int32_t>(std::lround(v)));
    };
    switch (typeOf(control, name)) {
    case PropertyType::Text:
        return Value(typed);
    case PropertyType::Boolean:
        if (equalsIgnoreCase(t, "True") || t == "-1" || t == "1")
            return Value(true);
        if (equalsIgnoreCase(t, "False") || t == "0")
            return Value(false);
        throw VbError(platform::err::InvalidPropertyValue);
    case PropertyType::Integer:
    case PropertyType::Enum:
    case PropertyType::Color:
        // "1 - Fixed Single" takes its number.
        return whole(t.substr(0, t.find(" - ")));
    case PropertyType::Single: {
        if (t.empty() ||
            !(platform::isAsciiDigit(t.front()) || t.front() == '-' || t.front() == '.'))
            throw VbError(platform::err::InvalidPropertyValue);
        return Value(platform::val(t));
    }
    default:
        return Value(typed);
    }
}

PropertiesWindow::PropertiesWindow(HostUi &ui)
    : HostWindow(ui)
{
    setObjectName(QStringLiteral("vbProperties"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    m_objects = new QComboBox(this);
    m_objects->setObjectName(QStringLiteral("cbObjects"));
    layout->addWidget(m_objects);
    m_table = new QTableWidget(0, 2, this);
    m_table->setObjectName(QStringLiteral("grdProperties"));
    m_table->horizontalHeader()->hide();
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                             QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    m_table->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    layout->addWidget(m_table, 1);
    connect(m_table, &QTableWidget::itemChanged, this,
            [this](QTableWidgetItem *i) { cellEdited(i); });
    connect(m_objects, &QComboBox::activated, this, [this](int i) { objectChosen(i); });
}

void PropertiesWindow::refresh()
{
    Ide &ide = m_ui.ide();
    // The designer this window speaks for: the active one, else the form last shown.
    Designer *designer = nullptr;
    if (DesignerWindow *d = ide.activeDesigner())
        designer = d->designer.get();
    else if (ComponentPtr c = ide.activeFormComponent())
        designer = ide.designerOf(*c) ? ide.designerOf(*c)->designer.get() : nullptr;
    std::vector<ControlPtr> controls;
    std::vector<ControlPtr> listed;
    if (designer) {
        controls = designer->selection();
        if (controls.empty())
            controls.push_back(designer->form().root());
        listed.push_back(designer->form().root());
        for (const ControlPtr &c : designer->form().controls())
            listed.push_back(c);
    } else if (ComponentPtr c = ide.activeFormComponent()) {
        // A form picked in the project window but not opened: the form's own properties.
        controls.push_back(c->form()->root());
        listed.push_back(c->form()->root());
        for (const ControlPtr &control : c->form()->controls())
            listed.push_back(control);
    }
    m_filling = true;
    if (listed != m_listed) {
        m_listed = listed;
        m_objects->clear();
        for (const ControlPtr &c : m_listed)
            m_objects->addItem(platform::toQString(c->displayName() + "  " + c->className()));
    }
    if (controls.size() == 1) {
        auto at = std::find(m_listed.begin(), m_listed.end(), controls.front());
        m_objects->setCurrentIndex(at == m_listed.end() ? -1
                                                        : static_cast<int>(at - m_listed.begin()));
    } else {
        m_objects->setCurrentIndex(-1);
        m_objects->setPlaceholderText(controls.empty() ? QString()
                                                       : tr("(%1 controls)").arg(controls.size()));
    }
    m_controls = controls;
    // The rows of the first control; with several, only those every selected control has.
    std::vector<std::string> rows;
    if (!controls.empty()) {
        for (const std::string &r : propertyRows(*controls.front())) {
            if (controls.size() > 1 &&
                (equalsIgnoreCase(r, "Name") || equalsIgnoreCase(r, "Index")))
                continue;
            bool everywhere = std::all_of(controls.begin(), controls.end(),
                                          [&](const ControlPtr &c) { return c->hasProperty(r); });
            if (everywhere)
                rows.push_back(r);
        }
    }
    const int currentRow = m_table->currentRow();
    m_table->setRowCount(static_cast<int>(rows.size()));
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        const std::string &name = rows[static_cast<std::size_t>(i)];
        std::string value;
        try {
            value = displayValue(*controls.front(), name);
            for (std::size_t k = 1; k < controls.size(); ++k) {
                if (displayValue(*controls[k], name) != value)
                    value.clear(); // values that differ show blank
            }
        } catch (const std::exception &) {
            value.clear();
        }
        auto *key = m_table->item(i, 0);
        if (!key) {
            key = new QTableWidgetItem;
            key->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            m_table->setItem(i, 0, key);
        }
        key->setText(platform::toQString(equalsIgnoreCase(name, "Name") ? "(Name)" : name));
        key->setData(Qt::UserRole, platform::toQString(name));
        auto *cell = m_table->item(i, 1);
        if (!cell) {
            cell = new QTableWidgetItem;
            m_table->setItem(i, 1, cell);
        }
        cell->setText(platform::toQString(value));
        const bool binary = typeOf(*controls.front(), name) == PropertyType::Binary;
        cell->setFlags(binary ? Qt::ItemIsEnabled | Qt::ItemIsSelectable
                              : Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
    }
    if (currentRow >= 0 && currentRow < m_table->rowCount())
        m_table->setCurrentCell(currentRow, 1);
    m_table->resizeColumnToContents(0);
    m_filling = false;
}

std::string PropertiesWindow::shownValue(const std::string &name) const
{
    for (int i = 0; i < m_table->rowCount(); ++i) {
        if (equalsIgnoreCase(
                platform::fromQString(m_table->item(i, 0)->data(Qt::UserRole).toString()), name))
            return platform::fromQString(m_table->item(i, 1)->text());
    }
    return {};
}

bool PropertiesWindow::editProperty(const std::string &name, const std::string &typed)
{
    if (m_controls.empty())
        return false;
    const std::vector<ControlPtr> controls = m_controls;
    return m_ui.guard("Microsoft Visual Basic", [&] {
        for (const ControlPtr &c : controls) {
            if (!c->hasProperty(name))
                throw VbError(platform::err::PropertyNotSupported);
            if (typeOf(*c, name) == PropertyType::Other)
                c->setPropertyText(name, typed);
            else
                c->setProperty(name, typedValue(*c, name, typed));
        }
    });
}

void PropertiesWindow::cellEdited(QTableWidgetItem *item)
{
    if (m_filling || !item || item->column() != 1)
        return;
    QTableWidgetItem *key = m_table->item(item->row(), 0);
    if (!key)
        return;
    const std::string name = platform::fromQString(key->data(Qt::UserRole).toString());
    const std::string typed = platform::fromQString(item->text());
    // Applied after the editor has closed: the edit refills this table.
    QMetaObject::invokeMethod(
        this,
        [this, name, typed] {
            if (!editProperty(name, typed))
                refresh();
        },
        Qt::QueuedConnection);
}

void PropertiesWindow::objectChosen(int index)
{
    if (m_filling || index < 0 || static_cast<std::size_t>(index) >= m_listed.size())
        return;
    ControlPtr chosen = m_listed[static_cast<std::size_t>(index)];
    Ide &ide = m_ui.ide();
    ComponentPtr form = ide.activeFormComponent();
    if (form && !ide.designerOf(*form) && !chosen->isForm())
        m_ui.guard("View Form", [&] { ide.showDesigner(form); });
    if (!form || !ide.designerOf(*form))
        return;
    Designer &designer = *ide.designerOf(*form)->designer;
    if (chosen->isForm())
        designer.clearSelection();
    else
        designer.select({chosen});
    m_ui.sync();
}

} // namespace qm::ide
