#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace tarvo {

// One member's value of a JSON object, as far as the program reads it: numbers,
// strings and booleans are kept; an array or an object is only known to be there.
struct JsonValue {
    enum class Type { Null, Boolean, Number, String, Array, Object };
    Type type = Type::Null;
    bool boolean = false;  // Boolean
    double number = 0;     // Number: always finite
    std::string text;      // String, its escapes decoded (UTF-8)
};

// The members of the one JSON object (RFC 8259) that `text` holds, with blanks
// allowed around it, by name; nothing when the text is anything else: not JSON, more
// than one value, a member named twice, arrays and objects nested deeper than
// `maxDepth` levels (the outer object is the first), or a number a double cannot hold.
std::optional<std::map<std::string, JsonValue>> ReadJsonObject(std::string_view text,
                                                               int maxDepth = 32);

}  // namespace tarvo
