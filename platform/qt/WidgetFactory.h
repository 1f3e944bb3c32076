// How a tool hands the shell its windows and pages: a function that builds one. Kept free of Qt
// headers so the Qt-free registry of tools can hold factories without pulling Qt in.
#pragma once

#include <functional>

class QWidget;

namespace qm::platform {

/// Builds a new widget without a parent; the caller owns it (or gives it a parent).
using WidgetFactory = std::function<QWidget *()>;

} // namespace qm::platform
