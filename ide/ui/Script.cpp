// The automation script language and its commands.
#include "ide/ui/Script.h"

#include "ide/CodePane.h"
#include "ide/Designer.h"
#include "ide/Form.h"
#include "ide/Ide.h"
#include "ide/ui/AddIns.h"
#include "ide/ui/CodeView.h"
#include "ide/ui/DesignerView.h"
#include "ide/ui/HostUi.h"
#include "ide/ui/MainWindow.h"
#include "ide/ui/PropertiesWindow.h"
#include "platform/FileSystem.h"
#include "platform/SendKeys.h"
#include "platform/Text.h"
#include "platform/VbError.h"
#include "platform/WindowRegistry.h"
#include "platform/qt/QtText.h"
#include "platform/qt/WindowBinding.h"
#include "ide/ui/WindowFollower.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMenuBar>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTabWidget>
#include <QTextEdit>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <ostream>

namespace qm::ide {
namespace {

using platform::equalsIgnoreCase;

[[noreturn]] void fail(const std::string &message)
{
    throw std::runtime_error(message);
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

/// A text as one line of output: line breaks and tabs as escapes.
std::string oneLine(std::string_view text)
{
    std::string out;
    for (char c : text) {
        switch (c) {
        case '\r':
            out += "\\r";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            out += c;
        }
    }
    return out;
}

/// A text with CR LF line ends printed as lines.
std::string unixLines(std::string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;
        out += text[i];
    }
    return out;
}

int toNumber(const std::string &word)
{
    try {
        std::size_t used = 0;
        int v = std::stoi(word, &used);
        if (used == word.size())
            return v;
    } catch (const std::exception &) {
    }
    fail("'" + word + "' is not a number");
}

/// "Command1" or "Text1(2)".
std::pair<std::string, std::optional<int>> controlName(const std::string &word)
{
    const std::size_t open = word.find('(');
    if (open == std::string::npos || word.back() != ')')
        return {word, std::nullopt};
    return {word.substr(0, open), toNumber(word.substr(open + 1, word.size() - open - 2))};
}

std::string joinNames(const std::vector<std::string> &names)
{
    std::string out;
    for (const std::string &n : names)
        out += (out.empty() ? "" : ", ") + n;
    return out.empty() ? "(none)" : out;
}

std::string windowName(const QWidget &w)
{
    if (!w.objectName().isEmpty())
        return platform::fromQString(w.objectName());
    return platform::fromQString(w.windowTitle());
}

int buttonValue(const std::string &word)
{
    static const std::pair<const char *, int> names[] = {
        {"ok", platform::mb::Ok},         {"cancel", platform::mb::Cancel},
        {"abort", platform::mb::Abort},   {"retry", platform::mb::Retry},
        {"ignore", platform::mb::Ignore}, {"yes", platform::mb::Yes},
        {"no", platform::mb::No}};
    for (const auto &[name, value] : names) {
        if (equalsIgnoreCase(word, name))
            return value;
    }
    return toNumber(word);
}

Qt::KeyboardModifiers modifiersOf(const std::vector<std::string> &words, std::size_t from)
{
    Qt::KeyboardModifiers mods;
    for (std::size_t i = from; i < words.size(); ++i) {
        if (equalsIgnoreCase(words[i], "shift"))
            mods |= Qt::ShiftModifier;
        else if (equalsIgnoreCase(words[i], "ctrl"))
            mods |= Qt::ControlModifier;
        else
            fail("'" + words[i] + "' is not shift or ctrl");
    }
    return mods;
}

void sendMouse(QWidget &target,
               QEvent::Type type,
               QPoint at,
               Qt::KeyboardModifiers mods,
               Qt::MouseButtons held)
{
    const QPointF local(at);
    const QPointF global(target.mapToGlobal(at));
    QMouseEvent event(type, local, global,
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held, mods);
    QCoreApplication::sendEvent(&target, &event);
}

// A press or release of one mouse button ("left", "right", "middle"), as the palette's buttons
// that do something else on a right or middle release need.
void sendButton(QWidget &target, QEvent::Type type, QPoint at, Qt::MouseButton button)
{
    QMouseEvent event(type, QPointF(at), QPointF(target.mapToGlobal(at)), button,
                      type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::NoButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(&target, &event);
}

void mouseClick(QWidget &target, QPoint at, Qt::KeyboardModifiers mods = {})
{
    sendMouse(target, QEvent::MouseButtonPress, at, mods, Qt::LeftButton);
    sendMouse(target, QEvent::MouseButtonRelease, at, mods, Qt::NoButton);
}

void mouseDrag(QWidget &target, QPoint from, QPoint to, Qt::KeyboardModifiers mods = {})
{
    sendMouse(target, QEvent::MouseButtonPress, from, mods, Qt::LeftButton);
    const QPoint middle = (from + to) / 2;
    sendMouse(target, QEvent::MouseMove, middle, mods, Qt::LeftButton);
    sendMouse(target, QEvent::MouseMove, to, mods, Qt::LeftButton);
    sendMouse(target, QEvent::MouseButtonRelease, to, mods, Qt::NoButton);
}

void need(const std::vector<std::string> &w, std::size_t least, std::size_t most, const char *usage)
{
    if (w.size() - 1 < least || w.size() - 1 > most)
        fail(std::string("usage: ") + usage);
}

QList<QWidget *> scriptWindows()
{
    QList<QWidget *> out;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (!w->isWindow() || qobject_cast<QMenu *>(w) || w->windowType() == Qt::ToolTip ||
            w->windowType() == Qt::Popup)
            continue;
        if (w->objectName().isEmpty() && w->windowTitle().isEmpty())
            continue;
        out.push_back(w);
    }
    return out;
}

} // namespace

// --- parsing ------------------------------------------------------------------------------

std::vector<ScriptLine> parseScript(std::string_view text)
{
    std::vector<ScriptLine> out;
    int number = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        ++number;
        std::size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(pos, end - pos);
        pos = end;
        if (pos < text.size() && text[pos] == '\r')
            ++pos;
        if (pos < text.size() && text[pos] == '\n')
            ++pos;
        ScriptLine parsed;
        parsed.number = number;
        std::size_t i = 0;
        while (i < line.size()) {
            if (line[i] == ' ' || line[i] == '\t') {
                ++i;
                continue;
            }
            if (line[i] == '#')
                break;
            std::string word;
            if (line[i] != '"') {
                while (i < line.size() && line[i] != ' ' && line[i] != '\t')
                    word += line[i++];
                parsed.words.push_back(std::move(word));
                continue;
            }
            ++i;
            bool closed = false;
            while (i < line.size()) {
                char c = line[i++];
                if (c == '"') {
                    closed = true;
                    break;
                }
                if (c != '\\') {
                    word += c;
                    continue;
                }
                if (i >= line.size())
                    throw ScriptError(number, "a backslash ends the line");
                char e = line[i++];
                switch (e) {
                case '"':
                    word += '"';
                    break;
                case '\\':
                    word += '\\';
                    break;
                case 'n':
                    word += '\n';
                    break;
                case 'r':
                    word += '\r';
                    break;
                case 't':
                    word += '\t';
                    break;
                case '$':
                    word += "\\$";
                    break; // kept for expandVariables: a literal "$"
                case 'x': {
                    int hi = i < line.size() ? hexDigit(line[i]) : -1;
                    int lo = i + 1 < line.size() ? hexDigit(line[i + 1]) : -1;
                    if (hi < 0 || lo < 0)
                        throw ScriptError(number, "\\x needs two hexadecimal digits");
                    word += static_cast<char>(hi * 16 + lo);
                    i += 2;
                    break;
                }
                default:
                    throw ScriptError(number, std::string("unknown escape \\") + e);
                }
            }
            if (!closed)
                throw ScriptError(number, "a quoted word is not closed");
            if (i < line.size() && line[i] != ' ' && line[i] != '\t')
                throw ScriptError(number, "a quoted word runs into the next one");
            parsed.words.push_back(std::move(word));
        }
        if (!parsed.words.empty())
            out.push_back(std::move(parsed));
    }
    return out;
}

