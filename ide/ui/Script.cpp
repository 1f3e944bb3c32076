// The automation script's commands, as a table of handlers grouped as the documentation groups
// them, and the runner that takes a script through them.
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
#include "platform/qt/QtUi.h"
#include "platform/qt/WindowBinding.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPixmap>
#include <QPointer>
#include <QScreen>
#include <QSpinBox>
#include <QTabWidget>
#include <QTextEdit>
#include <QThread>
#include <QTimer>

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

std::string listNames(const std::vector<std::string> &names)
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

/// The window-registry handle of a top-level window; 0 for one that is not registered.
platform::WindowHandle handleOf(const QWidget &w)
{
    const platform::WindowBinding *b = platform::WindowBinding::of(w);
    return b ? b->handle() : 0;
}

/// The text a control shows: a text box's text, a label's or button's caption, a list's
/// current item.
std::string controlText(QWidget &target, const std::string &name)
{
    if (auto *e = qobject_cast<QLineEdit *>(&target))
        return platform::fromQString(e->text());
    if (auto *p = qobject_cast<QPlainTextEdit *>(&target))
        return platform::fromQString(p->toPlainText());
    if (auto *t = qobject_cast<QTextEdit *>(&target))
        return platform::fromQString(t->toPlainText());
    if (auto *l = qobject_cast<QLabel *>(&target))
        return platform::fromQString(l->text());
    if (auto *b = qobject_cast<QAbstractButton *>(&target))
        return platform::fromQString(b->text());
    if (auto *c = qobject_cast<QComboBox *>(&target))
        return platform::fromQString(c->currentText());
    if (auto *l = qobject_cast<QListWidget *>(&target))
        return l->currentItem() ? platform::fromQString(l->currentItem()->text()) : std::string();
    fail("'" + name + "' (" + target.metaObject()->className() + ") shows no text");
}

} // namespace


// --- the runtime --------------------------------------------------------------------------

int ScriptUi::msgBox(std::string_view text, int style, std::string_view title)
{
    if (!m_showNext)
        return ScriptedUi::msgBox(text, style, title);
    m_showNext = false;
    platform::QtUi screen;
    return screen.msgBox(text, style, title);
}

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

// --- the commands -------------------------------------------------------------------------

using Words = std::vector<std::string>;

/// The handlers of the commands, with what they share: the model, the runner's output and
/// the lookups of components, controls and windows by name.
class ScriptCommands
{
public:
    explicit ScriptCommands(ScriptRunner &runner)
        : r(runner)
        , ide(runner.m_ui.ide())
    {}

    // The project
    void open(const Words &w);
    void newProject(const Words &w);
    void save(const Words &w);
    void saveAs(const Words &w);
    // Windows
    void show(const Words &w);
    void close(const Words &w);
    void activate(const Words &w);
    void move(const Words &w);
    // Code
    void procedure(const Words &w);
    void view(const Words &w);
    void selectText(const Words &w);
    void caret(const Words &w);
    // Keys
    void keys(const Words &w);
    // Controls on the designer
    void select(const Words &w);
    void mouseAt(const Words &w);
    void dragControl(const Words &w);
    void tool(const Words &w);
    // Properties
    void property(const Words &w);
    // Any window's controls
    void click(const Words &w);
    void set(const Words &w);
    void selectItems(const Words &w);
    // Menus and add-ins
    void menu(const Words &w);
    void windowMenu(const Words &w);
    void connection(const Words &w);
    // Answers for dialogs
    void answer(const Words &w);
    // Looking
    void print(const Words &w);
    void echo(const Words &w);
    void screenshot(const Words &w);
    // Checks
    void expect(const Words &w);
    void fails(const Words &w);
    // Files and time
    void copy(const Words &w);
    void makeDirectory(const Words &w);
    void write(const Words &w);
    void wait(const Words &w);
    void quit(const Words &w);

    // The forms of print and expect.
    void printCode(const Words &w);
    void printProcedure(const Words &w);
    void printSelection(const Words &w);
    void printClipboard(const Words &w);
    void printWindows(const Words &w);
    void printProperties(const Words &w);
    void printControls(const Words &w);
    void printMenu(const Words &w);
    void printMessages(const Words &w);
    void printText(const Words &w);
    void expectWindow(const Words &w);
    void expectWindows(const Words &w);
    void expectGeometry(const Words &w);
    void expectMenu(const Words &w);
    void expectSame(const Words &w);
    void expectContains(const Words &w);
    void expectFile(const Words &w);
    void expectClipboard(const Words &w);
    void expectPicture(const Words &w);
    void expectCode(const Words &w);
    void expectProperty(const Words &w);
    void expectSelection(const Words &w);
    void expectMsgbox(const Words &w);
    void expectDialog(const Words &w);
    void expectDocument(const Words &w);
    void expectConnected(const Words &w);
    void expectText(const Words &w);

private:
    ComponentPtr component(const std::string &name) const;
    CodeWindow &activeCode() const;
    /// Opens (or brings forward) the designer of a form, as a person does before working on it.
    DesignerWindow &designerOf(const std::string &name) const;
    FormFile &formOf(const std::string &name) const;
    /// A control of a form by name; the form itself by "Form", or by its own name when no
    /// control has that name.
    ControlPtr control(FormFile &form, const std::string &word) const;
    /// Fails when a modal window is up and the target is not part of it: a person could not
    /// reach it either.
    void checkReachable(const QWidget &target, const std::string &name) const;
    std::size_t messageCount() const { return r.m_runtime.callsOf("msgbox").size(); }
    std::string lastMessage(std::size_t before, const char *otherwise) const
    {
        return messageCount() > before ? r.m_runtime.callsOf("msgbox").back().text
                                       : std::string(otherwise);
    }

    ScriptRunner &r;
    Ide &ide;
};

