// What the input box, common dialog and help context windows share in building their controls.
#pragma once

#include <QString>
#include <QWidget>

class QToolButton;

namespace qm::generators::ui {

/// Names a control (its object name) and gives it a tooltip when one is given.
template<typename T> T *named(T *widget, const char *name, const char *toolTip = nullptr)
{
    widget->setObjectName(QString::fromLatin1(name));
    if (toolTip)
        widget->setToolTip(QString::fromLatin1(toolTip));
    return widget;
}

/// The help button ("?", sends F1) of a designer.
QToolButton *helpButton(QWidget *parent);
/// The product picture, which opens the product help.
QToolButton *productButton(QWidget *parent);
/// What the help button does: context help for the focused window, then the events run.
void sendContextHelp();
/// What the product picture does.
void openProductHelp();

} // namespace qm::generators::ui
