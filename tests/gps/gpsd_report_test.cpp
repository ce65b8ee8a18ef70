// gpsd's lines as the program reads them: the lines are written here as gpsd's JSON
// protocol documents its reports.

#include "gps/gpsd_report.h"

#include <gtest/gtest.h>

namespace tarvo {
namespace {

using Kind = GpsdLine::Kind;

TEST(GpsdReport, ReadsPositionReports) {
    const GpsdLine fix3d = ReadGpsdLine(
        R"({"class":"TPV","device":"/dev/ttyUSB0","mode":3,"time":"2026-06-01T08:00:00.000Z",)"
        R"("lat":61.4981,"lon":-23.7603,"altHAE":140.2,"altMSL":121.5,"alt":99.0,"speed":0.0})"
        "\r");
    ASSERT_EQ(fix3d.kind, Kind::Position);
    EXPECT_EQ(fix3d.position.mode, 3);
    EXPECT_EQ(fix3d.position.latitude, 61.4981);
    EXPECT_EQ(fix3d.position.longitude, -23.7603);
    EXPECT_EQ(fix3d.position.altitudeMsl, 121.5);  // altMSL before alt
    EXPECT_TRUE(fix3d.position.HasFix());
    EXPECT_TRUE(fix3d.position.HasHeight());

    const GpsdLine older = ReadGpsdLine(R"({"class":"TPV","mode":3,"lat":1,"lon":2,"alt":-4})");
    EXPECT_EQ(older.position.altitudeMsl, -4.0);  // an older gpsd's alt

    const GpsdLine fix2d =
        ReadGpsdLine(R"({"class":"TPV","mode":2,"lat":-90,"lon":180,"altMSL":7})");
    ASSERT_EQ(fix2d.kind, Kind::Position);
    EXPECT_TRUE(fix2d.position.HasFix());
    EXPECT_FALSE(fix2d.position.HasHeight());  // a 2D fix has no height worth showing
}

TEST(GpsdReport, ReportsWithoutAFixHaveNone) {
    for (const char* line : {
             R"({"class":"TPV","mode":0})",
             R"({"class":"TPV","mode":1,"lat":61.5,"lon":23.7})",
             R"({"class":"TPV","mode":3,"lat":61.5})",  // no longitude
             R"({"class":"TPV","mode":2,"lon":23.7})",
         }) {
        const GpsdLine read = ReadGpsdLine(line);
        EXPECT_EQ(read.kind, Kind::Position) << line;
        EXPECT_FALSE(read.position.HasFix()) << line;
    }
}

TEST(GpsdReport, OtherClassesAndBlankLinesArePassedOver) {
    for (const char* line : {
             R"({"class":"VERSION","release":"3.22","proto_major":3,"proto_minor":14})",
             R"({"class":"DEVICES","devices":[]})",
             R"({"class":"WATCH","enable":true,"json":true})",
             R"({"class":"SKY","satellites":[{"PRN":5,"el":45}]})",
             R"({"class":"tpv","mode":"whatever"})",  // class names are case-sensitive
             "",
             " \t\r",
         }) {
        EXPECT_EQ(ReadGpsdLine(line).kind, Kind::Other) << line;
    }
}

TEST(GpsdReport, GarbageIsTold) {
    for (const char* line : {
             "$GPGGA,080000.00,6129.886,N,02345.618,E,1,08,0.9,121.5,M,18.7,M,,*47",
             "HTTP/1.1 400 Bad Request",
             R"({"mode":3,"lat":1,"lon":2})",  // no class
             R"({"class":7})",
             R"({"class":"TPV"})",  // no mode
             R"({"class":"TPV","mode":4})",
             R"({"class":"TPV","mode":2.5})",
             R"({"class":"TPV","mode":"3"})",
             R"({"class":"TPV","mode":3,"lat":90.0001,"lon":0})",
             R"({"class":"TPV","mode":3,"lat":0,"lon":-180.5})",
             R"({"class":"TPV","mode":3,"lat":"61.5","lon":23.7})",
             R"({"class":"TPV","mode":3,"lat":61.5,"lon":23.7,"altMSL":null})",
         }) {
        EXPECT_EQ(ReadGpsdLine(line).kind, Kind::Garbage) << line;
    }
}

}  // namespace
}  // namespace tarvo
