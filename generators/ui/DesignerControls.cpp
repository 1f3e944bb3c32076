// The designers' help button and product picture.
#include "generators/ui/DesignerControls.h"

#include "common/ErrorReports.h"
#include "platform/UiRuntime.h"
#include "platform/qt/Forms.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

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

QVBoxLayout *commandColumn(std::initializer_list<QPushButton *> commands,
                           QToolButton *help,
                           QToolButton *product)
{
    auto *column = new QVBoxLayout;
    for (QPushButton *button : commands)
        column->addWidget(button);
    column->addStretch();
    auto *pictures = new QHBoxLayout;
    pictures->addWidget(help);
    pictures->addWidget(product);
    column->addLayout(pictures);
    return column;
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
