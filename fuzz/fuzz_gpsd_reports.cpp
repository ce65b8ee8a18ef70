// Reads arbitrary bytes as what gpsd sends: cut into pieces as a socket might deliver
// them, under a line limit the input chooses, so that short inputs make over-long lines
// too. The lines must come out the same whatever the cut, none longer than the limit
// nor holding a line feed, and every position report read must hold what the reader
// promises.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "gps/gpsd_report.h"
#include "gps/report_lines.h"

namespace {

constexpr std::size_t kLongestInput = 1024;

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

struct Cut {
    std::vector<std::string> lines;
    bool ok = true;
};

Cut ReadInPieces(std::string_view bytes, std::size_t piece, std::size_t longestLine) {
    tarvo::ReportLines reader(longestLine);
    Cut cut;
    for (std::size_t at = 0; at < bytes.size(); at += piece) {
        const bool ok = reader.Append(bytes.substr(at, piece), cut.lines);
        Check(ok == !reader.TooLong());
        cut.ok = ok;
    }
    return cut;
}

void CheckLine(const std::string& line, std::size_t longestLine) {
    Check(line.size() <= longestLine);
    Check(line.find('\n') == std::string::npos);
    const tarvo::GpsdLine read = tarvo::ReadGpsdLine(line);
    if (read.kind != tarvo::GpsdLine::Kind::Position) {
        return;
    }
    const tarvo::PositionReport& p = read.position;
    Check(p.mode >= 0 && p.mode <= 3);
    if (p.latitude) {
        Check(std::isfinite(*p.latitude) && *p.latitude >= -90 && *p.latitude <= 90);
    }
    if (p.longitude) {
        Check(std::isfinite(*p.longitude) && *p.longitude >= -180 && *p.longitude <= 180);
    }
    if (p.altitudeMsl) {
        Check(std::isfinite(*p.altitudeMsl));
    }
    Check(!p.HasHeight() || p.HasFix());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    // The first byte chooses the piece size (1 to 16 bytes) and the line limit: the
    // program's own, or 16 to 240 bytes.
    const std::size_t piece = (data[0] & 0x0F) + 1;
    const std::size_t longestLine =
        (data[0] >> 4) == 0 ? tarvo::ReportLines::kLongestLine : (data[0] >> 4) * 16u;
    // At most a kilobyte follows: a position report is a few hundred bytes, and longer
    // inputs would only slow the search.
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1),
                                 size - 1 < kLongestInput ? size - 1 : kLongestInput);

    const Cut whole = ReadInPieces(bytes, bytes.size() + 1, longestLine);
    const Cut pieces = ReadInPieces(bytes, piece, longestLine);
    Check(whole.ok == pieces.ok);
    Check(whole.lines == pieces.lines);
    std::string joined;
    for (const std::string& line : whole.lines) {
        CheckLine(line, longestLine);
        joined += line;
        joined += '\n';
    }
    // Every byte up to the last line feed is in a line, unless a line was too long.
    if (whole.ok) {
        Check(bytes.substr(0, joined.size()) == joined);
        Check(bytes.find('\n', joined.size()) == std::string::npos);
    }
    return 0;
}
