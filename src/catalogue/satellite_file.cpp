#include "catalogue/satellite_file.h"

#include <algorithm>
#include <filesystem>
#include <new>
#include <system_error>
#include <utility>
#include <vector>

#include "catalogue/file_error.h"
#include "catalogue/file_path.h"
#include "catalogue/text_items.h"
#include "catalogue/whole_file.h"
#include "common/failure.h"
#include "common/fixed_text.h"
#include "common/int16.h"
#include "common/number_text.h"

namespace tarvo {

SatelliteFileRead ParseSatelliteFile(std::string_view bytes) {
    SatelliteFileRead result;
    ItemReader reader(bytes);
    try {
        // Room for the rows made once, so that filling the table moves no row: a
        // record takes at least three bytes (three empty items and their separators).
        // Room that no row takes is never written to.
        result.table.Reserve(static_cast<int>(
            std::min<std::size_t>(bytes.size() / 3 + 1, SatelliteTable::kMaxRows)));
        do {
            if (result.table.SatLast() + 1 >= SatelliteTable::kMaxRows) {
                throw RunTimeFailure("More than 32767 satellites");
            }
            SatelliteRecord record;
            record.SatName = reader.ReadText();
            record.SatLong = reader.ReadDouble();
            record.SatLook = RoundToInt16(reader.ReadDouble());
            result.table.Append(std::move(record));
        } while (!reader.AtEnd());
        result.ok = true;
    } catch (const RunTimeFailure& failure) {
        result.failure = failure.what();
    } catch (const std::bad_alloc&) {
        result.failure = "Out of memory";
    }
    return result;
}

SatelliteFileRead ReadSatelliteFile(std::string_view fileName) {
    std::string bytes;
    try {
        bytes = ReadWholeFile(fileName);
    } catch (const FileError& error) {
        SatelliteFileRead result;
        result.failure = error.what();
        std::error_code lookUp;
        result.missing = !std::filesystem::exists(FilePath(fileName), lookUp) && !lookUp;
        return result;
    }
    return ParseSatelliteFile(bytes);
}

std::string SatelliteFileText(const SatelliteTable& table) {
    static const std::vector<SatelliteRecord> kBlankDefault(1);
    const std::vector<SatelliteRecord>& rows = table.Empty() ? kBlankDefault : table.Rows();
    std::string text;
    for (const SatelliteRecord& row : rows) {
        text += '"';
        text += FixedWidth(row.SatName, kSatNameWidth);
        text += "\"\r\n";
        text += NumberText(row.SatLong);
        text += "\r\n";
        text += std::to_string(row.SatLook);
        text += "\r\n";
    }
    return text;
}

void WriteSatelliteFile(const SatelliteTable& table, std::string_view fileName) {
    WriteWholeFile(fileName, SatelliteFileText(table));
}

}  // namespace tarvo
