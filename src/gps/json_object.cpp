#include "gps/json_object.h"

#include <charconv>
#include <cmath>
#include <cstdint>

namespace tarvo {

namespace {

// A reader over the text that stops at the first fault: every Read... function
// returns false then and the position is no longer meaningful.
class JsonReader {
  public:
    JsonReader(std::string_view text, int maxDepth) : text_(text), maxDepth_(maxDepth) {}

    bool ReadTopObject(std::map<std::string, JsonValue>& members) {
        SkipBlanks();
        if (!ReadObject(1, &members)) {
            return false;
        }
        SkipBlanks();
        return at_ == text_.size();
    }

  private:
    bool AtEnd() const { return at_ >= text_.size(); }
    char Peek() const { return AtEnd() ? '\0' : text_[at_]; }

    void SkipBlanks() {
        while (!AtEnd() && (Peek() == ' ' || Peek() == '\t' || Peek() == '\n' || Peek() == '\r')) {
            ++at_;
        }
    }

    bool Take(char c) {
        if (Peek() != c || AtEnd()) {
            return false;
        }
        ++at_;
        return true;
    }

    bool TakeWord(std::string_view word) {
        if (text_.substr(at_, word.size()) != word) {
            return false;
        }
        at_ += word.size();
        return true;
    }

    // A value at nesting level `depth` (that of the object or array holding it, plus
    // one when it is an object or array itself). `kept` is filled when not null.
    bool ReadValue(int depth, JsonValue* kept) {
        JsonValue scratch;
        JsonValue& value = kept ? *kept : scratch;
        switch (Peek()) {
            case '{':
                value.type = JsonValue::Type::Object;
                return ReadObject(depth + 1, nullptr);
            case '[':
                value.type = JsonValue::Type::Array;
                return ReadArray(depth + 1);
            case '"':
                value.type = JsonValue::Type::String;
                return ReadString(value.text);
            case 't':
                value.type = JsonValue::Type::Boolean;
                value.boolean = true;
                return TakeWord("true");
            case 'f':
                value.type = JsonValue::Type::Boolean;
                value.boolean = false;
                return TakeWord("false");
            case 'n':
                value.type = JsonValue::Type::Null;
                return TakeWord("null");
            default:
                value.type = JsonValue::Type::Number;
                return ReadNumber(value.number);
        }
    }

    // An object at nesting level `depth`; its members are kept in `members` when it is
    // not null (the outer object only).
    bool ReadObject(int depth, std::map<std::string, JsonValue>* members) {
        if (depth > maxDepth_ || !Take('{')) {
            return false;
        }
        SkipBlanks();
        if (Take('}')) {
            return true;
        }
        for (;;) {
            std::string name;
            SkipBlanks();
            if (!ReadString(name)) {
                return false;
            }
            SkipBlanks();
            if (!Take(':')) {
                return false;
            }
            SkipBlanks();
            JsonValue* kept = nullptr;
            if (members) {
                auto [where, added] = members->try_emplace(std::move(name));
                if (!added) {
                    return false;  // named twice: which one gpsd meant is unknown
                }
                kept = &where->second;
            }
            if (!ReadValue(depth, kept)) {
                return false;
            }
            SkipBlanks();
            if (Take('}')) {
                return true;
            }
            if (!Take(',')) {
                return false;
            }
        }
    }

    bool ReadArray(int depth) {
        if (depth > maxDepth_ || !Take('[')) {
            return false;
        }
        SkipBlanks();
        if (Take(']')) {
            return true;
        }
        for (;;) {
            SkipBlanks();
            if (!ReadValue(depth, nullptr)) {
                return false;
            }
            SkipBlanks();
            if (Take(']')) {
                return true;
            }
            if (!Take(',')) {
                return false;
            }
        }
    }

