// A form designer window: drawing, selection, moving and resizing.
#include "ide/ui/DesignerView.h"

#include "ide/CodePane.h"
#include "ide/Designer.h"
#include "ide/Form.h"
#include "ide/Ide.h"
#include "ide/ui/HostUi.h"
#include "platform/Text.h"
#include "platform/VbError.h"
#include "platform/qt/Forms.h"
#include "platform/qt/QtText.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>
#include <cmath>

namespace qm::ide {
namespace {

using platform::equalsIgnoreCase;

constexpr int kHandle = 6;
constexpr int kIconSize = 28; // controls without a size of their own (timers, dialogs)

std::optional<std::int32_t> numberOf(const Control &c, std::string_view name)
{
    try {
        if (!c.hasProperty(name))
            return std::nullopt;
        return c.number(name);
    } catch (const std::exception &) {
        return std::nullopt;
    }
}

std::string textOf(const Control &c, std::string_view name)
{
    try {
        if (!c.hasProperty(name))
            return {};
        return c.text(name);
    } catch (const std::exception &) {
        return {};
    }
}

bool booleanOf(const Control &c, std::string_view name, bool fallback)
{
    try {
        if (!c.hasProperty(name))
            return fallback;
        return c.boolean(name);
    } catch (const std::exception &) {
        return fallback;
    }
}

/// What a control looks like, from its class (third-party look-alikes included).
enum class Look {
    Button,
    Check,
    Option,
    Frame,
    Text,
    Label,
    List,
    Combo,
    Picture,
    Image,
    Panel,
    Scroll,
    Shape,
    Line,
    Icon,
    Other
};

Look lookOf(const Control &c)
{
    const std::string cls = c.className();
    auto has = [&](const char *part) {
        return platform::findIgnoreCase(cls, part, 0) != std::string::npos;
    };
    // "OptionButton" holds "Button": the options and checks are told apart first.
    if (equalsIgnoreCase(cls, "CheckBox") || has("Check"))
        return Look::Check;
    if (equalsIgnoreCase(cls, "OptionButton") || has("Option"))
        return Look::Option;
    if (equalsIgnoreCase(cls, "CommandButton") || has("Command") || has("Button"))
        return Look::Button;
    if (has("Frame"))
        return Look::Frame;
    if (equalsIgnoreCase(cls, "TextBox") || has("RichText") || has("MaskEd"))
        return Look::Text;
    if (equalsIgnoreCase(cls, "Label"))
        return Look::Label;
    if (has("ListBox") || has("FileListBox") || has("DirListBox") || has("Outline"))
        return Look::List;
    if (has("Combo") || has("DriveListBox"))
        return Look::Combo;
    if (equalsIgnoreCase(cls, "PictureBox"))
        return Look::Picture;
    if (equalsIgnoreCase(cls, "Image"))
        return Look::Image;
    if (has("Panel") || has("Tab"))
        return Look::Panel;
    if (has("ScrollBar"))
        return Look::Scroll;
    if (equalsIgnoreCase(cls, "Shape"))
        return Look::Shape;
    if (equalsIgnoreCase(cls, "Line"))
        return Look::Line;
    if (equalsIgnoreCase(cls, "Timer") || has("CommonDialog") || has("ImageList"))
        return Look::Icon;
    return Look::Other;
}

bool isContainer(const Control &c)
{
    if (c.isForm() || c.isMenu())
        return false;
    const Look look = lookOf(c);
    return look == Look::Frame || look == Look::Picture || look == Look::Panel;
}

/// A colour value of a form file: the system colours (&H800000xx&) as the classic scheme has
/// them, others as BGR.
QColor colourOf(std::int32_t value)
{
    const auto v = static_cast<std::uint32_t>(value);
    if (v & 0x80000000u) {
        switch (v & 0xFFu) {
        case 0x05:
            return Qt::white; // window background
        case 0x06:
            return Qt::black; // window frame
        case 0x08:
            return Qt::black; // window text
        case 0x0D:
            return QColor(0, 0, 128); // highlight
        case 0x0E:
            return Qt::white; // highlight text
        case 0x10:
            return QColor(128, 128, 128); // button shadow
        case 0x11:
            return QColor(128, 128, 128); // grey text
        case 0x12:
            return Qt::black; // button text
        case 0x14:
            return Qt::white; // button highlight
        case 0x0C:
            return QColor(128, 128, 128); // application workspace
        default:
            return QColor(192, 192, 192); // button face and the rest
        }
    }
    return QColor(static_cast<int>(v & 0xFF), static_cast<int>((v >> 8) & 0xFF),
                  static_cast<int>((v >> 16) & 0xFF));
}

QColor colourProperty(const Control &c, std::string_view name, QColor fallback)
{
    std::optional<std::int32_t> v = numberOf(c, name);
    return v ? colourOf(*v) : fallback;
}

QFont fontOf(const Control &c, const QWidget *widget)
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    std::string name = textOf(c, "Font.Name");
    if (name.empty())
        name = textOf(c, "FontName");
    if (!name.empty())
        font.setFamily(platform::toQString(name));
    double size = 8.25;
    try {
        if (c.hasProperty("Font.Size"))
            size = valueToDouble(c.property("Font.Size"));
        else if (c.hasProperty("FontSize"))
            size = valueToDouble(c.property("FontSize"));
    } catch (const std::exception &) {
    }
    // Point sizes at the designer's resolution, as the form will show them.
    const double dpi = widget ? widget->logicalDpiY() : 96.0;
    font.setPixelSize(std::max(6, static_cast<int>(std::lround(size * dpi / 72.0))));
    font.setBold(booleanOf(c, "Font.Bold", false) || booleanOf(c, "FontBold", false) ||
                 (c.hasProperty("Font.Weight") && numberOf(c, "Font.Weight").value_or(400) >= 700));
    font.setItalic(booleanOf(c, "Font.Italic", false) || booleanOf(c, "FontItalic", false));
    font.setUnderline(booleanOf(c, "Font.Underline", false) ||
                      booleanOf(c, "FontUnderline", false));
    return font;
}

/// A caption as drawn: "&" marks the next letter (underlined), "&&" is one "&".
QString shownCaption(const std::string &caption)
{
    return platform::toQString(caption);
}

void drawSunken(QPainter &p, const QRect &r, const QColor &fill)
{
    p.fillRect(r, fill);
    p.setPen(QColor(128, 128, 128));
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(Qt::white);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
    p.setPen(Qt::black);
    const QRect inner = r.adjusted(1, 1, -1, -1);
    p.drawLine(inner.topLeft(), inner.topRight());
    p.drawLine(inner.topLeft(), inner.bottomLeft());
}

void drawRaised(QPainter &p, const QRect &r, const QColor &fill)
{
    p.fillRect(r, fill);
    p.setPen(Qt::white);
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(QColor(128, 128, 128));
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
}

/// The name the host gives the first control of a class it draws ("Command1").
std::string defaultControlName(const std::string &cls)
{
    static const std::pair<const char *, const char *> names[] = {
        {"CommandButton", "Command1"}, {"OptionButton", "Option1"}, {"CheckBox", "Check1"},
        {"PictureBox", "Picture1"},    {"TextBox", "Text1"},        {"ListBox", "List1"},
        {"ComboBox", "Combo1"},        {"HScrollBar", "HScroll1"},  {"VScrollBar", "VScroll1"}};
    for (const auto &[c, n] : names) {
        if (cls == c)
            return n;
    }
    return cls + "1";
}

int mnemonicFlags()
{
    return Qt::TextShowMnemonic;
}

} // namespace

