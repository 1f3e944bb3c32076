// The reader of form descriptions: the Begin/End tree of a form file, control blocks of the
// clipboard text, and single property blocks. Every line keeps its bytes and its line end.
#pragma once

#include "ide/Component.h"
#include "ide/Control.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qm::ide {

class FormFile;

/// One line of a text with its line end ("\r\n", "\n", "\r" or "" at the end).
struct TextLine
{
    std::string_view text;
    std::string_view eol;
    int number = 0;
    size_t end = 0; ///< offset after the line end
};

/// Splits a text into lines, keeping each line's own line end.
class LineSplitter
{
public:
    explicit LineSplitter(std::string_view text, size_t from = 0, int firstNumber = 1)
        : m_text(text)
        , m_pos(from)
        , m_number(firstNumber - 1)
    {}
    bool next(TextLine &line);
    size_t position() const { return m_pos; }

private:
    std::string_view m_text;
    size_t m_pos;
    int m_number;
};

class FormParser
{
public:
    FormParser(std::string_view bytes,
               std::string_view fileName,
               std::vector<LoadProblem> *problems)
        : m_bytes(bytes)
        , m_fileName(fileName)
        , m_problems(problems)
        , m_lines(bytes)
    {}

    std::unique_ptr<FormFile> parseForm();
    /// The Begin ... End blocks of a text; every line outside them goes to outside (without its
    /// line end).
    std::vector<ControlPtr> parseControls(std::vector<std::string> *outside);
    /// One BeginProperty ... EndProperty block.
    std::shared_ptr<PropertyBlock> parseBlock();

    /// Fills in the form, class and parent links of a control tree.
    static void link(Control &control, FormFile *form, Control *parent);

private:
    [[noreturn]] void fail(int line, const std::string &message) const;
    void problem(int line, const std::string &message);
    ControlPtr parseTree(const TextLine &header);
    ControlPtr makeControl(const TextLine &header);
    std::shared_ptr<PropertyBlock> makeBlock(const TextLine &header);
    bool parseProperty(const TextLine &line, PropertyLine &out);

    std::string_view m_bytes;
    std::string m_fileName;
    std::vector<LoadProblem> *m_problems;
    LineSplitter m_lines;
};

/// True when a trimmed line starts with the keyword as a whole word (letter case ignored).
bool startsWithKeyword(std::string_view trimmed, std::string_view keyword);
/// The line without leading blanks and tabs.
std::string_view trimLeading(std::string_view text);
/// The line without trailing blanks and tabs.
std::string_view trimTrailing(std::string_view text);
/// The line end every line of a text ends with ("\r\n", "\n" or "\r"); nothing when the
/// text mixes them or has none. New lines written into a file follow it.
std::optional<std::string> uniformLineEnd(std::string_view text);

} // namespace qm::ide
