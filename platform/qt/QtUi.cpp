// Dialogs, clipboard and programs through Qt Widgets.
#include "platform/qt/QtUi.h"

#include "platform/FileSystem.h"
#include "platform/Help.h"
#include "platform/VbError.h"
#include "platform/qt/HelpWindow.h"
#include "platform/qt/QtPrinter.h"
#include "platform/qt/QtText.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QDeadlineTimer>
#include <QDesktopServices>
#include <QFontDatabase>
#include <QFileDialog>
#include <QFontDialog>
#include <QGridLayout>
#include <QInputDialog>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QScreen>
#include <QPushButton>
#include <QUrl>

#include <vector>

namespace qm::platform {
namespace {

QString boxTitle(std::string_view title)
{
    return title.empty() ? QStringLiteral("Quillmark") : toQString(title);
}

struct ButtonSpec
{
    QMessageBox::StandardButton qt;
    int value;
};

std::vector<ButtonSpec> buttonsOf(int style)
{
    switch (style & 7) {
    case mb::OkCancel:
        return {{QMessageBox::Ok, mb::Ok}, {QMessageBox::Cancel, mb::Cancel}};
    case mb::AbortRetryIgnore:
        return {{QMessageBox::Abort, mb::Abort},
                {QMessageBox::Retry, mb::Retry},
                {QMessageBox::Ignore, mb::Ignore}};
    case mb::YesNoCancel:
        return {{QMessageBox::Yes, mb::Yes},
                {QMessageBox::No, mb::No},
                {QMessageBox::Cancel, mb::Cancel}};
    case mb::YesNo:
        return {{QMessageBox::Yes, mb::Yes}, {QMessageBox::No, mb::No}};
    case mb::RetryCancel:
        return {{QMessageBox::Retry, mb::Retry}, {QMessageBox::Cancel, mb::Cancel}};
    default:
        return {{QMessageBox::Ok, mb::Ok}};
    }
}

} // namespace

int QtUi::msgBox(std::string_view text, int style, std::string_view title)
{
    QMessageBox box;
    box.setWindowTitle(boxTitle(title));
    box.setText(toQString(text));
    switch (style & 0x70) {
    case mb::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    case mb::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case mb::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case mb::Information:
        box.setIcon(QMessageBox::Information);
        break;
    default:
        break;
    }
    const auto buttons = buttonsOf(style);
    QMessageBox::StandardButtons set;
    for (const auto &b : buttons)
        set |= b.qt;
    box.setStandardButtons(set);
    int defaultIndex = (style & mb::DefaultButton3) ? 2 : (style & mb::DefaultButton2) ? 1 : 0;
    if (defaultIndex >= static_cast<int>(buttons.size()))
        defaultIndex = 0;
    box.setDefaultButton(buttons[static_cast<size_t>(defaultIndex)].qt);
    if (style & mb::SystemModal)
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
    // A box as wide as its title with the title bar's icon and buttons: the window manager
    // would cut a title longer than the text.
    QFont titleFont = box.font();
    titleFont.setBold(true);
    const int titleWidth = QFontMetrics(titleFont).horizontalAdvance(box.windowTitle()) + 110;
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout()))
        grid->addItem(new QSpacerItem(titleWidth, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
    auto chosen = static_cast<QMessageBox::StandardButton>(box.exec());
    for (const auto &b : buttons) {
        if (b.qt == chosen)
            return b.value;
    }
    // Closed by the window's close box: the runtime answers Cancel where there is one.
    for (const auto &b : buttons) {
        if (b.value == mb::Cancel)
            return mb::Cancel;
    }
    return buttons.front().value;
}

std::string
QtUi::inputBox(std::string_view prompt, std::string_view title, std::string_view defaultText)
{
    bool ok = false;
    QString text = QInputDialog::getText(nullptr, boxTitle(title), toQString(prompt),
                                         QLineEdit::Normal, toQString(defaultText), &ok);
    return ok ? fromQString(text) : std::string();
}

std::string qtNameFilters(std::string_view filter)
{
    // The common dialog's filter alternates descriptions and patterns, separated by '|'.
    std::vector<std::string> parts;
    size_t start = 0;
    while (start <= filter.size()) {
        size_t bar = filter.find('|', start);
        if (bar == std::string_view::npos)
            bar = filter.size();
        parts.emplace_back(filter.substr(start, bar - start));
        start = bar + 1;
    }
    std::string out;
    for (size_t i = 0; i + 1 < parts.size(); i += 2) {
        if (!out.empty())
            out += ";;";
        std::string patterns = parts[i + 1];
        for (char &c : patterns) {
            if (c == ';')
                c = ' ';
        }
        out += parts[i] + " (" + patterns + ")";
    }
    return out;
}

namespace {

std::optional<std::string> runFileDialog(const FileDialogRequest &request, bool save)
{
    QStringList filters =
        toQString(qtNameFilters(request.filter)).split(QStringLiteral(";;"), Qt::SkipEmptyParts);
    QString selected;
    if (request.filterIndex >= 1 && request.filterIndex <= filters.size())
        selected = filters[request.filterIndex - 1];
    QString start = toQString(request.initialDirectory.empty()
                                  ? request.fileName
                                  : joinPath(request.initialDirectory, request.fileName));
    start.replace(QLatin1Char('\\'), QLatin1Char('/'));
    QString filterText = filters.join(QStringLiteral(";;"));
    QString path = save ? QFileDialog::getSaveFileName(nullptr, toQString(request.title), start,
                                                       filterText, &selected)
                        : QFileDialog::getOpenFileName(nullptr, toQString(request.title), start,
                                                       filterText, &selected);
    if (path.isEmpty())
        return std::nullopt;
    return fromQString(path);
}

} // namespace

std::optional<std::string> QtUi::openFileDialog(const FileDialogRequest &request)
{
    return runFileDialog(request, false);
}

std::optional<std::string> QtUi::saveFileDialog(const FileDialogRequest &request)
{
    return runFileDialog(request, true);
}

std::optional<DialogChoice>
QtUi::chooseInDialog(CommonDialogKind kind, std::string_view title, int flags)
{
    const QString caption = toQString(title);
    DialogChoice choice;
    switch (kind) {
    case CommonDialogKind::Color: {
        QColorDialog dialog;
        dialog.setWindowTitle(caption);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        const QColor c = dialog.selectedColor();
        // Color properties hold blue, green and red from the high byte down.
        choice.color = static_cast<std::uint32_t>(c.red()) |
                       static_cast<std::uint32_t>(c.green()) << 8 |
                       static_cast<std::uint32_t>(c.blue()) << 16;
        return choice;
    }
    case CommonDialogKind::Font: {
        // The flags Qt's dialog knows: fixed pitch only (&H4000&), scalable only (&H20000).
        QFontDialog::FontDialogOptions options;
        if (flags & 0x4000)
            options |= QFontDialog::MonospacedFonts;
        if (flags & 0x20000)
            options |= QFontDialog::ScalableFonts;
        QFontDialog dialog;
        dialog.setWindowTitle(caption);
        dialog.setOptions(options);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        const QFont font = dialog.selectedFont();
        choice.fontName = fromQString(font.family());
        choice.fontSize = font.pointSizeF();
        choice.fontBold = font.bold();
        choice.fontItalic = font.italic();
        return choice;
    }
    case CommonDialogKind::Printer: {
        QPrinter printer;
        QPrintDialog dialog(&printer);
        dialog.setWindowTitle(caption);
        // No selection (&H4&), no page numbers (&H8&), print to file disabled or hidden.
        dialog.setOption(QAbstractPrintDialog::PrintSelection, !(flags & 0x4));
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, !(flags & 0x8));
        dialog.setOption(QAbstractPrintDialog::PrintToFile, !(flags & 0x180000));
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        choice.printerName = fromQString(printer.printerName());
        return choice;
    }
    }
    return std::nullopt;
}

