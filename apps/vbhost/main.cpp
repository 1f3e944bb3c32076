// vbhost [PROJECT] and vbhost --script FILE [PROJECT]: the stand-in IDE, on screen or driven by
// an automation script (offscreen when there is no display).
#include "ide/Ide.h"
#include "ide/ui/AddIns.h"
#include "ide/ui/HostUi.h"
#include "ide/ui/Script.h"
#include "platform/FileSystem.h"
#include "platform/qt/Forms.h"
#include "platform/qt/QtUi.h"
#include "shell/Connector.h"
#include "shell/ui/QtShellWindows.h"
#include "shell/ui/frmSplash.h" // QtShellWindows holds QPointers to these
#include "shell/ui/frmTAB2.h"
#include "shell/ui/frmTT.h"

#include <QApplication>

#include <cstdlib>
#include <iostream>
#include <string>

namespace {

bool hasDisplay()
{
    return std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY");
}

// The offscreen platform says so for every raise and size hint; nothing a user needs to read.
void quietOffscreenNotices(QtMsgType type,
                           const QMessageLogContext &context,
                           const QString &message)
{
    if (message.startsWith(QLatin1String("This plugin does not support")) ||
        message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR")))
        return;
    std::cerr << qPrintable(qFormatLogMessage(type, context, message)) << "\n";
}

int usage(std::ostream &out, int code)
{
    out << "usage: vbhost [PROJECT]\n"
           "       vbhost --script FILE [PROJECT]\n"
           "Opens PROJECT (.vbp or .mak) in the stand-in IDE and connects the add-ins registered\n"
           "with 1 in section Add-Ins32 of VB.INI in the Windows directory. With --script, runs\n"
           "the automation script FILE against the windows (offscreen without a display).\n";
    if (code == 0)
        out << "\nScript commands (see docs/scripting.md):\n\n" << qm::ide::scriptUsage();
    return code;
}

} // namespace

int main(int argc, char **argv)
{
    std::string script;
    std::string project;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h")
            return usage(std::cout, 0);
        if (arg == "--script") {
            if (++i >= argc)
                return usage(std::cerr, 2);
            script = argv[i];
        } else if (!arg.empty() && arg[0] == '-') {
            return usage(std::cerr, 2);
        } else if (project.empty()) {
            project = arg;
        } else {
            return usage(std::cerr, 2);
        }
    }
    if (!hasDisplay() && !std::getenv("QT_QPA_PLATFORM")) {
        if (script.empty()) {
            std::cerr << "vbhost: there is no display. Run it under a virtual one with\n"
                         "    xvfb-run -a vbhost "
                      << project
                      << "\n"
                         "or run an automation script offscreen with\n"
                         "    vbhost --script FILE "
                      << project << "\n";
            return 2;
        }
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }

    // The add-in's own files are looked for there; say so at once rather than let every tool
    // fail on a missing template.
    if (const char *appDir = std::getenv("QM_APP_DIR");
        appDir && *appDir && !qm::platform::directoryExists(appDir)) {
        std::cerr << "vbhost: QM_APP_DIR names " << appDir
                  << ", which is not a directory; the add-in will not find its files there\n";
    }

    std::string scriptText;
    if (!script.empty()) {
        try {
            scriptText = qm::platform::readFile(script);
        } catch (const std::exception &) {
            std::cerr << "vbhost: cannot read the script " << script << "\n";
            return 2;
        }
    }

    if (!script.empty())
        qInstallMessageHandler(quietOffscreenNotices);
    QApplication app(argc, argv);
    // A window whose caption is empty (the add-in clears its palette's) shows an empty title
    // bar: Qt would put the application's name there.
    QApplication::setApplicationName(QStringLiteral(" "));
    QApplication::setQuitOnLastWindowClosed(false);
    qm::platform::installToolHelpKeys();
    qm::shell::registerConnectorClass();

    qm::platform::QtUi screenUi;
    qm::ide::ScriptUi scriptUi;
    qm::platform::UiRuntime &runtime = script.empty()
                                           ? static_cast<qm::platform::UiRuntime &>(screenUi)
                                           : static_cast<qm::platform::UiRuntime &>(scriptUi);
    qm::platform::ScopedUi installed(runtime);

    std::vector<qm::ide::ScriptLine> lines;
    if (!script.empty()) {
        try {
            lines = qm::ide::parseScript(scriptText);
        } catch (const qm::ide::ScriptError &e) {
            std::cerr << script << ":" << e.line << ": " << e.what() << "\n";
            return 1;
        }
    }

    // The add-in's windows, before the IDE: its disconnection at close unloads them.
    qm::shell::QtShellWindows shellWindows;
    qm::shell::setShellWindows(&shellWindows);
    struct Uninstall
    {
        ~Uninstall() { qm::shell::setShellWindows(nullptr); }
    } uninstall;

    qm::ide::Ide ide;
    qm::ide::HostUi ui(ide);
    std::unique_ptr<qm::ide::ScriptRunner> runner;
    if (!script.empty())
        runner = std::make_unique<qm::ide::ScriptRunner>(ui, scriptUi, std::cout);
    ui.addIns().connectRegistered();
    if (!project.empty())
        ui.openProject(project);
    ui.sync();

    if (!runner)
        return QApplication::exec();
    const std::string dir = qm::platform::directoryPart(script);
    runner->setVariable("SCRIPT_DIR", dir.empty() ? std::string(".") : dir);
    const int code = runner->run(lines, script, std::cerr);
    if (!runner->quitRequested() && !ui.hasEnded())
        ui.prepareClose(false);
    return code;
}
