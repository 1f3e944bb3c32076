#include "platform/qt/QtText.h"

#include <QString>
#include <gtest/gtest.h>

using namespace qm::platform;

TEST(QtText, AllBytesSurviveTheQtBoundary)
{
    std::string bytes;
    for (int b = 0; b < 256; ++b)
        bytes += static_cast<char>(b);
    QString text = toQString(bytes);
    EXPECT_EQ(text.size(), 256);
    EXPECT_EQ(fromQString(text), bytes);
    EXPECT_EQ(text.at(0x80), QChar(0x20AC));
}

TEST(QtText, CharactersOutsideCp1252BecomeQuestionMarks)
{
    EXPECT_EQ(fromQString(QString::fromUtf8("a\xC4\x80"
                                            "b")),
              "a?b");
}
