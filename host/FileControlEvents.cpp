// The notifications a receiver leaves alone do nothing, and what a host may leave out.
#include "host/Host.h"

#include "platform/VbError.h"

namespace qm::host {

void FileControlEvents::AfterWriteFile(std::string_view, bool) {}
void FileControlEvents::DoGetOpenProjectName(std::string &, bool &) {}
void FileControlEvents::AfterAddFile(std::string_view) {}
void FileControlEvents::AfterRemoveFile(std::string_view) {}
void FileControlEvents::AfterCloseFile(std::string_view, bool) {}
void FileControlEvents::AfterChangeFileName(std::string_view, std::string_view) {}
void FileControlEvents::BeforeLoadFile(std::string_view) {}
void FileControlEvents::RequestWriteFile(std::string_view, bool &) {}

std::string Host::activeComponentFileName() const
{
    throw platform::VbError(platform::err::PropertyNotSupported);
}

void Host::selectWholeLines() {}
void Host::caretToLineStart() {}

} // namespace qm::host
