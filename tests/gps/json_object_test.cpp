// The JSON objects of gpsd's lines: what is read, and what is refused, by RFC 8259.

#include "gps/json_object.h"

#include <gtest/gtest.h>

#include <string>

namespace tarvo {
namespace {

TEST(JsonObject, ReadsTheMembersOfOneObject) {
    const auto members = ReadJsonObject(
        R"( {"s":"a\"b\\c\/\n\u00e9\ud83d\ude00", "n":-12.5e1, "z":0, "t":true, "f":false,)"
        R"( "x":null, "a":[1,[2,{}]], "o":{"in":"side"}} )");
    ASSERT_TRUE(members);
    EXPECT_EQ(members->size(), 8u);
    EXPECT_EQ(members->at("s").text, "a\"b\\c/\n\xC3\xA9\xF0\x9F\x98\x80");  // é and U+1F600
    EXPECT_EQ(members->at("n").number, -125.0);
    EXPECT_EQ(members->at("z").number, 0.0);
    EXPECT_TRUE(members->at("t").boolean);
    EXPECT_EQ(members->at("f").type, JsonValue::Type::Boolean);
    EXPECT_FALSE(members->at("f").boolean);
    EXPECT_EQ(members->at("x").type, JsonValue::Type::Null);
    EXPECT_EQ(members->at("a").type, JsonValue::Type::Array);
    EXPECT_EQ(members->at("o").type, JsonValue::Type::Object);
    EXPECT_TRUE(ReadJsonObject("{}"));
}

TEST(JsonObject, RefusesWhatIsNotOneObject) {
    for (const char* text : {
             "",
             "   ",
             "[]",
             "\"x\"",
             "12",
             "{",
             "}",
             "{}{}",
             "{} x",
             R"({"a"})",
             R"({"a":})",
             R"({"a":1,})",
             R"({,"a":1})",
             R"({a:1})",
             R"({'a':1})",
             R"({"a":1 "b":2})",
             R"({"a":[1,]})",
             R"({"a":tru})",
             R"({"a":nul})",
             R"({"a":"x)",
             "{\"a\":\"tab\there\"}",  // a control character not escaped
             R"({"a":"\x"})",
             R"({"a":"\u12"})",
             R"({"a":"\ud83d"})",
             R"({"a":"\ude00"})",
             R"({"a":01})",
             R"({"a":1.})",
             R"({"a":.5})",
             R"({"a":+1})",
             R"({"a":1e})",
             R"({"a":-})",
             R"({"a":0x10})",
             R"({"a":NaN})",
             R"({"a":1e999})",
             R"({"a":1,"a":2})",  // named twice
         }) {
        EXPECT_FALSE(ReadJsonObject(text)) << text;
    }
}

TEST(JsonObject, NestsNoDeeperThanAllowed) {
    // The outer object is level 1: three levels are {"a":[{}]}.
    EXPECT_TRUE(ReadJsonObject(R"({"a":[{}]})", 3));
    EXPECT_FALSE(ReadJsonObject(R"({"a":[{}]})", 2));
    EXPECT_FALSE(ReadJsonObject(R"({"a":[[]]})", 2));
    EXPECT_TRUE(ReadJsonObject(R"({"a":[1,2],"b":{"c":3}})", 2));
    EXPECT_FALSE(ReadJsonObject("{}", 0));
    const std::string deep = "{\"a\":" + std::string(100000, '[') + std::string(100000, ']') + "}";
    EXPECT_FALSE(ReadJsonObject(deep));
}

}  // namespace
}  // namespace tarvo
