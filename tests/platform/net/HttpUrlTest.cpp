#include "platform/net/HttpUrl.h"

#include <gtest/gtest.h>

namespace fw {
namespace {

struct UrlRow {
    const char* name;
    std::string address;
    bool valid;
    std::string hostPart;
    std::string connectHost;
    int port;
    std::string path;
};

class HttpUrlTest : public ::testing::TestWithParam<UrlRow> {};

TEST_P(HttpUrlTest, CutsTheAddress) {
    const UrlRow& row = GetParam();
    const HttpUrl url(row.address);
    ASSERT_EQ(url.IsValid(), row.valid);
    EXPECT_EQ(url.HostPart(), row.hostPart);
    EXPECT_EQ(url.ConnectHost(), row.connectHost);
    EXPECT_EQ(url.Port(), row.port);
    EXPECT_EQ(url.Path(), row.path);
}

const UrlRow kUrlRows[] = {
    {"UpdateAddress", "http://www.tessarook.example/Updates/tessarook.xml", true,
     "www.tessarook.example", "www.tessarook.example", 80, "/Updates/tessarook.xml"},
    {"PortKeptInHostPartAndNoPath", "http://Host.Example:8080", true, "Host.Example:8080",
     "Host.Example", 8080, "/"},
    {"QueryKeptFragmentDropped", "HTTP://h/a?b=c#top", true, "h", "h", 80, "/a?b=c"},
    {"Ipv6Literal", "http://[::1]:81/x", true, "[::1]:81", "::1", 81, "/x"},
    {"OtherScheme", "https://h/", false, "", "", 0, ""},
    {"NoHost", "http:///x", false, "", "", 0, ""},
    {"PortZero", "http://h:0/", false, "", "", 0, ""},
    {"PortTooLarge", "http://h:65536/", false, "", "", 0, ""},
    {"PortNotANumber", "http://h:8a/", false, "", "", 0, ""},
    {"UserInformation", "http://user@h/", false, "", "", 0, ""},
    {"UnclosedIpv6", "http://[::1/x", false, "", "", 0, ""},
    {"BlankInPath", "http://h/a b", false, "", "", 0, ""},
    {"CarriageReturnInPath", "http://h/a\rX-Injected:1", false, "", "", 0, ""},
    {"LineFeedInPath", "http://h/a\nX-Injected:1", false, "", "", 0, ""},
    {"NonAsciiInPath", "http://h/caf\xC3\xA9", false, "", "", 0, ""},
};

INSTANTIATE_TEST_SUITE_P(Rows, HttpUrlTest, ::testing::ValuesIn(kUrlRows),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace fw
