// The shared text helpers, each linear in its input.
#include "common/TextHelpers.h"

#include "platform/LineReader.h"
#include "platform/Text.h"

#include <algorithm>
#include <cstdint>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace qm::common {
using platform::findIgnoreCase;

void reserveLarge(std::string &out, size_t capacity)
{
    out.reserve(capacity);
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    // Only the whole large pages inside the untouched part of the buffer are marked; the
    // advice changes how the memory is backed, never what it holds.
    constexpr uintptr_t kLargePage = uintptr_t{2} << 20;
    if (out.capacity() < 2 * kLargePage)
        return;
    const auto begin = reinterpret_cast<uintptr_t>(out.data() + out.size());
    const auto end = reinterpret_cast<uintptr_t>(out.data()) + out.capacity();
    const uintptr_t first = (begin + kLargePage - 1) & ~(kLargePage - 1);
    const uintptr_t last = end & ~(kLargePage - 1);
    if (first >= last)
        return;
    ::madvise(reinterpret_cast<void *>(first), last - first, MADV_HUGEPAGE);
#if defined(MADV_POPULATE_WRITE)
    // The small pages before the first large one and after the last are filled in by one call
    // each rather than one fault each (kernels without the call refuse it, and the faults
    // happen as before).
    constexpr uintptr_t kPage = 4096;
    const uintptr_t head = (begin + kPage - 1) & ~(kPage - 1);
    const uintptr_t tail = end & ~(kPage - 1);
    if (head < first)
        ::madvise(reinterpret_cast<void *>(head), first - head, MADV_POPULATE_WRITE);
    if (last < tail)
        ::madvise(reinterpret_cast<void *>(last), tail - last, MADV_POPULATE_WRITE);
#endif
#endif
}

std::string ReplaceFirst(std::string_view text, std::string_view find, std::string_view replacement)
{
    size_t at = find.empty() ? std::string_view::npos : findIgnoreCase(text, find);
    if (at == std::string_view::npos)
        return std::string(text);
    std::string out;
    out.reserve(text.size() + replacement.size());
    out.append(text.substr(0, at)).append(replacement).append(text.substr(at + find.size()));
    return out;
}

namespace {

template<class Finder>
std::string replaceEvery(std::string_view text,
                         std::string_view find,
                         std::string_view replacement,
                         Finder findFrom)
{
    if (find.empty())
        return std::string(text);
    std::string out;
    out.reserve(text.size());
    size_t pos = 0;
    for (size_t at = findFrom(text, find, pos); at != std::string_view::npos;
         at = findFrom(text, find, pos)) {
        out.append(text.substr(pos, at - pos)).append(replacement);
        pos = at + find.size();
    }
    out.append(text.substr(pos));
    return out;
}

} // namespace

std::string ReplaceAll(std::string_view text, std::string_view find, std::string_view replacement)
{
    return replaceEvery(
        text, find, replacement,
        [](std::string_view t, std::string_view f, size_t from) { return t.find(f, from); });
}

std::string
ReplaceAllText(std::string_view text, std::string_view find, std::string_view replacement)
{
    return replaceEvery(text, find, replacement,
                        [](std::string_view t, std::string_view f, size_t from) {
                            return findIgnoreCase(t, f, from);
                        });
}

size_t CountLines(std::string_view text)
{
    size_t count = 0;
    for (platform::LineReader lines(text); lines.next();)
        ++count;
    return count;
}

std::string GetLine(std::string_view text, size_t number)
{
    size_t index = 0;
    for (platform::LineReader lines(text); auto line = lines.next();) {
        if (++index == number)
            return std::string(*line);
    }
    return {};
}

std::vector<std::string_view> splitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    // Room for every line of a text with LF or CR LF ends up front: a large module's list is not
    // copied again each time it outgrows its room.
    lines.reserve(static_cast<size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
    for (platform::LineReader reader(text); auto line = reader.next();)
        lines.push_back(*line);
    return lines;
}

std::string joinLines(const std::vector<std::string> &lines)
{
    size_t size = 0;
    for (const auto &line : lines)
        size += line.size() + 2;
    std::string out;
    out.reserve(size);
    for (const auto &line : lines)
        out.append(line).append("\r\n");
    return out;
}

std::string NextWord(std::string_view &text, std::string_view extraWordChars)
{
    auto isWordChar = [&](char c) {
        return platform::isAsciiLetter(c) || platform::isAsciiDigit(c) ||
               extraWordChars.find(c) != std::string_view::npos;
    };
    const bool blankIsWordChar = extraWordChars.find(' ') != std::string_view::npos;
    std::string word;
    size_t pos = 0;
    while (pos < text.size()) {
        char c = text[pos];
        if (c == ' ') {
            // The loop only goes on while something other than blanks is left.
            size_t nonBlank = text.find_first_not_of(' ', pos);
            if (nonBlank == std::string_view::npos)
                break;
            if (word.empty() && !blankIsWordChar) {
                pos = nonBlank; // blanks before a word are all skipped: do it in one step
                continue;
            }
        }
        ++pos;
        if (isWordChar(c)) {
            word += c;
        } else if (!word.empty()) {
            break;
        }
    }
    text.remove_prefix(pos);
    return word;
}

std::string NextWord(std::string &text, std::string_view extraWordChars)
{
    std::string_view rest = text;
    std::string word = NextWord(rest, extraWordChars);
    text.erase(0, text.size() - rest.size());
    return word;
}

bool isBlank(std::string_view text)
{
    return platform::trimBlanks(text).empty();
}

bool isBlank(double number)
{
    return number == 0;
}

bool isBlank(const platform::Date &date)
{
    return date == platform::Date{1901, 1, 1};
}

bool isBlank(bool flag)
{
    return !flag;
}

} // namespace qm::common
