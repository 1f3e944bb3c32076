// The error reports every operation shows, the guards that arm them, and the expected-problem
// message an engine raises ("Nothing Selected", "No Action", ...).
#pragma once

#include "platform/VbError.h"

#include <exception>
#include <functional>
#include <string>
#include <string_view>

namespace qm::common {

/// A message box's contents: what an engine raises for an expected problem and what a report
/// shows.
struct UserMessage
{
    std::string title;
    std::string text;
    int style = 0;
};

/// Thrown by an engine for an expected problem of the programmer's input: the glue shows it in
/// a message box, `qm` writes "TITLE: TEXT" to standard error.
struct UserMessageError : std::exception
{
    explicit UserMessageError(UserMessage m)
        : message(std::move(m))
    {}
    const char *what() const noexcept override { return message.text.c_str(); }
    UserMessage message;
};

/// Shows a message through the user-interface runtime; returns the button.
int showMessage(const UserMessage &message);

/// The system error report: title "Quillmark: System Error", critical icon, the number without
/// blanks and the trimmed operation name, the two lines broken by LF CR.
UserMessage systemErrorReport(int number, std::string_view description, std::string_view operation);
/// The program error report ("Program Error"): Error, Desc and Proc lines.
UserMessage
programErrorReport(int number, std::string_view description, std::string_view operation);
/// The product error report ("Quillmark Error"): the description alone.
UserMessage productErrorReport(std::string_view description);
/// The file reports ("File Error"): the open failure and the read failure.
UserMessage fileOpenErrorReport(std::string_view path);
UserMessage fileReadErrorReport(int number, std::string_view description);

/// Shows the system error report. A failure while showing it is swallowed, never reported again.
void ShowSystemError(int number, std::string_view description, std::string_view operation);

/// The number and description of the failure being handled, for any exception: a VbError keeps
/// its own, running out of memory is 7, anything else 51 (internal error).
platform::VbError describeFailure(std::exception_ptr failure);

/// A guarded operation: runs `body`; an expected problem (UserMessageError) is shown as its
/// message box, any other failure as the system error report for `operation`. Returns false
/// when the body did not finish.
bool guarded(std::string_view operation, const std::function<void()> &body);

/// The same with a report of the caller's choice (program error report, product error report...).
bool guardedWith(const std::function<UserMessage(const platform::VbError &)> &report,
                 const std::function<void()> &body);

/// Runs one statement and swallows a VbError it raises: for operations that go on past single
/// failing statements, or, around a whole sequence, for one that stops silently at its first
/// failure. Returns false when it failed.
bool ignoreErrors(const std::function<void()> &statement);

} // namespace qm::common
