// What the input box, common dialog and help context windows share in building their controls.
#pragma once

#include "platform/qt/NamedControls.h"

#include <QWidget>

class QToolButton;

namespace qm::generators::ui {

/// Controls get their names as everywhere in the product.
using platform::named;

/// The help button ("?", sends F1) of a designer.
QToolButton *helpButton(QWidget *parent);
/// The product picture, which opens the product help.
QToolButton *productButton(QWidget *parent);
/// What the help button does: context help for the focused window, then the events run.
void sendContextHelp();
/// What the product picture does.
void openProductHelp();

} // namespace qm::generators::ui