std::vector<QRect> handleRects(const QRect &rect)
{
    const int l = rect.left() - kHandle / 2;
    const int t = rect.top() - kHandle / 2;
    const int r = rect.left() + rect.width() - kHandle / 2;
    const int b = rect.top() + rect.height() - kHandle / 2;
    const int cx = rect.left() + rect.width() / 2 - kHandle / 2;
    const int cy = rect.top() + rect.height() / 2 - kHandle / 2;
    const QSize s(kHandle, kHandle);
    return {QRect(QPoint(l, t), s),  QRect(QPoint(cx, t), s), QRect(QPoint(r, t), s),
            QRect(QPoint(r, cy), s), QRect(QPoint(r, b), s),  QRect(QPoint(cx, b), s),
            QRect(QPoint(l, b), s),  QRect(QPoint(l, cy), s)};
}

QRect resizedRect(const QRect &rect, int handle, QPoint delta)
{
    int left = rect.left();
    int top = rect.top();
    int right = rect.left() + rect.width();
    int bottom = rect.top() + rect.height();
    switch (handle) {
    case 0:
        left += delta.x();
        top += delta.y();
        break;
    case 1:
        top += delta.y();
        break;
    case 2:
        right += delta.x();
        top += delta.y();
        break;
    case 3:
        right += delta.x();
        break;
    case 4:
        right += delta.x();
        bottom += delta.y();
        break;
    case 5:
        bottom += delta.y();
        break;
    case 6:
        left += delta.x();
        bottom += delta.y();
        break;
    case 7:
        left += delta.x();
        break;
    default:
        break;
    }
    // A handle dragged past the opposite edge stops a pixel short of it.
    if (handle == 0 || handle == 6 || handle == 7)
        left = std::min(left, right - 1);
    else
        right = std::max(right, left + 1);
    if (handle == 0 || handle == 1 || handle == 2)
        top = std::min(top, bottom - 1);
    else
        bottom = std::max(bottom, top + 1);
    return QRect(left, top, right - left, bottom - top);
}

DesignerView::DesignerView(HostUi &ui, platform::WindowHandle window)
    : HostWindow(ui)
    , m_window(window)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    if (Designer *d = designer())
        setObjectName(QStringLiteral("vbForm_") + platform::toQString(d->component()->name()));
}

Designer *DesignerView::designer() const
{
    DesignerWindow *d = m_ui.designerOf(m_window);
    return d ? d->designer.get() : nullptr;
}

