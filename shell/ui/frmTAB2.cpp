// The palette's buttons and what each does.
#include "shell/ui/frmTAB2.h"

#include "codetext/ExtraClipboards.h"
#include "codetext/PaletteGlue.h"
#include "common/ErrorReports.h"
#include "common/HostRoundTrip.h"
#include "common/HostWindows.h"
#include "common/ProgramState.h"
#include "common/Settings.h"
#include "common/TextHelpers.h"
#include "common/WindowNames.h"
#include "platform/Runtime.h"
#include "platform/SendKeys.h"
#include "platform/UiRuntime.h"
#include "platform/qt/Forms.h"
#include "platform/qt/QtText.h"
#include "platform/qt/WindowBinding.h"
#include "shell/Connector.h"
#include "shell/ShellWindows.h"
#include "shell/ui/PaletteButton.h"
#include "shell/ui/frmTT.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QMouseEvent>

namespace qm::shell {
using common::programState;
using common::settings;

namespace {

struct ButtonSpec
{
    const char *name;
    int tipNumber;
};

constexpr ButtonSpec kButtons[15] = {
    {"tbComment", 1},        {"tbUncomment", 2},      {"tbIndent", 3},       {"tbprint", 4},
    {"tbConcatenate", 5},    {"tbCloseWindows", 6},   {"tbTileVertical", 7}, {"tbLastPosition", 8},
    {"tbFindDefinition", 9}, {"tbFindModifiers", 10}, {"tbDebugWindow", 11}, {"tbToolbox", 12},
    {"tbSeTabOrder", 13},    {"tbPrintOrient", 14},   {"tbMinimize", 15},
};

constexpr int kButtonHeight = 22; // pixels

// Sends keys to the host as the keystroke buttons do. A keystroke text that is not valid
// notation (a settings file typed wrong) is reported under the button's handler; any other
// failure (no host window) ends the button silently.
bool sendToHost(const std::string &keys, const char *handler)
{
    return common::HostRoundTrip(handler).quietFailures().sendKeys(keys);
}

} // namespace

frmTAB2::frmTAB2(QWidget *parent)
    : QWidget(parent,
              Qt::Window | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint |
                  Qt::CustomizeWindowHint)
{
    setObjectName(platform::toQString(common::window::Palette));
    setAttribute(Qt::WA_DeleteOnClose, false);
    setMouseTracking(true);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    const int width = platform::twipsToPixels(kPaletteWidth, this);
    for (size_t i = 0; i < 15; ++i) {
        auto *b =
            new PaletteButton(QString::fromLatin1(kButtons[i].name), kButtons[i].tipNumber, this);
        b->setFixedSize(width / 15, kButtonHeight);
        row->addWidget(b);
        m_buttons[i] = b;
        connect(b, &PaletteButton::MouseMove, this,
                [this, tip = kButtons[i].tipNumber] { buttonMouseMove(tip); });
    }
    tbComment = m_buttons[0];
    tbUncomment = m_buttons[1];
    tbIndent = m_buttons[2];
    tbprint = m_buttons[3];
    tbConcatenate = m_buttons[4];
    tbCloseWindows = m_buttons[5];
    tbTileVertical = m_buttons[6];
    tbLastPosition = m_buttons[7];
    tbFindDefinition = m_buttons[8];
    tbFindModifiers = m_buttons[9];
    tbDebugWindow = m_buttons[10];
    tbToolbox = m_buttons[11];
    tbSeTabOrder = m_buttons[12];
    tbPrintOrient = m_buttons[13];
    tbMinimize = m_buttons[14];

    connect(tbComment, &QToolButton::clicked, this, &frmTAB2::tbComment_Click);
    connect(tbUncomment, &QToolButton::clicked, this, &frmTAB2::tbUncomment_Click);
    connect(tbIndent, &QToolButton::clicked, this, &frmTAB2::tbIndent_Click);
    connect(tbprint, &QToolButton::clicked, this, &frmTAB2::tbprint_Click);
    connect(tbConcatenate, &PaletteButton::MouseUp, this, &frmTAB2::tbConcatenate_MouseUp);
    connect(tbCloseWindows, &PaletteButton::MouseUp, this, &frmTAB2::tbCloseWindows_MouseUp);
    connect(tbTileVertical, &PaletteButton::MouseUp, this, &frmTAB2::tbTileVertical_MouseUp);
    connect(tbLastPosition, &PaletteButton::MouseUp, this, &frmTAB2::tbLastPosition_MouseUp);
    connect(tbFindDefinition, &QToolButton::clicked, this, &frmTAB2::tbFindDefinition_Click);
    connect(tbFindModifiers, &QToolButton::clicked, this, &frmTAB2::tbFindModifiers_Click);
    connect(tbDebugWindow, &QToolButton::clicked, this, &frmTAB2::tbDebugWindow_Click);
    connect(tbToolbox, &QToolButton::clicked, this, &frmTAB2::tbToolbox_Click);
    connect(tbSeTabOrder, &PaletteButton::MouseUp, this, &frmTAB2::tbSeTabOrder_MouseUp);
    connect(tbPrintOrient, &PaletteButton::MouseDown, this, &frmTAB2::tbPrintOrient_MouseDown);
    connect(tbPrintOrient, &PaletteButton::MouseMove, this, &frmTAB2::tbPrintOrient_MouseMove);
    connect(tbPrintOrient, &PaletteButton::MouseUp, this, &frmTAB2::tbPrintOrient_MouseUp);
    connect(tbMinimize, &PaletteButton::MouseUp, this, &frmTAB2::tbMinimize_MouseUp);

    setFixedSize(width - width % 15, kButtonHeight);
    placeOnLoad();
    m_handle = platform::registerWindow(*this, "QuillmarkPalette");
}

frmTAB2::~frmTAB2() = default;

PaletteButton *frmTAB2::button(int tipNumber) const
{
    if (tipNumber < 1 || tipNumber > 15)
        return nullptr;
    return m_buttons[static_cast<size_t>(tipNumber - 1)];
}

void frmTAB2::placeOnLoad()
{
    m_firstActivation = true;
    const platform::ScreenMetrics screen = platform::ui().screen();
    const PalettePlacement place =
        placePalette(settings().left, settings().top, screen.widthTwips(), screen.heightTwips());
    move(platform::twipsToPixels(place.left, this), platform::twipsToPixels(place.top, this));
}

int frmTAB2::leftTwips() const
{
    return platform::pixelsToTwips(pos().x(), this);
}

int frmTAB2::topTwips() const
{
    return platform::pixelsToTwips(pos().y(), this);
}

bool frmTAB2::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate && m_firstActivation) {
        m_firstActivation = false;
        SetOnTop();
        if (ShellWindows *windows = shellWindows())
            windows->loadTooltipWindow();
    }
    return QWidget::event(event);
}

