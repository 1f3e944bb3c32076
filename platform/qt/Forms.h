// What every tool window shares: centring on the screen, twips at the Qt boundary, the text-box
// behaviour of the product's dialogs, and the product help.
#pragma once

class QPixmap;
class QWidget;

namespace qm::platform {

/// Places a window in the middle of the screen it is on (the primary screen before it is shown).
void CenterForm(QWidget &form);

/// Twips per pixel of a widget's screen: 1440 / logical DPI (15 at 96 DPI).
double twipsPerPixel(const QWidget *widget = nullptr);
int twipsToPixels(int twips, const QWidget *widget = nullptr);
int pixelsToTwips(int pixels, const QWidget *widget = nullptr);

/// How a text box of a dialog treats the Enter key.
enum class EnterKey {
    MovesOn,              ///< Enter moves to the next control, as Tab does
    MovesOnNewLineShifted ///< the same, and Shift+Enter or Ctrl+Enter break the line
};

/// Gives a text box (QLineEdit, QPlainTextEdit or QTextEdit) the dialog behaviour: it selects its
/// whole text when it gets the focus, and Enter moves the focus to the next control without a
/// beep, the Enter itself discarded.
void installDialogBehaviour(QWidget &textBox, EnterKey enter = EnterKey::MovesOn);

/// Moves the focus to the next control of the window in tab order, as the Tab key does.
void focusNextControl(QWidget &from);

/// Opens the product help (the user guide) at its contents: what a click on the product picture
/// of a tool window does.
void showProductHelp();

/// Makes F1 in every tool window open the user guide at the window's own page (the page named
/// as the window's objectName): one filter for the whole application, installed once by the
/// program, so no tool window needs code of its own for it.
void installToolHelpKeys();

/// The product picture tool windows carry (a click on it opens the product help).
QPixmap productPicture(int size);

} // namespace qm::platform
