// The project window.
#include "ide/ui/ProjectWindow.h"

#include "ide/Ide.h"
#include "ide/ui/HostUi.h"
#include "platform/FileSystem.h"
#include "platform/qt/QtText.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace qm::ide {
namespace {

constexpr int kComponentRole = Qt::UserRole + 1;

QString lineText(const Component &c)
{
    QString name = platform::toQString(c.name());
    if (c.isNew())
        return name;
    return name + QStringLiteral(" (") + platform::toQString(platform::fileNamePart(c.path())) +
           QLatin1Char(')');
}

} // namespace

ProjectWindow::ProjectWindow(HostUi &ui)
    : HostWindow(ui)
{
    setObjectName(QStringLiteral("vbProject"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    auto *buttons = new QHBoxLayout;
    m_viewCode = new QToolButton(this);
    m_viewCode->setObjectName(QStringLiteral("pbViewCode"));
    m_viewCode->setText(tr("View Code"));
    m_viewObject = new QToolButton(this);
    m_viewObject->setObjectName(QStringLiteral("pbViewForm"));
    m_viewObject->setText(tr("View Form"));
    for (QToolButton *b : {m_viewCode, m_viewObject}) {
        b->setFocusPolicy(Qt::NoFocus);
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        buttons->addWidget(b);
    }
    buttons->addStretch(1);
    layout->addLayout(buttons);
    m_tree = new QTreeWidget(this);
    m_tree->setObjectName(QStringLiteral("tvProject"));
    m_tree->setHeaderHidden(true);
    m_tree->setRootIsDecorated(true);
    layout->addWidget(m_tree, 1);

    connect(m_viewCode, &QToolButton::clicked, this, [this] { viewCode(); });
    connect(m_viewObject, &QToolButton::clicked, this, [this] { viewObject(); });
    connect(m_tree, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem *item) { openItem(item); });
    connect(m_tree, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem *item) {
        if (ComponentPtr c = componentOf(item)) {
            m_ui.ide().selectComponent(c);
            m_ui.sync();
        }
    });
}

ComponentPtr ProjectWindow::componentOf(const QTreeWidgetItem *item) const
{
    if (!item)
        return nullptr;
    bool ok = false;
    const int index = item->data(0, kComponentRole).toInt(&ok);
    if (!ok || index < 0 || static_cast<std::size_t>(index) >= m_shown.size())
        return nullptr;
    return m_shown[static_cast<std::size_t>(index)];
}

ComponentPtr ProjectWindow::current() const
{
    if (ComponentPtr c = componentOf(m_tree->currentItem()))
        return c;
    return m_ui.ide().activeComponent();
}

void ProjectWindow::refresh()
{
    Project *project = m_ui.ide().project();
    std::vector<ComponentPtr> now = project ? project->components() : std::vector<ComponentPtr>{};
    bool same = now == m_shown && project == m_shownProject;
    if (same) {
        // Names may have changed (a saved new component, a renamed form).
        for (int f = 0; f < m_tree->topLevelItemCount(); ++f) {
            QTreeWidgetItem *folder = m_tree->topLevelItem(f);
            for (int i = 0; i < folder->childCount(); ++i) {
                if (ComponentPtr c = componentOf(folder->child(i)))
                    folder->child(i)->setText(0, lineText(*c));
            }
        }
    } else {
        m_shown = now;
        m_shownProject = project;
        m_tree->clear();
        struct Folder
        {
            ComponentKind kind;
            QString caption;
        };
        const Folder folders[] = {{ComponentKind::Form, tr("Forms")},
                                  {ComponentKind::Module, tr("Modules")},
                                  {ComponentKind::Class, tr("Class Modules")}};
        for (const Folder &f : folders) {
            QTreeWidgetItem *folder = nullptr;
            for (std::size_t i = 0; i < m_shown.size(); ++i) {
                if (m_shown[i]->kind() != f.kind)
                    continue;
                if (!folder) {
                    folder = new QTreeWidgetItem(m_tree, QStringList(f.caption));
                    folder->setExpanded(true);
                }
                auto *line = new QTreeWidgetItem(folder, QStringList(lineText(*m_shown[i])));
                line->setData(0, kComponentRole, static_cast<int>(i));
            }
        }
    }
    ComponentPtr active = m_ui.ide().activeComponent();
    for (int f = 0; f < m_tree->topLevelItemCount(); ++f) {
        QTreeWidgetItem *folder = m_tree->topLevelItem(f);
        for (int i = 0; i < folder->childCount(); ++i) {
            if (active && componentOf(folder->child(i)) == active &&
                m_tree->currentItem() != folder->child(i))
                m_tree->setCurrentItem(folder->child(i));
        }
    }
    const ComponentPtr selected = current();
    m_viewObject->setEnabled(selected && selected->form());
    m_viewCode->setEnabled(selected != nullptr);
}

void ProjectWindow::viewCode()
{
    if (ComponentPtr c = current())
        m_ui.guard("View Code", [&] { m_ui.ide().showCode(c); });
}

void ProjectWindow::viewObject()
{
    ComponentPtr c = current();
    if (c && c->form())
        m_ui.guard("View Form", [&] { m_ui.ide().showDesigner(c); });
}

void ProjectWindow::openItem(QTreeWidgetItem *item)
{
    ComponentPtr c = componentOf(item);
    if (!c)
        return;
    if (c->form())
        m_ui.guard("View Form", [&] { m_ui.ide().showDesigner(c); });
    else
        m_ui.guard("View Code", [&] { m_ui.ide().showCode(c); });
}

} // namespace qm::ide