int DesignerView::menuBarHeight() const
{
    Designer *d = designer();
    if (!d)
        return 0;
    for (const ControlPtr &c : d->form().root()->children()) {
        if (c->isMenu())
            return fontMetrics().height() + 6;
    }
    return 0;
}

QPoint DesignerView::origin(const Control &control) const
{
    QPoint at(0, menuBarHeight());
    for (Control *p = control.parent(); p && !p->isForm(); p = p->parent()) {
        at += QPoint(platform::twipsToPixels(numberOf(*p, "Left").value_or(0), this),
                     platform::twipsToPixels(numberOf(*p, "Top").value_or(0), this));
    }
    return at;
}

QRect DesignerView::controlRect(const Control &control) const
{
    if (control.isForm() || control.isMenu())
        return {};
    const QPoint at = origin(control);
    if (lookOf(control) == Look::Line) {
        const int x1 = platform::twipsToPixels(numberOf(control, "X1").value_or(0), this);
        const int x2 = platform::twipsToPixels(numberOf(control, "X2").value_or(0), this);
        const int y1 = platform::twipsToPixels(numberOf(control, "Y1").value_or(0), this);
        const int y2 = platform::twipsToPixels(numberOf(control, "Y2").value_or(0), this);
        return QRect(QPoint(std::min(x1, x2), std::min(y1, y2)),
                     QPoint(std::max(x1, x2), std::max(y1, y2)))
            .adjusted(0, 0, 1, 1)
            .translated(at);
    }
    const int left = platform::twipsToPixels(numberOf(control, "Left").value_or(0), this);
    const int top = platform::twipsToPixels(numberOf(control, "Top").value_or(0), this);
    std::optional<std::int32_t> width = numberOf(control, "Width");
    std::optional<std::int32_t> height = numberOf(control, "Height");
    if (!width || !height || lookOf(control) == Look::Icon)
        return QRect(at.x() + left, at.y() + top, kIconSize, kIconSize);
    return QRect(at.x() + left, at.y() + top, std::max(1, platform::twipsToPixels(*width, this)),
                 std::max(1, platform::twipsToPixels(*height, this)));
}

ControlPtr DesignerView::controlAt(QPoint point) const
{
    Designer *d = designer();
    if (!d)
        return nullptr;
    // The last drawn is on top; a container's children lie on it.
    std::function<ControlPtr(const Control &)> search = [&](const Control &parent) -> ControlPtr {
        const std::vector<ControlPtr> children = parent.children();
        for (auto it = children.rbegin(); it != children.rend(); ++it) {
            const ControlPtr &c = *it;
            if (c->isMenu())
                continue;
            const QRect r = controlRect(*c);
            if (!r.contains(point))
                continue;
            if (isContainer(*c)) {
                if (ControlPtr inner = search(*c))
                    return inner;
            }
            return c;
        }
        return nullptr;
    };
    return search(*d->form().root());
}

void DesignerView::fitToForm()
{
    Designer *d = designer();
    if (!d || m_fitted)
        return;
    m_fitted = true;
    const Control &form = *d->form().root();
    int width = platform::twipsToPixels(numberOf(form, "ClientWidth").value_or(4680), this);
    int height = platform::twipsToPixels(numberOf(form, "ClientHeight").value_or(3195), this);
    if (!form.isWritten("ClientWidth") && form.isWritten("Width"))
        width = platform::twipsToPixels(numberOf(form, "Width").value_or(4800) - 120, this);
    if (!form.isWritten("ClientHeight") && form.isWritten("Height"))
        height = platform::twipsToPixels(numberOf(form, "Height").value_or(3600) - 405, this);
    height += menuBarHeight();
    platform::WindowRegistry &registry = platform::windowRegistry();
    if (const platform::WindowInfo *info = registry.find(m_window))
        registry.setGeometry(m_window, info->left, info->top, std::max(width, 120),
                             std::max(height, 60));
}

void DesignerView::refresh()
{
    fitToForm();
    update();
}

int DesignerView::handleAt(QPoint point) const
{
    Designer *d = designer();
    if (!d)
        return -1;
    std::vector<ControlPtr> selection = d->selection();
    if (selection.size() != 1)
        return -1;
    const std::vector<QRect> handles = handleRects(controlRect(*selection.front()));
    for (std::size_t i = 0; i < handles.size(); ++i) {
        if (handles[i].adjusted(-1, -1, 1, 1).contains(point))
            return static_cast<int>(i);
    }
    return -1;
}

