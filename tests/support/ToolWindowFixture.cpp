// Opening tool windows for tests, and driving their controls.
#include "tests/support/ToolWindowFixture.h"

#include "common/ProgramState.h"
#include "common/Settings.h"
#include "generators/ui/frmShowCode.h"
#include "platform/qt/QtText.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace qm::test {

void click(const QWidget *window, std::string_view name)
{
    if (auto *button = control<QAbstractButton>(window, name))
        button->click();
}

void type(const QWidget *window, std::string_view name, const QString &text)
{
    QWidget *box = control(window, name);
    if (auto *line = qobject_cast<QLineEdit *>(box))
        line->setText(text);
    else if (auto *lines = qobject_cast<QPlainTextEdit *>(box))
        lines->setPlainText(text);
    else if (box)
        ADD_FAILURE() << name << " is no text box";
}

void sendKey(QWidget *to, int key, Qt::KeyboardModifiers modifiers, const QString &text)
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QCoreApplication::sendEvent(to, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QCoreApplication::sendEvent(to, &release);
}

std::string readPreview(const std::function<void()> &action)
{
    std::string shown;
    int previews = 0;
    generators::frmShowCode::setModalHook([&](generators::frmShowCode &preview) {
        ++previews;
        EXPECT_EQ(preview.objectName(), "frmShowCode");
        EXPECT_EQ(preview.windowTitle(), "Tb Quillmark Preview Code");
        EXPECT_TRUE(preview.isModal());
        shown = platform::fromQString(control<QPlainTextEdit>(&preview, "Text1")->toPlainText());
        click(&preview, "pbClose");
        EXPECT_FALSE(preview.isVisible());
    });
    action();
    generators::frmShowCode::setModalHook({});
    EXPECT_EQ(previews, 1);
    // The preview shows the lines broken as Qt breaks them; the preview text keeps CR LF.
    std::string crlf;
    for (char c : shown)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return crlf;
}

ToolWindowFixture::ToolWindowFixture() = default;
ToolWindowFixture::~ToolWindowFixture() = default;

QWidget *ToolWindowFixture::open(std::string_view name)
{
    if (!m_shell.showToolWindow(name)) {
        ADD_FAILURE() << "no tool window " << name;
        return nullptr;
    }
    return m_shell.toolWindow(name);
}

void ToolWindowTest::SetUp()
{
    host.onlyWindow = kHostCaption;
    runtime.setKeyboardTarget(&host);
    common::programState().hostCaption = kHostCaption;
    m_savedPasteKeys = common::settings().keys.PasteFromClipboard;
    common::settings().keys.PasteFromClipboard = "+{INSERT}";
}

void ToolWindowTest::TearDown()
{
    generators::frmShowCode::setModalHook({});
    common::settings().keys.PasteFromClipboard = m_savedPasteKeys;
    common::programState().hostCaption.clear();
}

} // namespace qm::test