void QtUi::processEvents()
{
    QApplication::processEvents();
}

void QtUi::wait(int milliseconds)
{
    QDeadlineTimer deadline(milliseconds);
    while (!deadline.hasExpired())
        QApplication::processEvents(QEventLoop::AllEvents, 50);
}

void QtUi::clipboardClear()
{
    QApplication::clipboard()->clear();
}

void QtUi::clipboardSetText(std::string_view text)
{
    QApplication::clipboard()->setText(toQString(text));
}

std::string QtUi::clipboardText()
{
    return fromQString(QApplication::clipboard()->text());
}

void QtUi::startProgram(std::string_view commandLine)
{
    QStringList args = QProcess::splitCommand(toQString(commandLine));
    if (args.isEmpty())
        throw VbError(err::FileNotFound);
    QString program = args.takeFirst();
    // The product starts "notepad FILE"; on this system the desktop's editor stands in for it.
    if (program.compare(QStringLiteral("notepad"), Qt::CaseInsensitive) == 0 ||
        program.compare(QStringLiteral("notepad.exe"), Qt::CaseInsensitive) == 0) {
        if (!args.isEmpty() && QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(
                                   resolvePath(fromQString(args.first())).string()))))
            return;
    }
    if (!QProcess::startDetached(program, args))
        throw VbError(err::FileNotFound);
}