std::string expandVariables(std::string_view word,
                            const std::map<std::string, std::string> &variables)
{
    std::string out;
    std::size_t i = 0;
    while (i < word.size()) {
        if (word[i] == '\\' && i + 1 < word.size() && word[i + 1] == '$') {
            out += '$';
            i += 2;
            continue;
        }
        if (word[i] != '$' || i + 1 >= word.size() || word[i + 1] != '{') {
            out += word[i++];
            continue;
        }
        std::size_t close = word.find('}', i + 2);
        if (close == std::string_view::npos)
            throw std::runtime_error("a ${ is not closed");
        std::string name(word.substr(i + 2, close - i - 2));
        if (auto at = variables.find(name); at != variables.end())
            out += at->second;
        else if (const char *env = std::getenv(name.c_str()))
            out += env;
        else
            throw std::runtime_error("unknown variable ${" + name + "}");
        i = close + 1;
    }
    return out;
}

// --- the runtime --------------------------------------------------------------------------

void ScriptUi::clipboardClear()
{
    QGuiApplication::clipboard()->clear();
}

void ScriptUi::clipboardSetText(std::string_view text)
{
    QGuiApplication::clipboard()->setText(platform::toQString(text));
}

std::string ScriptUi::clipboardText()
{
    return platform::fromQString(QGuiApplication::clipboard()->text());
}

// --- the runner ---------------------------------------------------------------------------

ScriptRunner::ScriptRunner(HostUi &ui, ScriptUi &runtime, std::ostream &out)
    : m_ui(ui)
    , m_runtime(runtime)
    , m_out(out)
{
    m_runtime.onMsgBox = [this](const platform::UiCall &box) {
        m_out << "msgbox [" << box.title << "] " << oneLine(box.text) << "\n";
        m_out.flush();
    };
    m_runtime.onProcessEvents = [] {
        QCoreApplication::processEvents();
    };
    m_variables["CWD"] = QDir::currentPath().toStdString();
}

ScriptRunner::~ScriptRunner()
{
    m_runtime.onMsgBox = {};
    m_runtime.onProcessEvents = {};
}

void ScriptRunner::settle() const
{
    // Queued work (a menu's deferred action, an edit applied after its editor closed) runs now.
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
    m_ui.sync();
}

int ScriptRunner::run(const std::vector<ScriptLine> &lines,
                      std::string_view scriptName,
                      std::ostream &err)
{
    for (const ScriptLine &line : lines) {
        try {
            std::vector<std::string> words;
            for (const std::string &w : line.words)
                words.push_back(expandVariables(w, m_variables));
            runCommand(words);
        } catch (const std::exception &e) {
            err << scriptName << ":" << line.number << ": " << line.words.front() << ": "
                << describeFailure(e) << "\n";
            return 1;
        }
        if (m_quit)
            break;
    }
    return 0;
}

QWidget &ScriptRunner::findWindow(const std::string &name) const
{
    const QList<QWidget *> windows = scriptWindows();
    const QString wanted = platform::toQString(name);
    // A visible window first: a window closed a moment ago may still wait to be deleted under
    // the same name as the one that replaced it.
    for (bool visibleOnly : {true, false}) {
        for (QWidget *w : windows) {
            if ((!visibleOnly || w->isVisible()) &&
                w->objectName().compare(wanted, Qt::CaseInsensitive) == 0)
                return *w;
        }
        for (QWidget *w : windows) {
            if ((!visibleOnly || w->isVisible()) &&
                w->windowTitle().compare(wanted, Qt::CaseInsensitive) == 0)
                return *w;
        }
    }
    std::vector<std::string> names;
    for (QWidget *w : windows) {
        if (w->isVisible())
            names.push_back(windowName(*w));
    }
    std::sort(names.begin(), names.end());
    fail("no window '" + name + "'; the windows are: " + joinNames(names));
}

