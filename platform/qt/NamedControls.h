// Controls made with the names the product gives them: windows, scripts and tests find every
// control by its object name.
#pragma once

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
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

/// A control of `parent` whose constructor takes its caption, named `name`.
template<typename T>
T *captioned(QWidget *parent, const char *name, const char *caption, const char *toolTip = nullptr)
{
    return named(new T(QString::fromLatin1(caption), parent), name, toolTip);
}

/// A command button of `parent` named `name` with its caption (accelerator "&" kept).
inline QPushButton *
commandButton(QWidget *parent, const char *name, const char *caption, const char *toolTip = nullptr)
{
    return captioned<QPushButton>(parent, name, caption, toolTip);
}

/// An option button of `parent`; the option buttons of one parent exclude each other.
inline QRadioButton *optionButton(QWidget *parent, const char *name, const char *caption)
{
    return captioned<QRadioButton>(parent, name, caption);
}

inline QCheckBox *checkBox(QWidget *parent, const char *name, const char *caption)
{
    return captioned<QCheckBox>(parent, name, caption);
}

/// A frame: a captioned box around a group of controls.
inline QGroupBox *frame(QWidget *parent, const char *name, const char *caption)
{
    return captioned<QGroupBox>(parent, name, caption);
}

inline QLabel *label(QWidget *parent, const char *name, const char *caption)
{
    return captioned<QLabel>(parent, name, caption);
}

} // namespace qm::platform
