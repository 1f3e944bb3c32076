// The code pane: sections of the code, caret movement bounded by the shown section, editing.
#include "ide/CodePane.h"

#include "platform/Text.h"
#include "platform/UiRuntime.h"

#include <algorithm>

namespace qm::ide {
namespace {

using platform::Key;
namespace keymod = platform::keymod;

bool isWordChar(char c)
{
    return platform::isAsciiLetter(c) || platform::isAsciiDigit(c) || c == '_';
}

// Removes a leading keyword followed by a blank; true when it was there.
bool takeWord(std::string_view &text, std::string_view word)
{
    if (text.size() > word.size() && platform::startsWithIgnoreCase(text, word) &&
        text[word.size()] == ' ') {
        text = platform::trimLeadingBlanks(text.substr(word.size() + 1));
        return true;
    }
    return false;
}

// Lines of the code: where each starts and where its text ends.
struct LineSpan
{
    std::size_t start;
    std::size_t textEnd;
    std::size_t next;
};

std::vector<LineSpan> splitLines(std::string_view code)
{
    std::vector<LineSpan> lines;
    std::size_t pos = 0;
    while (pos < code.size()) {
        std::size_t end = code.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) {
            lines.push_back({pos, code.size(), code.size()});
            break;
        }
        std::size_t next = end + 1;
        if (code[end] == '\r' && next < code.size() && code[next] == '\n')
            ++next;
        lines.push_back({pos, end, next});
        pos = next;
    }
    return lines;
}

bool isAttributeLine(std::string_view line)
{
    return platform::startsWithIgnoreCase(platform::trimLeadingBlanks(line), "Attribute ");
}

bool isCommentLine(std::string_view line)
{
    std::string_view t = platform::trimLeadingBlanks(line);
    return !t.empty() && (t[0] == '\'' || platform::startsWithIgnoreCase(t, "Rem ") ||
                          platform::equalsIgnoreCase(t, "Rem"));
}

std::string normalizeLineBreaks(std::string_view text)
{
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\r') {
            out += "\r\n";
            if (i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else if (c == '\n') {
            out += "\r\n";
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace

bool isProcedureHeader(std::string_view line, std::string *name)
{
    std::string_view t = platform::trimLeadingBlanks(line);
    while (takeWord(t, "Public") || takeWord(t, "Private") || takeWord(t, "Friend") ||
           takeWord(t, "Static")) {
    }
    if (!takeWord(t, "Sub") && !takeWord(t, "Function")) {
        if (!takeWord(t, "Property"))
            return false;
        if (!takeWord(t, "Get") && !takeWord(t, "Let") && !takeWord(t, "Set"))
            return false;
    }
    std::size_t n = 0;
    while (n < t.size() && isWordChar(t[n]))
        ++n;
    if (n == 0)
        return false;
    if (name)
        *name = std::string(t.substr(0, n));
    return true;
}

bool isProcedureEnd(std::string_view line)
{
    std::string_view t = platform::trimLeadingBlanks(line);
    for (std::string_view end : {"End Sub", "End Function", "End Property"}) {
        if (platform::startsWithIgnoreCase(t, end) &&
            (t.size() == end.size() || t[end.size()] == ' ' || t[end.size()] == '\'' ||
             t[end.size()] == ':' || t[end.size()] == '\t'))
            return true;
    }
    return false;
}

std::vector<ProcedureSection> divideCode(std::string_view code)
{
    std::vector<LineSpan> lines = splitLines(code);
    std::size_t first = 0;
    while (
        first < lines.size() &&
        isAttributeLine(code.substr(lines[first].start, lines[first].textEnd - lines[first].start)))
        ++first;

    std::vector<ProcedureSection> sections;
    ProcedureSection declarations;
    declarations.begin = first < lines.size() ? lines[first].start : code.size();
    declarations.end = declarations.begin;
    sections.push_back(declarations);

    auto lineText = [&](std::size_t i) {
        return code.substr(lines[i].start, lines[i].textEnd - lines[i].start);
    };

    bool inProcedure = false;
    std::size_t nextBegin = declarations.begin; // where the next procedure's section starts
    for (std::size_t i = first; i < lines.size(); ++i) {
        std::string_view text = lineText(i);
        if (inProcedure) {
            sections.back().end = lines[i].textEnd;
            if (isProcedureEnd(text)) {
                inProcedure = false;
                nextBegin = lines[i].next;
            }
            continue;
        }
        std::string name;
        if (!isProcedureHeader(text, &name))
            continue;
        ProcedureSection procedure;
        procedure.name = name;
        procedure.headerLine = lines[i].start;
        procedure.end = lines[i].textEnd;
        if (sections.size() == 1) {
            // The first procedure takes the comment lines right above it; the declarations end
            // with the line before them.
            std::size_t top = i;
            while (top > first && isCommentLine(lineText(top - 1)))
                --top;
            procedure.begin = lines[top].start;
            sections.front().end = top > first ? lines[top - 1].textEnd : declarations.begin;
        } else {
            procedure.begin = nextBegin;
        }
        sections.push_back(procedure);
        inProcedure = true;
    }
    if (sections.size() == 1 && !lines.empty() && first < lines.size())
        sections.front().end = lines.back().textEnd;
    return sections;
}

CodePane::CodePane(std::string &code)
    : m_code(&code)
{
    m_sections = divideCode(*m_code);
    m_caret = m_anchor = lowerBound();
}

void CodePane::resetText(std::string code)
{
    *m_code = std::move(code);
    m_sections = divideCode(*m_code);
    m_shown = 0;
    m_caret = m_anchor = lowerBound();
}

void CodePane::setProcedureView(bool on)
{
    m_procedureView = on;
    if (on)
        followCaret();
}

std::vector<std::string> CodePane::procedureNames() const
{
    std::vector<std::string> names{"(declarations)"};
    for (std::size_t i = 1; i < m_sections.size(); ++i)
        names.push_back(m_sections[i].name);
    return names;
}

bool CodePane::showProcedure(std::string_view name)
{
    for (std::size_t i = 1; i < m_sections.size(); ++i) {
        if (platform::equalsIgnoreCase(m_sections[i].name, name)) {
            m_shown = i;
            m_caret = m_anchor = m_sections[i].headerLine;
            return true;
        }
    }
    return false;
}

void CodePane::showDeclarations()
{
    m_shown = 0;
    m_caret = m_anchor = m_sections[0].begin;
}

std::string CodePane::shownProcedure() const
{
    return m_procedureView ? m_sections[m_shown].name : std::string();
}

std::string CodePane::shownText() const
{
    std::size_t lo = lowerBound();
    return m_code->substr(lo, upperBound() - lo);
}

std::size_t CodePane::lowerBound() const
{
    return m_procedureView ? m_sections[m_shown].begin : m_sections.front().begin;
}

std::size_t CodePane::upperBound() const
{
    return m_procedureView ? m_sections[m_shown].end : m_code->size();
}

std::size_t CodePane::clamp(std::size_t position) const
{
    return std::clamp(position, lowerBound(), std::max(lowerBound(), upperBound()));
}

const ProcedureSection *CodePane::sectionAt(std::size_t position) const
{
    for (std::size_t i = m_sections.size(); i-- > 0;) {
        if (position >= m_sections[i].begin && position <= m_sections[i].end)
            return &m_sections[i];
    }
    return nullptr;
}

void CodePane::followCaret()
{
    if (const ProcedureSection *s = sectionAt(m_caret))
        m_shown = static_cast<std::size_t>(s - m_sections.data());
    m_caret = clamp(m_caret);
    m_anchor = clamp(m_anchor);
}

void CodePane::setCaret(std::size_t position, bool extend)
{
    if (m_procedureView && !extend) {
        // Putting the caret elsewhere (a find, a jump) shows the procedure it lands in.
        m_caret = std::min(position, m_code->size());
        m_anchor = m_caret;
        followCaret();
        return;
    }
    m_caret = clamp(position);
    if (!extend)
        m_anchor = m_caret;
}

void CodePane::select(std::size_t from, std::size_t to)
{
    setCaret(from);
    setCaret(to, true);
}

std::string CodePane::selectedText() const
{
    std::size_t lo = std::min(m_caret, m_anchor);
    std::size_t hi = std::max(m_caret, m_anchor);
    return m_code->substr(lo, hi - lo);
}

int CodePane::caretLine() const
{
    const std::string &code = *m_code;
    int line = 1;
    for (std::size_t i = 0; i < m_caret && i < code.size(); ++i) {
        if (code[i] == '\n' || (code[i] == '\r' && (i + 1 >= code.size() || code[i + 1] != '\n')))
            ++line;
    }
    return line;
}

int CodePane::caretColumn() const
{
    return static_cast<int>(m_caret - lineStart(m_caret)) + 1;
}

std::size_t CodePane::lineStart(std::size_t position) const
{
    const std::string &code = *m_code;
    std::size_t p = std::min(position, code.size());
    while (p > 0 && code[p - 1] != '\n' && code[p - 1] != '\r')
        --p;
    return p;
}

std::size_t CodePane::lineEnd(std::size_t position) const
{
    std::size_t end = m_code->find_first_of("\r\n", position);
    return end == std::string::npos ? m_code->size() : end;
}

std::size_t CodePane::nextLineStart(std::size_t position) const
{
    const std::string &code = *m_code;
    std::size_t end = lineEnd(position);
    if (end >= code.size())
        return code.size();
    if (code[end] == '\r' && end + 1 < code.size() && code[end + 1] == '\n')
        return end + 2;
    return end + 1;
}

std::size_t CodePane::previousLineStart(std::size_t position) const
{
    std::size_t start = lineStart(position);
    if (start == 0)
        return 0;
    std::size_t p = start - 1;
    if ((*m_code)[p] == '\n' && p > 0 && (*m_code)[p - 1] == '\r')
        --p;
    return lineStart(p);
}

std::size_t CodePane::moveVertically(std::size_t position, bool down) const
{
    std::size_t column = position - lineStart(position);
    std::size_t target;
    if (down) {
        if (lineEnd(position) >= upperBound())
            return position;
        target = nextLineStart(position);
    } else {
        if (lineStart(position) <= lowerBound())
            return position;
        target = previousLineStart(position);
    }
    return clamp(std::min(target + column, lineEnd(target)));
}

void CodePane::refreshSections()
{
    m_sections = divideCode(*m_code);
    // An edit that took a procedure away leaves fewer sections than before.
    if (m_shown >= m_sections.size())
        m_shown = m_sections.size() - 1;
}

void CodePane::changed(std::size_t caret)
{
    refreshSections();
    m_caret = m_anchor = std::min(caret, m_code->size());
    if (m_procedureView)
        followCaret();
    if (m_onChanged)
        m_onChanged();
}

void CodePane::replaceRange(std::size_t from, std::size_t to, std::string_view text)
{
    m_code->replace(from, to - from, text);
    changed(from + text.size());
}

void CodePane::insertText(std::string_view text)
{
    std::size_t lo = std::min(m_caret, m_anchor);
    std::size_t hi = std::max(m_caret, m_anchor);
    replaceRange(lo, hi, normalizeLineBreaks(text));
}

void CodePane::appendText(std::string_view text)
{
    std::string add = normalizeLineBreaks(text);
    if (!m_code->empty() && m_code->back() != '\n' && m_code->back() != '\r')
        add.insert(0, "\r\n");
    if (!add.empty() && add.back() != '\n')
        add += "\r\n";
    std::size_t caret = m_caret;
    m_code->append(add);
    refreshSections();
    m_caret = m_anchor = caret;
    if (m_procedureView)
        followCaret();
    if (m_onChanged)
        m_onChanged();
}

void CodePane::deleteForward()
{
    if (hasSelection()) {
        insertText({});
        return;
    }
    if (m_caret >= upperBound() && m_procedureView)
        return;
    if (m_caret >= m_code->size())
        return;
    std::size_t to = m_caret + 1;
    if ((*m_code)[m_caret] == '\r' && to < m_code->size() && (*m_code)[to] == '\n')
        ++to;
    replaceRange(m_caret, to, {});
}

void CodePane::deleteBackward()
{
    if (hasSelection()) {
        insertText({});
        return;
    }
    if (m_caret <= lowerBound())
        return;
    std::size_t from = m_caret - 1;
    if ((*m_code)[from] == '\n' && from > 0 && (*m_code)[from - 1] == '\r')
        --from;
    replaceRange(from, m_caret, {});
}

void CodePane::copy() const
{
    if (hasSelection())
        platform::ui().clipboardSetText(selectedText());
}

void CodePane::cut()
{
    if (!hasSelection())
        return;
    copy();
    insertText({});
}

void CodePane::paste()
{
    insertText(platform::ui().clipboardText());
}

bool CodePane::applyKey(const platform::KeyChord &chord)
{
    const bool shift = chord.modifiers & keymod::Shift;
    const bool ctrl = chord.modifiers & keymod::Ctrl;
    if (chord.modifiers & keymod::Alt)
        return false;
    switch (chord.key) {
    case Key::Char: {
        char c = chord.ch;
        if (ctrl) {
            switch (platform::toLowerAscii(c)) {
            case 'c':
                copy();
                return true;
            case 'x':
                cut();
                return true;
            case 'v':
                paste();
                return true;
            default:
                return false;
            }
        }
        if (shift)
            c = platform::toUpperAscii(c);
        insertText(std::string_view(&c, 1));
        return true;
    }
    case Key::Enter:
        insertText("\r\n");
        return true;
    case Key::Tab: {
        int column = caretColumn() - 1;
        int spaces = m_tabWidth - column % m_tabWidth;
        insertText(std::string(static_cast<std::size_t>(spaces), ' '));
        return true;
    }
    case Key::Delete:
        if (shift) {
            cut();
            return true;
        }
        deleteForward();
        return true;
    case Key::Backspace:
        deleteBackward();
        return true;
    case Key::Insert:
        if (shift)
            paste();
        else if (ctrl)
            copy();
        return true;
    case Key::Home:
        setCaret(ctrl ? lowerBound() : std::max(lineStart(m_caret), lowerBound()), shift);
        return true;
    case Key::End:
        setCaret(ctrl ? upperBound() : std::min(lineEnd(m_caret), upperBound()), shift);
        return true;
    case Key::Down:
    case Key::Up:
        setCaret(moveVertically(m_caret, chord.key == Key::Down), shift);
        return true;
    case Key::Left: {
        std::size_t p = m_caret;
        if (p > lowerBound()) {
            --p;
            if ((*m_code)[p] == '\n' && p > 0 && (*m_code)[p - 1] == '\r')
                --p;
        }
        setCaret(p, shift);
        return true;
    }
    case Key::Right: {
        std::size_t p = m_caret;
        if (p < upperBound()) {
            if ((*m_code)[p] == '\r' && p + 1 < m_code->size() && (*m_code)[p + 1] == '\n')
                ++p;
            ++p;
        }
        setCaret(p, shift);
        return true;
    }
    default:
        return false;
    }
}

} // namespace qm::ide
