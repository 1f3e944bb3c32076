// The designers' help button and product picture.
#include "generators/ui/DesignerControls.h"

#include "common/ErrorReports.h"
#include "platform/UiRuntime.h"
#include "platform/qt/Forms.h"

#include <QIcon>
#include <QToolButton>

namespace qm::generators::ui {

QToolButton *helpButton(QWidget *parent)
{
    auto *button = named(new QToolButton(parent), "pbHelp", "Help");
    button->setText(QStringLiteral("?"));
    button->setMinimumSize(32, 32);
    return button;
}

QToolButton *productButton(QWidget *parent)
{
    auto *button = named(new QToolButton(parent), "picProduct", "Quillmark Help");
    button->setIcon(QIcon(platform::productPicture(32)));
    button->setIconSize(QSize(32, 32));
    button->setAutoRaise(true);
    return button;
}

void sendContextHelp()
{
    common::guarded("pbHelp_Click", [] {
        platform::ui().sendKeys("{F1}", false);
        platform::ui().processEvents();
    });
}

void openProductHelp()
{
    common::guarded("picProduct_Click", [] { platform::showProductHelp(); });
}

} // namespace qm::generators::ui
