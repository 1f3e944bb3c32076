// The Find dialog's window.
#include "ide/ui/FindWindow.h"

#include "ide/Ide.h"
#include "ide/ui/HostUi.h"
#include "platform/SendKeys.h"
#include "platform/qt/QtText.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace qm::ide {

FindWindow::FindWindow(HostUi &ui)
    : HostWindow(ui)
{
    setObjectName(QStringLiteral("vbFind"));
    setWindowTitle(tr("Find"));
    auto *grid = new QGridLayout(this);
    grid->addWidget(new QLabel(tr("Find What:"), this), 0, 0);
    m_findWhat = new QLineEdit(this);
    m_findWhat->setObjectName(QStringLiteral("txtFindWhat"));
    // The model holds the text; the box shows it and passes the keys typed into it on.
    m_findWhat->setReadOnly(true);
    m_findWhat->setFocusPolicy(Qt::NoFocus);
    grid->addWidget(m_findWhat, 0, 1);
    auto *scope = new QGroupBox(tr("Search"), this);
    auto *scopes = new QVBoxLayout(scope);
    const char *names[] = {"rbProcedure", "rbModule", "rbProject"};
    const QString captions[] = {tr("Current &Procedure"), tr("Current &Module"),
                                tr("All &Modules")};
    for (int i = 0; i < 3; ++i) {
        m_scopes[i] = new QRadioButton(captions[i], scope);
        m_scopes[i]->setObjectName(QString::fromLatin1(names[i]));
        m_scopes[i]->setFocusPolicy(Qt::NoFocus);
        scopes->addWidget(m_scopes[i]);
        connect(m_scopes[i], &QRadioButton::clicked, this, [this, i] {
            m_ui.ide().findDialog().setScope(static_cast<FindDialog::Scope>(i));
            m_ui.sync();
        });
    }
    grid->addWidget(scope, 1, 0, 1, 2);
    auto *next = new QPushButton(tr("&Find Next"), this);
    next->setObjectName(QStringLiteral("pbFindNext"));
    auto *cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("pbCancel"));
    for (QPushButton *b : {next, cancel})
        b->setFocusPolicy(Qt::NoFocus);
    grid->addWidget(next, 0, 2);
    grid->addWidget(cancel, 1, 2, Qt::AlignTop);
    auto send = [this](const char *keys) {
        for (const platform::KeyChord &chord : platform::parseSendKeys(keys))
            m_ui.deliverKey(chord);
    };
    connect(next, &QPushButton::clicked, this, [send] { send("{ENTER}"); });
    connect(cancel, &QPushButton::clicked, this, [send] { send("{ESC}"); });
    setFocusPolicy(Qt::StrongFocus);
}

void FindWindow::refresh()
{
    const FindDialog &find = m_ui.ide().findDialog();
    if (!find.isOpen()) {
        if (isVisible())
            hide();
        return;
    }
    const QString text = platform::toQString(find.findWhat());
    if (m_findWhat->text() != text)
        m_findWhat->setText(text);
    m_scopes[static_cast<int>(find.scope())]->setChecked(true);
    if (!isVisible()) {
        adjustSize();
        show();
        raise();
    }
}

void FindWindow::closeEvent(QCloseEvent *event)
{
    event->ignore();
    if (m_ui.ide().findDialog().isOpen()) {
        for (const platform::KeyChord &chord : platform::parseSendKeys("{ESC}"))
            m_ui.deliverKey(chord);
    }
}

} // namespace qm::ide
