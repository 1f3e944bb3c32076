// The help window: the user guide in a QTextBrowser, one window for the whole program.
#pragma once

#include <QWidget> // the window is a widget

#include <string>

class QPushButton;
class QTextBrowser;

namespace qm::platform {

class HelpWindow final : public QWidget
{
    Q_OBJECT
public:
    HelpWindow();

    /// Shows a page of the guide (an HTML file); a missing page is told in the window, naming it.
    void showPage(const std::string &page);
    /// The file of the page shown.
    std::string currentPage() const;

    QPushButton *pbContents = nullptr;
    QPushButton *pbBack = nullptr;
    QTextBrowser *txtGuide = nullptr;

private:
    void pbContents_Click();

    std::string m_contents; // the guide's index.html, beside the first page shown
};

/// Opens (or raises) the help window at a page of the guide.
void showHelpWindow(const std::string &page);

/// The help window, or nullptr when none is open.
HelpWindow *openHelpWindow();

} // namespace qm::platform