namespace {

struct CommandEntry
{
    ScriptSyntax syntax;
    void (ScriptCommands::*run)(const Words &);
};

// The commands, in the groups and order of docs/scripting.md. Counts are of the words after
// the command's name.
const std::vector<CommandEntry> &commandTable()
{
    using C = ScriptCommands;
    static const std::vector<CommandEntry> table = {
        {{"open", "The project", "PROJECT", 1, 1}, &C::open},
        {{"new", "The project", "", 0, 0}, &C::newProject},
        {{"save", "The project", "", 0, 0}, &C::save},
        {{"save-as", "The project", "PROJECTFILE", 1, 1}, &C::saveAs},
        {{"show", "Windows", "main|project|properties|toolbox | show code|form COMPONENT", 1, 2},
         &C::show},
        {{"close", "Windows", "WINDOW", 1, 1}, &C::close},
        {{"activate", "Windows", "CAPTION", 1, 1}, &C::activate},
        {{"move", "Windows", "WINDOW X Y [WIDTH HEIGHT]", 3, 5}, &C::move},
        {{"procedure", "Code", "COMPONENT NAME", 2, 2}, &C::procedure},
        {{"view", "Code", "procedure|module", 1, 1}, &C::view},
        {{"select-text", "Code", "TEXT [OCCURRENCE]", 1, 2}, &C::selectText},
        {{"caret", "Code", "LINE COLUMN", 2, 2}, &C::caret},
        {{"keys", "Keys", "SENDKEYS", 1, 1}, &C::keys},
        {{"type", "Keys", "TEXT", 1, 1}, &C::keys},
        {{"select", "Controls on the designer", "FORM [CONTROL...]", 1, -1}, &C::select},
        {{"click-at", "Controls on the designer", "WINDOW X Y [shift] [ctrl]", 3, 5},
         &C::mouseAt},
        {{"drag", "Controls on the designer", "WINDOW X1 Y1 X2 Y2 [shift] [ctrl]", 5, 7},
         &C::mouseAt},
        {{"drag-control", "Controls on the designer", "FORM CONTROL DX DY", 4, 4},
         &C::dragControl},
        {{"resize-control", "Controls on the designer", "FORM CONTROL HANDLE DX DY", 5, 5},
         &C::dragControl},
        {{"tool", "Controls on the designer", "CLASS|pointer", 1, 1}, &C::tool},
        {{"property", "Properties", "FORM CONTROL NAME VALUE", 4, 4}, &C::property},
        {{"click", "Any window's controls", "WINDOW/CONTROL [left|right|middle]", 1, 2},
         &C::click},
        {{"press", "Any window's controls", "WINDOW/CONTROL [left|right|middle]", 1, 2},
         &C::click},
        {{"release", "Any window's controls", "WINDOW/CONTROL [left|right|middle]", 1, 2},
         &C::click},
        {{"doubleclick", "Any window's controls", "WINDOW/CONTROL", 1, 1}, &C::click},
        {{"set", "Any window's controls", "WINDOW/CONTROL VALUE", 2, 2}, &C::set},
        {{"select-items", "Any window's controls", "WINDOW/CONTROL [ITEM...]", 1, -1},
         &C::selectItems},
        {{"menu", "Menus and add-ins", "MENU ITEM [ITEM...]", 2, -1}, &C::menu},
        {{"window-menu", "Menus and add-ins", "WINDOW MENU ITEM [ITEM...]", 3, -1},
         &C::windowMenu},
        {{"connect", "Menus and add-ins", "PROGID", 1, 1}, &C::connection},
        {{"disconnect", "Menus and add-ins", "PROGID", 1, 1}, &C::connection},
        {{"answer", "Answers for dialogs",
          "msgbox BUTTON|show | answer input TEXT | answer file PATH|cancel | answer color R G "
          "B|cancel | answer font NAME SIZE [bold] [italic]|cancel | answer printer NAME|cancel",
          2, 5},
         &C::answer},
        {{"print", "Looking", "WHAT ...", 1, -1}, &C::print},
        {{"echo", "Looking", "WORDS...", 0, -1}, &C::echo},
        {{"screenshot", "Looking", "FILE [WINDOW]", 1, 2}, &C::screenshot},
        {{"expect", "Checks", "CHECK ...", 2, -1}, &C::expect},
        {{"fails", "Checks", "COMMAND ...", 1, -1}, &C::fails},
        {{"copy", "Files and time", "FROM TO", 2, 2}, &C::copy},
        {{"mkdir", "Files and time", "DIRECTORY", 1, 1}, &C::makeDirectory},
        {{"write", "Files and time", "FILE TEXT", 2, 2}, &C::write},
        {{"wait", "Files and time", "MILLISECONDS", 1, 1}, &C::wait},
        {{"quit", "Files and time", "", 0, 0}, &C::quit},
    };
    return table;
}

// The forms of `print WHAT`; counts are of the words after WHAT.
const std::vector<CommandEntry> &printTable()
{
    using C = ScriptCommands;
    static const std::vector<CommandEntry> table = {
        {{"code", "print", "COMPONENT", 1, 1}, &C::printCode},
        {{"procedure", "print", "", 0, 0}, &C::printProcedure},
        {{"selection", "print", "", 0, 0}, &C::printSelection},
        {{"clipboard", "print", "", 0, 0}, &C::printClipboard},
        {{"windows", "print", "", 0, 0}, &C::printWindows},
        {{"properties", "print", "FORM CONTROL", 2, 2}, &C::printProperties},
        {{"controls", "print", "FORM", 1, 1}, &C::printControls},
        {{"menu", "print", "", 0, 0}, &C::printMenu},
        {{"messages", "print", "", 0, 0}, &C::printMessages},
        {{"text", "print", "WINDOW/CONTROL", 1, 1}, &C::printText},
    };
    return table;
}

// The forms of `expect CHECK`; counts are of the words after CHECK.
const std::vector<CommandEntry> &checkTable()
{
    using C = ScriptCommands;
    static const std::vector<CommandEntry> table = {
        {{"window", "expect", "CLASS CAPTION", 2, 2}, &C::expectWindow},
        {{"windows", "expect", "CLASS COUNT", 2, 2}, &C::expectWindows},
        {{"geometry", "expect", "CLASS|CAPTION LEFT TOP [WIDTH HEIGHT]", 3, 5},
         &C::expectGeometry},
        {{"menu", "expect", "MENU [SUBMENU...] \"ITEM|ITEM|...\"", 2, -1}, &C::expectMenu},
        {{"same", "expect", "FILE1 FILE2", 2, 2}, &C::expectSame},
        {{"differ", "expect", "FILE1 FILE2", 2, 2}, &C::expectSame},
        {{"contains", "expect", "FILE TEXT", 2, 2}, &C::expectContains},
        {{"lacks", "expect", "FILE TEXT", 2, 2}, &C::expectContains},
        {{"file", "expect", "PATH", 1, 1}, &C::expectFile},
        {{"clipboard", "expect", "TEXT", 1, 1}, &C::expectClipboard},
        {{"picture", "expect", "WIDTH HEIGHT", 2, 2}, &C::expectPicture},
        {{"code", "expect", "COMPONENT contains|lacks TEXT", 3, 3}, &C::expectCode},
        {{"property", "expect", "FORM CONTROL NAME VALUE", 4, 4}, &C::expectProperty},
        {{"selection", "expect", "FORM [CONTROL...]", 1, -1}, &C::expectSelection},
        {{"msgbox", "expect", "TEXT", 1, 1}, &C::expectMsgbox},
        {{"dialog", "expect", "color|font|printer TEXT", 2, 2}, &C::expectDialog},
        {{"document", "expect", "PATH", 1, 1}, &C::expectDocument},
        {{"connected", "expect", "PROGID", 1, 1}, &C::expectConnected},
        {{"disconnected", "expect", "PROGID", 1, 1}, &C::expectConnected},
        {{"text", "expect", "WINDOW/CONTROL TEXT", 2, 2}, &C::expectText},
    };
    return table;
}

std::vector<ScriptSyntax> syntaxOf(const std::vector<CommandEntry> &table)
{
    std::vector<ScriptSyntax> out;
    for (const CommandEntry &e : table)
        out.push_back(e.syntax);
    return out;
}

const CommandEntry *findEntry(const std::vector<CommandEntry> &table, std::string_view name)
{
    for (const CommandEntry &e : table) {
        if (equalsIgnoreCase(e.syntax.name, name))
            return &e;
    }
    return nullptr;
}

/// Runs the form of a command that the word after it names (print WHAT, expect CHECK).
void runForm(ScriptCommands &commands,
             const std::vector<CommandEntry> &table,
             const char *command,
             const Words &w)
{
    const CommandEntry *entry = w.size() > 1 ? findEntry(table, w[1]) : nullptr;
    if (!entry) {
        const std::string names = joinNames(syntaxOf(table));
        if (w.size() < 2)
            fail(std::string("usage: ") + command + " " + names + " ...");
        fail("'" + w[1] + "' is not " + names);
    }
    checkArgumentCount(entry->syntax, w.size() - 2, command);
    (commands.*entry->run)(w);
}

} // namespace

