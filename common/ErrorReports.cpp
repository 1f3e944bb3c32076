// Report texts and guards.
#include "common/ErrorReports.h"

#include "platform/Runtime.h"
#include "platform/Text.h"
#include "platform/UiRuntime.h"

#include <new>

namespace qm::common {
using platform::VbError;

int showMessage(const UserMessage &message)
{
    return platform::ui().msgBox(message.text, message.style, message.title);
}

UserMessage systemErrorReport(int number, std::string_view description, std::string_view operation)
{
    std::string text = "The Following Error \"";
    text += platform::trimBlanks(platform::str(number));
    text += ": ";
    text += description;
    text += "\"\n\rOccured in Function/Sub \"";
    text += platform::trimBlanks(operation);
    text += "\"";
    return {"Quillmark: System Error", text, platform::mb::Critical};
}

UserMessage programErrorReport(int number, std::string_view description, std::string_view operation)
{
    std::string text = "Error: " + platform::str(number) + "\nDesc:  " + std::string(description) +
                       "\nProc:  " + std::string(operation);
    return {"Program Error", text, platform::mb::Critical};
}

UserMessage productErrorReport(std::string_view description)
{
    return {"Quillmark Error", std::string(description), platform::mb::Critical};
}

UserMessage fileOpenErrorReport(std::string_view path)
{
    return {"File Error", "Can't open file: " + std::string(path), platform::mb::Critical};
}

UserMessage fileReadErrorReport(int number, std::string_view description)
{
    std::string text = "File Read Error : " + platform::str(number) +
                       "\nDesc: " + std::string(description) + "\nCan't open this file!";
    return {"File Error", text, platform::mb::Critical};
}

void ShowSystemError(int number, std::string_view description, std::string_view operation)
{
    try {
        showMessage(systemErrorReport(number, description, operation));
    } catch (...) {
        // A report that fails is not reported again.
    }
}

VbError describeFailure(std::exception_ptr failure)
{
    try {
        std::rethrow_exception(failure);
    } catch (const VbError &e) {
        return e;
    } catch (const std::bad_alloc &) {
        return VbError(platform::err::OutOfMemory);
    } catch (...) {
        return VbError(platform::err::InternalError);
    }
}

bool guardedWith(const std::function<UserMessage(const VbError &)> &report,
                 const std::function<void()> &body)
{
    try {
        body();
        return true;
    } catch (const UserMessageError &e) {
        try {
            showMessage(e.message);
        } catch (...) {
        }
    } catch (...) {
        VbError failure = describeFailure(std::current_exception());
        try {
            showMessage(report(failure));
        } catch (...) {
        }
    }
    return false;
}

bool guarded(std::string_view operation, const std::function<void()> &body)
{
    std::string name(operation);
    return guardedWith(
        [&name](const VbError &e) { return systemErrorReport(e.number, e.description, name); },
        body);
}

bool ignoreErrors(const std::function<void()> &statement)
{
    try {
        statement();
        return true;
    } catch (const VbError &) {
        return false;
    }
}

} // namespace qm::common
