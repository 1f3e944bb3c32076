// A palette button: a small tool button that also reports mouse moves, presses and releases with
// the button number (1 left, 2 right, 4 middle) and the position in twips, as the palette needs.
#pragma once

#include <QToolButton>

namespace qm::shell {

class PaletteButton final : public QToolButton
{
    Q_OBJECT

public:
    PaletteButton(const QString &name, int tipNumber, QWidget *parent);
    int tipNumber() const { return m_tipNumber; }

signals:
    void MouseMove(int Button, int X, int Y);
    void MouseDown(int Button, int X, int Y);
    void MouseUp(int Button, int X, int Y);

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    int m_tipNumber;
};

/// The runtime's number of a mouse button: 1 left, 2 right, 4 middle.
int buttonNumber(Qt::MouseButton button);

} // namespace qm::shell
