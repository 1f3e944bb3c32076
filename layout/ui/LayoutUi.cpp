// Registration of the form layout tools' pages.
#include "layout/ui/LayoutUi.h"

#include "common/ToolRegistry.h"
#include "common/WindowNames.h"
#include "layout/ui/AppearPage.h"
#include "layout/ui/TabOrderPage.h"

namespace qm::layout {

void registerUi(common::ToolRegistry &registry)
{
    registry.add(common::ToolPage{std::string(common::window::ApperTab),
                                  std::string(common::page::Appear), [] {
                                      return new AppearPage;
                                  }});
    registry.add(common::ToolPage{std::string(common::window::ApperTab),
                                  std::string(common::page::TabOrder), [] {
                                      return new TabOrderPage;
                                  }});
}

} // namespace qm::layout