void DesignerView::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    Designer *d = designer();
    if (!d) {
        p.fillRect(rect(), palette().window());
        return;
    }
    const Control &form = *d->form().root();
    const QColor back = colourProperty(form, "BackColor", QColor(192, 192, 192));
    p.fillRect(rect(), back);
    // The menu bar.
    const int bar = menuBarHeight();
    if (bar) {
        p.fillRect(QRect(0, 0, width(), bar), QColor(192, 192, 192));
        p.setPen(QColor(128, 128, 128));
        p.drawLine(0, bar - 1, width(), bar - 1);
        p.setPen(Qt::black);
        p.setFont(font());
        int x = 6;
        for (const ControlPtr &m : form.children()) {
            if (!m->isMenu() || !booleanOf(*m, "Visible", true))
                continue;
            const QString caption = shownCaption(textOf(*m, "Caption"));
            const int w =
                fontMetrics().horizontalAdvance(QString(caption).remove(QLatin1Char('&'))) + 12;
            p.drawText(QRect(x, 0, w, bar), Qt::AlignCenter | mnemonicFlags(), caption);
            x += w;
        }
    }
    // The grid dots the designer aligns to.
    const int grid = std::max(4, platform::twipsToPixels(120, this));
    p.setPen(back.lightness() > 100 ? back.darker(160) : back.lighter(160));
    for (int y = bar + grid; y < height(); y += grid)
        for (int x = grid; x < width(); x += grid)
            p.drawPoint(x, y);

    std::function<void(const Control &, const QRect &)> drawChildren = [&](const Control &parent,
                                                                           const QRect &clip) {
        for (const ControlPtr &c : parent.children()) {
            if (c->isMenu())
                continue;
            const QRect r = controlRect(*c);
            p.save();
            p.setClipRect(clip);
            const QFont f = fontOf(*c, this);
            p.setFont(f);
            const QColor fore = colourProperty(*c, "ForeColor", Qt::black);
            const QString caption = shownCaption(textOf(*c, "Caption"));
            const bool enabled = booleanOf(*c, "Enabled", true);
            const QColor textColour = enabled ? fore : QColor(128, 128, 128);
            switch (lookOf(*c)) {
            case Look::Button: {
                // The default button wears a black frame around its bevel.
                const bool isDefault = booleanOf(*c, "Default", false);
                const QRect bevel = isDefault ? r.adjusted(1, 1, -1, -1) : r;
                drawRaised(p, bevel, colourProperty(*c, "BackColor", QColor(192, 192, 192)));
                p.setPen(Qt::black);
                p.drawLine(bevel.bottomLeft(), bevel.bottomRight());
                p.drawLine(bevel.topRight(), bevel.bottomRight());
                if (isDefault)
                    p.drawRect(r.adjusted(0, 0, -1, -1));
                p.setPen(textColour);
                p.drawText(r, Qt::AlignCenter | Qt::TextWordWrap | mnemonicFlags(), caption);
                break;
            }
            case Look::Check:
            case Look::Option: {
                const QColor bg = colourProperty(*c, "BackColor", back);
                p.fillRect(r, bg);
                const int box = std::min(13, r.height());
                const QRect mark(r.left() + 1, r.top() + (r.height() - box) / 2, box, box);
                const bool on = numberOf(*c, "Value").value_or(0) != 0;
                if (lookOf(*c) == Look::Check) {
                    drawSunken(p, mark, Qt::white);
                    if (on) {
                        p.setPen(QPen(Qt::black, 2));
                        p.drawLine(mark.left() + 3, mark.center().y(), mark.center().x(),
                                   mark.bottom() - 3);
                        p.drawLine(mark.center().x(), mark.bottom() - 3, mark.right() - 2,
                                   mark.top() + 3);
                    }
                } else {
                    p.setRenderHint(QPainter::Antialiasing);
                    p.setPen(QColor(128, 128, 128));
                    p.setBrush(Qt::white);
                    p.drawEllipse(mark.adjusted(0, 0, -1, -1));
                    if (on) {
                        p.setBrush(Qt::black);
                        p.drawEllipse(mark.adjusted(4, 4, -5, -5));
                    }
                    p.setRenderHint(QPainter::Antialiasing, false);
                    p.setBrush(Qt::NoBrush);
                }
                p.setPen(textColour);
                p.drawText(r.adjusted(box + 5, 0, 0, 0),
                           Qt::AlignVCenter | Qt::AlignLeft | mnemonicFlags(), caption);
                break;
            }
            case Look::Frame: {
                const QColor bg = colourProperty(*c, "BackColor", back);
                p.fillRect(r, bg);
                const int half = QFontMetrics(f).height() / 2;
                const QRect line = r.adjusted(0, half, -1, -1);
                p.setPen(QColor(128, 128, 128));
                p.drawRect(line);
                p.setPen(Qt::white);
                p.drawRect(line.adjusted(1, 1, 1, 1));
                if (!caption.isEmpty()) {
                    const int w = QFontMetrics(f).horizontalAdvance(
                                      QString(caption).remove(QLatin1Char('&'))) +
                                  4;
                    const QRect label(r.left() + 6, r.top(), w, QFontMetrics(f).height());
                    p.fillRect(label, bg);
                    p.setPen(textColour);
                    p.drawText(label, Qt::AlignCenter | mnemonicFlags(), caption);
                }
                break;
            }
            case Look::Text: {
                drawSunken(p, r, colourProperty(*c, "BackColor", Qt::white));
                p.setPen(textColour);
                const std::string text = c->hasProperty("Text") ? textOf(*c, "Text") : c->name();
                p.drawText(r.adjusted(4, 3, -3, -3),
                           (booleanOf(*c, "MultiLine", false) ? Qt::TextWordWrap : 0) |
                               Qt::AlignLeft | Qt::AlignTop,
                           platform::toQString(text));
                break;
            }
            case Look::Label: {
                if (numberOf(*c, "BackStyle").value_or(1) != 0)
                    p.fillRect(r, colourProperty(*c, "BackColor", back));
                if (numberOf(*c, "BorderStyle").value_or(0) == 1)
                    drawSunken(p, r, colourProperty(*c, "BackColor", back));
                p.setPen(textColour);
                int align = Qt::AlignLeft;
                switch (numberOf(*c, "Alignment").value_or(0)) {
                case 1:
                    align = Qt::AlignRight;
                    break;
                case 2:
                    align = Qt::AlignHCenter;
                    break;
                default:
                    break;
                }
                p.drawText(r.adjusted(1, 0, -1, 0),
                           align | Qt::AlignTop | Qt::TextWordWrap | mnemonicFlags(), caption);
                break;
            }
            case Look::List: {
                drawSunken(p, r, colourProperty(*c, "BackColor", Qt::white));
                p.setPen(textColour);
                p.drawText(r.adjusted(4, 3, -3, -3), Qt::AlignLeft | Qt::AlignTop,
                           platform::toQString(c->name()));
                break;
            }
            case Look::Combo: {
                drawSunken(p, r, colourProperty(*c, "BackColor", Qt::white));
                const int b = std::max(0, r.height() - 4);
                const QRect button(r.right() - b - 1, r.top() + 2, b, b);
                drawRaised(p, button, QColor(192, 192, 192));
                p.setPen(Qt::black);
                p.setBrush(Qt::black);
                const QPoint m = button.center();
                const QPoint arrow[3] = {QPoint(m.x() - 3, m.y() - 1), QPoint(m.x() + 3, m.y() - 1),
                                         QPoint(m.x(), m.y() + 2)};
                p.drawPolygon(arrow, 3);
                p.setBrush(Qt::NoBrush);
                p.setPen(textColour);
                const std::string text = c->hasProperty("Text") ? textOf(*c, "Text") : c->name();
                p.drawText(r.adjusted(4, 0, -b - 4, 0), Qt::AlignLeft | Qt::AlignVCenter,
                           platform::toQString(text));
                break;
            }
            case Look::Picture:
                drawSunken(p, r, colourProperty(*c, "BackColor", back));
                break;
            case Look::Panel:
                drawRaised(p, r, colourProperty(*c, "BackColor", QColor(192, 192, 192)));
                if (!caption.isEmpty()) {
                    p.setPen(textColour);
                    p.drawText(r, Qt::AlignCenter | mnemonicFlags(), caption);
                }
                break;
            case Look::Image:
                p.setPen(QPen(QColor(64, 64, 64), 1, Qt::DashLine));
                p.drawRect(r.adjusted(0, 0, -1, -1));
                break;
            case Look::Scroll: {
                p.fillRect(r, QColor(224, 224, 224));
                const bool horizontal = r.width() >= r.height();
                const int b = horizontal ? r.height() : r.width();
                drawRaised(p, QRect(r.topLeft(), QSize(b, b)), QColor(192, 192, 192));
                drawRaised(p,
                           horizontal ? QRect(r.right() - b + 1, r.top(), b, b)
                                      : QRect(r.left(), r.bottom() - b + 1, b, b),
                           QColor(192, 192, 192));
                break;
            }
            case Look::Shape: {
                p.setPen(QPen(colourProperty(*c, "BorderColor", Qt::black),
                              std::max(1, numberOf(*c, "BorderWidth").value_or(1))));
                if (numberOf(*c, "BackStyle").value_or(0) == 1)
                    p.setBrush(colourProperty(*c, "BackColor", Qt::white));
                const QRect s = r.adjusted(0, 0, -1, -1);
                switch (numberOf(*c, "Shape").value_or(0)) {
                case 2:
                case 3:
                    p.drawEllipse(s);
                    break;
                case 4:
                case 5:
                    p.drawRoundedRect(s, 8, 8);
                    break;
                default:
                    p.drawRect(s);
                    break;
                }
                p.setBrush(Qt::NoBrush);
                break;
            }
            case Look::Line: {
                const QPoint at = origin(*c);
                p.setPen(QPen(colourProperty(*c, "BorderColor", Qt::black),
                              std::max(1, numberOf(*c, "BorderWidth").value_or(1))));
                p.drawLine(
                    at + QPoint(platform::twipsToPixels(numberOf(*c, "X1").value_or(0), this),
                                platform::twipsToPixels(numberOf(*c, "Y1").value_or(0), this)),
                    at + QPoint(platform::twipsToPixels(numberOf(*c, "X2").value_or(0), this),
                                platform::twipsToPixels(numberOf(*c, "Y2").value_or(0), this)));
                break;
            }
            case Look::Icon:
                if (equalsIgnoreCase(c->className(), "Timer")) {
                    // A small clock, as the toolbox shows the timer.
                    drawRaised(p, r, QColor(192, 192, 192));
                    const QRect face = r.adjusted(5, 5, -6, -6);
                    p.setRenderHint(QPainter::Antialiasing);
                    p.setPen(QPen(Qt::black, 1));
                    p.setBrush(Qt::white);
                    p.drawEllipse(face);
                    p.drawLine(face.center(), QPoint(face.center().x(), face.top() + 3));
                    p.drawLine(face.center(), QPoint(face.right() - 4, face.center().y()));
                    p.setBrush(Qt::NoBrush);
                    p.setRenderHint(QPainter::Antialiasing, false);
                    break;
                }
                [[fallthrough]];
            case Look::Other: {
                drawRaised(p, r, QColor(192, 192, 192));
                p.setPen(Qt::black);
                QFont small = font();
                small.setPixelSize(9);
                p.setFont(small);
                const std::string cls = c->className();
                const QString label = lookOf(*c) == Look::Icon
                                          ? platform::toQString(cls.substr(0, 3))
                                          : platform::toQString(cls + "\n" + c->displayName());
                p.drawText(r, Qt::AlignCenter | Qt::TextWordWrap, label);
                break;
            }
            }
            p.restore();
            if (isContainer(*c))
                drawChildren(*c, r.intersected(clip));
        }
    };
    drawChildren(form, QRect(0, bar, width(), height() - bar));

    // The selection's handles: filled on the control selected last, hollow on the others.
    const std::vector<ControlPtr> selection = d->selection();
    for (std::size_t i = 0; i < selection.size(); ++i) {
        const QRect r = controlRect(*selection[i]);
        if (r.isEmpty())
            continue;
        const bool primary = i + 1 == selection.size();
        for (const QRect &h : handleRects(r)) {
            p.fillRect(h, primary ? QColor(0, 0, 128) : Qt::white);
            p.setPen(QColor(0, 0, 128));
            p.drawRect(h.adjusted(0, 0, -1, -1));
        }
    }
    // What a drag would do.
    const QPoint delta = m_now - m_pressAt;
    p.setPen(QPen(Qt::black, 1, Qt::DotLine));
    p.setBrush(Qt::NoBrush);
    switch (m_drag) {
    case Drag::Move:
        if (delta != QPoint())
            for (const ControlPtr &c : selection)
                p.drawRect(controlRect(*c).translated(delta).adjusted(0, 0, -1, -1));
        break;
    case Drag::Resize:
        if (!selection.empty())
            p.drawRect(resizedRect(controlRect(*selection.front()), m_handle, delta)
                           .adjusted(0, 0, -1, -1));
        break;
    case Drag::Band:
    case Drag::Draw:
        p.drawRect(QRect(m_pressAt, m_now).normalized());
        break;
    case Drag::None:
        break;
    }
}