void frmTAB2::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange)
        return;
    if (isMinimized()) {
        m_minimized = true;
        return;
    }
    setWindowTitle(QString());
    if (m_minimized) {
        m_minimized = false;
        SetOnTop();
    }
}

void frmTAB2::mouseMoveEvent(QMouseEvent *event)
{
    QWidget::mouseMoveEvent(event);
    TurnOffToolTips();
}

void frmTAB2::buttonMouseMove(int tipNumber)
{
    // The concatenate, close and move buttons leave the timer as it is.
    if (tipNumber != 5 && tipNumber != 6 && tipNumber != 14)
        TurnOnToolTips();
    m_tips.mouseMovedOver(tipNumber);
}

TooltipTick frmTAB2::tooltipTick()
{
    const int tip = m_tips.tipNumber();
    const PaletteButton *b = button(tip);
    const int buttonLeft = b ? platform::pixelsToTwips(b->x(), this) : 0;
    const int height = platform::pixelsToTwips(frameGeometry().height(), this);
    return m_tips.tick(leftTwips(), topTwips(), height, buttonLeft,
                       platform::ui().screen().heightTwips());
}

void frmTAB2::TurnOnToolTips()
{
    if (m_tooltipWindow)
        m_tooltipWindow->setTimerInterval(500);
}

void frmTAB2::TurnOffToolTips()
{
    common::guarded("TurnOffToolTips", [&] {
        m_tips.turnOff();
        if (!m_tooltipWindow)
            return;
        m_tooltipWindow->setTimerInterval(5000);
        m_tooltipWindow->hide();
        m_tooltipWindow->setWindowTitle(QStringLiteral("ToolTips"));
    });
}

void frmTAB2::SetOnTop()
{
    common::SetOnTop(m_handle);
}

void frmTAB2::SetNotOnTop()
{
    common::SetNotOnTop(m_handle);
}

void frmTAB2::MinimizeToolBar()
{
    common::guarded("MinimizeToolBar", [&] {
        SetNotOnTop();
        platform::ui().processEvents();
        showMinimized();
        setWindowTitle(QStringLiteral("Quillmark"));
    });
}

void frmTAB2::tbComment_Click()
{
    codetext::StartComment();
}