    bool ReadHex4(std::uint32_t& code) {
        if (text_.size() - at_ < 4) {
            return false;
        }
        code = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = text_[at_++];
            code <<= 4;
            if (c >= '0' && c <= '9') {
                code |= static_cast<std::uint32_t>(c - '0');
            } else if (c >= 'a' && c <= 'f') {
                code |= static_cast<std::uint32_t>(c - 'a' + 10);
            } else if (c >= 'A' && c <= 'F') {
                code |= static_cast<std::uint32_t>(c - 'A' + 10);
            } else {
                return false;
            }
        }
        return true;
    }

    static void AppendUtf8(std::string& out, std::uint32_t code) {
        if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code < 0x800) {
            out += static_cast<char>(0xC0 | (code >> 6));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            out += static_cast<char>(0xE0 | (code >> 12));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (code >> 18));
            out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
    }

    // \uXXXX, a surrogate pair as one character; a lone surrogate is a fault.
    bool ReadUnicodeEscape(std::string& out) {
        std::uint32_t code = 0;
        if (!ReadHex4(code)) {
            return false;
        }
        if (code >= 0xDC00 && code <= 0xDFFF) {
            return false;
        }
        if (code >= 0xD800 && code <= 0xDBFF) {
            std::uint32_t low = 0;
            if (!TakeWord("\\u") || !ReadHex4(low) || low < 0xDC00 || low > 0xDFFF) {
                return false;
            }
            code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
        }
        AppendUtf8(out, code);
        return true;
    }

    bool ReadString(std::string& out) {
        if (!Take('"')) {
            return false;
        }
        while (!AtEnd()) {
            const char c = text_[at_++];
            if (c == '"') {
                return true;
            }
            if (static_cast<unsigned char>(c) < 0x20) {
                return false;  // control characters only as escapes
            }
            if (c != '\\') {
                out += c;
                continue;
            }
            if (AtEnd()) {
                return false;
            }
            const char e = text_[at_++];
            switch (e) {
                case '"':
                    out += '"';
                    break;
                case '\\':
                    out += '\\';
                    break;
                case '/':
                    out += '/';
                    break;
                case 'b':
                    out += '\b';
                    break;
                case 'f':
                    out += '\f';
                    break;
                case 'n':
                    out += '\n';
                    break;
                case 'r':
                    out += '\r';
                    break;
                case 't':
                    out += '\t';
                    break;
                case 'u':
                    if (!ReadUnicodeEscape(out)) {
                        return false;
                    }
                    break;
                default:
                    return false;
            }
        }
        return false;  // no closing quote
    }

    bool TakeDigits() {
        const std::size_t from = at_;
        while (!AtEnd() && Peek() >= '0' && Peek() <= '9') {
            ++at_;
        }
        return at_ > from;
    }

    // JSON's number: -?(0|[1-9][0-9]*)(\.[0-9]+)?([eE][+-]?[0-9]+)?
    bool ReadNumber(double& number) {
        const std::size_t from = at_;
        Take('-');
        if (Take('0')) {
            if (!AtEnd() && Peek() >= '0' && Peek() <= '9') {
                return false;  // no leading zeros
            }
        } else if (!TakeDigits()) {
            return false;
        }
        if (Take('.') && !TakeDigits()) {
            return false;
        }
        if (Take('e') || Take('E')) {
            if (!Take('+')) {
                Take('-');
            }
            if (!TakeDigits()) {
                return false;
            }
        }
        const char* first = text_.data() + from;
        const char* last = text_.data() + at_;
        const auto [end, error] = std::from_chars(first, last, number);
        return error == std::errc() && end == last && std::isfinite(number);
    }

    std::string_view text_;
    int maxDepth_;
    std::size_t at_ = 0;
};

}  // namespace

std::optional<std::map<std::string, JsonValue>> ReadJsonObject(std::string_view text,
                                                               int maxDepth) {
    std::map<std::string, JsonValue> members;
    JsonReader reader(text, maxDepth);
    if (!reader.ReadTopObject(members)) {
        return std::nullopt;
    }
    return members;
}

}  // namespace tarvo