void DesignerView::mousePressEvent(QMouseEvent *event)
{
    Designer *d = designer();
    if (!d || event->button() != Qt::LeftButton) {
        HostWindow::mousePressEvent(event);
        return;
    }
    platform::windowRegistry().activate(m_window);
    const QPoint at = event->position().toPoint();
    m_pressAt = m_now = at;
    m_pressed.reset();
    if (at.y() < menuBarHeight()) {
        // The designer's own menu bar: the menu under the point drops down.
        int x = 6;
        int index = 0;
        for (const ControlPtr &m : d->form().root()->children()) {
            if (!m->isMenu() || !booleanOf(*m, "Visible", true))
                continue;
            const int w = fontMetrics().horizontalAdvance(
                              platform::toQString(textOf(*m, "Caption")).remove(QLatin1Char('&'))) +
                          12;
            if (at.x() >= x && at.x() < x + w) {
                showMenu(index);
                break;
            }
            x += w;
            ++index;
        }
        m_ui.sync();
        return;
    }
    if (!m_ui.currentTool().empty()) {
        m_drag = Drag::Draw;
        update();
        return;
    }
    m_handle = handleAt(at);
    if (m_handle >= 0) {
        m_drag = Drag::Resize;
        return;
    }
    ControlPtr hit = controlAt(at);
    const bool add = event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier);
    std::vector<ControlPtr> selection = d->selection();
    if (!hit) {
        if (!add)
            d->clearSelection();
        m_drag = Drag::Band;
        m_ui.sync();
        return;
    }
    auto found = std::find(selection.begin(), selection.end(), hit);
    if (add) {
        if (found != selection.end())
            selection.erase(found);
        else
            selection.push_back(hit);
        d->select(selection);
        m_drag = Drag::None;
    } else {
        if (found == selection.end())
            d->select({hit});
        m_pressed = hit;
        m_drag = Drag::Move;
    }
    m_ui.sync();
}

