// A code window over its pane.
#include "ide/ui/CodeView.h"

#include "ide/CodePane.h"
#include "ide/Form.h"
#include "ide/Ide.h"
#include "ide/ui/HostUi.h"
#include "platform/Text.h"
#include "platform/qt/QtText.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTextBlock>
#include <QVBoxLayout>

#include <algorithm>

namespace qm::ide {
namespace {

constexpr const char *kGeneral = "(General)";
constexpr const char *kDeclarations = "(declarations)";

} // namespace

std::vector<std::string> codeObjects(const Component &component)
{
    std::vector<std::string> out{kGeneral};
    FormFile *form = component.form();
    if (!form)
        return out;
    out.push_back(form->root()->isKnownClass() && form->root()->className() == "MDIForm" ? "MDIForm"
                                                                                         : "Form");
    for (const ControlPtr &c : form->controls()) {
        const std::string &name = c->name();
        bool listed = std::any_of(out.begin(), out.end(), [&](const std::string &o) {
            return platform::equalsIgnoreCase(o, name);
        });
        if (!listed)
            out.push_back(name);
    }
    return out;
}

std::string objectOfProcedure(const std::vector<std::string> &objects, const std::string &procedure)
{
    // The longest object name wins, so that cmdOK_Click is not taken for cmd_...
    std::string best = kGeneral;
    for (const std::string &o : objects) {
        if (o == kGeneral || o.size() + 1 > procedure.size())
            continue;
        if (platform::startsWithIgnoreCase(procedure, o) && procedure[o.size()] == '_' &&
            (best == kGeneral || o.size() > best.size()))
            best = o;
    }
    return best;
}

// --- CodeText -----------------------------------------------------------------------------

CodeText::CodeText(HostUi &ui, QWidget *parent)
    : QPlainTextEdit(parent)
    , m_ui(ui)
{
    setObjectName(QStringLiteral("txtCode"));
    setReadOnly(true); // every change goes through the pane
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setContextMenuPolicy(Qt::NoContextMenu);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setUndoRedoEnabled(false);
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(10);
    setFont(font);
    setCursorWidth(2);
}

void CodeText::setShown(const std::string &bytes)
{
    m_lineStarts.clear();
    m_lineLengths.clear();
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    std::size_t start = 0;
    std::size_t i = 0;
    while (true) {
        if (i == bytes.size() || bytes[i] == '\r' || bytes[i] == '\n') {
            m_lineStarts.push_back(start);
            m_lineLengths.push_back(i - start);
            if (i == bytes.size())
                break;
            std::size_t next = i + 1;
            if (bytes[i] == '\r' && next < bytes.size() && bytes[next] == '\n')
                ++next;
            start = i = next;
            continue;
        }
        ++i;
    }
    for (std::size_t l = 0; l < m_lineStarts.size(); ++l) {
        if (l)
            text += QLatin1Char('\n');
        text +=
            platform::toQString(std::string_view(bytes).substr(m_lineStarts[l], m_lineLengths[l]));
    }
    if (bytes != m_bytes || toPlainText() != text) {
        m_bytes = bytes;
        setPlainText(text);
    }
}

int CodeText::documentPosition(std::size_t byteOffset) const
{
    int position = 0;
    for (std::size_t l = 0; l < m_lineStarts.size(); ++l) {
        const std::size_t start = m_lineStarts[l];
        const std::size_t end = start + m_lineLengths[l];
        const bool last = l + 1 == m_lineStarts.size();
        if (byteOffset <= end || last || byteOffset < m_lineStarts[l + 1])
            return position +
                   static_cast<int>(std::min(byteOffset, end) - std::min(start, byteOffset));
        position += static_cast<int>(m_lineLengths[l]) + 1;
    }
    return position;
}

std::size_t CodeText::byteOffset(int documentPosition) const
{
    int remaining = documentPosition;
    for (std::size_t l = 0; l < m_lineStarts.size(); ++l) {
        const int length = static_cast<int>(m_lineLengths[l]);
        if (remaining <= length)
            return m_lineStarts[l] + static_cast<std::size_t>(std::max(remaining, 0));
        remaining -= length + 1;
    }
    return m_bytes.size();
}

void CodeText::keyPressEvent(QKeyEvent *event)
{
    if (deliverKeyEvent(m_ui, *event, *this))
        event->accept();
    else
        event->ignore();
}

void CodeText::inputMethodEvent(QInputMethodEvent *event)
{
    // Composed characters are typed as keys would be.
    for (QChar ch : event->commitString()) {
        std::string byte = platform::fromQString(QString(ch));
        if (!byte.empty())
            m_ui.deliverKey(
                platform::KeyChord{platform::Key::Char, byte[0], platform::keymod::None});
    }
    event->accept();
}

void CodeText::reportSelection()
{
    if (!onMouseSelection)
        return;
    QTextCursor cursor = textCursor();
    onMouseSelection(byteOffset(cursor.anchor()), byteOffset(cursor.position()));
}

void CodeText::mousePressEvent(QMouseEvent *event)
{
    QPlainTextEdit::mousePressEvent(event);
    reportSelection();
}

void CodeText::mouseMoveEvent(QMouseEvent *event)
{
    QPlainTextEdit::mouseMoveEvent(event);
    if (event->buttons() & Qt::LeftButton)
        reportSelection();
}

void CodeText::mouseReleaseEvent(QMouseEvent *event)
{
    QPlainTextEdit::mouseReleaseEvent(event);
    reportSelection();
}

void CodeText::mouseDoubleClickEvent(QMouseEvent *event)
{
    QPlainTextEdit::mouseDoubleClickEvent(event);
    reportSelection();
}

// --- CodeView -----------------------------------------------------------------------------

CodeView::CodeView(HostUi &ui, platform::WindowHandle window)
    : HostWindow(ui)
    , m_window(window)
{
    setAttribute(Qt::WA_DeleteOnClose, false);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto *lists = new QHBoxLayout;
    lists->setContentsMargins(2, 2, 2, 2);
    lists->setSpacing(4);
    m_objects = new QComboBox(this);
    m_objects->setObjectName(QStringLiteral("cbObject"));
    m_procedures = new QComboBox(this);
    m_procedures->setObjectName(QStringLiteral("cbProc"));
    for (QComboBox *c : {m_objects, m_procedures}) {
        c->setFocusPolicy(Qt::ClickFocus);
        c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        c->setMinimumContentsLength(8);
        lists->addWidget(c, 1);
    }
    layout->addLayout(lists);
    m_text = new CodeText(ui, this);
    layout->addWidget(m_text, 1);
    setFocusProxy(m_text);

    m_text->onMouseSelection = [this](std::size_t anchor, std::size_t caret) {
        CodePane *p = pane();
        if (!p)
            return;
        const std::size_t base = p->shownRange().first;
        p->select(base + anchor, base + caret);
        fillLists();
    };
    connect(m_objects, &QComboBox::activated, this, [this](int i) { objectChosen(i); });
    connect(m_procedures, &QComboBox::activated, this, [this](int i) { procedureChosen(i); });
    if (CodeWindow *cw = m_ui.codeWindowOf(m_window)) {
        setObjectName(QStringLiteral("vbCode_") + platform::toQString(cw->component->name()));
        (void)cw;
    }
}

CodePane *CodeView::pane()
{
    CodeWindow *cw = m_ui.codeWindowOf(m_window);
    return cw ? cw->pane.get() : nullptr;
}

void CodeView::fillLists()
{
    CodeWindow *cw = m_ui.codeWindowOf(m_window);
    if (!cw)
        return;
    m_filling = true;
    const std::vector<std::string> objects = codeObjects(*cw->component);
    const std::string shown = cw->pane->shownProcedure();
    const std::string object = cw->pane->procedureView() || !shown.empty()
                                   ? objectOfProcedure(objects, shown)
                                   : std::string(kGeneral);
    m_objects->clear();
    for (const std::string &o : objects)
        m_objects->addItem(platform::toQString(o));
    m_objects->setCurrentIndex(
        static_cast<int>(std::find(objects.begin(), objects.end(), object) - objects.begin()));
    m_procedures->clear();
    int current = 0;
    for (const std::string &name : cw->pane->procedureNames()) {
        const bool declarations = name == kDeclarations;
        const std::string owner =
            declarations ? std::string(kGeneral) : objectOfProcedure(objects, name);
        if (owner != object)
            continue;
        // Event procedures are listed by their event, as the host lists them.
        std::string label = name;
        if (owner != kGeneral)
            label = name.substr(owner.size() + 1);
        if ((declarations && shown.empty()) || platform::equalsIgnoreCase(name, shown))
            current = m_procedures->count();
        m_procedures->addItem(platform::toQString(label), platform::toQString(name));
    }
    if (m_procedures->count())
        m_procedures->setCurrentIndex(current);
    m_filling = false;
}

void CodeView::refresh()
{
    CodeWindow *cw = m_ui.codeWindowOf(m_window);
    if (!cw)
        return;
    CodePane &p = *cw->pane;
    const auto [from, to] = p.shownRange();
    m_text->setShown(p.shownText());
    QTextCursor cursor = m_text->textCursor();
    const std::size_t anchor = std::clamp(p.anchor(), from, to) - from;
    const std::size_t caret = std::clamp(p.caret(), from, to) - from;
    cursor.setPosition(m_text->documentPosition(anchor));
    cursor.setPosition(m_text->documentPosition(caret), QTextCursor::KeepAnchor);
    if (m_text->textCursor() != cursor)
        m_text->setTextCursor(cursor);
    m_text->ensureCursorVisible();
    fillLists();
}

void CodeView::objectChosen(int index)
{
    CodeWindow *cw = m_ui.codeWindowOf(m_window);
    if (m_filling || !cw || index < 0)
        return;
    const std::string object = platform::fromQString(m_objects->itemText(index));
    const std::vector<std::string> objects = codeObjects(*cw->component);
    cw->pane->setProcedureView(true);
    if (object == kGeneral) {
        cw->pane->showDeclarations();
    } else {
        for (const std::string &name : cw->pane->procedureNames()) {
            if (name != kDeclarations && objectOfProcedure(objects, name) == object) {
                cw->pane->showProcedure(name);
                break;
            }
        }
    }
    m_ui.sync();
    m_text->setFocus();
}

void CodeView::procedureChosen(int index)
{
    CodeWindow *cw = m_ui.codeWindowOf(m_window);
    if (m_filling || !cw || index < 0)
        return;
    const std::string name = platform::fromQString(m_procedures->itemData(index).toString());
    if (name == kDeclarations)
        cw->pane->showDeclarations();
    else
        cw->pane->showProcedure(name);
    m_ui.sync();
    m_text->setFocus();
}

void CodeView::closeEvent(QCloseEvent *event)
{
    HostWindow::closeEvent(event);
}

} // namespace qm::ide
