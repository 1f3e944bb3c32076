// Controls made with the names the product gives them: windows, scripts and tests find every
// control by its object name.
#pragma once

#include <QPushButton> // commandButton makes one
#include <QString>

namespace qm::platform {

/// Gives `control` its object name and, when there is one, its tooltip; returns it.
template<typename T> T *named(T *control, const char *name, const char *toolTip = nullptr)
{
    control->setObjectName(QString::fromLatin1(name));
    if (toolTip)
        control->setToolTip(QString::fromLatin1(toolTip));
    return control;
}

/// A command button of `parent` named `name` with its caption (accelerator "&" kept).
inline QPushButton *
commandButton(QWidget *parent, const char *name, const char *caption, const char *toolTip = nullptr)
{
    return named(new QPushButton(QString::fromLatin1(caption), parent), name, toolTip);
}

} // namespace qm::platform
