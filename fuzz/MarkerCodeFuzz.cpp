// Fuzz target: code whose trailing comments mention the marker texts goes through comment,
// uncomment, change, deletion and Delete Blocking, and no line of code is ever lost. The input
// bytes choose the lines: code with and without comments, blank lines, comment lines, and whole
// comment, addition, change and deletion blocks.
#include "changes/ChangeBlock.h"
#include "codetext/Comment.h"
#include "codetext/Indent.h"
#include "platform/LineReader.h"
#include "tests/support/PieceSource.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::array<std::string_view, 8> kCode = {
    "x = 1",
    "If r <> 0 Then WriteBits 0",
    "BlockCount = BlockCount + 1",
    "Call Log(\"End of Block\")",
    "s = \"'* Block Added by\"",
    "EndOfBlock = True",
    "Print \"* Commented on\"; n",
    "Next i",
};

constexpr std::array<std::string_view, 10> kPhrases = {
    "append EOB (end of block)",
    "see Block Added by the old tool",
    "Block Deleted by ann",
    "End of Block Deleted",
    "Block Changed by dev on 12/08/2026",
    "* Commented on 1/2/03",
    "END OF BLOCK",
    "'* Block Added by dev",
    "** End of Block Commented **",
    "block deleted BY",
};

class Bytes
{
public:
    Bytes(const std::uint8_t *data, std::size_t size)
        : m_data(data)
        , m_size(size)
    {}
    bool empty() const { return m_at >= m_size; }
    unsigned next() { return m_at < m_size ? m_data[m_at++] : 0; }
    // A few bytes of the input as comment text, without line ends.
    std::string text()
    {
        std::string out;
        for (unsigned n = next() % 6; n > 0 && !empty(); --n) {
            char c = static_cast<char>(next());
            out += c == '\r' || c == '\n' ? ' ' : c;
        }
        return out;
    }

private:
    const std::uint8_t *m_data;
    std::size_t m_size;
    std::size_t m_at = 0;
};

std::string_view trimmed(std::string_view line)
{
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t'))
        line.remove_prefix(1);
    while (!line.empty() && (line.back() == ' ' || line.back() == '\t'))
        line.remove_suffix(1);
    return line;
}

std::vector<std::string_view> linesOf(std::string_view text)
{
    std::vector<std::string_view> out;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            out.push_back(text.substr(start, i - start));
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            start = i + 1;
        }
    }
    if (start < text.size())
        out.push_back(text.substr(start));
    return out;
}

// Every code line, in order, is among the lines of `out` (blanks around it aside).
void requireKept(const std::vector<std::string> &code, std::string_view out)
{
    std::size_t next = 0;
    for (std::string_view line : linesOf(out)) {
        if (next < code.size() && trimmed(line) == trimmed(code[next]))
            ++next;
    }
    if (next != code.size())
        __builtin_trap();
}

// The engines that qm feeds a piece at a time give the bytes they give over the whole text,
// wherever the pieces end (inside a line, between a CR and its LF), from a pipe or from a file
// that a look ahead reads again.
void requireSameInPieces(const std::string &text, std::size_t piece)
{
    using Engine = void (*)(qm::platform::LineReader &, qm::common::TextSink &);
    static constexpr Engine kEngines[] = {
        [](auto &lines, auto &out) { qm::codetext::UncommentBlock(lines, out); },
        [](auto &lines, auto &out) { qm::codetext::CommentLines(lines, out); },
        [](auto &lines, auto &out) { qm::codetext::UncommentLines(lines, out); },
        [](auto &lines, auto &out) { qm::codetext::IndentBlock(lines, 3, out); },
        [](auto &lines, auto &out) { qm::changes::RemoveBlocking(lines, out); },
        [](auto &lines, auto &out) { qm::changes::ChangeBlock(lines, "dev", "12/08/2026", out); },
        [](auto &lines, auto &out) { qm::changes::DeletionBlock(lines, "dev", "12/08/2026", out); },
    };
    for (Engine engine : kEngines) {
        qm::platform::LineReader whole(text);
        qm::common::TextSink wholeOut;
        engine(whole, wholeOut);
        qm::platform::LineReader pieces(qm::test::inPieces(text, piece), 16);
        qm::common::TextSink piecesOut;
        engine(pieces, piecesOut);
        qm::test::SeekablePieces file = qm::test::inSeekablePieces(text, piece);
        qm::platform::LineReader reread(file.source, file.seek, 16);
        qm::common::TextSink rereadOut;
        engine(reread, rereadOut);
        const std::string expected = wholeOut.take();
        if (expected != piecesOut.take() || expected != rereadOut.take())
            __builtin_trap();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace qm;
    Bytes bytes(data, size);
    const std::string eol = bytes.next() % 4 == 0 ? "\n" : "\r\n";
    const std::string date = "12/08/2026";
    std::string text;
    std::vector<std::string> code;
    for (int lines = 0; lines < 60 && !bytes.empty(); ++lines) {
        unsigned choice = bytes.next();
        std::string indent(choice / 32 % 5, ' ');
        std::string line;
        switch (choice % 8) {
        case 0:
        case 1:
        case 2: { // code, often with a comment that mentions a marker text
            line = indent + std::string(kCode[bytes.next() % kCode.size()]);
            if (choice % 8 != 0)
                line += (bytes.next() % 2 ? " '" : " ' ") +
                        std::string(kPhrases[bytes.next() % kPhrases.size()]) + bytes.text();
            code.push_back(line);
            text += line + eol;
            continue;
        }
        case 3: // a blank line
            text += indent + eol;
            continue;
        case 4: // a comment line mentioning a phrase later in it
            text +=
                indent + "' note: " + std::string(kPhrases[bytes.next() % kPhrases.size()]) + eol;
            continue;
        case 5: // a commented-out block of code, as the palette writes it
            text += codetext::CommentBlock(
                indent + std::string(kCode[bytes.next() % kCode.size()]) + " ' " + bytes.text(),
                "1/2/03", "dev");
            continue;
        case 6: { // an addition or change block around code
            std::string inner = indent + std::string(kCode[bytes.next() % kCode.size()]);
            code.push_back(inner);
            text += bytes.next() % 2
                        ? changes::ChangeBlock(inner + eol, "dev", date)
                        : changes::beginMarker(changes::BlockKind::Addition, "dev", date) + inner +
                              eol + changes::endMarker(changes::BlockKind::Addition, "dev", date);
            continue;
        }
        default: // a deletion block: commented-out code only
            text += changes::DeletionBlock(std::string(kCode[bytes.next() % kCode.size()]) + " ' " +
                                               bytes.text(),
                                           "dev", date);
            continue;
        }
    }
    if (trimmed(text).empty())
        return 0;

    requireKept(code, codetext::UncommentBlock(text));
    requireKept(code, codetext::UncommentBlock(codetext::CommentBlock(text, "1/2/03", "dev")));
    requireKept(code, codetext::UncommentBlock(changes::DeletionBlock(text, "dev", date)));
    requireKept(code, changes::RemoveBlocking(text));
    requireKept(code, changes::RemoveBlocking(changes::ChangeBlock(text, "dev", date)));
    requireSameInPieces(text, 1 + text.size() % 23);
    return 0;
}