void DesignerView::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    if (m_drag == Drag::None) {
        const int h = handleAt(at);
        static const Qt::CursorShape shapes[] = {Qt::SizeFDiagCursor, Qt::SizeVerCursor,
                                                 Qt::SizeBDiagCursor, Qt::SizeHorCursor};
        setCursor(h >= 0 ? shapes[h % 4]
                         : (m_ui.currentTool().empty() ? Qt::ArrowCursor : Qt::CrossCursor));
        return;
    }
    m_now = at;
    update();
}

void DesignerView::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || m_drag == Drag::None) {
        m_drag = Drag::None;
        return;
    }
    m_now = event->position().toPoint();
    finishDrag(m_now);
}

void DesignerView::finishDrag(QPoint at)
{
    Designer *d = designer();
    const Drag drag = m_drag;
    m_drag = Drag::None;
    if (!d) {
        update();
        return;
    }
    const QPoint delta = at - m_pressAt;
    auto twips = [this](int pixels) {
        return platform::pixelsToTwips(pixels, this);
    };
    ComponentPtr component = d->component();
    m_ui.guard("Microsoft Visual Basic", [&] {
        switch (drag) {
        case Drag::Move: {
            if (delta == QPoint())
                break;
            const std::vector<ControlPtr> selection = d->selection();
            for (const ControlPtr &c : selection) {
                // A control inside a selected container moves with it.
                bool inside = false;
                for (Control *p = c->parent(); p; p = p->parent())
                    inside =
                        inside || std::any_of(selection.begin(), selection.end(),
                                              [p](const ControlPtr &s) { return s.get() == p; });
                if (inside)
                    continue;
                if (lookOf(*c) == Look::Line) {
                    for (const char *x : {"X1", "X2"})
                        c->setProperty(x, Value(numberOf(*c, x).value_or(0) + twips(delta.x())));
                    for (const char *y : {"Y1", "Y2"})
                        c->setProperty(y, Value(numberOf(*c, y).value_or(0) + twips(delta.y())));
                    continue;
                }
                c->setProperty("Left", Value(numberOf(*c, "Left").value_or(0) + twips(delta.x())));
                c->setProperty("Top", Value(numberOf(*c, "Top").value_or(0) + twips(delta.y())));
            }
            break;
        }
        case Drag::Resize: {
            const std::vector<ControlPtr> selection = d->selection();
            if (selection.size() != 1 || delta == QPoint())
                break;
            const ControlPtr &c = selection.front();
            const QRect before = controlRect(*c);
            const QRect after = resizedRect(before, m_handle, delta);
            if (after.left() != before.left())
                c->setProperty("Left", Value(numberOf(*c, "Left").value_or(0) +
                                             twips(after.left() - before.left())));
            if (after.top() != before.top())
                c->setProperty("Top", Value(numberOf(*c, "Top").value_or(0) +
                                            twips(after.top() - before.top())));
            if (after.width() != before.width() && c->hasProperty("Width"))
                c->setProperty("Width", Value(twips(after.width())));
            if (after.height() != before.height() && c->hasProperty("Height"))
                c->setProperty("Height", Value(twips(after.height())));
            break;
        }
        case Drag::Band: {
            const QRect band = QRect(m_pressAt, at).normalized();
            if (band.width() < 2 && band.height() < 2)
                break;
            std::vector<ControlPtr> selection = d->selection();
            for (const ControlPtr &c : d->form().root()->children()) {
                if (c->isMenu() || !controlRect(*c).intersects(band))
                    continue;
                if (std::find(selection.begin(), selection.end(), c) == selection.end())
                    selection.push_back(c);
            }
            d->select(selection);
            break;
        }
        case Drag::Draw: {
            const std::string tool = m_ui.currentTool();
            m_ui.setCurrentTool({});
            QRect r = QRect(m_pressAt, at).normalized();
            ControlPtr container = controlAt(m_pressAt);
            while (container && !isContainer(*container))
                container = container->parent() && !container->parent()->isForm()
                                ? container->parent()->shared_from_this()
                                : nullptr;
            const QPoint base =
                container ? controlRect(*container).topLeft() : QPoint(0, menuBarHeight());
            r.translate(-base);
            const std::string name = d->form().freeName(defaultControlName(tool));
            const bool v4 = d->form().isVersion4();
            const bool tiny = r.width() < 4 && r.height() < 4;
            const int w = tiny ? 1215 : twips(r.width());
            const int h = tiny ? (tool == "Timer" ? 420 : 495) : twips(r.height());
            // As the host writes a control: a blank after the name, properties by name.
            std::string text =
                std::string("Begin ") + (v4 ? "" : "VB.") + tool + " " + name + " \r\n";
            const bool captioned = tool == "CommandButton" || tool == "Label" || tool == "Frame" ||
                                   tool == "CheckBox" || tool == "OptionButton";
            if (captioned)
                text += "   Caption         =   \"" + name + "\"\r\n";
            if (tool != "Timer") {
                text += "   Height          =   " + std::to_string(h) + "\r\n";
                text += "   Left            =   " + std::to_string(twips(r.left())) + "\r\n";
            } else {
                text += "   Left            =   " + std::to_string(twips(r.left())) + "\r\n";
            }
            const ControlClass *cls = findControlClass(tool);
            if (cls && cls->hasTabIndex())
                text += "   TabIndex        =   " + std::to_string(d->form().tabOrder().size()) +
                        "\r\n";
            if (tool == "TextBox")
                text += "   Text            =   \"" + name + "\"\r\n";
            text += "   Top             =   " + std::to_string(twips(r.top())) + "\r\n";
            if (tool != "Timer")
                text += "   Width           =   " + std::to_string(w) + "\r\n";
            text += "End\r\n";
            PasteResult pasted = pasteControls(d->form(), text, container.get());
            d->select(pasted.pasted);
            break;
        }
        case Drag::None:
            break;
        }
    });
    (void)component;
    update();
}

