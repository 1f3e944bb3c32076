// The user-interface runtime on Qt: real dialogs, the system clipboard, real programs.
#pragma once

#include "platform/UiRuntime.h"

namespace qm::platform {

class QtUi : public UiRuntime
{
public:
    int msgBox(std::string_view text, int style, std::string_view title) override;
    std::string inputBox(std::string_view prompt,
                         std::string_view title,
                         std::string_view defaultText) override;
    std::optional<std::string> openFileDialog(const FileDialogRequest &request) override;
    std::optional<std::string> saveFileDialog(const FileDialogRequest &request) override;
    /// QColorDialog, QFontDialog or QPrintDialog.
    std::optional<DialogChoice>
    chooseInDialog(CommonDialogKind kind, std::string_view title, int flags) override;
    void processEvents() override;
    void wait(int milliseconds) override;
    void clipboardClear() override;
    void clipboardSetText(std::string_view text) override;
    std::string clipboardText() override;
    void startProgram(std::string_view commandLine) override;
    void openDocument(std::string_view path) override;
    void showHelp(std::string_view helpFile, int command) override;
    void showHelpTopic(std::string_view helpFile, std::string_view topic) override;
    void setMousePointer(int pointer) override;
    ScreenMetrics screen() override;
    /// The system printer, or a PDF file when there is none (platform/qt/QtPrinter.h).
    Printer &printer() override;

private:
    bool m_busy = false;
};

/// "Text Files (*.txt)|*.txt|All|*.*" as a Qt name filter list ("Text Files (*.txt);;All (*.*)").
std::string qtNameFilters(std::string_view commonDialogFilter);

} // namespace qm::platform