const std::vector<ScriptSyntax> &scriptCommands()
{
    static const std::vector<ScriptSyntax> table = syntaxOf(commandTable());
    return table;
}

const std::vector<ScriptSyntax> &scriptChecks()
{
    static const std::vector<ScriptSyntax> table = syntaxOf(checkTable());
    return table;
}

const std::vector<ScriptSyntax> &scriptPrints()
{
    static const std::vector<ScriptSyntax> table = syntaxOf(printTable());
    return table;
}

std::string scriptUsage()
{
    std::string out = listUsage(scriptCommands());
    out += "\nprint WHAT:\n";
    for (const ScriptSyntax &s : scriptPrints())
        out += "  " + usageOf(s, "print") + "\n";
    out += "\nexpect CHECK:\n";
    for (const ScriptSyntax &s : scriptChecks())
        out += "  " + usageOf(s, "expect") + "\n";
    return out;
}

// --- lookups shared by the commands ---

ComponentPtr ScriptCommands::component(const std::string &name) const
{
    if (!ide.project())
        fail("no project is open");
    if (ComponentPtr c = ide.project()->findComponent(name))
        return c;
    std::vector<std::string> names;
    for (const ComponentPtr &c : ide.project()->components())
        names.push_back(c->name());
    fail("no component '" + name + "'; the project has: " + listNames(names));
}

CodeWindow &ScriptCommands::activeCode() const
{
    CodeWindow *cw = ide.activeCodeWindow();
    if (!cw)
        fail("no code window is active");
    return *cw;
}

FormFile &ScriptCommands::formOf(const std::string &name) const
{
    ComponentPtr c = component(name);
    if (!c->form())
        fail("'" + name + "' is not a form");
    return *c->form();
}

DesignerWindow &ScriptCommands::designerOf(const std::string &name) const
{
    ComponentPtr c = component(name);
    if (!c->form())
        fail("'" + name + "' is not a form");
    DesignerWindow &d = ide.showDesigner(c);
    r.m_ui.sync();
    return d;
}

ControlPtr ScriptCommands::control(FormFile &form, const std::string &word) const
{
    auto [name, index] = controlName(word);
    if (ControlPtr c = form.findControl(name, index))
        return c;
    if (!index && (equalsIgnoreCase(name, form.name()) || equalsIgnoreCase(name, "Form")))
        return form.root();
    std::vector<std::string> names;
    for (const ControlPtr &c : form.controls())
        names.push_back(c->displayName());
    fail("no control '" + word + "' on " + form.name() +
         "; its controls are: " + listNames(names));
}

void ScriptCommands::checkReachable(const QWidget &target, const std::string &name) const
{
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal || modal == target.window() || modal->isAncestorOf(&target))
        return;
    fail("the modal window '" + windowName(*modal) + "' is open, so '" + name +
         "' cannot be reached");
}

// --- the project ---

void ScriptCommands::open(const Words &w)
{
    const std::size_t boxes = messageCount();
    if (!r.m_ui.openProject(w[1]) && messageCount() > boxes)
        fail("the project did not open: " + lastMessage(boxes, ""));
    r.settle();
}

void ScriptCommands::newProject(const Words &)
{
    ide.newProject();
    r.settle();
}

void ScriptCommands::save(const Words &)
{
    const std::size_t boxes = messageCount();
    if (!r.m_ui.saveProject())
        fail(lastMessage(boxes, "the project was not saved"));
    r.settle();
}

void ScriptCommands::saveAs(const Words &w)
{
    if (!ide.project())
        fail("no project is open");
    ide.saveProjectAs(w[1]);
    r.settle();
}

// --- windows ---

void ScriptCommands::show(const Words &w)
{
    const std::string what = platform::toLower(w[1]);
    if (w.size() == 3 && what == "code") {
        ide.showCode(component(w[2]));
        return r.settle();
    }
    if (w.size() == 3 && what == "form") {
        designerOf(w[2]);
        return r.settle();
    }
    platform::WindowHandle h = what == "main"         ? ide.mainWindow()
                               : what == "project"    ? ide.projectWindow()
                               : what == "properties" ? ide.propertiesWindow()
                               : what == "toolbox"    ? ide.toolboxWindow()
                                                      : 0;
    if (h == 0 || w.size() != 2)
        fail("'" + w[1] + "' is not main, project, properties, toolbox, code or form");
    platform::windowRegistry().showWindow(h, platform::sw::ShowNormal);
    platform::windowRegistry().activate(h);
    r.settle();
}

void ScriptCommands::close(const Words &w)
{
    QWidget &window = r.findWindow(w[1], true);
    window.close();
    r.settle();
}

void ScriptCommands::activate(const Words &w)
{
    platform::ui().activate(w[1]);
    r.settle();
}

void ScriptCommands::move(const Words &w)
{
    if (w.size() != 4 && w.size() != 6)
        fail("usage: move WINDOW X Y [WIDTH HEIGHT]");
    QWidget &window = r.findWindow(w[1]);
    const QRect g = window.geometry();
    const QRect to(toNumber(w[2]), toNumber(w[3]), w.size() == 6 ? toNumber(w[4]) : g.width(),
                   w.size() == 6 ? toNumber(w[5]) : g.height());
    // Through the window functions, as the add-in's arrangement moves windows.
    platform::WindowHandle h = 0;
    if (const platform::WindowBinding *b = platform::WindowBinding::of(window))
        h = b->handle();
    if (h)
        platform::SetWindowPos(h, 0, to.x(), to.y(), to.width(), to.height(),
                               platform::swpflag::NoZOrder | platform::swpflag::NoActivate);
    else
        window.setGeometry(to);
    r.settle();
}

