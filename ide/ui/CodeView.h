// A code window: the object and procedure lists over the pane of one component, and the pane's
// text. Every key and click goes to the model's pane; the view only shows it.
#pragma once

#include "ide/ui/HostWindow.h"

#include "ide/Component.h"
#include "platform/WindowRegistry.h"

#include <QPlainTextEdit>

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

class QComboBox;

namespace qm::ide {

class CodePane;

/// The text box of a code window.
class CodeText final : public QPlainTextEdit
{
public:
    CodeText(HostUi &ui, QWidget *parent);
    /// Offsets between the shown bytes (CR LF two bytes) and the document (one break).
    void setShown(const std::string &bytes);
    int documentPosition(std::size_t byteOffset) const;
    std::size_t byteOffset(int documentPosition) const;

    std::function<void(std::size_t anchor, std::size_t caret)> onMouseSelection;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void insertFromMimeData(const QMimeData *) override {}

private:
    void reportSelection();

    HostUi &m_ui;
    std::string m_bytes;
    std::vector<std::size_t> m_lineStarts;  ///< byte offset of each shown line
    std::vector<std::size_t> m_lineLengths; ///< bytes before its line break
};

class CodeView final : public HostWindow
{
    Q_OBJECT

public:
    CodeView(HostUi &ui, platform::WindowHandle window);
    platform::WindowHandle window() const { return m_window; }

    /// Shows the pane's text, caret, selection and procedure again.
    void refresh();
    QComboBox *objectList() const { return m_objects; }
    QComboBox *procedureList() const { return m_procedures; }
    CodeText *text() const { return m_text; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    CodePane *pane();
    void objectChosen(int index);
    void procedureChosen(int index);
    void fillLists();

    platform::WindowHandle m_window;
    QComboBox *m_objects = nullptr;
    QComboBox *m_procedures = nullptr;
    CodeText *m_text = nullptr;
    bool m_filling = false;
};

/// The objects of a code window's list: "(General)", then for a form "Form" and its controls
/// (an array once), in file order.
std::vector<std::string> codeObjects(const Component &component);
/// The object a procedure belongs to: the list entry its name starts with followed by "_";
/// "(General)" otherwise.
std::string objectOfProcedure(const std::vector<std::string> &objects,
                              const std::string &procedure);

} // namespace qm::ide
