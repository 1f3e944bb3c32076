// The notice window.
#include "changes/ui/frmPleaseWait.h"

#include "common/WindowNames.h"
#include "platform/qt/Forms.h"
#include "platform/qt/QtText.h"
#include "platform/qt/WindowBinding.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace qm::changes {
namespace {

std::function<void(frmPleaseWait &)> &noticeHook()
{
    static std::function<void(frmPleaseWait &)> hook;
    return hook;
}

} // namespace

frmPleaseWait::frmPleaseWait(QWidget *parent)
    : QDialog(parent)
    , lblMessage(new QLabel(this))
    , pbOk(new QPushButton(QStringLiteral("OK"), this))
{
    setObjectName(platform::toQString(common::window::PleaseWait));
    setWindowTitle(QStringLiteral("Quillmark"));
    lblMessage->setObjectName(QStringLiteral("lblMessage"));
    lblMessage->setAlignment(Qt::AlignCenter);
    lblMessage->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblMessage->setMinimumWidth(platform::twipsToPixels(4200, this));
    pbOk->setObjectName(QStringLiteral("pbOk"));
    pbOk->setDefault(true);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblMessage);
    layout->addWidget(pbOk, 0, Qt::AlignHCenter);
    connect(pbOk, &QPushButton::clicked, this, &frmPleaseWait::pbOk_Click);
}

void frmPleaseWait::showNotice(QWidget *parent, const std::string &caption, const std::string &text)
{
    QPointer<frmPleaseWait> window = new frmPleaseWait(parent);
    window->setAttribute(Qt::WA_DeleteOnClose);
    if (!caption.empty())
        window->setWindowTitle(platform::toQString(caption));
    window->lblMessage->setText(platform::toQString(text));
    window->adjustSize();
    platform::CenterForm(*window);
    window->setWindowModality(Qt::ApplicationModal);
    platform::registerWindow(*window, "QuillmarkForm");
    window->show();
    if (noticeHook()) {
        noticeHook()(*window);
        if (window)
            window->close();
    }
}

void frmPleaseWait::setNoticeHook(std::function<void(frmPleaseWait &)> hook)
{
    noticeHook() = std::move(hook);
}

void frmPleaseWait::pbOk_Click()
{
    close();
}

} // namespace qm::changes
