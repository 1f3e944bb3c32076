// The code preview window.
#include "generators/ui/frmShowCode.h"

#include "common/WindowNames.h"
#include "platform/qt/Forms.h"
#include "platform/qt/QtText.h"

#include <QEvent>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPointer>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace qm::generators {
namespace {

std::function<void(frmShowCode &)> &modalHook()
{
    static std::function<void(frmShowCode &)> hook;
    return hook;
}

// The preview text as the text box shows it: Qt breaks lines with LF alone.
QString displayText(const std::string &code)
{
    QString text = platform::toQString(code);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

} // namespace

std::string &previewText()
{
    static std::string text;
    return text;
}

frmShowCode::frmShowCode(QWidget *parent)
    : QDialog(parent)
    , Text1(new QPlainTextEdit(this))
    , picProduct(new QToolButton(this))
    , pbClose(new QPushButton(QStringLiteral("Close"), this))
{
    setObjectName(platform::toQString(common::window::ShowCode));
    setWindowTitle(QStringLiteral("Tb Quillmark Preview Code"));

    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setReadOnly(true);
    Text1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Text1->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    Text1->setMinimumSize(platform::twipsToPixels(7200, this), platform::twipsToPixels(4200, this));

    picProduct->setObjectName(QStringLiteral("picProduct"));
    picProduct->setIcon(QIcon(platform::productPicture(32)));
    picProduct->setIconSize(QSize(32, 32));
    picProduct->setAutoRaise(true);
    picProduct->setToolTip(QStringLiteral("Quillmark Help"));

    pbClose->setObjectName(QStringLiteral("pbClose"));
    pbClose->setDefault(true);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(picProduct);
    buttons->addStretch();
    buttons->addWidget(pbClose);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Text1);
    layout->addLayout(buttons);

    connect(pbClose, &QPushButton::clicked, this, &frmShowCode::pbClose_Click);
    connect(picProduct, &QToolButton::clicked, this, &frmShowCode::picProduct_Click);

    showPreviewText();
    adjustSize();
    platform::CenterForm(*this);
}

void frmShowCode::showModal(QWidget *parent)
{
    // On the heap and watched: the designer under it may be unloaded while it is up (at
    // disconnection), and takes its child windows with it.
    QPointer<frmShowCode> window = new frmShowCode(parent);
    if (!modalHook()) {
        window->exec();
    } else {
        window->setModal(true);
        window->show();
        modalHook()(*window);
        if (window)
            window->close();
    }
    delete window.data();
}

void frmShowCode::setModalHook(std::function<void(frmShowCode &)> hook)
{
    modalHook() = std::move(hook);
}

void frmShowCode::pbClose_Click()
{
    close();
}

void frmShowCode::picProduct_Click()
{
    platform::showProductHelp();
}

void frmShowCode::showEvent(QShowEvent *event)
{
    showPreviewText();
    QDialog::showEvent(event);
}

bool frmShowCode::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        showPreviewText();
    return QDialog::event(event);
}

void frmShowCode::showPreviewText()
{
    const QString text = displayText(previewText());
    if (Text1->toPlainText() != text)
        Text1->setPlainText(text);
}

} // namespace qm::generators