// --- code ---

void ScriptCommands::procedure(const Words &w)
{
    CodeWindow &cw = ide.showCode(component(w[1]));
    if (equalsIgnoreCase(w[2], "(declarations)")) {
        cw.pane->setProcedureView(true);
        cw.pane->showDeclarations();
    } else if (!cw.pane->showProcedure(w[2])) {
        r.settle();
        fail("no procedure '" + w[2] + "'; the code has: " + listNames(cw.pane->procedureNames()));
    }
    r.settle();
}

void ScriptCommands::view(const Words &w)
{
    const bool module = equalsIgnoreCase(w[1], "module");
    if (!module && !equalsIgnoreCase(w[1], "procedure"))
        fail("'" + w[1] + "' is not procedure or module");
    QAction *full =
        r.m_ui.mainWindow().findChild<QAction *>(QStringLiteral("mnuFullModuleView"));
    full->setChecked(module);
    r.settle();
}

void ScriptCommands::selectText(const Words &w)
{
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
    r.settle();
}

void ScriptCommands::caret(const Words &w)
{
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
    r.settle();
}

// --- keys ---

void ScriptCommands::keys(const Words &w)
{
    const std::string keys =
        equalsIgnoreCase(w[0], "type") ? platform::escapeSendKeys(w[1]) : w[1];
    try {
        platform::ui().sendKeys(keys, true);
    } catch (const platform::VbError &e) {
        fail("the keys '" + w[1] + "' cannot be sent: " + e.description);
    }
    r.settle();
}

// --- controls on the designer ---

void ScriptCommands::select(const Words &w)
{
    DesignerWindow &d = designerOf(w[1]);
    std::vector<ControlPtr> chosen;
    for (std::size_t i = 2; i < w.size(); ++i) {
        ControlPtr c = control(d.designer->form(), w[i]);
        if (!c->isForm())
            chosen.push_back(c);
    }
    d.designer->select(chosen);
    platform::windowRegistry().activate(d.window);
    r.settle();
}

void ScriptCommands::mouseAt(const Words &w)
{
    const bool drag = equalsIgnoreCase(w[0], "drag");
    // Only a window on screen takes the mouse: a designer that is not open cannot be drawn on.
    QWidget &target = r.findWindow(w[1], true);
    checkReachable(target, w[1]);
    const QPoint from(toNumber(w[2]), toNumber(w[3]));
    if (drag)
        mouseDrag(target, from, QPoint(toNumber(w[4]), toNumber(w[5])), modifiersOf(w, 6));
    else
        mouseClick(target, from, modifiersOf(w, 4));
    r.settle();
}

void ScriptCommands::dragControl(const Words &w)
{
    const bool resize = equalsIgnoreCase(w[0], "resize-control");
    DesignerWindow &d = designerOf(w[1]);
    DesignerView *view = r.m_ui.designerView(*d.designer->component());
    ControlPtr c = control(d.designer->form(), w[2]);
    const QRect rect = view->controlRect(*c);
    if (rect.isEmpty())
        fail("'" + w[2] + "' is not drawn on the form");
    const QPoint delta(toNumber(w[resize ? 4 : 3]), toNumber(w[resize ? 5 : 4]));
    if (!resize) {
        // Pressed on a spot of the control that no child covers.
        QPoint at = rect.topLeft() + QPoint(2, 2);
        if (view->controlAt(at) != c)
            at = rect.center();
        mouseDrag(*view, at, at + delta);
        return r.settle();
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
    r.settle();
    const QPoint at = handleRects(rect)[static_cast<std::size_t>(handle)].center();
    mouseDrag(*view, at, at + delta);
    r.settle();
}

void ScriptCommands::tool(const Words &w)
{
    r.m_ui.setCurrentTool(equalsIgnoreCase(w[1], "pointer") ? std::string() : w[1]);
    r.settle();
}

// --- properties ---

void ScriptCommands::property(const Words &w)
{
    DesignerWindow &d = designerOf(w[1]);
    ControlPtr c = control(d.designer->form(), w[2]);
    if (c->isForm())
        d.designer->clearSelection();
    else
        d.designer->select({c});
    platform::windowRegistry().activate(d.window);
    r.settle();
    const std::size_t boxes = messageCount();
    if (!r.m_ui.propertiesWindow().editProperty(w[3], w[4]))
        fail(w[3] + " cannot be set to '" + w[4] + "': " + lastMessage(boxes, "it was refused"));
    r.settle();
}

// --- any window's controls ---

void ScriptCommands::click(const Words &w)
{
    const std::string command = platform::toLower(w[0]);
    QWidget &target = r.findTarget(w[1]);
    if (!target.isEnabled())
        fail("'" + w[1] + "' is disabled");
    // A control of a closed or hidden window cannot be reached; one on a tab page that is
    // not in front can (the script need not turn the page first).
    if (!target.window()->isVisible())
        fail("the window of '" + w[1] + "' is not shown");
    checkReachable(target, w[1]);
    const QPoint centre = target.rect().center();
    Qt::MouseButton button = Qt::LeftButton;
    if (w.size() == 3) {
        const std::string which = platform::toLower(w[2]);
        button = which == "left"     ? Qt::LeftButton
                 : which == "right"  ? Qt::RightButton
                 : which == "middle" ? Qt::MiddleButton
                                     : Qt::NoButton;
        if (button == Qt::NoButton)
            fail("'" + w[2] + "' is not left, right or middle");
    }
    // A left press moves the keyboard focus into a control that takes it, as a mouse does
    // (the window it is on becomes the active one).
    if (command != "release" && button == Qt::LeftButton &&
        (target.focusPolicy() & Qt::ClickFocus) == Qt::ClickFocus) {
        target.window()->activateWindow();
        target.setFocus(Qt::MouseFocusReason);
    }
    if (w.size() == 3) {
        if (command != "release")
            sendButton(target, QEvent::MouseButtonPress, centre, button);
        if (command != "press")
            sendButton(target, QEvent::MouseButtonRelease, centre, button);
        return r.settle();
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
    r.settle();
}

void ScriptCommands::set(const Words &w)
{
    QWidget &target = r.findTarget(w[1]);
    checkReachable(target, w[1]);
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
            fail("'" + w[2] + "' is not in the list; it has: " + listNames(items));
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
            if (plainCaption(tab->tabText(i)).compare(plainCaption(value), Qt::CaseInsensitive) ==
                0)
                found = i;
        }
        if (found < 0)
            fail("no tab '" + w[2] + "'");
        tab->setCurrentIndex(found);
    } else {
        fail("'" + w[1] + "' (" + target.metaObject()->className() + ") has no value to set");
    }
    r.settle();
}

