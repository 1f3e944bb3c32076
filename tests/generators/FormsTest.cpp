// The tool-window helpers every window shares: centring, twips, and the code preview window.
#include "platform/qt/Forms.h"

#include "generators/ui/frmShowCode.h"
#include "platform/FileSystem.h"
#include "platform/ScriptedUi.h"

#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace qm::platform {
namespace {

TEST(Forms, CenterFormPlacesTheWindowInTheMiddleOfTheScreen)
{
    QWidget form;
    form.resize(300, 200);
    CenterForm(form);
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(form.x(), area.x() + (area.width() - 300) / 2);
    EXPECT_EQ(form.y(), area.y() + (area.height() - 200) / 2);

    // A window larger than the screen is centred too, its top left off the screen.
    form.resize(area.width() + 100, 50);
    CenterForm(form);
    EXPECT_EQ(form.x(), area.x() - 50);
}

TEST(Forms, TwipsFollowTheLogicalDpi)
{
    QWidget form;
    const int dpi = form.logicalDpiX();
    ASSERT_GT(dpi, 0);
    EXPECT_DOUBLE_EQ(twipsPerPixel(&form), 1440.0 / dpi);
    EXPECT_EQ(twipsToPixels(1440, &form), dpi);
    EXPECT_EQ(pixelsToTwips(dpi, &form), 1440);
    EXPECT_EQ(twipsToPixels(0, &form), 0);
    EXPECT_EQ(twipsToPixels(-1440, &form), -dpi);
    EXPECT_EQ(twipsToPixels(1440), twipsToPixels(1440, &form)); // no widget: the primary screen
}

TEST(Forms, EnterMovesOnFromEveryKindOfTextBoxAndSkipsDisabledControls)
{
    QWidget form;
    auto *layout = new QVBoxLayout(&form);
    auto *line = new QLineEdit(QStringLiteral("one"));
    auto *rich = new QTextEdit;
    auto *disabled = new QPushButton(QStringLiteral("off"));
    disabled->setEnabled(false);
    auto *last = new QLineEdit;
    for (QWidget *w : std::initializer_list<QWidget *>{line, rich, disabled, last})
        layout->addWidget(w);
    installDialogBehaviour(*line);
    installDialogBehaviour(*rich, EnterKey::MovesOnNewLineShifted);
    form.show();
    form.activateWindow();
    QApplication::processEvents();

    auto enter = [](QWidget *to, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, modifiers, QStringLiteral("\r"));
        QCoreApplication::sendEvent(to, &press);
    };
    line->setFocus();
    QApplication::processEvents();
    enter(line);
    EXPECT_TRUE(rich->hasFocus());
    enter(rich, Qt::ControlModifier);
    EXPECT_TRUE(rich->hasFocus());
    EXPECT_EQ(rich->toPlainText(), "\n");
    enter(rich);
    EXPECT_TRUE(last->hasFocus());
    EXPECT_EQ(rich->toPlainText(), "\n");
    EXPECT_EQ(line->text(), "one");
}

TEST(Forms, ProductHelpOpensTheContentsOfTheHelpFile)
{
    ScriptedUi runtime;
    ScopedUi scoped(runtime);
    showProductHelp();
    const auto help = runtime.callsOf("help");
    ASSERT_EQ(help.size(), 1u);
    EXPECT_EQ(help[0].text, programDirectory() + "\\quillmrk.hlp");
    EXPECT_EQ(help[0].style, 3);
    EXPECT_FALSE(productPicture(32).isNull());
}

TEST(ShowCodeWindow, ShowsThePreviewTextOnLoadAndOnActivation)
{
    using generators::frmShowCode;
    using generators::previewText;
    ScriptedUi runtime;
    ScopedUi scoped(runtime);
    previewText() = "Dim sRV As String\r\n\r\nsRV = InputBox(\"\xe9t\xe9\")\r\n";
    frmShowCode window;
    auto *text = window.findChild<QPlainTextEdit *>(QStringLiteral("Text1"));
    ASSERT_TRUE(text);
    EXPECT_EQ(text->toPlainText(), QString::fromUtf8("Dim sRV As String\n\nsRV = InputBox(\"été\")\n"));
    EXPECT_TRUE(text->isReadOnly());

    previewText() = "MsgBox sMsg, 16, \"\"\r\n";
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&window, &activate);
    EXPECT_EQ(text->toPlainText(), "MsgBox sMsg, 16, \"\"\n");

    window.findChild<QToolButton *>(QStringLiteral("picProduct"))->click();
    EXPECT_EQ(runtime.callsOf("help").size(), 1u);
    window.show();
    window.findChild<QPushButton *>(QStringLiteral("pbClose"))->click();
    EXPECT_FALSE(window.isVisible());
}

} // namespace
} // namespace qm::platform
