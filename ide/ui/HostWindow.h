// What the host's tool windows share: the keys typed into them go to the host's key map.
#pragma once

#include <QWidget>

namespace qm::ide {

class HostUi;

class HostWindow : public QWidget
{
public:
    explicit HostWindow(HostUi &ui);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    HostUi &m_ui;
};

/// Hands a key event that reached a widget of a host window to the host when it is a chord the
/// host knows; true when it was. The window the key reached becomes the active one first.
bool deliverKeyEvent(HostUi &ui, QKeyEvent &event, QWidget &receiver);

} // namespace qm::ide