void ScriptCommands::selectItems(const Words &w)
{
    QWidget &target = r.findTarget(w[1]);
    checkReachable(target, w[1]);
    auto *list = qobject_cast<QListWidget *>(&target);
    if (!list)
        fail("'" + w[1] + "' (" + target.metaObject()->className() + ") is not a list");
    const QAbstractItemView::SelectionMode mode = list->selectionMode();
    if (mode == QAbstractItemView::NoSelection)
        fail("'" + w[1] + "' takes no selection");
    if (w.size() > 3 && mode == QAbstractItemView::SingleSelection)
        fail("'" + w[1] + "' takes one item at a time");
    // Every item is found before the selection changes.
    std::vector<QListWidgetItem *> chosen;
    for (std::size_t i = 2; i < w.size(); ++i) {
        QList<QListWidgetItem *> found =
            list->findItems(platform::toQString(w[i]), Qt::MatchFixedString);
        if (found.isEmpty()) {
            std::vector<std::string> items;
            for (int row = 0; row < list->count(); ++row)
                items.push_back(platform::fromQString(list->item(row)->text()));
            fail("'" + w[i] + "' is not in the list; it has: " + listNames(items));
        }
        chosen.push_back(found.front());
    }
    list->clearSelection();
    for (QListWidgetItem *item : chosen) {
        list->setCurrentItem(item, QItemSelectionModel::NoUpdate);
        item->setSelected(true);
    }
    r.settle();
}

// --- menus and add-ins ---

void ScriptCommands::menu(const Words &w)
{
    MainWindow &main = r.m_ui.mainWindow();
    checkReachable(main, "the menu");
    QStringList path;
    for (std::size_t i = 1; i < w.size(); ++i)
        path << platform::toQString(w[i]);
    QAction *action = main.findAction(path);
    if (!action) {
        // Say what the last menu that exists holds.
        QStringList prefix;
        QList<QAction *> level = main.menuBar()->actions();
        for (const QString &part : path) {
            QAction *a = main.findAction(prefix + QStringList(part));
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
             "'; the menu has: " + listNames(items));
    }
    if (!action->isEnabled())
        fail("the menu item '" + w.back() + "' is disabled");
    action->trigger();
    r.settle();
}

void ScriptCommands::windowMenu(const Words &w)
{
    QWidget &window = r.findWindow(w[1], true);
    checkReachable(window, w[1]);
    QMenuBar *bar = window.findChild<QMenuBar *>();
    if (!bar)
        fail("the window '" + w[1] + "' has no menus");
    QList<QAction *> level = bar->actions();
    QAction *found = nullptr;
    for (std::size_t i = 2; i < w.size(); ++i) {
        const QString wanted = plainCaption(platform::toQString(w[i]));
        found = nullptr;
        for (QAction *a : level) {
            if (!a->isSeparator() &&
                plainCaption(a->text()).compare(wanted, Qt::CaseInsensitive) == 0) {
                found = a;
                break;
            }
        }
        if (!found || (i + 1 < w.size() && !found->menu())) {
            std::vector<std::string> items;
            for (QAction *a : level) {
                if (!a->isSeparator())
                    items.push_back(platform::fromQString(plainCaption(a->text())));
            }
            fail("no menu item '" + w[i] + "' in the menu of '" + w[1] +
                 "'; that menu has: " + listNames(items));
        }
        if (i + 1 < w.size()) {
            // A menu may fill itself as it opens.
            emit found->menu()->aboutToShow();
            level = found->menu()->actions();
        }
    }
    if (found->menu())
        fail("'" + w.back() + "' opens a menu; name one of its items");
    if (!found->isEnabled())
        fail("the menu item '" + w.back() + "' is disabled");
    found->trigger();
    r.settle();
}

void ScriptCommands::connection(const Words &w)
{
    if (equalsIgnoreCase(w[0], "connect")) {
        if (!r.m_ui.addIns().connect(w[1]))
            fail("the add-in '" + w[1] + "' did not connect");
    } else {
        if (!r.m_ui.addIns().isConnected(w[1]))
            fail("the add-in '" + w[1] + "' is not connected");
        r.m_ui.addIns().disconnect(w[1]);
    }
    r.settle();
}

// --- answers for dialogs ---

void ScriptCommands::answer(const Words &w)
{
    const std::string kind = platform::toLower(w[1]);
    if (kind != "msgbox" && kind != "input" && kind != "file" && kind != "color" &&
        kind != "font" && kind != "printer")
        fail("'" + w[1] + "' is not msgbox, input, file, color, font or printer");
    const bool cancel = equalsIgnoreCase(w[2], "cancel");
    // How many words follow the kind depends on the kind.
    auto words = [&](std::size_t least, std::size_t most) {
        if (w.size() - 2 < least || w.size() - 2 > most)
            fail("usage: " + usageOf(findEntry(commandTable(), "answer")->syntax));
    };
    if (kind != "color" && kind != "font" && kind != "printer")
        words(1, 1);
    if (kind == "msgbox" && equalsIgnoreCase(w[2], "show")) {
        r.m_runtime.showNextMsgBox();
    } else if (kind == "msgbox") {
        r.m_runtime.queueMsgBoxAnswer(buttonValue(w[2]));
    } else if (kind == "input") {
        r.m_runtime.queueInputBoxAnswer(w[2]);
    } else if (kind == "file") {
        r.m_runtime.queueFileAnswer(cancel ? std::nullopt : std::optional<std::string>(w[2]));
    } else if (cancel) {
        words(1, 1);
        const platform::CommonDialogKind dialog = kind == "color" ? platform::CommonDialogKind::Color
                                                  : kind == "font"
                                                      ? platform::CommonDialogKind::Font
                                                      : platform::CommonDialogKind::Printer;
        r.m_runtime.queueDialogChoice(dialog, std::nullopt);
    } else if (kind == "color") {
        words(3, 3);
        platform::DialogChoice choice;
        for (std::size_t i = 0; i < 3; ++i) {
            const int part = toNumber(w[2 + i]);
            if (part < 0 || part > 255)
                fail("'" + w[2 + i] + "' is not a colour part from 0 to 255");
            choice.color |= static_cast<std::uint32_t>(part) << (8 * i);
        }
        r.m_runtime.queueDialogChoice(platform::CommonDialogKind::Color, choice);
    } else if (kind == "font") {
        words(2, 4);
        platform::DialogChoice choice;
        choice.fontName = w[2];
        try {
            std::size_t used = 0;
            choice.fontSize = std::stod(w[3], &used);
            if (used != w[3].size() || !(choice.fontSize > 0))
                throw std::invalid_argument(w[3]);
        } catch (const std::exception &) {
            fail("'" + w[3] + "' is not a font size");
        }
        for (std::size_t i = 4; i < w.size(); ++i) {
            if (equalsIgnoreCase(w[i], "bold"))
                choice.fontBold = true;
            else if (equalsIgnoreCase(w[i], "italic"))
                choice.fontItalic = true;
            else
                fail("'" + w[i] + "' is not bold or italic");
        }
        r.m_runtime.queueDialogChoice(platform::CommonDialogKind::Font, choice);
    } else {
        words(1, 1);
        platform::DialogChoice choice;
        choice.printerName = w[2];
        r.m_runtime.queueDialogChoice(platform::CommonDialogKind::Printer, choice);
    }
}

