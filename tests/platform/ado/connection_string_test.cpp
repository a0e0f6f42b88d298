#include "platform/ado/connection_string.hpp"

#include <gtest/gtest.h>

#include "platform/ado/constants.hpp"
#include "platform/oleaut/error.hpp"
#include "tests/support/case_names.hpp"

namespace {

using ado::ConnectionString;

struct ValueCase {
    const char* text;
    const char* key;
    const char* expected;  // nullptr: the key is absent
};

void PrintTo(const ValueCase& c, std::ostream* os) {
    *os << c.text << " " << c.key;
}

class ConnectionStringValue : public ::testing::TestWithParam<ValueCase> {};

TEST_P(ConnectionStringValue, ReadsTheValueOfAKey) {
    const ValueCase& c = GetParam();
    const auto value = ConnectionString::parse(c.text).get(c.key);
    if (c.expected == nullptr) {
        EXPECT_FALSE(value.has_value());
    } else {
        ASSERT_TRUE(value.has_value());
        EXPECT_EQ(*value, c.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Values, ConnectionStringValue,
    ::testing::Values(
        ValueCase{"Provider=SQLite;Data Source=/tmp/a.db", "Data Source", "/tmp/a.db"},
        ValueCase{"Provider=SQLite;Data Source=/tmp/a.db", "provider", "SQLite"},
        ValueCase{"  Provider = SQLite ; DATA SOURCE = x.db ;", "Data Source", "x.db"},
        ValueCase{"Data Source=\"a;b.db\";Provider=SQLite", "Data Source", "a;b.db"},
        ValueCase{"Data Source='it''s.db'", "Data Source", "it's.db"},
        ValueCase{"Data Source={C:\\b;c.db}", "Data Source", "C:\\b;c.db"},
        ValueCase{"Data Source={a;b};User ID=Ivan", "User ID", "Ivan"},
        ValueCase{"Application Name=Мой Basic клиент", "Application Name", "Мой Basic клиент"},
        ValueCase{"Data Source=a;Data Source=b", "Data Source", "b"},
        ValueCase{"Provider=SQLite;;;", "Data Source", nullptr},
        ValueCase{"Data Source=", "Data Source", ""}),
    kalvik::test::NamedByPrinting{});

class MalformedConnectionString : public ::testing::TestWithParam<const char*> {};

TEST_P(MalformedConnectionString, FailsQuotingTheString) {
    try {
        ConnectionString::parse(GetParam());
        FAIL() << "parsed " << GetParam();
    } catch (const oleaut::Error& e) {
        EXPECT_EQ(e.number(), ado::adErrInvalidConnection);
        EXPECT_NE(e.description().find(GetParam()), std::string::npos) << e.description();
    }
}

INSTANTIATE_TEST_SUITE_P(Malformed, MalformedConnectionString,
                         ::testing::Values("Provider", "Provider=SQLite;Data Source", "=value",
                                           "Data Source=\"open", "Data Source={open",
                                           "Data Source='a' b"),
                         kalvik::test::NamedByPrinting{});

// A path with what the reader trims or ends a value at reads back as exactly that path, and the
// string's other keys stay as they are.
TEST(QuotedConnectionValue, ReadsBackAsTheValueGiven) {
    const char* values[] = {"/d/user.db ",
                            " /d/user.db",
                            "/d/user.db\t",
                            "/d/x;y.db",
                            "/d/x;Data Source=/e/v.db",
                            "/d/a=b.db",
                            "/d/it's.db",
                            "/d/\"q\".db",
                            "/d/\"",
                            "/d/{b}.db",
                            "",
                            "/d/\"';{}= ;x"};
    for (const char* value : values) {
        SCOPED_TRACE(value);
        const ConnectionString parsed = ConnectionString::parse(
            "Provider=SQLite;Data Source=" + ado::quotedConnectionValue(value) + ";User ID=u");
        EXPECT_EQ(parsed.get("Data Source"), value);
        EXPECT_EQ(parsed.get("User ID"), "u");
        EXPECT_EQ(parsed.pairs().size(), 3U);
    }
}

}  // namespace