void DesignerView::mouseDoubleClickEvent(QMouseEvent *event)
{
    Designer *d = designer();
    if (!d)
        return;
    ControlPtr hit = controlAt(event->position().toPoint());
    const std::string object = hit ? hit->name() : std::string("Form");
    ComponentPtr component = d->component();
    m_ui.guard("View Code", [&] {
        CodeWindow &cw = m_ui.ide().showCode(component);
        // The object's first procedure, as the code window's lists would pick it.
        for (const std::string &name : cw.pane->procedureNames()) {
            if (platform::startsWithIgnoreCase(name, object + "_")) {
                cw.pane->showProcedure(name);
                break;
            }
        }
    });
}

void DesignerView::showMenu(int index)
{
    Designer *d = designer();
    if (!d)
        return;
    int i = 0;
    for (const ControlPtr &m : d->form().root()->children()) {
        if (!m->isMenu() || !booleanOf(*m, "Visible", true))
            continue;
        if (i++ != index)
            continue;
        // A menu's items as the form will show them; picking one opens its Click procedure.
        auto *menu = new QMenu(this);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        std::function<void(QMenu *, const Control &)> fill = [&](QMenu *into,
                                                                 const Control &parent) {
            for (const ControlPtr &item : parent.children()) {
                if (!item->isMenu())
                    continue;
                const std::string caption = textOf(*item, "Caption");
                if (caption == "-") {
                    into->addSeparator();
                    continue;
                }
                if (!item->children().empty()) {
                    fill(into->addMenu(platform::toQString(caption)), *item);
                    continue;
                }
                QAction *a = into->addAction(platform::toQString(caption));
                a->setCheckable(booleanOf(*item, "Checked", false));
                a->setChecked(booleanOf(*item, "Checked", false));
                const std::string procedure = item->name() + "_Click";
                ComponentPtr component = d->component();
                connect(a, &QAction::triggered, this, [this, component, procedure] {
                    m_ui.guard("View Code", [&] {
                        CodeWindow &cw = m_ui.ide().showCode(component);
                        cw.pane->showProcedure(procedure);
                    });
                });
            }
        };
        fill(menu, *m);
        menu->popup(mapToGlobal(QPoint(6, menuBarHeight())));
        return;
    }
}