void frmTAB2::tbUncomment_Click()
{
    codetext::StartUncomment();
}

void frmTAB2::tbIndent_Click()
{
    codetext::StartIndent();
}

void frmTAB2::tbprint_Click()
{
    common::recordHostCaption();
    sendToHost(settings().keys.FilePrint, "tbprint_Click");
}

void frmTAB2::tbConcatenate_MouseUp(int Button, int, int)
{
    if (Button == 1) {
        codetext::ConcatenateToClipboard();
        return;
    }
    common::ignoreErrors([] { platform::ui().clipboardSetText(""); });
}

void frmTAB2::tbCloseWindows_MouseUp(int Button, int, int)
{
    if (Button == 1) {
        common::CloseWindows();
    } else if (Button == 2) {
        common::CascadeWindows();
    } else {
        platform::ui().msgBox("Button: " + platform::str(Button));
    }
}

void frmTAB2::tbTileVertical_MouseUp(int Button, int, int)
{
    if (Button == 1)
        common::TileVertical();
    else
        common::TileHorizontal();
}

void frmTAB2::tbLastPosition_MouseUp(int Button, int, int)
{
    if (Button == 1) {
        common::recordHostCaption();
        sendToHost("+^({F2})", "tbLastPosition_MouseUp");
        return;
    }
    common::ignoreErrors([] { platform::ui().sendKeys("{F1}", true); });
}

void frmTAB2::findSelection(const char *suffix)
{
    common::recordHostState();
    const char *handler = suffix[1] == 'A' ? "tbFindDefinition_Click" : "tbFindModifiers_Click";
    if (!sendToHost(settings().keys.CopyToClipboard, handler))
        return;
    const std::string text = platform::ui().clipboardText();
    if (common::isBlank(text))
        return;
    // The selection is typed into the host's Find dialog as it stands, so its own + ^ % ~ ( )
    // { } [ ] characters are escaped. A selection that is the match of the last press is
    // looked for without its suffix.
    const std::string_view target = findTargetOf(text, suffix);
    sendToHost(settings().keys.EditFind + platform::escapeSendKeys(target) + suffix +
                   "{TAB}C{ENTER}",
               handler);
}

void frmTAB2::tbFindDefinition_Click()
{
    findSelection(" As ");
}

void frmTAB2::tbFindModifiers_Click()
{
    findSelection(" = ");
}

void frmTAB2::tbDebugWindow_Click()
{
    common::recordHostCaption();
    sendToHost(settings().keys.EditFind + "{TAB}C{ENTER}", "tbDebugWindow_Click");
}

void frmTAB2::tbToolbox_Click()
{
    common::recordHostCaption();
    auto &state = programState();
    if (!state.toolboxShown) {
        state.toolboxShown = true;
        sendToHost(settings().keys.ViewToolbox, "tbToolbox_Click");
        return;
    }
    state.toolboxShown = false;
    if (sendToHost(settings().keys.ViewToolbox, "tbToolbox_Click"))
        sendToHost(settings().keys.CloseWindows, "tbToolbox_Click");
}

void frmTAB2::tbSeTabOrder_MouseUp(int Button, int, int)
{
    if (ShellWindows *windows = shellWindows())
        windows->showToolWindow(Button == 1 ? common::window::ApperTab : common::window::Library);
}

void frmTAB2::tbPrintOrient_MouseDown(int, int, int)
{
    m_moving = true;
}

void frmTAB2::tbPrintOrient_MouseMove(int, int X, int Y)
{
    if (!m_moving)
        return;
    m_tips.clearTip();
    const MoveDelta delta = moveDeltaFor(X, Y);
    move(pos() +
         QPoint(platform::twipsToPixels(delta.dx, this), platform::twipsToPixels(delta.dy, this)));
}

void frmTAB2::tbPrintOrient_MouseUp(int, int, int)
{
    m_moving = false;
}

void frmTAB2::tbMinimize_MouseUp(int Button, int, int)
{
    if (Button == 1) {
        MinimizeToolBar();
        return;
    }
    closePalette();
}

void frmTAB2::closePalette()
{
    auto &ui = platform::ui();
    if (m_tooltipWindow)
        m_tooltipWindow->setTimerInterval(0);
    ui.wait(1000);
    ShellWindows *windows = shellWindows();
    if (windows)
        windows->unloadTooltipWindow();
    ui.processEvents();
    programState().paletteLoaded = false;
    if (windows)
        windows->unloadPalette();
    else
        hide();
}

} // namespace qm::shell
