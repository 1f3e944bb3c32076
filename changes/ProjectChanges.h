// The change report of a whole project, its source files read from disk one after the other.
#pragma once

#include "changes/ChangeReport.h"

#include <string_view>

namespace qm::changes {

/// reportProjectChanges over the source files the project's text lists, each read from disk
/// when it is reached; a file that cannot be read is listed in `unreadable`. Throws
/// common::UserMessageError "Found no modules in Project File!" (titled "No Action") when the
/// project lists none.
ProjectChanges reportProjectChangesOnDisk(std::string_view projectText,
                                          std::string_view projectPath,
                                          const ChangeFilter &filter,
                                          bool namesAsWritten,
                                          char separator);

} // namespace qm::changes
