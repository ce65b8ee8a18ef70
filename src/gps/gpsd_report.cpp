#include "gps/gpsd_report.h"

#include <string>

#include "gps/json_object.h"

namespace tarvo {

namespace {

using Members = std::map<std::string, JsonValue>;

// A member that must be a number within [low, high] when it is there. False when it is
// there and is not.
bool ReadNumber(const Members& members, const std::string& name, double low, double high,
                std::optional<double>& number) {
    const auto found = members.find(name);
    if (found == members.end()) {
        return true;
    }
    const JsonValue& value = found->second;
    if (value.type != JsonValue::Type::Number || value.number < low || value.number > high) {
        return false;
    }
    number = value.number;
    return true;
}

bool ReadMode(const Members& members, int& mode) {
    const auto found = members.find("mode");
    if (found == members.end() || found->second.type != JsonValue::Type::Number) {
        return false;
    }
    const double value = found->second.number;
    for (int m = 0; m <= 3; ++m) {
        if (value == m) {
            mode = m;
            return true;
        }
    }
    return false;
}

bool IsBlank(std::string_view line) {
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

}  // namespace

GpsdLine ReadGpsdLine(std::string_view line) {
    GpsdLine read;
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    if (IsBlank(line)) {
        return read;
    }
    read.kind = GpsdLine::Kind::Garbage;
    const auto members = ReadJsonObject(line);
    if (!members) {
        return read;
    }
    const auto cls = members->find("class");
    if (cls == members->end() || cls->second.type != JsonValue::Type::String) {
        return read;
    }
    if (cls->second.text != "TPV") {
        read.kind = GpsdLine::Kind::Other;
        return read;
    }
    PositionReport& p = read.position;
    std::optional<double> alt;
    const double anyHeight = 1e9;  // finite numbers are all taken; the test is the type
    if (!ReadMode(*members, p.mode) || !ReadNumber(*members, "lat", -90, 90, p.latitude) ||
        !ReadNumber(*members, "lon", -180, 180, p.longitude) ||
        !ReadNumber(*members, "altMSL", -anyHeight, anyHeight, p.altitudeMsl) ||
        !ReadNumber(*members, "alt", -anyHeight, anyHeight, alt)) {
        p = PositionReport();
        return read;
    }
    if (!p.altitudeMsl) {
        p.altitudeMsl = alt;
    }
    read.kind = GpsdLine::Kind::Position;
    return read;
}

}  // namespace tarvo