// --- looking ---

void ScriptCommands::print(const Words &w)
{
    runForm(*this, printTable(), "print", w);
    r.m_out.flush();
}

void ScriptCommands::printCode(const Words &w)
{
    ComponentPtr c = component(w[2]);
    CodeWindow *cw = ide.codeWindowOf(*c);
    std::string code = cw ? cw->buffer : c->code();
    r.m_out << unixLines(code);
    if (!code.empty() && code.back() != '\n')
        r.m_out << "\n";
}

void ScriptCommands::printProcedure(const Words &)
{
    r.m_out << unixLines(activeCode().pane->shownText()) << "\n";
}

void ScriptCommands::printSelection(const Words &)
{
    if (CodeWindow *cw = ide.activeCodeWindow()) {
        r.m_out << oneLine(cw->pane->selectedText()) << "\n";
    } else if (DesignerWindow *d = ide.activeDesigner()) {
        std::vector<std::string> names;
        for (const ControlPtr &c : d->designer->selection())
            names.push_back(c->displayName());
        r.m_out << listNames(names) << "\n";
    } else {
        fail("neither a code window nor a designer is active");
    }
}

void ScriptCommands::printClipboard(const Words &)
{
    r.m_out << oneLine(platform::ui().clipboardText()) << "\n";
}

void ScriptCommands::printWindows(const Words &)
{
    const platform::WindowRegistry &reg = platform::windowRegistry();
    for (platform::WindowHandle h : reg.zOrder()) {
        const platform::WindowInfo *info = reg.find(h);
        r.m_out << info->className << " \"" << info->caption << "\" "
                << (info->visible ? "visible" : "hidden")
                << (reg.activeWindow() == h ? " active" : "") << "\n";
    }
}

void ScriptCommands::printProperties(const Words &w)
{
    // Read from the form as it stands: looking opens no window and activates none.
    ControlPtr c = control(formOf(w[2]), w[3]);
    for (const std::string &name : propertyRows(*c)) {
        std::string value;
        try {
            value = displayValue(*c, name);
        } catch (const std::exception &) {
            continue; // Index of a control outside an array, and the like
        }
        r.m_out << name << " = " << oneLine(value) << "\n";
    }
}

void ScriptCommands::printControls(const Words &w)
{
    // The places are the designer's: it is opened when it is not, and the window that was
    // active stays so.
    const platform::WindowHandle active = platform::windowRegistry().activeWindow();
    DesignerWindow &d = designerOf(w[2]);
    DesignerView *view = r.m_ui.designerView(*d.designer->component());
    if (active && active != d.window && platform::windowRegistry().contains(active)) {
        platform::windowRegistry().activate(active);
        r.m_ui.sync();
    }
    for (const ControlPtr &c : d.designer->form().controls()) {
        r.m_out << c->displayName() << " " << c->className();
        if (view && !c->isMenu()) {
            const QRect rect = view->controlRect(*c);
            r.m_out << " at " << rect.x() << "," << rect.y() << " " << rect.width() << "x"
                    << rect.height();
        }
        r.m_out << "\n";
    }
}

void ScriptCommands::printMenu(const Words &)
{
    r.m_ui.mainWindow().rebuildAddInsMenu();
    std::function<void(QMenu *, int)> list = [&](QMenu *menu, int depth) {
        for (QAction *a : menu->actions()) {
            if (a->isSeparator())
                continue;
            r.m_out << std::string(static_cast<std::size_t>(depth) * 2, ' ')
                    << platform::fromQString(a->text().section(QLatin1Char('\t'), 0, 0))
                    << (a->isCheckable() ? (a->isChecked() ? " [x]" : " [ ]") : "") << "\n";
            if (a->menu())
                list(a->menu(), depth + 1);
        }
    };
    list(r.m_ui.mainWindow().addInsMenu(), 0);
}

void ScriptCommands::printMessages(const Words &)
{
    for (const platform::UiCall &box : r.m_runtime.callsOf("msgbox"))
        r.m_out << "[" << box.title << "] " << oneLine(box.text) << "\n";
}

void ScriptCommands::printText(const Words &w)
{
    const std::string text = unixLines(controlText(r.findTarget(w[2]), w[2]));
    r.m_out << text;
    if (text.empty() || text.back() != '\n')
        r.m_out << "\n";
}

void ScriptCommands::echo(const Words &w)
{
    for (std::size_t i = 1; i < w.size(); ++i)
        r.m_out << (i > 1 ? " " : "") << w[i];
    r.m_out << "\n";
}

void ScriptCommands::screenshot(const Words &w)
{
    r.settle();
    saveScreenshot(w[1], w.size() == 3 ? &r.findWindow(w[2], true) : nullptr);
}

// --- checks ---

void ScriptCommands::expect(const Words &w)
{
    runForm(*this, checkTable(), "expect", w);
}

void ScriptCommands::expectWindow(const Words &w)
{
    const platform::WindowRegistry &reg = platform::windowRegistry();
    std::vector<std::string> seen;
    for (platform::WindowHandle h : reg.zOrder()) {
        const platform::WindowInfo *info = reg.find(h);
        if (info->className == w[2] && info->caption == w[3] && info->visible)
            return;
        if (info->className == w[2])
            seen.push_back("\"" + info->caption + "\"" + (info->visible ? "" : " (hidden)"));
    }
    fail("no visible " + w[2] + " window \"" + w[3] + "\"; the " + w[2] +
         " windows are: " + listNames(seen));
}

void ScriptCommands::expectWindows(const Words &w)
{
    const platform::WindowRegistry &reg = platform::windowRegistry();
    int count = 0;
    for (platform::WindowHandle h : reg.zOrder())
        count += reg.find(h)->className == w[2] && reg.find(h)->visible;
    if (count != toNumber(w[3]))
        fail(std::to_string(count) + " visible " + w[2] + " windows, not " + w[3]);
}

