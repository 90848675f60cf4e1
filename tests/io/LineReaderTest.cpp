#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "io/TextFile.h"
#include "support/TempDir.h"

namespace zyt {
namespace {

std::vector<std::string> lines(LineReader& in) {
    std::vector<std::string> out;
    std::string_view l;
    while (in.next(l)) out.emplace_back(l);
    return out;
}

// Text in memory gives the same lines as the same bytes in a file.
TEST(LineReader, MemoryAndFileGiveTheSameLines) {
    const std::string cases[] = {
        "",
        "a\nb",
        "1 2\r\n3 4\r\n",
        std::string("x\0y\n\n", 5),
        "1 2\n\x1a"
        "3 4\n",
        "\r\n\r",
        std::string(3u << 20, '7') + "\n8",  // longer than the file reader's block
    };
    test::TempDir dir;
    for (const std::string& text : cases) {
        LineReader mem("mem", text);
        LineReader file(dir.write("f.txt", text));
        EXPECT_EQ(lines(mem), lines(file)) << text.substr(0, 20);
    }
    LineReader z("z",
                 "1 2\n\x1a"
                 "3 4\n");
    EXPECT_EQ(lines(z), std::vector<std::string>{"1 2"});
}

}  // namespace
}  // namespace zyt