void DesignerView::keyPressEvent(QKeyEvent *event)
{
    // Ctrl+arrow moves the selection a grid step, Shift+arrow resizes it; the host's other keys
    // (clipboard, delete, accelerators) go through its key map.
    Designer *d = designer();
    const int key = event->key();
    const bool arrow =
        key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
    const Qt::KeyboardModifiers mods =
        event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier);
    if (!d || !arrow || (mods != Qt::ControlModifier && mods != Qt::ShiftModifier)) {
        HostWindow::keyPressEvent(event);
        return;
    }
    event->accept();
    constexpr int kStep = 120;
    const int dx = key == Qt::Key_Left ? -kStep : key == Qt::Key_Right ? kStep : 0;
    const int dy = key == Qt::Key_Up ? -kStep : key == Qt::Key_Down ? kStep : 0;
    const bool resize = mods == Qt::ShiftModifier;
    m_ui.guard("Microsoft Visual Basic", [&] {
        for (const ControlPtr &c : d->selection()) {
            if (lookOf(*c) == Look::Line)
                continue;
            if (resize) {
                if (dx && c->hasProperty("Width"))
                    c->setProperty("Width",
                                   Value(std::max(kStep, numberOf(*c, "Width").value_or(0) + dx)));
                if (dy && c->hasProperty("Height"))
                    c->setProperty("Height",
                                   Value(std::max(kStep, numberOf(*c, "Height").value_or(0) + dy)));
            } else {
                if (dx)
                    c->setProperty("Left", Value(numberOf(*c, "Left").value_or(0) + dx));
                if (dy)
                    c->setProperty("Top", Value(numberOf(*c, "Top").value_or(0) + dy));
            }
        }
    });
}

void DesignerView::closeEvent(QCloseEvent *event)
{
    HostWindow::closeEvent(event);
}

} // namespace qm::ide