QWidget &ScriptRunner::findTarget(const std::string &target) const
{
    const std::size_t slash = target.find('/');
    if (slash == std::string::npos)
        return findWindow(target);
    QWidget &window = findWindow(target.substr(0, slash));
    const std::string control = target.substr(slash + 1);
    const QString wanted = platform::toQString(control);
    for (QWidget *w : window.findChildren<QWidget *>()) {
        if (w->objectName() == wanted)
            return *w;
    }
    for (QWidget *w : window.findChildren<QWidget *>()) {
        if (w->objectName().compare(wanted, Qt::CaseInsensitive) == 0)
            return *w;
    }
    std::vector<std::string> names;
    for (QWidget *w : window.findChildren<QWidget *>()) {
        const std::string n = platform::fromQString(w->objectName());
        if (!n.empty() && n.rfind("qt_", 0) != 0 &&
            std::find(names.begin(), names.end(), n) == names.end())
            names.push_back(n);
    }
    std::sort(names.begin(), names.end());
    fail("no control '" + control + "' in window '" + windowName(window) +
         "'; its controls are: " + joinNames(names));
}

void ScriptRunner::runCommand(const std::vector<std::string> &w)
{
    if (w.empty())
        return;
    Ide &ide = m_ui.ide();
    const std::string command = platform::toLower(w[0]);

    auto component = [&](const std::string &name) -> ComponentPtr {
        if (!ide.project())
            fail("no project is open");
        if (ComponentPtr c = ide.project()->findComponent(name))
            return c;
        std::vector<std::string> names;
        for (const ComponentPtr &c : ide.project()->components())
            names.push_back(c->name());
        fail("no component '" + name + "'; the project has: " + joinNames(names));
    };
    auto activeCode = [&]() -> CodeWindow & {
        CodeWindow *cw = ide.activeCodeWindow();
        if (!cw)
            fail("no code window is active");
        return *cw;
    };
    auto designerOf = [&](const std::string &name) -> DesignerWindow & {
        ComponentPtr c = component(name);
        if (!c->form())
            fail("'" + name + "' is not a form");
        DesignerWindow &d = ide.showDesigner(c);
        m_ui.sync();
        return d;
    };
    auto control = [&](FormFile &form, const std::string &word) -> ControlPtr {
        auto [name, index] = controlName(word);
        if (equalsIgnoreCase(name, form.name()) || equalsIgnoreCase(name, "Form"))
            return form.root();
        if (ControlPtr c = form.findControl(name, index))
            return c;
        std::vector<std::string> names;
        for (const ControlPtr &c : form.controls())
            names.push_back(c->displayName());
        fail("no control '" + word + "' on " + form.name() +
             "; its controls are: " + joinNames(names));
    };
    auto guarded = [&](auto &&action) {
        // A model failure fails the command, with the model's own description.
        action();
        settle();
    };

    // --- the project and its windows ---
    if (command == "open") {
        need(w, 1, 1, "open PROJECT");
        const std::size_t boxes = m_runtime.callsOf("msgbox").size();
        if (!m_ui.openProject(w[1]) && m_runtime.callsOf("msgbox").size() > boxes)
            fail("the project did not open: " + m_runtime.callsOf("msgbox").back().text);
        settle();
        return;
    }
    if (command == "new") {
        guarded([&] { ide.newProject(); });
        return;
    }
    if (command == "show") {
        need(w, 1, 2, "show main|project|properties|toolbox | show code|form COMPONENT");
        const std::string what = platform::toLower(w[1]);
        if (w.size() == 3 && what == "code")
            return guarded([&] { ide.showCode(component(w[2])); });
        if (w.size() == 3 && what == "form")
            return guarded([&] { designerOf(w[2]); });
        platform::WindowHandle h = what == "main"         ? ide.mainWindow()
                                   : what == "project"    ? ide.projectWindow()
                                   : what == "properties" ? ide.propertiesWindow()
                                   : what == "toolbox"    ? ide.toolboxWindow()
                                                          : 0;
        if (h == 0)
            fail("'" + w[1] + "' is not main, project, properties, toolbox, code or form");
        return guarded([&] {
            platform::windowRegistry().showWindow(h, platform::sw::ShowNormal);
            platform::windowRegistry().activate(h);
        });
    }
    if (command == "close") {
        need(w, 1, 1, "close WINDOW");
        QWidget &window = findWindow(w[1]);
        return guarded([&] { window.close(); });
    }
    if (command == "move") {
        if (w.size() != 4 && w.size() != 6)
            fail("usage: move WINDOW X Y [WIDTH HEIGHT]");
        QWidget &window = findWindow(w[1]);
        const QRect g = window.geometry();
        const QRect to(toNumber(w[2]), toNumber(w[3]), w.size() == 6 ? toNumber(w[4]) : g.width(),
                       w.size() == 6 ? toNumber(w[5]) : g.height());
        // Through the window functions, as the add-in's arrangement moves windows.
        platform::WindowHandle h = 0;
        if (WindowFollower *f = WindowFollower::of(window))
            h = f->handle();
        else if (platform::WindowBinding *b = platform::WindowBinding::of(window))
            h = b->handle();
        if (h)
            platform::SetWindowPos(h, 0, to.x(), to.y(), to.width(), to.height(),
                                   platform::swpflag::NoZOrder | platform::swpflag::NoActivate);
        else
            window.setGeometry(to);
        return settle();
    }
    if (command == "activate") {
        need(w, 1, 1, "activate CAPTION");
        return guarded([&] { platform::ui().activate(w[1]); });
    }
    if (command == "procedure") {
        need(w, 2, 2, "procedure COMPONENT NAME");
        return guarded([&] {
            CodeWindow &cw = ide.showCode(component(w[1]));
            if (equalsIgnoreCase(w[2], "(declarations)")) {
                cw.pane->setProcedureView(true);
                cw.pane->showDeclarations();
            } else if (!cw.pane->showProcedure(w[2])) {
                std::vector<std::string> names = cw.pane->procedureNames();
                fail("no procedure '" + w[2] + "'; the code has: " + joinNames(names));
            }
        });
    }
    if (command == "view") {
        need(w, 1, 1, "view procedure|module");
        const bool module = equalsIgnoreCase(w[1], "module");
        if (!module && !equalsIgnoreCase(w[1], "procedure"))
            fail("'" + w[1] + "' is not procedure or module");
        QAction *full = m_ui.mainWindow().findChild<QAction *>(QStringLiteral("mnuFullModuleView"));
        full->setChecked(module);
        return settle();
    }
    if (command == "select-text") {
        need(w, 1, 2, "select-text TEXT [OCCURRENCE]");
        CodeWindow &cw = activeCode();
        const int occurrence = w.size() == 3 ? toNumber(w[2]) : 1;
        const std::string shown = cw.pane->shownText();
        std::size_t at = std::string::npos;
        for (int k = 0, from = 0; k < occurrence; ++k) {
            at = shown.find(w[1], static_cast<std::size_t>(from));
            if (at == std::string::npos)
                fail("'" + oneLine(w[1]) + "' is not in the code shown");
            from = static_cast<int>(at + 1);
        }
        const std::size_t base = cw.pane->shownRange().first;
        cw.pane->select(base + at, base + at + w[1].size());
        return settle();
    }
    if (command == "caret") {
        need(w, 2, 2, "caret LINE COLUMN");
        CodeWindow &cw = activeCode();
        const int line = toNumber(w[1]);
        const int column = toNumber(w[2]);
        const std::string &code = cw.pane->text();
        std::size_t at = 0;
        for (int l = 1; l < line; ++l) {
            std::size_t next = code.find('\n', at);
            if (next == std::string::npos)
                fail("the code has fewer than " + w[1] + " lines");
            at = next + 1;
        }
        // A column past the end of the line stops at its end, as a click there would.
        std::size_t end = code.find_first_of("\r\n", at);
        if (end == std::string::npos)
            end = code.size();
        cw.pane->setCaret(std::min(at + static_cast<std::size_t>(std::max(column - 1, 0)), end));
        return settle();
    }
    if (command == "select") {
        if (w.size() < 2)
            fail("usage: select FORM [CONTROL...]");
        DesignerWindow &d = designerOf(w[1]);
        std::vector<ControlPtr> chosen;
        for (std::size_t i = 2; i < w.size(); ++i) {
            ControlPtr c = control(d.designer->form(), w[i]);
            if (!c->isForm())
                chosen.push_back(c);
        }
        d.designer->select(chosen);
        platform::windowRegistry().activate(d.window);
        return settle();
    }
    if (command == "keys" || command == "type") {
        need(w, 1, 1, "keys SENDKEYS | type TEXT");
        const std::string keys = command == "type" ? platform::escapeSendKeys(w[1]) : w[1];
        try {
            platform::ui().sendKeys(keys, true);
        } catch (const platform::VbError &e) {
            fail("the keys '" + w[1] + "' cannot be sent: " + e.description);
        }
        return settle();
    }

    // --- widgets by window and control name ---
    if (command == "click" || command == "press" || command == "release" ||
        command == "doubleclick") {
        need(w, 1, 2, "click|press|release WINDOW/CONTROL [left|right|middle]");
        QWidget &target = findTarget(w[1]);
        if (!target.isEnabled())
            fail("'" + w[1] + "' is disabled");
        // A control of a closed or hidden window cannot be reached; one on a tab page that is
        // not in front can (the script need not turn the page first).
        if (!target.window()->isVisible())
            fail("the window of '" + w[1] + "' is not shown");
        const QPoint centre = target.rect().center();
        if (w.size() == 3 && command != "doubleclick") {
            const std::string which = platform::toLower(w[2]);
            const Qt::MouseButton button = which == "left"     ? Qt::LeftButton
                                           : which == "right"  ? Qt::RightButton
                                           : which == "middle" ? Qt::MiddleButton
                                                               : Qt::NoButton;
            if (button == Qt::NoButton)
                fail("'" + w[2] + "' is not left, right or middle");
            if (command != "release")
                sendButton(target, QEvent::MouseButtonPress, centre, button);
            if (command != "press")
                sendButton(target, QEvent::MouseButtonRelease, centre, button);
            return settle();
        }
        if (command == "press")
            sendMouse(target, QEvent::MouseButtonPress, centre, {}, Qt::LeftButton);
        else if (command == "release")
            sendMouse(target, QEvent::MouseButtonRelease, centre, {}, Qt::NoButton);
        else
            mouseClick(target, centre);
        if (command == "doubleclick") {
            sendMouse(target, QEvent::MouseButtonDblClick, centre, {}, Qt::LeftButton);
            sendMouse(target, QEvent::MouseButtonRelease, centre, {}, Qt::NoButton);
        }
        return settle();
    }
    if (command == "set") {
        need(w, 2, 2, "set WINDOW/CONTROL VALUE");
        QWidget &target = findTarget(w[1]);
        const QString value = platform::toQString(w[2]);
        auto truth = [&] {
            if (equalsIgnoreCase(w[2], "true") || w[2] == "1" || w[2] == "-1")
                return true;
            if (equalsIgnoreCase(w[2], "false") || w[2] == "0")
                return false;
            fail("'" + w[2] + "' is not true or false");
        };
        if (auto *e = qobject_cast<QLineEdit *>(&target)) {
            e->setText(value);
            emit e->textEdited(value);
            emit e->editingFinished();
        } else if (auto *p = qobject_cast<QPlainTextEdit *>(&target)) {
            p->setPlainText(value);
        } else if (auto *t = qobject_cast<QTextEdit *>(&target)) {
            t->setPlainText(value);
        } else if (auto *b = qobject_cast<QAbstractButton *>(&target)) {
            if (!b->isCheckable())
                fail("'" + w[1] + "' is a button that cannot be set; click it");
            if (b->isChecked() != truth())
                b->click();
        } else if (auto *c = qobject_cast<QComboBox *>(&target)) {
            int index = c->findText(value, Qt::MatchFixedString);
            if (index < 0 && !c->isEditable()) {
                std::vector<std::string> items;
                for (int i = 0; i < c->count(); ++i)
                    items.push_back(platform::fromQString(c->itemText(i)));
                fail("'" + w[2] + "' is not in the list; it has: " + joinNames(items));
            }
            if (index < 0) {
                c->setEditText(value);
            } else {
                c->setCurrentIndex(index);
                emit c->activated(index);
            }
        } else if (auto *s = qobject_cast<QSpinBox *>(&target)) {
            s->setValue(toNumber(w[2]));
        } else if (auto *sl = qobject_cast<QAbstractSlider *>(&target)) {
            sl->setValue(toNumber(w[2]));
        } else if (auto *l = qobject_cast<QListWidget *>(&target)) {
            QList<QListWidgetItem *> items = l->findItems(value, Qt::MatchFixedString);
            if (items.isEmpty())
                fail("'" + w[2] + "' is not in the list");
            l->setCurrentItem(items.front());
        } else if (auto *tab = qobject_cast<QTabWidget *>(&target)) {
            int found = -1;
            for (int i = 0; i < tab->count(); ++i) {
                if (plainCaption(tab->tabText(i))
                        .compare(plainCaption(value), Qt::CaseInsensitive) == 0)
                    found = i;
            }
            if (found < 0)
                fail("no tab '" + w[2] + "'");
            tab->setCurrentIndex(found);
        } else {
            fail("'" + w[1] + "' (" + target.metaObject()->className() + ") has no value to set");
        }
        return settle();
    }

    // --- the designer by mouse ---
    if (command == "click-at" || command == "drag") {
        const bool drag = command == "drag";
        if (w.size() < (drag ? 6u : 4u))
            fail(drag ? "usage: drag WINDOW X1 Y1 X2 Y2 [shift] [ctrl]"
                      : "usage: click-at WINDOW X Y [shift] [ctrl]");
        QWidget &target = findWindow(w[1]);
        const QPoint from(toNumber(w[2]), toNumber(w[3]));
        if (drag)
            mouseDrag(target, from, QPoint(toNumber(w[4]), toNumber(w[5])), modifiersOf(w, 6));
        else
            mouseClick(target, from, modifiersOf(w, 4));
        return settle();
    }
    if (command == "drag-control" || command == "resize-control") {
        const bool resize = command == "resize-control";
        if (w.size() != (resize ? 6u : 5u))
            fail(resize ? "usage: resize-control FORM CONTROL HANDLE DX DY"
                        : "usage: drag-control FORM CONTROL DX DY");
        DesignerWindow &d = designerOf(w[1]);
        DesignerView *view = m_ui.designerView(*d.designer->component());
        ControlPtr c = control(d.designer->form(), w[2]);
        const QRect r = view->controlRect(*c);
        if (r.isEmpty())
            fail("'" + w[2] + "' is not drawn on the form");
        const QPoint delta(toNumber(w[resize ? 4 : 3]), toNumber(w[resize ? 5 : 4]));
        if (!resize) {
            // Pressed on a spot of the control that no child covers.
            QPoint at = r.topLeft() + QPoint(2, 2);
            if (view->controlAt(at) != c)
                at = r.center();
            mouseDrag(*view, at, at + delta);
            return settle();
        }
        static const char *handles[] = {"top-left",     "top",    "top-right",   "right",
                                        "bottom-right", "bottom", "bottom-left", "left"};
        int handle = -1;
        for (int i = 0; i < 8; ++i) {
            if (equalsIgnoreCase(w[3], handles[i]))
                handle = i;
        }
        if (handle < 0)
            fail("'" + w[3] +
                 "' is not a handle: top-left, top, top-right, right, bottom-right, "
                 "bottom, bottom-left or left");
        d.designer->select({c});
        settle();
        const QPoint at = handleRects(r)[static_cast<std::size_t>(handle)].center();
        mouseDrag(*view, at, at + delta);
        return settle();
    }
    if (command == "tool") {
        need(w, 1, 1, "tool CLASS|pointer");
        m_ui.setCurrentTool(equalsIgnoreCase(w[1], "pointer") ? std::string() : w[1]);
        return settle();
    }

    // --- properties ---
    if (command == "property") {
        need(w, 4, 4, "property FORM CONTROL NAME VALUE");
        DesignerWindow &d = designerOf(w[1]);
        ControlPtr c = control(d.designer->form(), w[2]);
        if (c->isForm())
            d.designer->clearSelection();
        else
            d.designer->select({c});
        platform::windowRegistry().activate(d.window);
        settle();
        const std::size_t boxes = m_runtime.callsOf("msgbox").size();
        if (!m_ui.propertiesWindow().editProperty(w[3], w[4])) {
            std::string why = m_runtime.callsOf("msgbox").size() > boxes
                                  ? m_runtime.callsOf("msgbox").back().text
                                  : std::string("it was refused");
            fail(w[3] + " cannot be set to '" + w[4] + "': " + why);
        }
        return settle();
    }

    // --- menus and add-ins ---
    if (command == "menu") {
        if (w.size() < 3)
            fail("usage: menu MENU ITEM [ITEM...]");
        QStringList path;
        for (std::size_t i = 1; i < w.size(); ++i)
            path << platform::toQString(w[i]);
        QAction *action = m_ui.mainWindow().findAction(path);
        if (!action) {
            // Say what the last menu that exists holds.
            QStringList prefix;
            QList<QAction *> level = m_ui.mainWindow().menuBar()->actions();
            for (const QString &part : path) {
                QAction *a = m_ui.mainWindow().findAction(prefix + QStringList(part));
                if (!a || !a->menu())
                    break;
                prefix << part;
                level = a->menu()->actions();
            }
            std::vector<std::string> items;
            for (QAction *a : level) {
                if (!a->isSeparator())
                    items.push_back(platform::fromQString(plainCaption(a->text())));
            }
            fail("no menu item '" + platform::fromQString(path.join(QLatin1Char('/'))) +
                 "'; the menu has: " + joinNames(items));
        }
        if (!action->isEnabled())
            fail("the menu item '" + w.back() + "' is disabled");
        action->trigger();
        return settle();
    }
    if (command == "connect" || command == "disconnect") {
        need(w, 1, 1, "connect|disconnect PROGID");
        if (command == "connect") {
            if (!m_ui.addIns().connect(w[1]))
                fail("the add-in '" + w[1] + "' did not connect");
        } else {
            if (!m_ui.addIns().isConnected(w[1]))
                fail("the add-in '" + w[1] + "' is not connected");
            m_ui.addIns().disconnect(w[1]);
        }
        return settle();
    }

    // --- answers ---
    if (command == "answer") {
        need(w, 2, 2, "answer msgbox BUTTON | answer input TEXT | answer file PATH|cancel");
        const std::string kind = platform::toLower(w[1]);
        if (kind == "msgbox")
            m_runtime.queueMsgBoxAnswer(buttonValue(w[2]));
        else if (kind == "input")
            m_runtime.queueInputBoxAnswer(w[2]);
        else if (kind == "file")
            m_runtime.queueFileAnswer(
                equalsIgnoreCase(w[2], "cancel") ? std::nullopt : std::optional<std::string>(w[2]));
        else
            fail("'" + w[1] + "' is not msgbox, input or file");
        return;
    }

    // --- saving ---
    if (command == "save") {
        need(w, 0, 0, "save");
        const std::size_t boxes = m_runtime.callsOf("msgbox").size();
        if (!m_ui.saveProject())
            fail(m_runtime.callsOf("msgbox").size() > boxes
                     ? m_runtime.callsOf("msgbox").back().text
                     : std::string("the project was not saved"));
        return settle();
    }
    if (command == "save-as") {
        need(w, 1, 1, "save-as PROJECTFILE");
        if (!ide.project())
            fail("no project is open");
        guarded([&] { ide.project()->saveAs(w[1]); });
        return;
    }

    // --- looking ---
    if (command == "print") {
        if (w.size() < 2)
            fail("usage: print "
                 "code|procedure|selection|clipboard|windows|properties|controls|menu|messages");
        const std::string what = platform::toLower(w[1]);
        if (what == "code") {
            need(w, 2, 2, "print code COMPONENT");
            ComponentPtr c = component(w[2]);
            CodeWindow *cw = ide.codeWindowOf(*c);
            std::string code = cw ? cw->buffer : c->code();
            m_out << unixLines(code);
            if (!code.empty() && code.back() != '\n')
                m_out << "\n";
        } else if (what == "procedure") {
            std::string shown = activeCode().pane->shownText();
            m_out << unixLines(shown) << "\n";
        } else if (what == "selection") {
            if (CodeWindow *cw = ide.activeCodeWindow()) {
                m_out << oneLine(cw->pane->selectedText()) << "\n";
            } else if (DesignerWindow *d = ide.activeDesigner()) {
                std::vector<std::string> names;
                for (const ControlPtr &c : d->designer->selection())
                    names.push_back(c->displayName());
                m_out << joinNames(names) << "\n";
            } else {
                fail("neither a code window nor a designer is active");
            }
        } else if (what == "clipboard") {
            m_out << oneLine(platform::ui().clipboardText()) << "\n";
        } else if (what == "windows") {
            const platform::WindowRegistry &r = platform::windowRegistry();
            for (platform::WindowHandle h : r.zOrder()) {
                const platform::WindowInfo *info = r.find(h);
                m_out << info->className << " \"" << info->caption << "\" "
                      << (info->visible ? "visible" : "hidden")
                      << (r.activeWindow() == h ? " active" : "") << "\n";
            }
        } else if (what == "properties") {
            need(w, 3, 3, "print properties FORM CONTROL");
            DesignerWindow &d = designerOf(w[2]);
            ControlPtr c = control(d.designer->form(), w[3]);
            for (const std::string &name : propertyRows(*c)) {
                std::string value;
                try {
                    value = displayValue(*c, name);
                } catch (const std::exception &) {
                    continue; // Index of a control outside an array, and the like
                }
                m_out << name << " = " << oneLine(value) << "\n";
            }
        } else if (what == "controls") {
            need(w, 2, 2, "print controls FORM");
            DesignerWindow &d = designerOf(w[2]);
            DesignerView *view = m_ui.designerView(*d.designer->component());
            for (const ControlPtr &c : d.designer->form().controls()) {
                m_out << c->displayName() << " " << c->className();
                if (view && !c->isMenu()) {
                    const QRect r = view->controlRect(*c);
                    m_out << " at " << r.x() << "," << r.y() << " " << r.width() << "x"
                          << r.height();
                }
                m_out << "\n";
            }
        } else if (what == "menu") {
            m_ui.mainWindow().rebuildAddInsMenu();
            std::function<void(QMenu *, int)> list = [&](QMenu *menu, int depth) {
                for (QAction *a : menu->actions()) {
                    if (a->isSeparator())
                        continue;
                    m_out << std::string(static_cast<std::size_t>(depth) * 2, ' ')
                          << platform::fromQString(a->text().section(QLatin1Char('\t'), 0, 0))
                          << (a->isCheckable() ? (a->isChecked() ? " [x]" : " [ ]") : "") << "\n";
                    if (a->menu())
                        list(a->menu(), depth + 1);
                }
            };
            list(m_ui.mainWindow().addInsMenu(), 0);
        } else if (what == "messages") {
            for (const platform::UiCall &box : m_runtime.callsOf("msgbox"))
                m_out << "[" << box.title << "] " << oneLine(box.text) << "\n";
        } else {
            fail("'" + w[1] +
                 "' is not code, procedure, selection, clipboard, windows, properties, "
                 "controls, menu or messages");
        }
        m_out.flush();
        return;
    }
    if (command == "echo") {
        for (std::size_t i = 1; i < w.size(); ++i)
            m_out << (i > 1 ? " " : "") << w[i];
        m_out << "\n";
        return;
    }
    if (command == "screenshot") {
        need(w, 1, 2, "screenshot FILE [WINDOW]");
        settle();
        saveScreenshot(w[1], w.size() == 3 ? &findWindow(w[2]) : nullptr);
        return;
    }

    // --- checks ---
    if (command == "expect") {
        if (w.size() < 3)
            fail("usage: expect "
                 "window|windows|geometry|menu|same|differ|contains|clipboard|code|property|"
                 "selection|msgbox|connected|disconnected ...");
        const std::string what = platform::toLower(w[1]);
        const platform::WindowRegistry &r = platform::windowRegistry();
        if (what == "window") {
            need(w, 3, 3, "expect window CLASS CAPTION");
            std::vector<std::string> seen;
            for (platform::WindowHandle h : r.zOrder()) {
                const platform::WindowInfo *info = r.find(h);
                if (info->className == w[2] && info->caption == w[3] && info->visible)
                    return;
                if (info->className == w[2])
                    seen.push_back("\"" + info->caption + "\"" +
                                   (info->visible ? "" : " (hidden)"));
            }
            fail("no visible " + w[2] + " window \"" + w[3] + "\"; the " + w[2] +
                 " windows are: " + joinNames(seen));
        }
        if (what == "menu") {
            // expect menu MENU [SUBMENU...] "FIRST|SECOND|...": the items of a menu, in order.
            if (w.size() < 4)
                fail("usage: expect menu MENU [SUBMENU...] \"ITEM|ITEM|...\"");
            QStringList path;
            for (std::size_t i = 2; i + 1 < w.size(); ++i)
                path << platform::toQString(w[i]);
            m_ui.mainWindow().rebuildAddInsMenu();
            QAction *menu = m_ui.mainWindow().findAction(path);
            if (!menu || !menu->menu())
                fail("no menu '" + platform::fromQString(path.join(QLatin1Char('/'))) + "'");
            std::string items;
            for (QAction *a : menu->menu()->actions()) {
                if (a->isSeparator())
                    continue;
                items += (items.empty() ? "" : "|") +
                         platform::fromQString(a->text().section(QLatin1Char('\t'), 0, 0));
            }
            if (items != w.back())
                fail("the menu holds \"" + items + "\", not \"" + w.back() + "\"");
            return;
        }
        if (what == "geometry") {
            need(w, 4, 6, "expect geometry CLASS|CAPTION LEFT TOP [WIDTH HEIGHT]");
            if (w.size() == 6)
                fail("usage: expect geometry CLASS|CAPTION LEFT TOP [WIDTH HEIGHT]");
            // The first visible window in Z order with that class name or caption, in pixels.
            for (platform::WindowHandle h : r.zOrder()) {
                const platform::WindowInfo *info = r.find(h);
                if (!info->visible || (info->className != w[2] && info->caption != w[2]))
                    continue;
                const std::string position =
                    std::to_string(info->left) + " " + std::to_string(info->top);
                const std::string size =
                    std::to_string(info->width) + " " + std::to_string(info->height);
                const bool withSize = w.size() == 7;
                const std::string wanted =
                    w[3] + " " + w[4] + (withSize ? " " + w[5] + " " + w[6] : "");
                if ((withSize ? position + " " + size : position) != wanted)
                    fail("the " + w[2] + " window is at " + position + " sized " + size + ", not " +
                         wanted);
                return;
            }
            fail("no visible window '" + w[2] + "'");
        }
        if (what == "windows") {
            need(w, 3, 3, "expect windows CLASS COUNT");
            int count = 0;
            for (platform::WindowHandle h : r.zOrder())
                count += r.find(h)->className == w[2] && r.find(h)->visible;
            if (count != toNumber(w[3]))
                fail(std::to_string(count) + " visible " + w[2] + " windows, not " + w[3]);
            return;
        }
        if (what == "same" || what == "differ") {
            need(w, 3, 3, "expect same|differ FILE1 FILE2");
            const std::string a = platform::readFile(w[2]);
            const std::string b = platform::readFile(w[3]);
            if ((a == b) != (what == "same")) {
                if (what == "differ")
                    fail(w[2] + " and " + w[3] + " are the same");
                std::size_t at = 0;
                while (at < a.size() && at < b.size() && a[at] == b[at])
                    ++at;
                const std::size_t line =
                    static_cast<std::size_t>(
                        std::count(a.begin(), a.begin() + static_cast<std::ptrdiff_t>(at), '\n')) +
                    1;
                fail(w[2] + " and " + w[3] + " differ at byte " + std::to_string(at) + " (line " +
                     std::to_string(line) + ")");
            }
            return;
        }
        if (what == "contains" || what == "lacks") {
            need(w, 3, 3, "expect contains|lacks FILE TEXT");
            const bool has = platform::readFile(w[2]).find(w[3]) != std::string::npos;
            if (has != (what == "contains"))
                fail(w[2] + (has ? " holds '" : " does not hold '") + oneLine(w[3]) + "'");
            return;
        }
        if (what == "clipboard") {
            need(w, 2, 2, "expect clipboard TEXT");
            const std::string text = platform::ui().clipboardText();
            if (text != w[2])
                fail("the clipboard holds '" + oneLine(text) + "'");
            return;
        }
        if (what == "code") {
            need(w, 4, 4, "expect code COMPONENT contains|lacks TEXT");
            ComponentPtr c = component(w[2]);
            CodeWindow *cw = ide.codeWindowOf(*c);
            const std::string code = cw ? cw->buffer : c->code();
            const bool has = code.find(w[4]) != std::string::npos;
            if (equalsIgnoreCase(w[3], "contains") ? !has : has)
                fail("the code of " + w[2] + (has ? " holds '" : " does not hold '") +
                     oneLine(w[4]) + "'");
            return;
        }
        if (what == "property") {
            need(w, 5, 5, "expect property FORM CONTROL NAME VALUE");
            ComponentPtr c = component(w[2]);
            if (!c->form())
                fail("'" + w[2] + "' is not a form");
            ControlPtr ctl = control(*c->form(), w[3]);
            const std::string shown = displayValue(*ctl, w[4]);
            if (shown != w[5])
                fail(w[3] + "." + w[4] + " is '" + oneLine(shown) + "'");
            return;
        }
        if (what == "selection") {
            DesignerWindow &d = designerOf(w[2]);
            std::vector<std::string> names;
            for (const ControlPtr &c : d.designer->selection())
                names.push_back(c->displayName());
            std::vector<std::string> wanted(w.begin() + 3, w.end());
            if (names != wanted)
                fail("the selection is " + joinNames(names));
            return;
        }
        if (what == "msgbox") {
            need(w, 2, 2, "expect msgbox TEXT");
            for (const platform::UiCall &box : m_runtime.callsOf("msgbox")) {
                if (box.text.find(w[2]) != std::string::npos || box.title == w[2])
                    return;
            }
            fail("no message box said '" + oneLine(w[2]) + "'");
        }
        if (what == "connected" || what == "disconnected") {
            need(w, 2, 2, "expect connected|disconnected PROGID");
            if (m_ui.addIns().isConnected(w[2]) != (what == "connected"))
                fail("the add-in '" + w[2] + "' is " + (what == "connected" ? "not " : "") +
                     "connected");
            return;
        }
        if (what == "file") {
            need(w, 2, 2, "expect file PATH");
            if (!platform::fileExists(w[2]))
                fail(w[2] + " does not exist");
            return;
        }
        fail("'" + w[1] + "' is not something to expect");
    }

    // --- files for the script's own use ---
    if (command == "copy") {
        need(w, 2, 2, "copy FROM TO");
        const QString from = QString::fromStdString(platform::resolvePath(w[1]).string());
        const QString to = QString::fromStdString(platform::resolvePath(w[2]).string());
        if (QFileInfo(from).isDir()) {
            // A folder is copied with its files (not its subfolders).
            QDir().mkpath(to);
            for (const QFileInfo &f : QDir(from).entryInfoList(QDir::Files)) {
                QFile::remove(to + QLatin1Char('/') + f.fileName());
                if (!QFile::copy(f.filePath(), to + QLatin1Char('/') + f.fileName()))
                    fail("cannot copy " + f.filePath().toStdString());
            }
            return;
        }
        platform::copyFile(w[1], w[2]);
        return;
    }
    if (command == "mkdir") {
        need(w, 1, 1, "mkdir DIRECTORY");
        if (!QDir().mkpath(QString::fromStdString(platform::resolvePath(w[1]).string())))
            fail("cannot make " + w[1]);
        return;
    }
    if (command == "write") {
        need(w, 2, 2, "write FILE TEXT");
        platform::writeFile(w[1], w[2]);
        return;
    }
    if (command == "wait") {
        need(w, 1, 1, "wait MILLISECONDS");
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < toNumber(w[1]))
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        return settle();
    }
    if (command == "fails") {
        // The rest of the line is a command that must fail; its failure is printed.
        if (w.size() < 2)
            fail("usage: fails COMMAND ...");
        try {
            runCommand(std::vector<std::string>(w.begin() + 1, w.end()));
        } catch (const std::exception &e) {
            m_out << "failed as expected: " << w[1] << ": " << describeFailure(e) << "\n";
            return settle();
        }
        fail("'" + w[1] + "' did not fail");
    }
    if (command == "quit") {
        need(w, 0, 0, "quit");
        m_ui.prepareClose(false);
        m_quit = true;
        return;
    }
    fail("unknown command '" + w[0] + "'");
}

