// The shared tool-window helpers on Qt.
#include "platform/qt/Forms.h"

#include "platform/FileSystem.h"
#include "platform/Help.h"
#include "platform/UiRuntime.h"
#include "platform/VbError.h"
#include "platform/WindowRegistry.h"
#include "platform/qt/WindowBinding.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTextEdit>
#include <QTimer>
#include <QWidget>

#include <cmath>
#include <string>

namespace qm::platform {
namespace {

QScreen *screenOf(const QWidget *widget)
{
    if (widget && widget->screen())
        return widget->screen();
    return QGuiApplication::primaryScreen();
}

QString textOf(const QWidget &textBox)
{
    if (auto *line = qobject_cast<const QLineEdit *>(&textBox))
        return line->text();
    if (auto *plain = qobject_cast<const QPlainTextEdit *>(&textBox))
        return plain->toPlainText();
    if (auto *rich = qobject_cast<const QTextEdit *>(&textBox))
        return rich->toPlainText();
    return {};
}

// The whole text, from its start: what the programmer types next replaces it. (Selecting only
// the length of the trimmed text, as once done, cut the end off a text with leading blanks.)
void selectAll(QWidget &textBox)
{
    const int length = static_cast<int>(textOf(textBox).size());
    if (auto *line = qobject_cast<QLineEdit *>(&textBox)) {
        line->setSelection(0, length);
        return;
    }
    auto select = [length](auto *edit) {
        QTextCursor cursor = edit->textCursor();
        cursor.setPosition(0);
        cursor.setPosition(length, QTextCursor::KeepAnchor);
        edit->setTextCursor(cursor);
    };
    if (auto *plain = qobject_cast<QPlainTextEdit *>(&textBox))
        select(plain);
    else if (auto *rich = qobject_cast<QTextEdit *>(&textBox))
        select(rich);
}

class DialogTextBoxFilter final : public QObject
{
public:
    DialogTextBoxFilter(QWidget &textBox, EnterKey enter)
        : QObject(&textBox)
        , m_textBox(textBox)
        , m_enter(enter)
    {}

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::FocusIn) {
            // A mouse press that gives the focus places the caret after this event; select
            // once that is done so the selection stays.
            QWidget *box = &m_textBox;
            QTimer::singleShot(0, box, [box] { selectAll(*box); });
            selectAll(m_textBox);
            return false;
        }
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
            return QObject::eventFilter(watched, event);
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            return false;
        const bool lineBreak = m_enter == EnterKey::MovesOnNewLineShifted
                               && (key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier));
        if (lineBreak) {
            if (event->type() == QEvent::KeyPress) {
                // Shift+Enter would insert a paragraph-internal break; always a plain line break.
                if (auto *plain = qobject_cast<QPlainTextEdit *>(&m_textBox))
                    plain->insertPlainText(QStringLiteral("\n"));
                else if (auto *rich = qobject_cast<QTextEdit *>(&m_textBox))
                    rich->insertPlainText(QStringLiteral("\n"));
                return true;
            }
            return false;
        }
        if (event->type() == QEvent::ShortcutOverride) {
            // Keep Enter from a dialog's default button: it is this text box's key.
            event->accept();
            return true;
        }
        focusNextControl(m_textBox);
        return true;
    }

private:
    QWidget &m_textBox;
    EnterKey m_enter;
};

bool takesTabFocus(const QWidget &widget)
{
    return widget.isEnabled() && widget.isVisibleTo(widget.window())
           && (widget.focusPolicy() & Qt::TabFocus) && !widget.focusProxy();
}

} // namespace

void CenterForm(QWidget &form)
{
    QScreen *screen = screenOf(&form);
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    QSize size = form.frameGeometry().size();
    if (!form.isVisible() || size.isEmpty())
        size = form.size().expandedTo(form.sizeHint());
    form.move(area.x() + (area.width() - size.width()) / 2,
              area.y() + (area.height() - size.height()) / 2);
}

double twipsPerPixel(const QWidget *widget)
{
    double dpi = widget ? widget->logicalDpiX() : 0.0;
    if (dpi <= 0) {
        QScreen *screen = screenOf(widget);
        dpi = screen ? screen->logicalDotsPerInchX() : 96.0;
    }
    return 1440.0 / (dpi > 0 ? dpi : 96.0);
}

int twipsToPixels(int twips, const QWidget *widget)
{
    return static_cast<int>(std::lround(twips / twipsPerPixel(widget)));
}

int pixelsToTwips(int pixels, const QWidget *widget)
{
    return static_cast<int>(std::lround(pixels * twipsPerPixel(widget)));
}

void installDialogBehaviour(QWidget &textBox, EnterKey enter)
{
    if (auto *plain = qobject_cast<QPlainTextEdit *>(&textBox))
        plain->setTabChangesFocus(true);
    else if (auto *rich = qobject_cast<QTextEdit *>(&textBox))
        rich->setTabChangesFocus(true);
    textBox.installEventFilter(new DialogTextBoxFilter(textBox, enter));
}

void focusNextControl(QWidget &from)
{
    for (QWidget *next = from.nextInFocusChain(); next && next != &from;
         next = next->nextInFocusChain()) {
        if (next->window() == from.window() && takesTabFocus(*next)) {
            next->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

void showProductHelp()
{
    showUserGuide();
}

namespace {

// F1 in a tool window (a window the add-in registered as one of its forms or as its palette)
// opens the guide at that window's page; the host's own windows keep their F1.
class ToolHelpKeys final : public QObject
{
protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
            return false;
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier)
            return false;
        const QWidget *window = static_cast<QWidget *>(watched)->window();
        if (!isToolWindow(*window))
            return false;
        try {
            showUserGuide(window->objectName().toStdString());
        } catch (const VbError &) {
            // The guide's window tells what is missing; F1 never ends the tool window.
        }
        return true;
    }

private:
    static bool isToolWindow(const QWidget &window)
    {
        const WindowBinding *binding = WindowBinding::of(window);
        if (!binding)
            return false;
        const WindowInfo *info = windowRegistry().find(binding->handle());
        return info && (info->className == "QuillmarkForm" || info->className == "QuillmarkPalette");
    }
};

} // namespace

void installToolHelpKeys()
{
    static ToolHelpKeys *filter = nullptr;
    if (filter || !QCoreApplication::instance())
        return;
    filter = new ToolHelpKeys;
    filter->setParent(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(filter);
}

QPixmap productPicture(int size)
{
    // A quill over an ink line: drawn, so the product carries no image files of its own.
    QPixmap picture(size, size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const double s = size;
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x1f, 0x4e, 0x8c));
    painter.drawRoundedRect(QRectF(0, 0, s, s), s * 0.18, s * 0.18);
    QPainterPath feather;
    feather.moveTo(s * 0.22, s * 0.80);
    feather.cubicTo(s * 0.30, s * 0.45, s * 0.55, s * 0.20, s * 0.84, s * 0.14);
    feather.cubicTo(s * 0.78, s * 0.42, s * 0.52, s * 0.66, s * 0.22, s * 0.80);
    painter.setBrush(QColor(0xf4, 0xf1, 0xe8));
    painter.drawPath(feather);
    painter.setPen(QPen(QColor(0x1f, 0x4e, 0x8c), s * 0.03));
    painter.drawLine(QPointF(s * 0.22, s * 0.80), QPointF(s * 0.70, s * 0.30));
    painter.setPen(QPen(QColor(0xf4, 0xf1, 0xe8), s * 0.05, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(s * 0.14, s * 0.88), QPointF(s * 0.62, s * 0.88));
    return picture;
}

} // namespace qm::platform
