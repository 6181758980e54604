// The client dataset's XML data packets: DATAPACKET / METADATA / FIELDS / PARAMS / ROWDATA.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/field.h"
#include "platform/variant.h"

namespace platform {

struct DataPacket {
  std::vector<TFieldDef> fields;
  // PARAMS attributes in file order (LCID, DEFAULT_ORDER...), without the change log.
  std::vector<std::pair<std::string, std::string>> params;
  // Rows with any change log merged in; one value per field (empty is null), converted
  // to the field's type and text cut to the field's size.
  std::vector<std::vector<Variant>> rows;
  // The file carried a change log (merged into rows above), so it differs from the rows.
  bool change_log = false;
};

// Reads a packet file, with or without an encoding declaration (no declaration: UTF-8 when
// the bytes are valid UTF-8, otherwise Windows-1252, what the platform itself writes).
// Raises EDatabaseError "<path>:<line>:<column>: <what was expected>, <what was found>"
// (or "<path>: ..." where no position applies) for anything it cannot read.
DataPacket ReadDataPacket(const std::string& path);

// Parses packet bytes already in memory; path only names them in errors.
DataPacket ParseDataPacket(std::string bytes, const std::string& path);

// The packet text for fields (data fields only) and rows (pointers to value vectors with
// one value per entry of fields' indices).
std::string FormatDataPacket(const std::vector<const TFieldDef*>& fields,
                             const std::vector<int>& value_index,
                             const std::vector<std::pair<std::string, std::string>>& params,
                             const std::vector<const std::vector<Variant>*>& rows);

}  // namespace platform
