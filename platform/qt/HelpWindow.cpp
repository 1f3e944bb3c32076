// The user guide's window: contents and back buttons over a browser of the guide's pages.
#include "platform/qt/HelpWindow.h"

#include "platform/qt/WindowBinding.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace qm::platform {
namespace {

QPointer<HelpWindow> &theHelpWindow()
{
    static QPointer<HelpWindow> window;
    return window;
}

} // namespace

HelpWindow::HelpWindow()
{
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QStringLiteral("Quillmark Help"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(640, 560);

    pbContents = new QPushButton(QStringLiteral("&Contents"), this);
    pbContents->setObjectName(QStringLiteral("pbContents"));
    pbBack = new QPushButton(QStringLiteral("&Back"), this);
    pbBack->setObjectName(QStringLiteral("pbBack"));
    pbBack->setEnabled(false);
    txtGuide = new QTextBrowser(this);
    txtGuide->setObjectName(QStringLiteral("txtGuide"));
    // Links to the web open in the desktop's browser; the guide's own pages open here.
    txtGuide->setOpenExternalLinks(true);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(pbContents);
    buttons->addWidget(pbBack);
    buttons->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(txtGuide);

    connect(pbContents, &QPushButton::clicked, this, [this] { pbContents_Click(); });
    connect(pbBack, &QPushButton::clicked, txtGuide, &QTextBrowser::backward);
    connect(txtGuide, &QTextBrowser::backwardAvailable, pbBack, &QPushButton::setEnabled);
    registerWindow(*this, "QuillmarkHelp");
}

void HelpWindow::showPage(const std::string &page)
{
    const QString file = QString::fromStdString(page);
    const QFileInfo info(file);
    if (m_contents.empty())
        m_contents = (info.dir().filePath(QStringLiteral("index.html"))).toStdString();
    if (!info.isFile()) {
        txtGuide->setHtml(QStringLiteral("<h2>The user guide is missing</h2><p>Quillmark looked "
                                         "for it in <code>%1</code>. Reinstall Quillmark to put "
                                         "it back.</p>")
                              .arg(file.toHtmlEscaped()));
        return;
    }
    txtGuide->setSource(QUrl::fromLocalFile(info.absoluteFilePath()));
}

std::string HelpWindow::currentPage() const
{
    return txtGuide->source().toLocalFile().toStdString();
}

void HelpWindow::pbContents_Click()
{
    showPage(m_contents);
}

void showHelpWindow(const std::string &page)
{
    QPointer<HelpWindow> &window = theHelpWindow();
    if (!window)
        window = new HelpWindow;
    window->showPage(page);
    window->show();
    window->raise();
    window->activateWindow();
}

HelpWindow *openHelpWindow()
{
    return theHelpWindow().data();
}

} // namespace qm::platform
