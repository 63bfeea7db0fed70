#include "platform/wx/WxMessageText.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {
std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}
} // namespace

TEST(WxMessageText, BytesThatAreNotUtf8AreEscapedNotDroppingTheText) {
    // A Shift-JIS file name in a question that is otherwise Japanese.
    EXPECT_EQ(CWxMessageText::Make("/tmp/\x82\xA0.bin への変更を保存しますか?"),
              "/tmp/\\x82\\xA0.bin への変更を保存しますか?");
    EXPECT_EQ(CWxMessageText::Make("ファイル\n2 行目"), "ファイル\n2 行目");
}

TEST(WxMessageText, LongPathsBreakAtTheirSlashesSoTheNameAndCauseStay) {
    std::string folder;
    for (int i = 0; i < 12; ++i)
        folder += "/folder" + std::to_string(i);
    std::string text = folder + "/data.bin にアクセスできません。\n別の名前で保存してください。";
    std::vector<std::string> lines = Lines(CWxMessageText::Make(text, 40));
    ASSERT_GE(lines.size(), 4u);
    std::string joined;
    for (const std::string& line : lines) {
        joined += line;
        // Half-width characters here are one byte, full-width ones three bytes and two columns.
        size_t columns = 0;
        for (unsigned char c : line)
            columns += c < 0x80 ? 1 : (c & 0xC0) == 0xC0 ? 2 : 0;
        EXPECT_LE(columns, 40u) << line;
    }
    EXPECT_EQ(joined, folder + "/data.bin にアクセスできません。別の名前で保存してください。");
    // Every break in the path falls after a slash.
    for (size_t i = 0; i + 1 < lines.size() && lines[i].find('/') == 0; ++i)
        EXPECT_EQ(lines[i].back(), '/') << lines[i];
    // A name without slashes or spaces is cut where it must be.
    EXPECT_EQ(Lines(CWxMessageText::Make(std::string(100, 'x'), 40)).size(), 3u);
}