void ScriptCommands::expectGeometry(const Words &w)
{
    if (w.size() == 6)
        fail("usage: expect geometry CLASS|CAPTION LEFT TOP [WIDTH HEIGHT]");
    const platform::WindowRegistry &reg = platform::windowRegistry();
    // The first visible window in Z order with that class name or caption, in pixels.
    for (platform::WindowHandle h : reg.zOrder()) {
        const platform::WindowInfo *info = reg.find(h);
        if (!info->visible || (info->className != w[2] && info->caption != w[2]))
            continue;
        const std::string position = std::to_string(info->left) + " " + std::to_string(info->top);
        const std::string size =
            std::to_string(info->width) + " " + std::to_string(info->height);
        const bool withSize = w.size() == 7;
        const std::string wanted = w[3] + " " + w[4] + (withSize ? " " + w[5] + " " + w[6] : "");
        if ((withSize ? position + " " + size : position) != wanted)
            fail("the " + w[2] + " window is at " + position + " sized " + size + ", not " +
                 wanted);
        return;
    }
    fail("no visible window '" + w[2] + "'");
}

void ScriptCommands::expectMenu(const Words &w)
{
    // expect menu MENU [SUBMENU...] "FIRST|SECOND|...": the items of a menu, in order.
    QStringList path;
    for (std::size_t i = 2; i + 1 < w.size(); ++i)
        path << platform::toQString(w[i]);
    r.m_ui.mainWindow().rebuildAddInsMenu();
    QAction *menu = r.m_ui.mainWindow().findAction(path);
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
}

void ScriptCommands::expectSame(const Words &w)
{
    const bool same = equalsIgnoreCase(w[1], "same");
    const std::string a = platform::readFile(w[2]);
    const std::string b = platform::readFile(w[3]);
    if ((a == b) == same)
        return;
    if (!same)
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

void ScriptCommands::expectContains(const Words &w)
{
    const bool wanted = equalsIgnoreCase(w[1], "contains");
    const bool has = platform::readFile(w[2]).find(w[3]) != std::string::npos;
    if (has != wanted)
        fail(w[2] + (has ? " holds '" : " does not hold '") + oneLine(w[3]) + "'");
}

void ScriptCommands::expectFile(const Words &w)
{
    if (!platform::fileExists(w[2]))
        fail(w[2] + " does not exist");
}

void ScriptCommands::expectClipboard(const Words &w)
{
    const std::string text = platform::ui().clipboardText();
    if (text != w[2])
        fail("the clipboard holds '" + oneLine(text) + "'");
}

void ScriptCommands::expectPicture(const Words &w)
{
    const QImage picture = QGuiApplication::clipboard()->image();
    if (picture.isNull())
        fail("the clipboard holds no picture");
    const std::string size = std::to_string(picture.width()) + " " + std::to_string(picture.height());
    if (size != w[2] + " " + w[3])
        fail("the clipboard's picture is " + size);
}

void ScriptCommands::expectCode(const Words &w)
{
    ComponentPtr c = component(w[2]);
    const bool contains = equalsIgnoreCase(w[3], "contains");
    if (!contains && !equalsIgnoreCase(w[3], "lacks"))
        fail("'" + w[3] + "' is not contains or lacks");
    CodeWindow *cw = ide.codeWindowOf(*c);
    const std::string code = cw ? cw->buffer : c->code();
    const bool has = code.find(w[4]) != std::string::npos;
    if (has != contains)
        fail("the code of " + w[2] + (has ? " holds '" : " does not hold '") + oneLine(w[4]) +
             "'");
}

void ScriptCommands::expectProperty(const Words &w)
{
    ControlPtr c = control(formOf(w[2]), w[3]);
    const std::string shown = displayValue(*c, w[4]);
    if (shown != w[5])
        fail(w[3] + "." + w[4] + " is '" + oneLine(shown) + "'");
}

void ScriptCommands::expectSelection(const Words &w)
{
    DesignerWindow &d = designerOf(w[2]);
    std::vector<std::string> names;
    for (const ControlPtr &c : d.designer->selection())
        names.push_back(c->displayName());
    if (names != std::vector<std::string>(w.begin() + 3, w.end()))
        fail("the selection is " + listNames(names));
}

void ScriptCommands::expectMsgbox(const Words &w)
{
    for (const platform::UiCall &box : r.m_runtime.callsOf("msgbox")) {
        if (box.text.find(w[2]) != std::string::npos || box.title == w[2])
            return;
    }
    fail("no message box said '" + oneLine(w[2]) + "'");
}

void ScriptCommands::expectDialog(const Words &w)
{
    const std::string kind = platform::toLower(w[2]);
    if (kind != "color" && kind != "font" && kind != "printer")
        fail("'" + w[2] + "' is not color, font or printer");
    std::vector<std::string> answers;
    for (const platform::UiCall &call : r.m_runtime.callsOf(kind)) {
        if (equalsIgnoreCase(call.answer, w[3]))
            return;
        answers.push_back(call.answer);
    }
    fail("no " + kind + " dialog was answered '" + w[3] + "'; the answers: " +
         listNames(answers));
}

void ScriptCommands::expectDocument(const Words &w)
{
    // The same file however its path is spelt: either slash, a letter case the disk does not
    // have, "." and ".." parts.
    const auto wanted = platform::resolvePath(w[2]).lexically_normal();
    std::vector<std::string> opened;
    for (const platform::UiCall &call : r.m_runtime.callsOf("document")) {
        if (platform::resolvePath(call.text).lexically_normal() == wanted)
            return;
        opened.push_back(call.text);
    }
    fail("no document " + w[2] + " was opened; the documents opened: " + listNames(opened));
}

void ScriptCommands::expectConnected(const Words &w)
{
    const bool wanted = equalsIgnoreCase(w[1], "connected");
    if (r.m_ui.addIns().isConnected(w[2]) != wanted)
        fail("the add-in '" + w[2] + "' is " + (wanted ? "not " : "") + "connected");
}

void ScriptCommands::expectText(const Words &w)
{
    const std::string text = controlText(r.findTarget(w[2]), w[2]);
    if (text.find(w[3]) == std::string::npos)
        fail("'" + w[2] + "' shows '" + oneLine(text) + "'");
}

void ScriptCommands::fails(const Words &w)
{
    // The rest of the line is a command that must fail; its failure is printed.
    try {
        r.runCommand(Words(w.begin() + 1, w.end()));
    } catch (const std::exception &e) {
        r.m_out << "failed as expected: " << w[1] << ": " << describeFailure(e) << "\n";
        return r.settle();
    }
    fail("'" + w[1] + "' did not fail");
}

// --- files and time ---

void ScriptCommands::copy(const Words &w)
{
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
}

void ScriptCommands::makeDirectory(const Words &w)
{
    if (!QDir().mkpath(QString::fromStdString(platform::resolvePath(w[1]).string())))
        fail("cannot make " + w[1]);
}

void ScriptCommands::write(const Words &w)
{
    platform::writeFile(w[1], w[2]);
}

void ScriptCommands::wait(const Words &w)
{
    QElapsedTimer t;
    t.start();
    const int milliseconds = toNumber(w[1]);
    while (t.elapsed() < milliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    r.settle();
}

void ScriptCommands::quit(const Words &)
{
    r.m_ui.prepareClose(false);
    r.m_quit = true;
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
    if (m_ui.hasEnded())
        return;
    m_ui.sync();
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    // On a real display the window manager hands the focus over in its own time, and may hand
    // it to another window first: the next command waits (a little, never long) until the
    // window the host made active has it and keeps it, so that keys go where a person's would.
    platform::WindowRegistry &registry = platform::windowRegistry();
    const platform::WindowHandle active = registry.activeWindow();
    auto widgetOfActive = [&]() -> QWidget * {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (w->isVisible() && handleOf(*w) == active)
                return w;
        }
        return nullptr;
    };
    if (!widgetOfActive() || QApplication::activeModalWidget())
        return;
    QElapsedTimer t;
    t.start();
    int steady = 0;
    while (steady < 3 && t.elapsed() < 600) {
        if (registry.contains(active) && registry.activeWindow() != active)
            registry.activate(active);
        QWidget *wanted = widgetOfActive();
        if (!wanted)
            break;
        if (QApplication::activeWindow() == wanted) {
            ++steady;
        } else {
            steady = 0;
            wanted->activateWindow();
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    m_ui.sync();
}

void ScriptRunner::runCommand(const std::vector<std::string> &words)
{
    if (words.empty())
        return;
    if (m_ui.hasEnded())
        fail("the host has ended");
    const CommandEntry *entry = findEntry(commandTable(), words[0]);
    if (!entry)
        fail("unknown command '" + words[0] + "'; the commands are: " +
             joinNames(scriptCommands()));
    checkArgumentCount(entry->syntax, words.size() - 1);
    ScriptCommands commands(*this);
    (commands.*entry->run)(words);
}

int ScriptRunner::run(const std::vector<ScriptLine> &lines,
                      std::string_view scriptName,
                      std::ostream &err)
{
    m_lines = &lines;
    m_next = 0;
    m_failure.reset();
    runLines(nullptr);
    m_lines = nullptr;
    if (!m_failure)
        return 0;
    err << scriptName << ":" << m_failure->line << ": " << m_failure->command << ": "
        << m_failure->message << "\n";
    return 1;
}

void ScriptRunner::runLines(QWidget *modal)
{
    // Inside a modal window the lines run until it closes; its own loop then returns to the
    // command that opened it.
    QPointer<QWidget> inside(modal);
    auto stillUp = [&] { return inside && inside->isVisible(); };
    while (!m_failure && !m_quit && m_next < m_lines->size()) {
        if (modal && !stillUp())
            return;
        runLine((*m_lines)[m_next++]);
    }
    if (!modal || !stillUp())
        return;
    if (!m_failure && !m_quit) {
        // The script has ended with the window up: give it a moment to close by itself, never
        // longer.
        QElapsedTimer t;
        t.start();
        while (stillUp() && t.elapsed() < m_modalWait)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        if (stillUp()) {
            const ScriptLine &last = m_lines->back();
            m_failure = Failure{last.number, last.words.front(),
                                "the modal window '" + windowName(*inside) +
                                    "' is still waiting at the end of the script"};
        }
    }
    if (stillUp())
        inside->close();
}

void ScriptRunner::runLine(const ScriptLine &line)
{
    // A command that opens a modal window runs its loop: a timer that fires inside that loop
    // goes on with the script there.
    QThread *thread = QThread::currentThread();
    const int level = thread->loopLevel();
    QPointer<QWidget> before = QApplication::activeModalWidget();
    QTimer watch;
    watch.setInterval(5);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || modal == before || thread->loopLevel() <= level || !modal->isVisible())
            return;
        watch.stop();
        settle();
        runLines(modal);
    });
    watch.start();
    try {
        std::vector<std::string> words;
        for (const std::string &w : line.words)
            words.push_back(expandVariables(w, m_variables));
        runCommand(words);
        if (!m_quit && !m_failure)
            checkHostEnded();
    } catch (const std::exception &e) {
        if (!m_failure)
            m_failure = Failure{line.number, line.words.front(), describeFailure(e)};
    }
}