// --- screenshots --------------------------------------------------------------------------

void saveScreenshot(const std::string &path, QWidget *only)
{
    constexpr int kTitle = 20;
    struct Shot
    {
        QWidget *widget;
        bool active;
    };
    std::vector<Shot> shots;
    const platform::WindowRegistry &registry = platform::windowRegistry();
    auto handleOf = [](QWidget *w) -> platform::WindowHandle {
        if (WindowFollower *f = WindowFollower::of(*w))
            return f->handle();
        if (platform::WindowBinding *b = platform::WindowBinding::of(*w))
            return b->handle();
        return 0;
    };
    if (only) {
        shots.push_back({only, true});
    } else {
        const std::vector<platform::WindowHandle> &order = registry.zOrder();
        for (auto it = order.rbegin(); it != order.rend(); ++it) {
            for (QWidget *w : QApplication::topLevelWidgets()) {
                if (w->isVisible() && handleOf(w) == *it)
                    shots.push_back({w, registry.activeWindow() == *it});
            }
        }
    }
    QRect bounds;
    for (const Shot &s : shots)
        bounds |= s.widget->geometry().adjusted(-1, -kTitle - 1, 1, 1);
    if (bounds.isEmpty())
        bounds = QRect(0, 0, 320, 200);
    if (!only)
        bounds |= QRect(0, 0, 1, 1);
    QImage image(bounds.size(), QImage::Format_RGB32);
    image.fill(only ? QColor(Qt::white) : QColor(0, 128, 128)); // the desktop
    QPainter p(&image);
    p.translate(-bounds.topLeft());
    for (const Shot &s : shots) {
        const QRect g = s.widget->geometry();
        const QRect title(g.left(), g.top() - kTitle, g.width(), kTitle);
        p.fillRect(title, s.active ? QColor(0, 0, 128) : QColor(128, 128, 128));
        p.setPen(Qt::white);
        QFont f = p.font();
        f.setBold(true);
        f.setPixelSize(12);
        p.setFont(f);
        // A narrow tool window's title is shortened as a window manager would.
        const QRect room = title.adjusted(4, 0, -20, 0);
        p.drawText(
            room, Qt::AlignVCenter | Qt::AlignLeft,
            QFontMetrics(f).elidedText(s.widget->windowTitle(), Qt::ElideRight, room.width()));
        // The close box.
        const QRect box(title.right() - 17, title.top() + 3, 14, 14);
        p.fillRect(box, QColor(192, 192, 192));
        p.setPen(Qt::black);
        p.drawLine(box.topLeft() + QPoint(3, 3), box.bottomRight() - QPoint(3, 3));
        p.drawLine(box.topRight() + QPoint(-3, 3), box.bottomLeft() + QPoint(3, -3));
        p.drawPixmap(g.topLeft(), s.widget->grab());
        p.setPen(Qt::black);
        p.drawRect(g.adjusted(-1, -kTitle - 1, 0, 0));
    }
    p.end();
    const QString file = QString::fromStdString(platform::resolvePath(path).string());
    if (!image.save(file, "PNG"))
        fail("cannot write the screenshot " + path);
}

} // namespace qm::ide
