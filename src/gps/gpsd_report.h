#pragma once

#include <optional>
#include <string_view>

namespace tarvo {

// gpsd's position report, its JSON object of class "TPV", as far as the program reads
// it. gpsd sends one whenever the receiver gives a position, about once a second.
struct PositionReport {
    int mode = 0;                       // 0 not known yet, 1 no fix, 2 a 2D fix, 3 a 3D fix
    std::optional<double> latitude;     // degrees north, negative south
    std::optional<double> longitude;    // degrees east, negative west
    std::optional<double> altitudeMsl;  // metres above mean sea level

    // A position the receiver stands by: a 2D or 3D fix with both coordinates.
    bool HasFix() const { return mode >= 2 && latitude && longitude; }
    // The height is only meant with a 3D fix.
    bool HasHeight() const { return HasFix() && mode == 3 && altitudeMsl; }
};

// What one line from gpsd is to the program.
struct GpsdLine {
    enum class Kind {
        Other,     // a report of another class (VERSION, DEVICES, WATCH, SKY, ...), or blank
        Position,  // a TPV report, in `position`
        Garbage,   // anything else: no JSON object, no class, a TPV whose members do not read
    };
    Kind kind = Kind::Other;
    PositionReport position;
};

// Reads one line gpsd sent, without its line feed (a carriage return before it is
// allowed). A TPV is garbage when its mode is not 0 to 3, a latitude is outside -90 to
// 90 or a longitude outside -180 to 180, or one of them, or a height, is not a number.
// The height is altMSL, or alt where an older gpsd sends only that.
GpsdLine ReadGpsdLine(std::string_view line);

}  // namespace tarvo
