// Every tool window as it first shows: no caption cut off, no control outside the window.
#include "changes/ui/frmShowChanges.h"
#include "codetext/Find.h"
#include "codetext/ui/EditorDialogs.h"
#include "library/ui/LibraryDialogs.h"
#include "tests/support/ToolWindowFixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace qm::test {
namespace {

// A caption as it is drawn: "&&" is an ampersand, a lone "&" marks the access key.
QString shownText(const QString &caption)
{
    QString shown;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size())
            ++i;
        shown += caption[i];
    }
    return shown;
}

std::string where(const QWidget &window, const QWidget &control)
{
    return window.objectName().toStdString() + "/" + control.objectName().toStdString() + " \"" +
           control.property("text").toString().toStdString() + "\"";
}

// The faults a person sees at once on the window as it stands (the tab in front only).
void expectEverythingFits(const QWidget &window)
{
    const QRect inside = window.rect();
    for (const QWidget *control : window.findChildren<QWidget *>()) {
        if (!control->isVisibleTo(&window) || control->isWindow())
            continue;
        const QRect box(control->mapTo(&window, QPoint(0, 0)), control->size());
        EXPECT_TRUE(inside.contains(box)) << where(window, *control) << " lies outside the window";
        QString caption;
        int room = control->width();
        if (const auto *button = qobject_cast<const QPushButton *>(control)) {
            caption = button->text();
            room -= 6; // the button's own frame
        } else if (const auto *label = qobject_cast<const QLabel *>(control)) {
            if (label->wordWrap() || label->textFormat() == Qt::RichText)
                continue;
            caption = label->text();
        }
        if (caption.isEmpty() || caption.contains(u'\n'))
            continue;
        const int needed = QFontMetrics(control->font()).horizontalAdvance(shownText(caption));
        EXPECT_LE(needed, room) << where(window, *control) << " is cut off";
    }
    // The title, in the bold face title bars use, beside the icon and the three frame buttons.
    QFont bold = QApplication::font();
    bold.setBold(true);
    EXPECT_LE(QFontMetrics(bold).horizontalAdvance(window.windowTitle()) + 100, window.width())
        << window.objectName().toStdString() << ": the title \""
        << window.windowTitle().toStdString() << "\" is cut off";
}

struct WindowFit : ToolWindowTest, ::testing::WithParamInterface<const char *>
{};

TEST_P(WindowFit, CaptionsAndControlsFitOnEveryTab)
{
    QWidget *window = windows.open(GetParam());
    ASSERT_NE(window, nullptr);
    window->show();
    QApplication::processEvents();
    expectEverythingFits(*window);
    // The tabs of a window with tabs, each brought in front.
    for (QTabWidget *tabs : window->findChildren<QTabWidget *>()) {
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            QApplication::processEvents();
            SCOPED_TRACE(tabs->tabText(i).toStdString());
            expectEverythingFits(*window);
        }
    }
    window->close();
}

TEST_F(ToolWindowTest, TheToolsDialogsFitAsTheyFirstShow)
{
    codetext::SearchState search;
    std::unique_ptr<QWidget> dialogs[] = {
        std::make_unique<codetext::frmFind>(search),
        std::make_unique<codetext::frmReplace>(search),
        std::make_unique<codetext::frmEditClip>(),
        std::make_unique<library::frmObjFWDesc>(true),
        std::make_unique<changes::frmShowChanges>(),
    };
    for (const std::unique_ptr<QWidget> &dialog : dialogs) {
        dialog->show();
        QApplication::processEvents();
        expectEverythingFits(*dialog);
        dialog->hide();
    }
}

INSTANTIATE_TEST_SUITE_P(ToolWindows,
                         WindowFit,
                         ::testing::Values("frmApperTab",
                                           "frmCMDDesigner",
                                           "frmCodeFinder",
                                           "frmEdit32",
                                           "frmOFWLibe2",
                                           "frmHelpContextID",
                                           "frmImageClip",
                                           "frmInputBox",
                                           "frmMsgBox",
                                           "frmNewProcedure"));

} // namespace
} // namespace qm::test
