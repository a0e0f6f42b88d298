#include "platform/oleaut/error_text.hpp"

#include <gtest/gtest.h>

#include <string>

namespace oleaut {
namespace {

std::string repeated(const std::string& part, int times) {
    std::string text;
    for (int i = 0; i < times; ++i)
        text += part;
    return text;
}

// A path longer than 200 characters keeps its first characters, "…", and its last ones, the
// file's name whole among them; a name that alone is longer is kept after "…/".
TEST(EchoedPath, CutInTheMiddleKeepingTheName) {
    struct Case {
        std::string path, expected;
    };
    const std::string shortPath = "/home/u/vendrel-demo/BD/Virsel_Demo.mdf";
    const std::string exact = "/" + std::string(199, 'a');
    const std::string longName = std::string(251, 'n');
    const Case cases[] = {
        {shortPath, shortPath},
        {exact, exact},
        {longName, longName},
        {"/" + std::string(300, 'a') + "/Virsel_Demo.mdf-wal",
         "/" + std::string(99, 'a') + "…" + std::string(80, 'a') + "/Virsel_Demo.mdf-wal"},
        {"/x/y/" + longName, "…/" + longName},
        {"/" + std::string(300, 'a') + "/folder/",
         "/" + std::string(99, 'a') + "…" + std::string(92, 'a') + "/folder/"},
        // Characters are counted, not bytes.
        {"/" + repeated("д", 150) + "/Файл.mdf", "/" + repeated("д", 150) + "/Файл.mdf"},
        {"/" + repeated("д", 300) + "/Файл.mdf",
         "/" + repeated("д", 99) + "…" + repeated("д", 91) + "/Файл.mdf"},
        {"/a/b\nc.mdf\xff", "/a/b\\nc.mdf\uFFFD"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(echoedPath(c.path), c.expected) << c.path;
}

}  // namespace
}  // namespace oleaut
