#include "platform/framework/dataserver.h"

int DataServer::FieldPos(std::string_view name) const
{
    for (int n = 1; n <= FCount(); ++n)
        if (const ::DataField* field = DataField(n); field && SameName(field->hyperLabel.name, name)) return n;
    return 0;
}

const DataField* MemoryServer::DataField(int n) const
{
    return n >= 1 && n <= FCount() ? &fields_[static_cast<size_t>(n) - 1] : nullptr;
}

std::string MemoryServer::FieldValue(int record, int field) const
{
    if (record < 1 || record > RecCount()) return {};
    const std::vector<std::string>& values = records_[static_cast<size_t>(record) - 1];
    return field >= 1 && field <= static_cast<int>(values.size()) ? values[static_cast<size_t>(field) - 1] : "";
}
