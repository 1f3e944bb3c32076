// What the input box, common dialog and help context windows share in building their controls.
#pragma once

#include "platform/qt/NamedControls.h"

#include <QWidget>

#include <initializer_list>

class QPushButton;
class QToolButton;
class QVBoxLayout;

namespace qm::generators::ui {

/// Controls get their names as everywhere in the product.
using platform::named;

/// The help button ("?", sends F1) of a designer.
QToolButton *helpButton(QWidget *parent);
/// The product picture, which opens the product help.
QToolButton *productButton(QWidget *parent);
/// A designer's command column: `commands` from the top, then the help button and the product
/// picture side by side at the bottom.
QVBoxLayout *commandColumn(std::initializer_list<QPushButton *> commands,
                           QToolButton *help,
                           QToolButton *product);
/// What the help button does: context help for the focused window, then the events run.
void sendContextHelp();
/// What the product picture does.
void openProductHelp();

} // namespace qm::generators::ui