void QtUi::openDocument(std::string_view path)
{
    const QString file = QString::fromStdString(resolvePath(path).string());
    if (QDesktopServices::openUrl(QUrl::fromLocalFile(file)))
        return;
    // No handler for text files: the product shows the file itself, read-only, fixed-pitch.
    auto *viewer = new QPlainTextEdit;
    viewer->setObjectName(QStringLiteral("frmDocumentViewer"));
    viewer->setAttribute(Qt::WA_DeleteOnClose);
    viewer->setWindowTitle(QStringLiteral("Quillmark - ") + toQString(fileNamePart(path)));
    viewer->setReadOnly(true);
    viewer->setLineWrapMode(QPlainTextEdit::NoWrap);
    viewer->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    QString text;
    try {
        text = toQString(readFile(path));
    } catch (...) {
        delete viewer;
        throw;
    }
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    viewer->setPlainText(text);
    viewer->resize(720, 480);
    viewer->show();
}

void QtUi::showHelp(std::string_view helpFile, int /*command*/)
{
    // The help file is shown as the user guide kept beside it, at its contents.
    showHelpWindow(userGuidePage(helpFile, {}));
}

void QtUi::showHelpTopic(std::string_view helpFile, std::string_view topic)
{
    showHelpWindow(userGuidePage(helpFile, topic));
}

void QtUi::setMousePointer(int pointer)
{
    if (pointer == 11 && !m_busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        m_busy = true;
    } else if (pointer != 11 && m_busy) {
        QApplication::restoreOverrideCursor();
        m_busy = false;
    }
}

ScreenMetrics QtUi::screen()
{
    ScreenMetrics metrics;
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return metrics;
    const QRect geometry = screen->geometry();
    metrics.widthPixels = geometry.width();
    metrics.heightPixels = geometry.height();
    const double dpiX = screen->logicalDotsPerInchX();
    const double dpiY = screen->logicalDotsPerInchY();
    metrics.twipsPerPixelX = dpiX > 0 ? static_cast<int>(1440.0 / dpiX + 0.5) : 15;
    metrics.twipsPerPixelY = dpiY > 0 ? static_cast<int>(1440.0 / dpiY + 0.5) : 15;
    return metrics;
}

Printer &QtUi::printer()
{
    static QtPrinter printer;
    return printer;
}

} // namespace qm::platform