void ScriptRunner::checkHostEnded()
{
    if (!m_ui.hasEnded())
        return;
    // The host was closed as a person closes it: every window must be gone with it.
    std::vector<std::string> left;
    for (QWidget *w : scriptWindows()) {
        if (w->isVisible())
            left.push_back(windowName(*w));
    }
    if (!left.empty())
        fail("the host ended but these windows are still shown: " + listNames(left));
    m_out << "vbhost ended; no window is open\n";
    m_out.flush();
    m_quit = true;
}

QWidget &ScriptRunner::findWindow(const std::string &name, bool visibleOnly) const
{
    const QList<QWidget *> windows = scriptWindows();
    const QString wanted = platform::toQString(name);
    // A visible window first: a window closed a moment ago may still wait to be deleted under
    // the same name as the one that replaced it.
    for (bool visible : {true, false}) {
        if (!visible && visibleOnly)
            break;
        for (QWidget *w : windows) {
            if ((!visible || w->isVisible()) &&
                w->objectName().compare(wanted, Qt::CaseInsensitive) == 0)
                return *w;
        }
        for (QWidget *w : windows) {
            if ((!visible || w->isVisible()) &&
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
    fail("no window '" + name + "'; the windows are: " + listNames(names));
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
         "'; its controls are: " + listNames(names));
}

// --- screenshots --------------------------------------------------------------------------

void saveScreenshot(const std::string &path, QWidget *only)
{
    const QString file = QString::fromStdString(platform::resolvePath(path).string());
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        // A real display: the screen as it is, with the window manager's frames; one window is
        // cut out of it, frame and all.
        QScreen *screen = QGuiApplication::primaryScreen();
        QPixmap shot;
        if (screen) {
            shot = screen->grabWindow(0);
            if (only)
                shot = shot.copy(only->frameGeometry());
        }
        if (shot.isNull() || !shot.save(file, "PNG"))
            fail("cannot write the screenshot " + path);
        return;
    }
    constexpr int kTitle = 20;
    struct Shot
    {
        QWidget *widget;
        bool active;
    };
    std::vector<Shot> shots;
    const platform::WindowRegistry &registry = platform::windowRegistry();
    if (only) {
        shots.push_back({only, true});
    } else {
        const std::vector<platform::WindowHandle> &order = registry.zOrder();
        for (auto it = order.rbegin(); it != order.rend(); ++it) {
            for (QWidget *w : QApplication::topLevelWidgets()) {
                if (w->isVisible() && handleOf(*w) == *it)
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
    if (!image.save(file, "PNG"))
        fail("cannot write the screenshot " + path);
}

} // namespace qm::ide
